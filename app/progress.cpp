#include "progress.h"

#include "listrows.h"

#include <QString>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace vorn {

Progress::Progress(bool shown, qint64 inputSize)
    : m_shown(shown)
    , m_size(inputSize)
{
    m_clock.start();
}

void Progress::update(qint64 rows, std::uint64_t bytes)
{
    if (!m_shown || (m_drawn && m_clock.elapsed() - m_lastDraw < 100))
        return;
    m_lastDraw = m_clock.elapsed();
    const double seconds = std::max(0.001, double(m_clock.elapsed()) / 1000.0);
    QString line = plural(rows, u"row"_s, u"rows"_s) + u", "_s
        + counted(qlonglong(double(rows) / seconds)) + u" rows/s"_s;
    if (m_size > 0)
        line += u", "_s + QString::number(100 * qint64(bytes) / m_size) + u'%';
    std::fprintf(stderr, "\r%s\033[K", qUtf8Printable(line));
    m_drawn = true;
}

void Progress::clear()
{
    if (m_drawn)
        std::fputs("\r\033[K", stderr);
    m_drawn = false;
}

} // namespace vorn
