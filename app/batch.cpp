#include "batch.h"

#include "commandio.h"
#include "csvreader.h"
#include "pdffolder.h"

#include <QElapsedTimer>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <reading/document.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

QString counted(qlonglong n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

QString plural(qlonglong n, const QString &one, const QString &many)
{
    return counted(n) + u' ' + (n == 1 ? one : many);
}

// Where each column of the header is, by its place in a row; -1 where there is none.
struct Columns
{
    int first = -1, middle = -1, last = -1, born = -1;
    std::size_t count = 0;
    std::vector<QString> names; // as written, to know the header again
};

// The columns the header names, in any order and any case; an empty problem when it names
// first, last and born (middle may be absent).
Columns readColumns(const std::vector<std::string> &header, QString *problem)
{
    Columns columns;
    columns.count = header.size();
    for (std::size_t i = 0; i < header.size(); ++i) {
        const QString name = QString::fromStdString(header[i]).trimmed().toLower();
        columns.names.push_back(name);
        int *place = name == u"first" ? &columns.first
            : name == u"middle"       ? &columns.middle
            : name == u"last"         ? &columns.last
            : name == u"born"         ? &columns.born
                                      : nullptr;
        if (!place)
            continue;
        if (*place >= 0) {
            *problem = u"the header names the column '"_s + name + u"' twice"_s;
            return columns;
        }
        *place = int(i);
    }
    QStringList missing;
    for (const auto &[place, name] :
         {std::pair{columns.first, "first"}, {columns.last, "last"}, {columns.born, "born"}}) {
        if (place < 0)
            missing << QLatin1String(name);
    }
    if (!missing.isEmpty())
        *problem = u"the header has no column "_s + missing.join(u", "_s)
            + u": a list's first row names its columns first, last, and born (middle may be "
              u"added)"_s;
    return columns;
}

// One line on a terminal that says how far the run has come, redrawn at most ten times a
// second, and cleared before a message or at the end.
class Progress
{
public:
    Progress(bool shown, qint64 inputSize)
        : m_shown(shown)
        , m_size(inputSize)
    {
        m_clock.start();
    }

    void update(qint64 rows, std::uint64_t bytes)
    {
        if (!m_shown || (m_drawn && m_clock.elapsed() - m_lastDraw < 100))
            return;
        m_lastDraw = m_clock.elapsed();
        const double seconds = std::max(0.001, m_clock.elapsed() / 1000.0);
        QString line = plural(rows, u"row"_s, u"rows"_s) + u", "_s
            + counted(qlonglong(rows / seconds)) + u" rows/s"_s;
        if (m_size > 0)
            line += u", "_s + QString::number(100 * qint64(bytes) / m_size) + u'%';
        std::fprintf(stderr, "\r%s\033[K", qUtf8Printable(line));
        m_drawn = true;
    }

    void clear()
    {
        if (m_drawn)
            std::fputs("\r\033[K", stderr);
        m_drawn = false;
    }

private:
    bool m_shown;
    qint64 m_size;
    QElapsedTimer m_clock;
    qint64 m_lastDraw = 0;
    bool m_drawn = false;
};

class ListRun
{
public:
    explicit ListRun(const ListSettings &settings)
        : m_settings(settings)
        , m_name(settings.input)
    {
    }

    int run();

private:
    bool openInput();
    bool readHeader();
    std::optional<int> readRows();
    void take(quint64 line, const std::vector<std::string> &fields);
    GivenEntries entriesOf(const std::vector<std::string> &fields) const;
    void refuse(quint64 line, const QString &message);
    void say(quint64 line, const QString &message);
    void written(const PdfFolder::Written &written);
    bool put(const QByteArray &bytes);
    int summary() const;

    const ListSettings &m_settings;
    QString m_name; // of the input, as messages name it
    int m_fd = -1;
    std::unique_ptr<CsvReader> m_reader;
    Columns m_columns;
    std::unique_ptr<CommandOutput> m_output;
    std::unique_ptr<ListOutput> m_rows;
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
    struct stat status
    {
    };
    const bool sized = ::fstat(m_fd, &status) == 0 && S_ISREG(status.st_mode);
    m_progress = std::make_unique<Progress>(!m_settings.quiet && ::isatty(STDERR_FILENO),
                                            sized ? qint64(status.st_size) : 0);
    m_reader = std::make_unique<CsvReader>(fileDescriptorSource(m_fd));
    return true;
}

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
        return u"a quoted field that begins here is never closed"_s;
    case CsvReader::Result::InvalidUtf8:
        return u"bytes that are not UTF-8 text"_s;
    case CsvReader::Result::NulByte:
        return u"a NUL byte, which text does not hold"_s;
    case CsvReader::Result::ReadError:
        return u"cannot read on: "_s + QString::fromLocal8Bit(std::strerror(reader.readErrno()));
    case CsvReader::Result::Record:
    case CsvReader::Result::End:
        break;
    }
    return {};
}

