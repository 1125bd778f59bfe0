#include "commandline.h"

#include "batch.h"
#include "commandio.h"
#include "entrychecks.h"
#include "programname.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QSaveFile>
#include <cstdio>
#include <memory>
#include <reading/document.h>
#include <reading/json.h>
#include <reading/reading.h>
#include <reading/text.h>
#include <version.h>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

const QString Program = QLatin1String(ProgramName);

// The command line's options, as the parser takes them and as isCommandLine knows them, in the
// order --help lists them.
struct Options
{
    QCommandLineOption first{u"first"_s, u"the first name (required for one reading)"_s, u"NAME"_s};
    QCommandLineOption middle{u"middle"_s, u"the middle name, if any"_s, u"NAME"_s};
    QCommandLineOption last{u"last"_s, u"the last name (required for one reading)"_s, u"NAME"_s};
    QCommandLineOption born{u"born"_s,
                            u"the birth date as YYYY-MM-DD, from 1900-01-01 to 2050-12-31 "_s
                            u"(required for one reading)"_s,
                            u"DATE"_s};
    QCommandLineOption batch{u"batch"_s,
                             u"read a CSV list of people from FILE, or from standard input if FILE "
                             u"is -; its first row must name the columns 'first', 'last', and "
                             u"'born' (and 'middle', if the list has middle names)"_s,
                             u"FILE"_s};
    QCommandLineOption format{u"format"_s,
                              u"for one reading: text (the default), json, or pdf; for a list: "
                              u"jsonl (the default), csv, text, or pdf"_s,
                              u"FORMAT"_s};
    QCommandLineOption output{u"output"_s,
                              u"write to the file PATH instead of standard output (required with "
                              u"--format=pdf); with --batch and --format=pdf, PATH is the folder "
                              u"for the PDFs, created if missing"_s,
                              u"PATH"_s};
    QCommandLineOption quiet{{u"q"_s, u"quiet"_s},
                             u"show no progress line on a terminal while a list is read"_s};
    QCommandLineOption help{{u"h"_s, u"help"_s}, u"display this help and exit"_s};
    QCommandLineOption version{{u"V"_s, u"version"_s}, u"output version information and exit"_s};

    QList<QCommandLineOption> all() const
    {
        return {first, middle, last, born, batch, format, output, quiet, help, version};
    }
};

int usageError(const QString &message)
{
    complain(message);
    std::fprintf(stderr, "Try '%s --help' for more information.\n", qUtf8Printable(Program));
    return 2;
}

// "  -q, --quiet" or "      --born=YYYY-MM-DD", its description beside it from column 27,
// folded to 79 columns, as GNU programs write it.
QString optionLine(const QCommandLineOption &option)
{
    constexpr qsizetype Column = 26, Width = 79;
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
        if (line.size() - lineStart + 1 + word.size() > Width) {
            while (line.endsWith(u' '))
                line.chop(1);
            line += u'\n' + QString(Column, u' ');
        } else if (!line.endsWith(u' ')) {
            line += u' ';
        }
        line += word;
    }
    return line + u'\n';
}

