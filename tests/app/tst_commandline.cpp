// The command line: a reading written as text, JSON or PDF without any window, and what it
// refuses.

#include "uitesting.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <app/csvreader.h>
#include <catalogue/catalogue.h>
#include <reading/entries.h>
#include <reading/json.h>
#include <reading/reading.h>
#include <version.h>

using namespace vorn;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(vorn::ReadingEntries)

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

Run Program(const QStringList &arguments, const QString &home,
            const QString &program = QStringLiteral(VORN_PROGRAM), const QString &locale = {},
            const QByteArray &input = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // A machine without a display, and a home that shows whether anything was written to it.
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    env.remove(u"QT_QPA_PLATFORM"_s);
    env.insert(u"HOME"_s, home);
    env.insert(u"XDG_CONFIG_HOME"_s, home + u"/config");
    env.insert(u"XDG_RUNTIME_DIR"_s, home);
    if (!locale.isEmpty())
        env.insert(u"LC_ALL"_s, locale);
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList Entries(const char *first, const char *last, const char *born)
{
    return {u"--first"_s, QString::fromUtf8(first), u"--last"_s, QString::fromUtf8(last),
            u"--born"_s,  QString::fromLatin1(born)};
}

// A list as a spreadsheet saves it: a byte order mark, CR LF, the columns in an order of its own
// with one more, names quoted for their commas, quotes and a line break, and rows the input
// window would refuse.
const QByteArray List = "\xEF\xBB\xBF"
                        "Born,Last,Notes,FIRST,middle\r\n"
                        "1999-11-29,smith,\"tea, not coffee\",john,\r\n"
                        "2000-02-29,\"O'Neil, \"\"Junior\"\"\",,ren\xC3\xA9"
                        "e,paul\r\n"
                        "1999-13-01,lee,,mary,\r\n"
                        "2001-04-31,\"Doe\r\nSmith\",,jane,\r\n"
                        "1980-01-01,,,bob,\r\n"
                        "1993-09-09,brr,,klm,\r\n";

// Each data row of the list: its first line, and the single command line's arguments for it.
struct Person
{
    int line;
    QStringList arguments;
};

QList<Person> People()
{
    auto person = [](int line, const QString &first, const QString &last, const QString &born,
                     const QString &middle = {}) {
        QStringList arguments{u"--first"_s, first, u"--last"_s, last, u"--born"_s, born};
        if (!middle.isEmpty())
            arguments << u"--middle"_s << middle;
        return Person{line, arguments};
    };
    return {person(2, u"john"_s, u"smith"_s, u"1999-11-29"_s),
            person(3, u"ren\u00e9e"_s, u"O'Neil, \"Junior\""_s, u"2000-02-29"_s, u"paul"_s),
            person(4, u"mary"_s, u"lee"_s, u"1999-13-01"_s),
            person(5, u"jane"_s, u"Doe\r\nSmith"_s, u"2001-04-31"_s),
            person(7, u"bob"_s, QString(), u"1980-01-01"_s),
            person(8, u"klm"_s, u"brr"_s, u"1993-09-09"_s)};
}

// What the single command line says to a refused entry, without the program's name.
QString Refusal(const Run &run)
{
    return run.err.section(u'\n', 0, 0).section(u": "_s, 1);
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void answersHelpAndVersion();
    void printsTheJsonOfAReading_data();
    void printsTheJsonOfAReading();
    void writesAPdfThatHoldsTheThreeReadings();
    void fitsTheLongestReadingOnOneLetterPage();
    void leavesOutTheDescriptionsTheCatalogueLacks();
    void refusesWhatTheInputWindowRefuses_data();
    void refusesWhatTheInputWindowRefuses();
    void answersAListAsItAnswersEachPerson_data();
    void answersAListAsItAnswersEachPerson();
    void writesAWholePdfForEachAcceptedRow();
    void refusesAListItCannotRead_data();
    void refusesAListItCannotRead();

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

void TestCommandLine::init()
{
    m_home = std::make_unique<QTemporaryDir>();
}

void TestCommandLine::answersHelpAndVersion()
{
    const Run version = Program({u"--version"_s}, m_home->path());
    QCOMPARE(version.status, 0);
    const QList<QByteArray> lines = version.out.split('\n');
    QCOMPARE(lines.value(0), "vorn-color-numerology (Vorn Color Numerology) " VORN_VERSION);
    QVERIFY(lines.value(1).startsWith("Copyright (C) "));
    QVERIFY(version.err.isEmpty());

    // Named by its name however it was started, with what it requires on its usage line, and
    // no promise of options it does not list.
    const QString link = m_home->filePath(u"v"_s);
    QVERIFY(QFile::link(QStringLiteral(VORN_PROGRAM), link));
    const Run help = Program({u"--help"_s}, m_home->path(), link);
    QCOMPARE(help.status, 0);
    QVERIFY2(help.out.startsWith("Usage: vorn-color-numerology --first=NAME --last=NAME "
                                 "--born=DATE [OPTION]...\n"
                                 "  or:  vorn-color-numerology --batch=FILE [OPTION]...\n"),
             help.out.constData());
    // Within 79 columns, as GNU asks, its own options before --help and --version, and where
    // to report a fault last.
    for (const QByteArray &line : help.out.split('\n'))
        QVERIFY2(QString::fromUtf8(line).size() <= 79, line.constData());
    QVERIFY(help.out.indexOf("--batch=FILE") < help.out.indexOf("-h, --help"));
    QVERIFY(help.out.indexOf("-h, --help") < help.out.indexOf("-V, --version"));
    QVERIFY(help.out.contains("\nReport bugs to: "));
    for (const char *option :
         {"--first=NAME", "--born=DATE", "--format=FORMAT", "-V, --version", "-style"})
        QVERIFY2(help.out.contains(option), option);
    QVERIFY(!help.out.contains("--help-all"));
    QVERIFY(!help.out.contains("-vorn"));
}

void TestCommandLine::printsTheJsonOfAReading_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<ReadingEntries>("entries"); // as the input window would hand them over

    QTest::newRow("john smith 29 November 1999")
        << Entries("john", "smith", "1999-11-29")
        << ReadingEntries{u"JOHN"_s, {}, u"SMITH"_s, u"29"_s, u"November"_s, u"1999"_s};
    QTest::newRow("pasted accents count nothing, typed letters become capitals")
        << (Entries("Ren\u00e9e", "o'neil", "2000-02-29") << u"--middle"_s << u" paul "_s)
        << ReadingEntries{u"REN\u00e9E"_s, u" PAUL "_s,   u"O'NEIL"_s,
                          u"29"_s,         u"February"_s, u"2000"_s};
}

void TestCommandLine::printsTheJsonOfAReading()
{
    QFETCH(QStringList, arguments);
    QFETCH(ReadingEntries, entries);

    const Run run = Program(arguments << u"--format"_s << u"json"_s, m_home->path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json, QJsonDocument::fromJson(readingJson(makeReading(entries))).object());
    // Nothing of the windowed program ran: no settings, no lock.
    QVERIFY(QDir(m_home->path()).isEmpty());
}

void TestCommandLine::writesAPdfThatHoldsTheThreeReadings()
{
    const QString pdf = m_home->filePath(u"reading.pdf"_s);
    const Run run = Program(Entries("john", "smith", "1999-11-29")
                                << u"--format"_s << u"pdf"_s << u"--output"_s << pdf,
                            m_home->path());
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.isEmpty());

    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {pdf, u"-"_s});
    QVERIFY(pdftotext.waitForFinished(20000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    QVERIFY2(text.contains(u"A reading for JOHN SMITH, born November 29, 1999."), qPrintable(text));
    const std::pair<ReadingCategory, int> readings[] = {{ReadingCategory::LifeJourney, 5},
                                                        {ReadingCategory::Soul, 6},
                                                        {ReadingCategory::Personality, 2}};
    for (const auto &[category, number] : readings) {
        QVERIFY(text.contains(Str(TabCaption(category)) + u' ' + QString::number(number)));
        const CatalogueRecord *record
            = FindCatalogueRecord(category, static_cast<std::int16_t>(number));
        QVERIFY(text.contains(u"Primary Color: "_s + Str(record->PrimaryColor)));
        QVERIFY(text.contains(Str(record->Interpretation).left(60)));
    }
}

void TestCommandLine::fitsTheLongestReadingOnOneLetterPage()
{
    // Life Journey 4, Soul 22 and Personality 22: the numbers with the most text.
    const QString pdf = m_home->filePath(u"longest.pdf"_s);
    const Run run = Program(Entries("john", "emmaia", "2000-01-01")
                                << u"--format=pdf"_s << u"--output"_s << pdf,
                            m_home->path(), QStringLiteral(VORN_PROGRAM), u"en_US.UTF-8"_s);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString()); // nothing from Qt either
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString written = QString::fromLatin1(file.readAll());
    static const QRegularExpression pageCount(
        u"/Type /Pages\\s*/Kids\\s*\\[[^\\]]*\\]\\s*/Count (\\d+)"_s);
    QCOMPARE(pageCount.match(written).captured(1), u"1"_s);
    QVERIFY2(written.contains(u"/MediaBox [0 0 612.000000 792.000000]"_s),
             "Letter, as a US locale measures");
}

