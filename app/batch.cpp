#include "batch.h"

#include "commandio.h"
#include "csvreader.h"
#include "listrows.h"
#include "orderedwork.h"
#include "pdffolder.h"
#include "progress.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <reading/document.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

// Why the reader stopped or passed over a record, in a message.
QString readerProblem(CsvReader::Result result, const CsvReader &reader)
{
    switch (result) {
    case CsvReader::Result::RecordTooLong:
        return u"the row is longer than "_s + counted(qlonglong(CsvLimits().maxRecordBytes))
            + u" bytes"_s;
    case CsvReader::Result::TooManyFields:
        return u"the row has more than "_s + counted(qlonglong(CsvLimits().maxFields))
            + u" fields"_s;
    case CsvReader::Result::UnclosedQuote:
        return u"a quoted field that begins on this line is never closed"_s;
    case CsvReader::Result::InvalidUtf8:
        return u"the line holds bytes that are not UTF-8 text"_s;
    case CsvReader::Result::NulByte:
        return u"the line holds a NUL byte, so the list is not text"_s;
    case CsvReader::Result::ReadError:
        return u"cannot read further: "_s
            + QString::fromLocal8Bit(std::strerror(reader.readErrno()));
    case CsvReader::Result::Record:
    case CsvReader::Result::End:
        break;
    }
    return {};
}

class ListRun
{
public:
    explicit ListRun(const ListSettings &settings)
        : m_settings(settings)
        , m_name(settings.input == u"-" ? u"(standard input)"_s : settings.input)
    {
    }

    ~ListRun()
    {
        if (m_fd > STDIN_FILENO)
            ::close(m_fd);
    }

    int run();

private:
    bool openInput();
    bool readHeader();
    bool openOutput();
    std::optional<int> readRows();
    void take(Made &made);
    void say(quint64 line, const QString &message);
    int summary() const;

    const ListSettings &m_settings;
    QString m_name; // of the input, as messages name it
    int m_fd = -1;
    std::unique_ptr<CsvReader> m_reader;
    Making m_making;
    std::unique_ptr<CommandOutput> m_output;
    std::unique_ptr<PdfFolder> m_pdfs;
    std::unique_ptr<Progress> m_progress;
    qint64 m_read = 0, m_refused = 0, m_notWritten = 0;
    bool m_outputFailed = false;
};