QString helpText(const Options &options)
{
    QString text = u"Usage: "_s + Program + u" --first=NAME --last=NAME --born=DATE [OPTION]...\n"_s
        + u"  or:  "_s + Program + u" --batch=FILE [OPTION]...\n"_s + u"  or:  "_s + Program
        + u" [QT-OPTION]...\n"_s
        + u"Write the color numerology reading of a name and a birth date, or of each\n"_s
          u"person on a list, as text, JSON, or PDF (or a list's numbers as CSV). Run\n"_s
          u"with none of the options below, the program opens its windows instead.\n\n"_s;
    for (const QCommandLineOption &option : options.all())
        text += optionLine(option);
    return text
        + u"\nThe birth date gives the Life Journey Number. Each letter of a name is worth\n"_s
          u"its place in the alphabet, reduced to one digit (A, J, and S are worth 1; I and\n"_s
          u"R are worth 9). The vowels A, E, I, O, and U give the Soul Number, and the\n"_s
          u"consonants give the Personality Number. In a name without any of those five\n"_s
          u"vowels, Y counts as a vowel as well as a consonant. The letters a to z count as\n"_s
          u"A to Z, as they do when typed into the windows; every other character counts\n"_s
          u"for nothing. Each total is reduced to one digit unless it is exactly 11 or 22.\n"_s
          u"A name without consonants has a Personality Number of 0 and is given the\n"_s
          u"reading of 7.\n\n"_s
          u"A list run (--batch) writes its results in the order of the list. It reports a\n"_s
          u"refused row on standard error, with its line number, and goes on.\n\n"_s
          u"Exit status is 0 if everything was written; 1 if the output could not be\n"_s
          u"written, a row of a list was refused, or a PDF was not written; 2 if the\n"_s
          u"command line was refused (an unknown, malformed, missing, or conflicting\n"_s
          u"option, an unexpected argument, or a missing or invalid entry), or if a list\n"_s
          u"could not be opened or read as a list.\n\n"_s
          u"Given without the options above, Qt's own options, such as -style, -platform,\n"_s
          u"-display, -qwindowgeometry, -session, and -reverse, are passed on to Qt, and\n"_s
          u"the program opens its windows. An argument that is none of the program's\n"_s
          u"options is taken as one of Qt's, and so is refused only once a display has been\n"_s
          u"opened.\n\n"_s
          u"Report bugs to: "_s
        + QStringLiteral(VORN_BUG_ADDRESS) + u"\nVorn Color Numerology home page: <"_s
        + QStringLiteral(VORN_HOME_PAGE) + u">\n"_s;
}

QString versionText()
{
    return Program + u" (Vorn Color Numerology) "_s + QCoreApplication::applicationVersion()
        + u"\nCopyright (C) "_s + QString::number(VORN_RELEASE_YEAR)
        + u" Lorewell\n\nThis program is free of charge. You may use it and pass it on unchanged.\n"_s
          u"You may not sell it. Changing it, or distributing it under another name,\n"_s
          u"requires a branding agreement with Lorewell. Lorewell reserves all other\n"_s
          u"rights.\n"_s;
}

// Writes one page of text to standard output: --help and --version.
int say(const QString &text)
{
    CommandOutput out({});
    if (out.write(text.toUtf8()) && out.finish())
        return 0;
    complain(u"cannot write to standard output: "_s + out.errorString());
    return 1;
}

QByteArray pdfOf(const Reading &reading)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    writeReadingPdf(reading, pdf);
    return pdf.data();
}

int writeOneReading(const Reading &reading, const QString &format, const QString &path)
{
    const QByteArray bytes = format == u"pdf" ? pdfOf(reading)
        : format == u"json"
        ? QJsonDocument::fromJson(readingJson(reading)).toJson(QJsonDocument::Indented)
        : readingText(reading).toUtf8();
    CommandOutput out(path);
    if (out.open() && out.write(bytes) && out.finish())
        return 0;
    complain(u"cannot write "_s + out.where() + u": "_s + out.errorString());
    return 1;
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

// An option the parser does not know, spelled as the user typed it.
QString asTyped(const QString &name, const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        const QString spelled = argument.section(u'=', 0, 0);
        if (spelled == u'-' + name || spelled == u"--"_s + name)
            return spelled;
    }
    return (name.size() == 1 ? u"-"_s : u"--"_s) + name;
}

std::optional<ListFormat> listFormat(const QString &name)
{
    if (name.isEmpty() || name == u"jsonl")
        return ListFormat::JsonLines;
    if (name == u"csv")
        return ListFormat::Csv;
    if (name == u"text")
        return ListFormat::Text;
    if (name == u"pdf")
        return ListFormat::Pdf;
    return std::nullopt;
}