void TestCommandLine::leavesOutTheDescriptionsTheCatalogueLacks()
{
    // Life Journey 8: neither of its colors has a description, which the window shows as "NA".
    const QString pdf = m_home->filePath(u"reading.pdf"_s);
    const Run written = Program(Entries("john", "smith", "2000-01-05")
                                    << u"--format=pdf"_s << u"--output"_s << pdf,
                                m_home->path());
    QCOMPARE(written.status, 0);
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {pdf, u"-"_s});
    QVERIFY(pdftotext.waitForFinished(20000));
    const QString shown = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY(shown.contains(u"Secondary Color: Opal, Ivory"_s));
    QVERIFY2(!shown.split(u'\n').contains(u"NA"_s), qPrintable(shown));
}

void TestCommandLine::refusesWhatTheInputWindowRefuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    // What the input window refuses, said as a command says it.
    auto row = [](const char *name, const QStringList &arguments, const QString &message) {
        QTest::newRow(name) << arguments << u"vorn-color-numerology: "_s + message;
    };
    row("no first name", {u"--last"_s, u"SMITH"_s, u"--born"_s, u"1999-11-29"_s},
        u"a first name is required (--first=NAME)"_s);
    row("an empty last name", Entries("john", "", "1999-11-29"),
        u"a last name is required (--last=NAME)"_s);
    row("no birth date", {u"--first"_s, u"A"_s, u"--last"_s, u"B"_s},
        u"a birth date is required (--born=DATE)"_s);
    row("a day no list offers", Entries("a", "b", "1999-11-32"),
        u"the birth date '1999-11-32' does not exist"_s);
    row("a thirteenth month", Entries("a", "b", "2050-13-01"),
        u"the birth date '2050-13-01' does not exist"_s);
    row("a year before the first", Entries("a", "b", "1899-12-31"),
        u"the birth date must be from 1900-01-01 to 2050-12-31, not '1899-12-31'"_s);
    row("a year after the last", Entries("a", "b", "2051-01-01"),
        u"the birth date must be from 1900-01-01 to 2050-12-31, not '2051-01-01'"_s);
    row("29 February 1900", Entries("a", "b", "1900-02-29"),
        u"the birth date '1900-02-29' does not exist"_s);
    row("31 April", Entries("a", "b", "2001-04-31"),
        u"the birth date '2001-04-31' does not exist"_s);
    row("a date not written YYYY-MM-DD", Entries("a", "b", "29/11/1999"),
        u"the birth date must be written as YYYY-MM-DD, not '29/11/1999'"_s);
    row("an unknown option", Entries("a", "b", "1999-11-29") << u"--frist"_s,
        u"unknown option '--frist'"_s);
    row("an option without its value", Entries("a", "b", "1999-11-29") << u"--format"_s,
        u"missing value after '--format'"_s);
    row("an unknown format", Entries("a", "b", "1999-11-29") << u"--format=doc"_s,
        u"unknown format 'doc' for one reading: use text, json, or pdf"_s);
    row("a PDF without a file", Entries("a", "b", "1999-11-29") << u"--format=pdf"_s,
        u"a PDF needs a file (--output=PATH)"_s);
}

