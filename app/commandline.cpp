#include "commandline.h"

#include "programname.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <reading/document.h>
#include <reading/entries.h>
#include <reading/json.h>
#include <reading/reading.h>
#include <reading/text.h>
#include <reading/texts.h>
#include <version.h>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

const QString Program = QLatin1String(ProgramName);

// The command line's options, as the parser takes them and as isCommandLine knows them.
struct Options
{
    QCommandLineOption help{{u"h"_s, u"help"_s}, u"show this help and exit"_s};
    QCommandLineOption version{{u"V"_s, u"version"_s}, u"show the version and exit"_s};
    QCommandLineOption first{u"first"_s, u"the first name (required)"_s, u"NAME"_s};
    QCommandLineOption middle{u"middle"_s, u"the middle name, if any"_s, u"NAME"_s};
    QCommandLineOption last{u"last"_s, u"the last name (required)"_s, u"NAME"_s};
    QCommandLineOption born{
        u"born"_s, u"the birth date, from 1900-01-01 to 2050-12-31 (required)"_s, u"YYYY-MM-DD"_s};
    QCommandLineOption format{u"format"_s,
                              u"the form of the reading: text (the default), json, or pdf, which "
                              u"needs --output"_s,
                              u"FORMAT"_s, u"text"_s};
    QCommandLineOption output{u"output"_s,
                              u"write the reading to FILE instead of standard output"_s, u"FILE"_s};

    QList<QCommandLineOption> all() const
    {
        return {help, version, first, middle, last, born, format, output};
    }
};

void complain(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(Program), qUtf8Printable(message));
}

int usageError(const QString &message)
{
    complain(message);
    std::fprintf(stderr, "Try '%s --help' for more information.\n", qUtf8Printable(Program));
    return 2;
}

// In the GNU manner: "-h, --help" and "--first=NAME", each with its description beside it,
// folded to 79 columns.
QString helpText(const Options &options)
{
    QString text = u"Usage: "_s + Program
        + u" --first=NAME --last=NAME --born=YYYY-MM-DD [OPTION]...\n"_s
          u"Write the color numerology reading of a name and a birth date, as text, JSON,\n"_s
          u"or PDF. Without options, the program opens its windows instead.\n\n"_s;
    constexpr qsizetype Column = 26, Width = 79;
    for (const QCommandLineOption &option : options.all()) {
        QString spelled = u"  "_s;
        for (const QString &name : option.names())
            spelled += name.size() == 1 ? QString(u'-' + name + u", "_s) : QString(u"--"_s + name);
        if (option.names().constFirst().size() > 1)
            spelled.insert(2, u"    "_s);
        if (!option.valueName().isEmpty())
            spelled += u'=' + option.valueName();
        QString line = spelled.leftJustified(Column - 1) + u' ';
        if (spelled.size() >= Column - 1)
            line = spelled + u'\n' + QString(Column, u' ');
        for (const QString &word : option.description().split(u' ')) {
            const qsizetype lineStart = line.lastIndexOf(u'\n') + 1;
            if (line.size() - lineStart + word.size() > Width) {
                while (line.endsWith(u' '))
                    line.chop(1);
                line += u'\n' + QString(Column, u' ');
            } else if (!line.endsWith(u' '))
                line += u' ';
            line += word;
        }
        text += line + u'\n';
    }
    return text
        + u"\nEach letter of a name is worth its place in the alphabet, reduced to one digit\n"_s
          u"(A, J, and S are worth 1; I and R are worth 9). The vowels A, E, I, O, and U\n"_s
          u"give the Soul Number, and the consonants the Personality Number; in a name\n"_s
          u"with none of these vowels, Y counts as both. Lowercase letters count as\n"_s
          u"capitals, as in the input window; other characters are ignored.\n\n"_s
          u"Qt's own options, such as -style, -platform, -display, -qwindowgeometry,\n"_s
          u"-session, and -reverse, are passed to Qt, and the program opens its windows.\n"_s;
}

// Standard output, or the file at path; an empty reason when the bytes were written.
QString write(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty()) {
        errno = 0;
        if (std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == std::size_t(bytes.size())
            && std::fflush(stdout) == 0)
            return {};
        return QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return {};
    return file.errorString();
}

QString writePdf(const QString &path, const Reading &reading)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && writeReadingPdf(reading, file) && file.commit())
        return {};
    return file.errorString();
}

enum class Born { Read, Malformed, OutOfRange };

// The birth-date pick lists' texts for a date written YYYY-MM-DD within the years the lists
// offer; a day or month they do not offer is left empty, as a list with nothing picked.
Born readBirthDate(const QString &born, ReadingEntries &entries)
{
    if (born.isEmpty())
        return Born::Read;
    static const QRegularExpression Iso(u"^(\\d{4})-(\\d{2})-(\\d{2})$"_s);
    const QRegularExpressionMatch match = Iso.match(born);
    if (!match.hasMatch())
        return Born::Malformed;
    if (born < u"1900-01-01" || born > u"2050-12-31")
        return Born::OutOfRange;
    const int month = match.captured(2).toInt(), day = match.captured(3).toInt();
    if (day >= 1 && day <= 31)
        entries.day = QString::number(day);
    if (month >= 1 && month <= 12)
        entries.month = monthName(month);
    entries.year = match.captured(1);
    return Born::Read;
}

