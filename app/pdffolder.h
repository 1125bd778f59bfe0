// The PDFs of a list run: each reading laid out on a worker thread, the files written into one
// folder in the order of the list.
#pragma once

#include <QCache>
#include <QDir>
#include <QPageSize>
#include <QString>
#include <deque>
#include <functional>
#include <future>

namespace vorn {

struct Reading;

class PdfFolder
{
public:
    // Called in the order of the list, for each reading added and each note passed along: the
    // line, and the file written or why it was not.
    struct Written
    {
        quint64 line = 0;
        QString fileName; // empty: not written
        QString problem; // why not, or the refusal passed along
        bool refused = false; // a refusal passed along, not a reading
    };
    using Report = std::function<void(const Written &)>;

    PdfFolder(const QDir &folder, const QPageSize &paper, Report report);
    ~PdfFolder();

    // Lays the reading out on a worker; its file is written, and reported, in its turn.
    void add(quint64 line, const Reading &reading);
    // Reports the refusal of line in its turn among the readings.
    void pass(quint64 line, const QString &refusal);
    // Writes and reports everything added.
    void finish();

private:
    struct Pending
    {
        quint64 line;
        QString fileName;
        QString problem;
        std::future<QByteArray> pdf;
    };

    void enqueue(Pending pending);
    void writeNext();

    QDir m_folder;
    QPageSize m_paper;
    Report m_report;
    std::deque<Pending> m_pending;
    std::size_t m_window;
    // The last number given to a recent file name, so that many readings of one name do not
    // try every taken number again; bounded, as the list may be long.
    QCache<QString, int> m_lastNumber{4096};
};

// Writes bytes into folder as name numbered from *number (1: name itself, 2: "name-2", and so
// on), taking the next number while a file of that name is there: never over a file, and never a
// part-written file under any of these names. The name written, with its number in *number, or
// an empty one and the reason in problem.
QString writeNewFile(const QDir &folder, const QString &name, const QByteArray &bytes, int *number,
                     QString *problem);

} // namespace vorn