void TestCommandLine::refusesWhatTheInputWindowRefuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = Program(arguments, m_home->path());
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err.section(u'\n', 0, 0), message);
    QCOMPARE(run.err.section(u'\n', 1, 1),
             u"Try 'vorn-color-numerology --help' for more information."_s);
    QVERIFY(run.out.isEmpty());
    QVERIFY(QDir(m_home->path()).isEmpty()); // nor any file, settings or lock
}

void TestCommandLine::answersAListAsItAnswersEachPerson_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("JSON lines") << u"jsonl"_s;
    QTest::newRow("CSV") << u"csv"_s;
    QTest::newRow("text") << u"text"_s;
}

void TestCommandLine::answersAListAsItAnswersEachPerson()
{
    QFETCH(QString, format);
    const QString list = m_home->filePath(u"people.csv"_s);
    QFile file(list);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(List) == List.size());
    file.close();
    const Run run = Program({u"--batch"_s, list, u"--format"_s, format}, m_home->path());

    // The run goes on past each refused row, says which, and counts them last.
    QStringList said;
    QByteArray texts;
    const QList<Person> people = People();
    QList<QByteArray> rows = run.out.split('\n');
    // The CSV read back as a spreadsheet reads it, a record at a time.
    std::vector<std::vector<std::string>> records;
    if (format == u"csv") {
        QVERIFY(run.out.startsWith("\xEF\xBB\xBF"));
        QBuffer out;
        out.setData(run.out);
        out.open(QIODevice::ReadOnly);
        CsvReader reader([&out](char *buffer, std::size_t size) {
            return std::ptrdiff_t(out.read(buffer, qint64(size)));
        });
        std::vector<std::string> fields;
        while (reader.readRecord(fields) == CsvReader::Result::Record)
            records.push_back(fields);
        QCOMPARE(records.size(), std::size_t(people.size() + 1));
        QCOMPARE(
            records.front(),
            (std::vector<std::string>{"line", "first", "middle", "last", "born", "lifeJourney",
                                      "soul", "personality", "lifeJourneyPrimaryColor",
                                      "soulPrimaryColor", "personalityPrimaryColor", "error"}));
        records.erase(records.begin());
    }
    for (const Person &person : people) {
        const Run alone = Program(person.arguments, m_home->path());
        if (alone.status != 0)
            said << list + u':' + QString::number(person.line) + u": "_s + Refusal(alone);
        if (format == u"text") {
            if (alone.status == 0)
                texts += alone.out + '\n'; // each reading followed by a blank line
            continue;
        }
        const Run asJson
            = Program(QStringList(person.arguments) << u"--format=json"_s, m_home->path());
        if (format == u"csv") {
            // A quoted field keeps its commas, quotes and line breaks.
            std::vector<QString> row;
            for (const std::string &field : records[std::size_t(&person - people.data())])
                row.push_back(QString::fromStdString(field));
            QCOMPARE(row.at(0), QString::number(person.line));
            QCOMPARE(row.at(3), typedCapitals(person.arguments.at(3)));
            QCOMPARE(row.at(11), alone.status == 0 ? QString() : Refusal(alone));
            const QJsonObject json = QJsonDocument::fromJson(asJson.out).object();
            const char *keys[] = {"lifeJourney", "soul", "personality"};
            for (int i = 0; i < 3 && alone.status == 0; ++i) {
                const QJsonValue number = json[QLatin1String(keys[i])];
                QCOMPARE(row.at(std::size_t(5 + i)), QString::number(number[u"number"].toInt()));
                QCOMPARE(row.at(std::size_t(8 + i)),
                         number[u"reading"][u"primaryColor"].toString());
            }
            continue;
        }
        const QByteArray row = rows.takeFirst();
        QJsonObject json = QJsonDocument::fromJson(row).object();
        QCOMPARE(json.take(u"line"_s).toInt(), person.line);
        if (alone.status != 0) {
            QCOMPARE(json, QJsonObject({{u"error"_s, Refusal(alone)}}));
            continue;
        }
        QCOMPARE(json, QJsonDocument::fromJson(asJson.out).object());
    }
    if (format == u"text")
        QCOMPARE(run.out, texts);
    said << u"3 of 6 rows refused"_s;
    for (QString &line : said)
        line.prepend(u"vorn-color-numerology: "_s);
    QCOMPARE(run.err, said.join(u'\n') + u'\n');
    QCOMPARE(run.status, 1);
}

