#include "commandline.h"

#include "reading.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>
#include <engine/numerology.h>
#include <memory>
#include <windows/captions.h>
#include <windows/entries.h>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

const QStringList OwnOptions
    = {u"h"_s,      u"help"_s, u"help-all"_s, u"v"_s,      u"version"_s, u"first"_s,
       u"middle"_s, u"last"_s, u"born"_s,     u"format"_s, u"output"_s};

int usageError(const QString &message)
{
    std::fprintf(stderr, "%s\nTry 'vorn-color-numerology --help'.\n", qUtf8Printable(message));
    return 2;
}

bool write(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return std::fwrite(bytes.constData(), 1, bytes.size(), stdout) == std::size_t(bytes.size())
            && std::fflush(stdout) == 0;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool writePdf(const QString &path, const Reading &reading)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && writeReadingPdf(reading, file) && file.commit();
}

// The birth-date pick lists' texts for a date given as YYYY-MM-DD; a part the lists do not offer
// is left empty, as a list with nothing picked. Nothing when the date is not written so.
std::optional<ReadingEntries> dateEntries(const QString &born)
{
    static const QRegularExpression Iso(u"^(\\d{4})-(\\d{2})-(\\d{2})$"_s);
    const QRegularExpressionMatch match = Iso.match(born);
    if (!born.isEmpty() && !match.hasMatch())
        return std::nullopt;
    ReadingEntries entries;
    const int year = match.captured(1).toInt(), month = match.captured(2).toInt(),
              day = match.captured(3).toInt();
    if (day >= 1 && day <= 31)
        entries.day = QString::number(day);
    if (month >= 1 && month <= 12)
        entries.month = monthName(month);
    if (year >= 1900 && year <= 2050)
        entries.year = QString::number(year);
    return entries;
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

} // namespace

bool isCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(u"--") || !arg.startsWith(u'-'))
            return true;
        if (OwnOptions.contains(arg.mid(1).section(u'=', 0, 0)))
            return true;
    }
    return false;
}

int runCommandLine(int argc, char *argv[])
{
    // A PDF needs fonts, and so a GUI application; it never needs a display.
    std::unique_ptr<QCoreApplication> application;
    if (asksForPdf(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(u"vorn-color-numerology"_s);
    QCoreApplication::setApplicationVersion(u"1.0"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        applicationTitle()
        + u": a color numerology reading of a name and a birth date.\n"
          u"Without options it opens its windows; with them it writes one reading and ends."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption first(u"first"_s, u"The first name (required)."_s, u"NAME"_s);
    const QCommandLineOption middle(u"middle"_s, u"The middle name."_s, u"NAME"_s);
    const QCommandLineOption last(u"last"_s, u"The last name (required)."_s, u"NAME"_s);
    const QCommandLineOption born(u"born"_s, u"The birth date, 1900-01-01 to 2050-12-31."_s,
                                  u"YYYY-MM-DD"_s);
    const QCommandLineOption format(u"format"_s,
                                    u"text (the default), json or pdf (needs --output)."_s,
                                    u"FORMAT"_s, u"text"_s);
    const QCommandLineOption output(u"output"_s, u"Write to FILE instead of standard output."_s,
                                    u"FILE"_s);
    parser.addOptions({first, middle, last, born, format, output});

    if (!parser.parse(QCoreApplication::arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s)) {
        // Named as it is called, wherever it was started from.
        const QString help = parser.helpText().replace(QCoreApplication::arguments().constFirst(),
                                                       QCoreApplication::applicationName());
        return write(QString(), help.toUtf8()) ? 0 : 1;
    }
    if (parser.isSet(u"version"_s))
        parser.showVersion();
    if (!parser.positionalArguments().isEmpty())
        return usageError(u"Unexpected argument '"_s + parser.positionalArguments().first()
                          + u"'."_s);
    const QString kind = parser.value(format);
    if (kind != u"text" && kind != u"json" && kind != u"pdf")
        return usageError(u"Unknown format '"_s + kind + u"': text, json or pdf."_s);
    if (kind == u"pdf" && parser.value(output).isEmpty())
        return usageError(u"A PDF needs --output FILE."_s);
    std::optional<ReadingEntries> entries = dateEntries(parser.value(born));
    if (!entries)
        return usageError(u"The birth date must be written YYYY-MM-DD, not '"_s + parser.value(born)
                          + u"'."_s);

    // The names as typing them into the name boxes gives them.
    entries->firstName = typedCapitals(parser.value(first));
    entries->middleName = typedCapitals(parser.value(middle));
    entries->lastName = typedCapitals(parser.value(last));
    if (const std::optional<EntryProblem> problem = validateInput(*entries)) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(problem->message));
        return 2;
    }

    const Reading reading = makeReading(*entries);
    const QString path = parser.value(output);
    const bool written = kind == u"pdf" ? writePdf(path, reading)
        : kind == u"json"               ? write(path, readingJson(reading))
                                        : write(path, readingText(reading).toUtf8());
    if (!written) {
        std::fprintf(stderr, "Could not write %s.\n",
                     path.isEmpty() ? "to standard output" : qUtf8Printable(path));
        return 1;
    }
    return 0;
}

} // namespace vorn