bool ListRun::openInput()
{
    m_fd = m_settings.input == u"-"
        ? STDIN_FILENO
        : ::open(QFile::encodeName(m_settings.input).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        complain(u"cannot read '"_s + m_settings.input + u"': "_s
                 + QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat status = {};
    const bool known = ::fstat(m_fd, &status) == 0;
    if (known && S_ISDIR(status.st_mode)) {
        complain(u"cannot read '"_s + m_settings.input + u"': "_s
                 + QString::fromLocal8Bit(std::strerror(EISDIR)));
        return false;
    }
    const bool sized = known && S_ISREG(status.st_mode);
    m_progress = std::make_unique<Progress>(!m_settings.quiet && ::isatty(STDERR_FILENO),
                                            sized ? qint64(status.st_size) : 0);
    m_reader = std::make_unique<CsvReader>(fileDescriptorSource(m_fd));
    return true;
}

bool ListRun::readHeader()
{
    std::vector<std::string> header;
    const CsvReader::Result result = m_reader->readRecord(header);
    QString problem;
    if (result == CsvReader::Result::End)
        problem = u"the list is empty; it needs a header that names the columns 'first', "_s
                  u"'last', and 'born'"_s;
    else if (result != CsvReader::Result::Record)
        problem = readerProblem(result, *m_reader);
    else
        m_making.columns = readColumns(header, &problem);
    if (problem.isEmpty())
        return true;
    // An empty list's problem is on its first line, whatever blank lines follow.
    const quint64 line
        = result == CsvReader::Result::End ? 1 : std::max<quint64>(1, m_reader->line());
    complain(m_name + u':' + QString::number(line) + u": "_s + problem);
    return false;
}

bool ListRun::openOutput()
{
    m_making.format = m_settings.format;
    if (m_settings.format == ListFormat::Pdf) {
        QDir folder(m_settings.output);
        errno = 0;
        if (folder.mkpath(u"."_s)) {
            m_pdfs = std::make_unique<PdfFolder>(folder);
            m_making.paper = localePageSize();
            return true;
        }
        // Qt gives no reason; the system's, where it left one.
        const int reason = errno ? errno : EEXIST;
        complain(u"cannot create the folder '"_s + m_settings.output + u"': "_s
                 + QString::fromLocal8Bit(std::strerror(reason)));
        return false;
    }
    m_making.output = makeListOutput(m_settings.format);
    m_output = std::make_unique<CommandOutput>(m_settings.output);
    if (m_output->open() && m_output->write(m_making.output->header()))
        return true;
    complain(u"cannot write "_s + m_output->where() + u": "_s + m_output->errorString());
    return false;
}

void ListRun::say(quint64 line, const QString &message)
{
    m_progress->clear();
    complain(m_name + u':' + QString::number(line) + u": "_s + message);
}

// A piece made, in its turn: its stream written, its refusals said, its PDFs written.
void ListRun::take(Made &made)
{
    if (!m_outputFailed && m_output && !made.stream.isEmpty() && !m_output->write(made.stream))
        m_outputFailed = true;
    for (const Made::Outcome &outcome : made.outcomes) {
        if (!outcome.refusal.isEmpty()) {
            ++m_refused;
            say(outcome.line, outcome.refusal);
        } else if (m_pdfs) {
            QString problem;
            if (m_pdfs->write(outcome.fileName, outcome.pdf, &problem).isEmpty()) {
                ++m_notWritten;
                say(outcome.line,
                    u"cannot write the row's PDF into '"_s + m_settings.output + u"': "_s
                        + problem);
            }
        }
    }
}

std::optional<int> ListRun::readRows()
{
    // Rows go to the workers by the hundred; a PDF is work enough on its own.
    const std::size_t pieceRows = m_pdfs ? 1 : 128;
    OrderedWork<Piece, Made> work(
        [making = m_making](const Piece &piece) { return making.make(piece); },
        [this](Made &made) { take(made); });
    Piece piece;
    auto hand = [&] {
        if (!piece.rows.empty())
            work.add(std::exchange(piece, {}));
    };
    for (;;) {
        Piece::Row row;
        const CsvReader::Result result = m_reader->readRecord(row.fields);
        row.line = m_reader->line();
        if (result == CsvReader::Result::End)
            break;
        if (result != CsvReader::Result::Record && result != CsvReader::Result::RecordTooLong
            && result != CsvReader::Result::TooManyFields) {
            hand();
            work.finish();
            say(m_reader->line(), readerProblem(result, *m_reader));
            return 2;
        }
        if (result != CsvReader::Result::Record)
            row.problem = readerProblem(result, *m_reader);
        piece.rows.push_back(std::move(row));
        if (piece.rows.size() >= pieceRows)
            hand();
        m_progress->update(++m_read, m_reader->bytesConsumed());
        if (m_outputFailed)
            return 1;
    }
    hand();
    work.finish();
    return std::nullopt;
}

int ListRun::run()
{
    if (!openInput() || !readHeader())
        return 2;
    if (!openOutput())
        return 1;
    const std::optional<int> stopped = readRows();
    m_progress->clear();
    if (m_output && !m_outputFailed && !m_output->finish())
        m_outputFailed = true;
    if (m_outputFailed) {
        complain(u"cannot write "_s + m_output->where() + u": "_s + m_output->errorString());
        return 1;
    }
    return stopped ? *stopped : summary();
}

int ListRun::summary() const
{
    QStringList failures;
    if (m_refused > 0)
        failures << counted(m_refused) + u" of "_s + plural(m_read, u"row"_s, u"rows"_s)
                + u" refused"_s;
    if (m_notWritten > 0)
        failures << plural(m_notWritten, u"PDF"_s, u"PDFs"_s) + u" not written"_s;
    if (failures.isEmpty())
        return 0;
    complain(failures.join(u", "_s));
    return 1;
}

} // namespace

int runList(const ListSettings &settings)
{
    return ListRun(settings).run();
}

} // namespace vorn