void TestCommandLine::writesAWholePdfForEachAcceptedRow()
{
    const QDir folder(m_home->filePath(u"pdfs"_s));
    QVERIFY(folder.mkpath(u"."_s));
    QFile earlier(folder.filePath(u"JOHN-SMITH-reading.pdf"_s));
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("kept") == 4);
    earlier.close();
    // Two more of John Smith, on Letter as a US locale measures.
    const QByteArray list = List + "1999-11-29,smith,,john,\r\n";
    Run run = Program({u"--batch=-"_s, u"--format=pdf"_s, u"--output"_s, folder.path()},
                      m_home->path(), QStringLiteral(VORN_PROGRAM), u"en_US.UTF-8"_s, list);
    QCOMPARE(run.status, 1);
    QStringList written = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QCOMPARE(written,
             QStringList({u"JOHN-SMITH-reading-2.pdf"_s, u"JOHN-SMITH-reading-3.pdf"_s,
                          u"JOHN-SMITH-reading.pdf"_s, u"KLM-BRR-reading.pdf"_s,
                          u"REN\u00e9E-O'NEIL, \"JUNIOR\"-reading.pdf"_s}));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), "kept"); // never written over
    static const QRegularExpression pages(
        u"/Type /Pages\\s*/Kids\\s*\\[[^\\]]*\\]\\s*/Count (\\d+)"_s);
    for (const QString &name : written.mid(0, 2) + written.mid(3)) {
        QFile pdf(folder.filePath(name));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QString bytes = QString::fromLatin1(pdf.readAll());
        QCOMPARE(pages.match(bytes).captured(1), u"1"_s);
        QVERIFY2(bytes.contains(u"/MediaBox [0 0 612.000000 792.000000]"_s), qPrintable(name));
    }

    // Stopped at once in the middle of a long list, it leaves whole PDFs and nothing else.
    QByteArray many = "first,last,born\n";
    for (int i = 0; i < 400; ++i)
        many += "ann,lee,2000-01-01\n";
    QProcess process;
    process.start(QStringLiteral(VORN_PROGRAM),
                  {u"--batch=-"_s, u"--format=pdf"_s, u"--output"_s, folder.filePath(u"x"_s)});
    process.write(many);
    process.closeWriteChannel();
    QTRY_VERIFY_WITH_TIMEOUT(QDir(folder.filePath(u"x"_s)).count() > 4, 20000);
    process.kill();
    QVERIFY(process.waitForFinished());
    const QFileInfoList left
        = QDir(folder.filePath(u"x"_s)).entryInfoList(QDir::Files | QDir::Hidden);
    QVERIFY(left.size() < 400);
    for (const QFileInfo &info : left) {
        QFile pdf(info.filePath());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY2(info.fileName().startsWith(u"ANN-LEE-reading"_s), qPrintable(info.fileName()));
        QVERIFY2(pdf.readAll().trimmed().endsWith("%%EOF"), qPrintable(info.fileName()));
    }
}