bool ListRun::readHeader()
{
    std::vector<std::string> header;
    const CsvReader::Result result = m_reader->readRecord(header);
    QString problem;
    if (result == CsvReader::Result::End)
        problem = u"the list is empty: its first row names its columns first, last, and born"_s;
    else if (result != CsvReader::Result::Record)
        problem = readerProblem(result, *m_reader);
    else
        m_columns = readColumns(header, &problem);
    if (problem.isEmpty())
        return true;
    complain(m_name + u':' + QString::number(std::max<quint64>(1, m_reader->line())) + u": "_s
             + problem);
    return false;
}

GivenEntries ListRun::entriesOf(const std::vector<std::string> &fields) const
{
    auto field = [&fields](int place) {
        return place < 0 ? QString() : QString::fromStdString(fields[std::size_t(place)]);
    };
    return {field(m_columns.first), field(m_columns.middle), field(m_columns.last),
            field(m_columns.born)};
}

void ListRun::take(quint64 line, const std::vector<std::string> &fields)
{
    ListRow row;
    row.line = line;
    if (fields.size() != m_columns.count) {
        row.checked.refusal = u"the row has "_s
            + plural(qlonglong(fields.size()), u"field"_s, u"fields"_s)
            + u" where the header has "_s + counted(qlonglong(m_columns.count));
    } else {
        std::vector<QString> lowered;
        for (const std::string &field : fields)
            lowered.push_back(QString::fromStdString(field).trimmed().toLower());
        row.given = entriesOf(fields);
        row.checked = lowered == m_columns.names
            ? CheckedEntries{{}, u"the row repeats the header"_s}
            : checkEntries(row.given);
    }
    if (!row.checked.accepted())
        refuse(line, row.checked.refusal);
    std::optional<Reading> reading;
    if (row.checked.accepted())
        reading = makeReading(row.checked.entries);
    row.reading = reading ? &*reading : nullptr;
    if (m_pdfs) {
        if (reading)
            m_pdfs->add(line, *reading);
        else
            m_pdfs->pass(line, row.checked.refusal);
        return;
    }
    put(m_rows->row(row));
}

void ListRun::refuse(quint64 line, const QString &message)
{
    ++m_refused;
    // Among PDFs, a refusal is said in its turn, once the PDFs before it are written.
    if (!m_pdfs)
        say(line, message);
}

void ListRun::say(quint64 line, const QString &message)
{
    m_progress->clear();
    complain(m_name + u':' + QString::number(line) + u": "_s + message);
}

void ListRun::written(const PdfFolder::Written &written)
{
    if (written.refused) {
        say(written.line, written.problem);
    } else if (written.fileName.isEmpty()) {
        ++m_notWritten;
        say(written.line,
            u"could not write its PDF in '"_s + m_settings.output + u"': "_s + written.problem);
    }
}

bool ListRun::put(const QByteArray &bytes)
{
    if (m_outputFailed || bytes.isEmpty() || m_output->write(bytes))
        return !m_outputFailed;
    m_outputFailed = true;
    return false;
}

std::optional<int> ListRun::readRows()
{
    std::vector<std::string> fields;
    for (;;) {
        const CsvReader::Result result = m_reader->readRecord(fields);
        switch (result) {
        case CsvReader::Result::Record:
            take(m_reader->line(), fields);
            break;
        case CsvReader::Result::End:
            return std::nullopt;
        case CsvReader::Result::RecordTooLong:
        case CsvReader::Result::TooManyFields: {
            ListRow row;
            row.line = m_reader->line();
            row.checked.refusal = readerProblem(result, *m_reader);
            refuse(row.line, row.checked.refusal);
            if (m_pdfs)
                m_pdfs->pass(row.line, row.checked.refusal);
            else
                put(m_rows->row(row));
            break;
        }
        default:
            if (m_pdfs)
                m_pdfs->finish();
            say(m_reader->line(), readerProblem(result, *m_reader));
            return 2;
        }
        ++m_read;
        m_progress->update(m_read, m_reader->bytesConsumed());
        if (m_outputFailed)
            return 2;
    }
}

int ListRun::run()
{
    if (!openInput() || !readHeader())
        return 2;
    if (m_settings.format == ListFormat::Pdf) {
        QDir folder(m_settings.output);
        if (!folder.mkpath(u"."_s)) {
            complain(u"cannot make the folder '"_s + m_settings.output + u"'"_s);
            return 2;
        }
        m_pdfs = std::make_unique<PdfFolder>(folder, localePageSize(),
                                             [this](const PdfFolder::Written &w) { written(w); });
    } else {
        m_output = std::make_unique<CommandOutput>(m_settings.output);
        m_rows = makeListOutput(m_settings.format);
        if (!m_output->open() || !put(m_rows->header())) {
            complain(u"could not write "_s + m_output->where() + u": "_s + m_output->errorString());
            return 2;
        }
    }
    const std::optional<int> stopped = readRows();
    if (m_pdfs)
        m_pdfs->finish();
    m_progress->clear();
    if (m_output && !m_outputFailed && !m_output->finish())
        m_outputFailed = true;
    if (m_outputFailed) {
        complain(u"could not write "_s + m_output->where() + u": "_s + m_output->errorString());
        return 2;
    }
    if (stopped)
        return *stopped;
    return summary();
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
