// The command line: a reading written as text, JSON or PDF without any window, and what it
// refuses.

#include "uitesting.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
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
            const QString &program = QStringLiteral(VORN_PROGRAM), const QString &locale = {})
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
    if (!process.waitForFinished(20000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

QStringList Entries(const char *first, const char *last, const char *born)
{
    return {u"--first"_s, QString::fromUtf8(first), u"--last"_s, QString::fromUtf8(last),
            u"--born"_s,  QString::fromLatin1(born)};
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
    QCOMPARE(lines.value(0), "vorn-color-numerology " VORN_VERSION);
    QVERIFY(lines.value(1).startsWith("Copyright (C) "));
    QVERIFY(version.err.isEmpty());

    // Named by its name however it was started, with what it requires on its usage line, and
    // no promise of options it does not list.
    const QString link = m_home->filePath(u"v"_s);
    QVERIFY(QFile::link(QStringLiteral(VORN_PROGRAM), link));
    const Run help = Program({u"--help"_s}, m_home->path(), link);
    QCOMPARE(help.status, 0);
    QVERIFY2(help.out.startsWith("Usage: vorn-color-numerology --first=NAME --last=NAME "
                                 "--born=YYYY-MM-DD [OPTION]...\n"),
             help.out.constData());
    for (const char *option :
         {"--first=NAME", "--born=YYYY-MM-DD", "--format=FORMAT", "-V, --version", "-style"})
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
    QCOMPARE(json, readingJson(makeReading(entries)));
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
        u"a birth date is required (--born=YYYY-MM-DD)"_s);
    row("a day no list offers", Entries("a", "b", "1999-11-32"),
        u"the birth date '1999-11-32' does not exist"_s);
    row("a thirteenth month", Entries("a", "b", "1999-13-01"),
        u"the birth date '1999-13-01' does not exist"_s);
    row("a year before the first", Entries("a", "b", "1899-12-31"),
        u"the birth date must be between 1900-01-01 and 2050-12-31, not '1899-12-31'"_s);
    row("a year after the last", Entries("a", "b", "2051-01-01"),
        u"the birth date must be between 1900-01-01 and 2050-12-31, not '2051-01-01'"_s);
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
        u"unknown format 'doc': use text, json, or pdf"_s);
    row("a PDF without a file", Entries("a", "b", "1999-11-29") << u"--format=pdf"_s,
        u"a PDF needs --output=FILE"_s);
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

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