void TestCommandLine::refusesAListItCannotRead_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said"); // the first line on standard error
    QTest::addColumn<int>("readAt"); // a line whose row still made a reading; 0: none

    const QByteArray header = "first,last,born\n";
    auto row = [](const char *name, const QByteArray &list, int status, const QString &said,
                  int readAt = 0) {
        QTest::newRow(name) << list << status
                            << u"vorn-color-numerology: (standard input):"_s + said << readAt;
    };
    row("an empty list", {}, 2,
        u"1: the list is empty; it needs a header that names the columns 'first', 'last', "_s
        u"and 'born'"_s);
    row("no born column", "first,last\nann,lee\n", 2,
        u"1: the header lacks the column 'born' (it must name 'first', 'last', and 'born')"_s);
    row("no header", "ann,lee,2000-01-01\n", 2,
        u"1: the first row is not a header: it names none of the columns 'first', 'last', and "_s
        u"'born'"_s);
    row("a column named twice", "first,Last,last,born\n", 2,
        u"1: the header names the column 'last' twice"_s);
    row("a quote never closed", header + "ann,\"lee,2000-01-01\n", 2,
        u"2: a quoted field that begins on this line is never closed"_s);
    row("bytes that are not UTF-8",
        header
            + "ann,l\xE9"
              "e,2000-01-01\n",
        2, u"2: the line holds bytes that are not UTF-8 text"_s);
    row("a NUL byte", header + "ann,le" + QByteArray(1, '\0') + "e,2000-01-01\n", 2,
        u"2: the line holds a NUL byte, so the list is not text"_s);
    row("ten thousand columns", QByteArray("a,").repeated(10000) + "first,last,born\n", 2,
        u"1: the row has more than 1,000 fields"_s);
    row("the header repeated", header + header + "ann,lee,2000-01-01\n", 1,
        u"2: the row repeats the header"_s, 3);
    row("a field of megabytes",
        header + "ann," + QByteArray(3 << 20, 'x') + ",2000-01-01\n" + "ann,lee,2000-01-01\n", 1,
        u"2: the row is longer than 1,048,576 bytes"_s, 3);
    row("a file that ends mid-row", header + "ann,lee,2000-01-01\nbob,sm", 1,
        u"3: the row has 2 fields where the header has 3"_s, 2);
}

void TestCommandLine::refusesAListItCannotRead()
{
    QFETCH(QByteArray, list);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(int, readAt);
    const Run run
        = Program({u"--batch=-"_s}, m_home->path(), QStringLiteral(VORN_PROGRAM), {}, list);
    QCOMPARE(run.err.section(u'\n', 0, 0), said);
    QCOMPARE(run.status, status);
    if (readAt > 0) // the run went on past the refused row
        QVERIFY(
            run.out.contains(QByteArray("\"line\":" + QByteArray::number(readAt) + ",\"name\"")));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
