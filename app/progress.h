// How far a list run has come, on one line of a terminal.
#pragma once

#include <QElapsedTimer>
#include <cstdint>

namespace vorn {

// One line on standard error that says how far the run has come (rows, rows a second, and the
// share done where the input's size is known), redrawn at most ten times a second, and cleared
// before a message or at the end. Shows nothing when not shown.
class Progress
{
public:
    Progress(bool shown, qint64 inputSize);

    void update(qint64 rows, std::uint64_t bytes);
    void clear();

private:
    bool m_shown;
    qint64 m_size;
    QElapsedTimer m_clock;
    qint64 m_lastDraw = 0;
    bool m_drawn = false;
};

} // namespace vorn