// What the input window refuses, in a command's words: the option to give, or the date that
// does not exist.
QString refusal(const EntryProblem &problem, const QString &born)
{
    switch (problem.focus) {
    case EntryField::FirstName:
        return u"a first name is required (--first=NAME)"_s;
    case EntryField::LastName:
        return u"a last name is required (--last=NAME)"_s;
    case EntryField::Day:
    case EntryField::Month:
    case EntryField::Year:
    case EntryField::None:
        break;
    }
    if (born.isEmpty())
        return u"a birth date is required (--born=YYYY-MM-DD)"_s;
    return u"the birth date '"_s + born + u"' does not exist"_s;
}

bool asksForPdf(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--format=pdf"
            || (arg == "--format" && i + 1 < argc && qstrcmp(argv[i + 1], "pdf") == 0))
            return true;
    }
    return false;
}

// Qt's messages are not the command line's: it says what went wrong in its own words, and a
// correct call writes nothing but the reading.
void keepQtQuiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        complain(message);
}

} // namespace

bool isCommandLine(int argc, char *argv[])
{
    QStringList names;
    for (const QCommandLineOption &option : Options().all())
        names << option.names();
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const QString name = arg.startsWith(u"--") ? arg.mid(2).section(u'=', 0, 0)
            : arg.startsWith(u'-')                 ? arg.mid(1)
                                                   : QString();
        // Long options take two dashes and short ones one, as the help shows them.
        if (names.contains(name) && (name.size() == 1) != arg.startsWith(u"--"))
            return true;
    }
    return false;
}

int runCommandLine(int argc, char *argv[])
{
    qInstallMessageHandler(keepQtQuiet);
    // A PDF needs fonts, and so a GUI application; it never needs a display.
    std::unique_ptr<QCoreApplication> application;
    if (asksForPdf(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(Program);
    QCoreApplication::setApplicationVersion(QStringLiteral(VORN_VERSION));

    const Options options;
    QCommandLineParser parser;
    parser.addOptions(options.all());
    if (!parser.parse(QCoreApplication::arguments())) {
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().constFirst();
            return usageError(u"unknown option '"_s + (name.size() == 1 ? u"-"_s : u"--"_s) + name
                              + u"'"_s);
        }
        // "Missing value after '--first'." as a GNU program says it.
        QString error = parser.errorText();
        error[0] = error[0].toLower();
        if (error.endsWith(u'.'))
            error.chop(1);
        return usageError(error);
    }
    if (parser.isSet(options.help)) {
        const QString error = write(QString(), helpText(options).toUtf8());
        return error.isEmpty() ? 0 : (complain(error), 1);
    }
    if (parser.isSet(options.version)) {
        const QString error
            = write(QString(),
                    (Program + u' ' + QCoreApplication::applicationVersion() + u"\nCopyright (C) "_s
                     + QString::number(VORN_RELEASE_YEAR) + u" Lorewell\n"_s)
                        .toUtf8());
        return error.isEmpty() ? 0 : (complain(error), 1);
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(u"unexpected argument '"_s + parser.positionalArguments().first()
                          + u"'"_s);
    const QString kind = parser.value(options.format);
    if (kind != u"text" && kind != u"json" && kind != u"pdf")
        return usageError(u"unknown format '"_s + kind + u"': use text, json, or pdf"_s);
    if (kind == u"pdf" && parser.value(options.output).isEmpty())
        return usageError(u"a PDF needs --output=FILE"_s);

    ReadingEntries entries;
    switch (readBirthDate(parser.value(options.born), entries)) {
    case Born::Read:
        break;
    case Born::Malformed:
        return usageError(u"the birth date must be written as YYYY-MM-DD, not '"_s
                          + parser.value(options.born) + u"'"_s);
    case Born::OutOfRange:
        return usageError(u"the birth date must be between 1900-01-01 and 2050-12-31, not '"_s
                          + parser.value(options.born) + u"'"_s);
    }
    // The names as typing them into the name boxes gives them.
    entries.firstName = typedCapitals(parser.value(options.first));
    entries.middleName = typedCapitals(parser.value(options.middle));
    entries.lastName = typedCapitals(parser.value(options.last));
    if (const std::optional<EntryProblem> problem = validateInput(entries))
        return usageError(refusal(*problem, parser.value(options.born)));

    const Reading reading = makeReading(entries);
    const QString path = parser.value(options.output);
    const QString error = kind == u"pdf" ? writePdf(path, reading)
        : kind == u"json"
        ? write(path, QJsonDocument(readingJson(reading)).toJson(QJsonDocument::Indented))
        : write(path, readingText(reading).toUtf8());
    if (!error.isEmpty()) {
        complain(u"could not write "_s
                 + (path.isEmpty() ? u"to standard output"_s : u'\'' + path + u'\'') + u": "_s
                 + error);
        return 1;
    }
    return 0;
}

std::optional<int> refuseLeftOverArguments(const QStringList &leftOver)
{
    if (leftOver.isEmpty())
        return std::nullopt;
    const QString &arg = leftOver.constFirst();
    return usageError((arg.startsWith(u'-') ? u"unknown option '"_s : u"unexpected argument '"_s)
                      + arg + u"'"_s);
}

} // namespace vorn
