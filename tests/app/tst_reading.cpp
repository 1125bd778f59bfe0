// A reading kept, from the command line: as text, JSON or PDF, without any window.

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
#include <engine/numerology.h>
#include <version.h>

using namespace vorn;
using namespace Qt::StringLiterals;

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

class TestReading : public QObject
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

void TestReading::init()
{
    m_home = std::make_unique<QTemporaryDir>();
}

void TestReading::answersHelpAndVersion()
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

void TestReading::printsTheJsonOfAReading_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<int>>("numbers"); // computed: Life Journey, Soul, Personality
    QTest::addColumn<QList<int>>("shown"); // the tab's number; -1: no reading
    QTest::addColumn<QString>("first"); // as counted

    QTest::newRow("john smith 29 November 1999")
        << Entries("john", "smith", "1999-11-29") << QList<int>{5, 6, 2} << QList<int>{5, 6, 2}
        << u"JOHN"_s;
    QTest::newRow("RHYS WYNN: Y a vowel, and counted as a consonant too")
        << Entries("rhys", "wynn", "1981-10-19") << QList<int>{3, 5, 2} << QList<int>{3, 5, 2}
        << u"RHYS"_s;
    QTest::newRow("Soul 0: no vowel, no Y")
        << Entries("brr", "klm", "1993-09-09") << QList<int>{22, 0, 2} << QList<int>{22, -1, 2}
        << u"BRR"_s;
    QTest::newRow("Personality 0 shows the reading of 7")
        << Entries("aeiou", "aeiou", "1987-02-02") << QList<int>{11, 3, 0} << QList<int>{11, 3, 7}
        << u"AEIOU"_s;
    QTest::newRow("pasted accents count nothing, typed letters become capitals")
        << (Entries("Ren\u00e9e", "o'neil", "2000-02-29") << u"--middle"_s << u" paul "_s)
        << QList<int>{6, 7, 5} << QList<int>{6, 7, 5} << u"REN\u00e9E"_s;
}

void TestReading::printsTheJsonOfAReading()
{
    QFETCH(QStringList, arguments);
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, shown);
    QFETCH(QString, first);

    const Run run = Program(arguments << u"--format"_s << u"json"_s, m_home->path());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(run.out, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(json[u"name"][u"first"].toString(), first);
    QCOMPARE(json[u"born"].toString(), arguments.at(5));

    // The engine's own totals for the same entries, which the JSON's working must hold.
    const QJsonObject name = json[u"name"].toObject();
    const std::string f = name[u"first"].toString().toStdString(),
                      m = name[u"middle"].toString().toStdString(),
                      l = name[u"last"].toString().toStdString();
    const QDate born = QDate::fromString(json[u"born"].toString(), Qt::ISODate);
    const std::string month(MonthNames.at(static_cast<std::size_t>(born.month() - 1)));
    const int totals[]
        = {ComputeLifeJourneyWorking(std::to_string(born.day()), month, std::to_string(born.year()))
               .reduction.total,
           ComputeSoulWorking(f, m, l).reduction.total,
           ComputePersonalityWorking(f, m, l).reduction.total};

    const char *keys[] = {"lifeJourney", "soul", "personality"};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject category = json[QLatin1String(keys[i])].toObject();
        const auto which = ReadingCategories[static_cast<std::size_t>(i)];
        QCOMPARE(category[u"number"].toInt(), numbers[i]);
        QCOMPARE(category[u"total"].toInt(), totals[i]);
        // Its working comes down to the number, and its line in words says so.
        const QJsonObject working = category[u"working"].toObject();
        const QJsonArray steps = working[u"reductions"].toArray();
        QCOMPARE(steps.isEmpty() ? category[u"total"].toInt() : steps.last().toInt(), numbers[i]);
        const QString line = working[u"text"].toString();
        const QRegularExpression endsAtTheNumber(
            u"= "_s + QString::number(numbers[i])
            + u"(, a master number, kept as is| \\(.*\\))?\\.$"_s);
        QVERIFY2(endsAtTheNumber.match(line).hasMatch()
                     || (numbers[i] == 0 && line.contains(u"the number is 0"_s)),
                 qPrintable(line));
        if (shown[i] < 0) {
            QVERIFY(category[u"reading"].isNull());
            continue;
        }
        const QJsonObject reading = category[u"reading"].toObject();
        const CatalogueRecord *record
            = FindCatalogueRecord(which, static_cast<std::int16_t>(shown[i]));
        QCOMPARE(reading[u"number"].toInt(), shown[i]);
        QCOMPARE(reading[u"primaryColor"].toString(), Str(record->PrimaryColor));
        QCOMPARE(reading[u"secondaryColor"].toString(), Str(record->SecondaryColor));
        QCOMPARE(reading[u"keywords"].toString(), Str(record->Keywords));
        QCOMPARE(reading[u"primaryPicture"].toInt(), record->PrimaryPicture);
        QCOMPARE(reading[u"secondaryPicture"].toInt(), record->SecondaryPicture);
        QCOMPARE(reading[u"primaryDescription"].toString(), Str(record->PrimaryColorDesc));
        QCOMPARE(reading[u"secondaryDescription"].toString(), Str(record->SecondaryColorDesc));
        QCOMPARE(reading[u"introduction"].toString(), Str(CategoryIntro(which)));
        QCOMPARE(reading[u"interpretation"].toString(), Str(record->Interpretation));
    }
    // Nothing of the windowed program ran: no settings, no lock.
    QVERIFY(QDir(m_home->path()).isEmpty());
}

void TestReading::writesAPdfThatHoldsTheThreeReadings()
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

void TestReading::fitsTheLongestReadingOnOneLetterPage()
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

void TestReading::leavesOutTheDescriptionsTheCatalogueLacks()
{
    // Life Journey 8: neither of its colors has a description, which the window shows as "NA".
    const QString pdf = m_home->filePath(u"reading.pdf"_s);
    const Run text = Program(Entries("john", "smith", "2000-01-05"), m_home->path());
    const Run written = Program(Entries("john", "smith", "2000-01-05")
                                    << u"--format=pdf"_s << u"--output"_s << pdf,
                                m_home->path());
    QCOMPARE(text.status, 0);
    QCOMPARE(written.status, 0);
    const QString out = QString::fromUtf8(text.out);
    QVERIFY2(out.contains(u"\nPrimary Color: Rose\n\nSecondary Color: Opal, Ivory\n\nKeywords: "_s),
             qPrintable(out));
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {pdf, u"-"_s});
    QVERIFY(pdftotext.waitForFinished(20000));
    const QString shown = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY(shown.contains(u"Secondary Color: Opal, Ivory"_s));
    for (const QString &where : {out, shown})
        QVERIFY2(!where.split(u'\n').contains(u"NA"_s), qPrintable(where));
}

void TestReading::refusesWhatTheInputWindowRefuses_data()
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

void TestReading::refusesWhatTheInputWindowRefuses()
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

QTEST_GUILESS_MAIN(TestReading)
#include "tst_reading.moc"