int runListFromOptions(const QCommandLineParser &parser, const Options &options)
{
    for (const QCommandLineOption *entry :
         {&options.first, &options.middle, &options.last, &options.born}) {
        if (parser.isSet(*entry))
            return usageError(
                u"--"_s + entry->names().constFirst()
                + u" is for one reading and --batch for a list: give one or the other"_s);
    }
    ListSettings settings;
    settings.input = parser.value(options.batch);
    settings.output = parser.value(options.output);
    settings.quiet = parser.isSet(options.quiet);
    const std::optional<ListFormat> format = listFormat(parser.value(options.format));
    if (!format)
        return usageError(
            parser.value(options.format) == u"json"
                ? u"the format 'json' is for one reading (--first, --last, --born); "_s
                  u"a list is written as jsonl, csv, text, or pdf"_s
                : u"unknown format '"_s + parser.value(options.format)
                    + u"' for a list: use jsonl, csv, text, or pdf"_s);
    settings.format = *format;
    if (settings.format == ListFormat::Pdf && settings.output.isEmpty())
        return usageError(u"the PDFs of a list need a folder (--output=PATH)"_s);
    return runList(settings);
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
    // "-style" is one word, as the user typed it, not -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options.all());
    if (!parser.parse(QCoreApplication::arguments())) {
        if (!parser.unknownOptionNames().isEmpty())
            return usageError(
                u"unknown option '"_s
                + asTyped(parser.unknownOptionNames().constFirst(), QCoreApplication::arguments())
                + u"'"_s);
        // "Missing value after '--first'." as a GNU program says it.
        QString error = parser.errorText();
        error[0] = error[0].toLower();
        if (error.endsWith(u'.'))
            error.chop(1);
        return usageError(error);
    }
    if (parser.isSet(options.help))
        return say(helpText(options));
    if (parser.isSet(options.version))
        return say(versionText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(u"unexpected argument '"_s + parser.positionalArguments().first()
                          + u"'"_s);
    if (parser.isSet(options.batch))
        return runListFromOptions(parser, options);

    const QString format = parser.isSet(options.format) ? parser.value(options.format) : u"text"_s;
    if (format != u"text" && format != u"json" && format != u"pdf")
        return usageError(format == u"jsonl" || format == u"csv" ? u"the format '"_s + format
                                  + u"' is for a list (--batch=FILE); one reading is written as "_s
                                    u"text, json, or pdf"_s
                                                                 : u"unknown format '"_s + format
                                  + u"' for one reading: use text, json, or pdf"_s);
    if (format == u"pdf" && parser.value(options.output).isEmpty())
        return usageError(u"a PDF needs a file (--output=PATH)"_s);

    const CheckedEntries checked
        = checkEntries({parser.value(options.first), parser.value(options.middle),
                        parser.value(options.last), parser.value(options.born)});
    if (!checked.accepted())
        return usageError(checked.refusal);
    return writeOneReading(makeReading(checked.entries), format, parser.value(options.output));
}

std::optional<int> refuseLeftOverArguments(const QStringList &leftOver)
{
    if (leftOver.isEmpty())
        return std::nullopt;
    const QString &arg = leftOver.constFirst();
    if (!arg.startsWith(u'-'))
        return usageError(u"unexpected argument '"_s + arg + u"'"_s);
    // The option as named, without any value given to it: "--colour", not "--colour=red".
    const QString spelled = arg.section(u'=', 0, 0);
    QString refusal = u"unknown option '"_s + spelled + u"'"_s;
    // "-first" is one of ours with a dash too few.
    for (const QCommandLineOption &option : Options().all()) {
        for (const QString &name : option.names()) {
            if (name.size() > 1 && spelled == u'-' + name)
                refusal += u" (did you mean '--"_s + name + u"'?)"_s;
        }
    }
    return usageError(refusal);
}

} // namespace vorn
