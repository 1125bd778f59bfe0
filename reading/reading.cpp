#include "reading.h"

#include "entries.h"
#include "swatches.h"
#include "texts.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextDocument>
#include <array>
#include <catalogue/catalogue.h>
#include <span>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

// The catalogue marks a color it does not describe with "NA", which the results window shows as
// it stands; a kept reading leaves the line out rather than print a placeholder.
bool isDescribed(std::string_view description)
{
    return description != NotAvailable;
}

std::string_view utf8View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// What one tab of the results window shows for the reading.
struct Section
{
    ReadingCategory category;
    EngineNumber computed;
    TabFill fill;

    // A number that has a reading: all but the Life Journey and Soul Numbers of 0.
    bool hasReading() const { return fill.PrimaryPicture.has_value(); }
    QString number() const { return fromUtf8(*fill.NumberCaption); }
};

std::array<Section, 3> sections(const Reading &reading)
{
    auto section = [](ReadingCategory category, EngineNumber number) {
        return Section{category, number, DecideTabFill(category, number)};
    };
    return {section(ReadingCategory::LifeJourney, reading.lifeJourney),
            section(ReadingCategory::Soul, reading.soul),
            section(ReadingCategory::Personality, reading.personality)};
}

QString fullName(const Reading &reading)
{
    QStringList names;
    for (const QString &name : {reading.firstName, reading.middleName, reading.lastName}) {
        if (!name.trimmed().isEmpty())
            names << name.trimmed();
    }
    return names.join(u' ');
}

// As the pick lists run: month, day, year.
QString birthDate(const Reading &reading)
{
    return monthName(reading.born.month()) + u' ' + QString::number(reading.born.day()) + u", "
        + QString::number(reading.born.year());
}

QString swatchUrl(std::int16_t picture)
{
    return QStringLiteral("swatch:") + QString::number(picture);
}

// Counts and totals as a reader writes them: 15,976.
QString counted(qlonglong n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

// "1 + 4 = 5": the digits of a value summed to the next.
QString digitsSummed(EngineNumber from, EngineNumber to)
{
    QStringList digits;
    for (const QChar digit : QString::number(from))
        digits << QString(digit);
    return digits.join(u" + "_s) + u" = "_s + QString::number(to);
}

// Sums of digits in a row ("2 + 9 = 11, then 1 + 1 = 2"). A sum of 11 or 22 summed further
// would look like a slip to a reader who knows master numbers: the first says why, once a line.
class Sums
{
public:
    QString chain(EngineNumber from, std::span<const EngineNumber> steps)
    {
        QStringList done;
        bool passedMaster = false;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            done << digitsSummed(from, steps[i]);
            passedMaster |= (steps[i] == MasterEleven || steps[i] == MasterTwentyTwo)
                && i + 1 < steps.size();
            from = steps[i];
        }
        QString text = done.join(u", then "_s);
        if (passedMaster && !m_noted) {
            text += u" (only a grand total of 11 or 22 is kept)"_s;
            m_noted = true;
        }
        return text;
    }

    // ", then 2 + 9 = 11, then 1 + 1 = 2.": from the total down to the number, or the master
    // number.
    QString reduction(const Reduction &reduction)
    {
        if (reduction.master)
            return u", a master number, kept as is."_s;
        if (reduction.stepCount == 0)
            return u"."_s;
        return u", then "_s
            + chain(reduction.total, std::span(reduction.steps).first(reduction.stepCount)) + u'.';
    }

private:
    bool m_noted = false;
};

QString lifeJourneyWorkingText(const Reading &reading)
{
    const LifeJourneyWorking &w = reading.lifeJourneyWorking;
    Sums sums;
    // A day and a year: their digits summed, and the sum's digits once more.
    auto part = [&sums](const QString &caption, int shown, const DatePart &part) -> QString {
        if (shown < 10)
            return caption + u" stays "_s + QString::number(shown);
        const std::array steps{part.digitSum, part.value};
        return caption + u": "_s
            + sums.chain(static_cast<EngineNumber>(shown),
                         std::span(steps).first(part.value == part.digitSum ? 1 : 2));
    };
    const int month = reading.born.month();
    QString text
        = part(u"Day "_s + QString::number(reading.born.day()), reading.born.day(), w.day) + u"."_s;
    text += u" Month "_s + QString::number(month) + u" ("_s + monthName(month) + u')'
        + (month < 10 ? u" stays "_s + QString::number(w.month.value)
                      : u": "_s
                   + sums.chain(static_cast<EngineNumber>(month), std::span(&w.month.value, 1)))
        + u". "_s
        + part(u"Year "_s + QString::number(reading.born.year()), reading.born.year(), w.year)
        + (w.year.value >= 10 ? u" (a year's sum is reduced only once)."_s : u"."_s);
    return text + u" Grand total: "_s + QString::number(w.day.value) + u" + "_s
        + QString::number(w.month.value) + u" + "_s + QString::number(w.year.value) + u" = "_s
        + QString::number(w.reduction.total) + sums.reduction(w.reduction);
}

QString nameWorkingText(const NameWorking &w, ReadingCategory category, bool yRule)
{
    const bool vowels = category == ReadingCategory::Soul;
    if (w.letterCount == 0)
        return vowels ? u"The name has no vowel, so the number is 0."_s
                      : u"The name has no consonant, so the number is 0, which shows the reading "_s
                        u"of 7."_s;
    QStringList letters;
    for (std::size_t i = 0; i < w.listed(); ++i)
        letters << QChar::fromLatin1(w.letters[i].letter) + u' '
                + QString::number(w.letters[i].value);
    QString text = vowels ? u"Vowels: "_s : u"Consonants: "_s;
    if (yRule)
        text = vowels
            ? u"Vowels (with no A, E, I, O, or U in the name, each Y counts as a vowel): "_s
            : u"Consonants (each Y counts as a consonant too): "_s;
    text += letters.join(u" + "_s);
    if (w.letterCount > w.listed())
        text += u" and "_s + counted(qlonglong(w.letterCount - w.listed())) + u" more letters"_s;
    text += u" = "_s + counted(w.reduction.total);
    if (w.skippedAdditions > 0)
        text += u" (a total stops at 32,767, so "_s + counted(qlonglong(w.skippedAdditions))
            + (w.skippedAdditions == 1 ? u" letter is"_s : u" letters are"_s) + u" left out)"_s;
    return text + Sums().reduction(w.reduction);
}

} // namespace

QString workingText(const Reading &reading, ReadingCategory category)
{
    switch (category) {
    case ReadingCategory::LifeJourney:
        return lifeJourneyWorkingText(reading);
    case ReadingCategory::Soul:
        return nameWorkingText(reading.soulWorking, category, reading.soulWorking.yRule);
    case ReadingCategory::Personality:
        break;
    }
    return nameWorkingText(reading.personalityWorking, category, reading.soulWorking.yRule);
}

Reading makeReading(const ReadingEntries &entries)
{
    const QByteArray first = entries.firstName.toUtf8(), middle = entries.middleName.toUtf8(),
                     last = entries.lastName.toUtf8();
    const QByteArray day = entries.day.toUtf8(), month = entries.month.toUtf8(),
                     year = entries.year.toUtf8();

    Reading reading;
    reading.firstName = entries.firstName;
    reading.middleName = entries.middleName;
    reading.lastName = entries.lastName;
    reading.born = QDate(entries.year.toInt(), monthNumber(entries.month), entries.day.toInt());
    reading.lifeJourneyWorking
        = ComputeLifeJourneyWorking(utf8View(day), utf8View(month), utf8View(year));
    reading.soulWorking = ComputeSoulWorking(utf8View(first), utf8View(middle), utf8View(last));
    reading.personalityWorking
        = ComputePersonalityWorking(utf8View(first), utf8View(middle), utf8View(last));
    // One working gives each number, so that the two can never disagree.
    reading.lifeJourney = reading.lifeJourneyWorking.number();
    reading.soul = reading.soulWorking.number();
    reading.personality = reading.personalityWorking.number();
    return reading;
}

QString readingText(const Reading &reading)
{
    QString text = applicationTitle() + u"\n\nA reading for " + fullName(reading) + u", born "
        + birthDate(reading) + u".\n";
    for (const Section &section : sections(reading)) {
        const TabFill &fill = section.fill;
        text += u"\n\n" + fromUtf8(TabCaption(section.category)) + u": " + section.number() + u'\n'
            + workingText(reading, section.category) + u'\n';
        if (section.hasReading()) {
            auto color = [](const QString &caption, std::string_view name,
                            std::string_view description) -> QString {
                return caption + u": " + fromUtf8(name) + u'\n'
                    + (isDescribed(description) ? QString(fromUtf8(description) + u'\n')
                                                : QString());
            };
            text += u'\n' + color(primaryColorCaption(), *fill.PrimaryColor, *fill.PrimaryColorDesc)
                + u'\n'
                + color(secondaryColorCaption(), *fill.SecondaryColor, *fill.SecondaryColorDesc)
                + u'\n' + keywordsCaption() + u": " + fromUtf8(*fill.Keywords) + u'\n';
        }
        text += u'\n' + fromUtf8(CategoryIntro(section.category)) + u'\n';
        if (!fill.Interpretation.empty())
            text += u'\n' + fromUtf8(fill.Interpretation) + u'\n';
    }
    return text;
}

QByteArray readingJson(const Reading &reading)
{
    auto number = [&reading](const Section &section) {
        QJsonObject shown;
        shown[u"number"_s] = section.computed;
        const Reduction *reduction = nullptr;
        if (section.category == ReadingCategory::LifeJourney) {
            const LifeJourneyWorking &w = reading.lifeJourneyWorking;
            reduction = &w.reduction;
            auto part = [](const char *name, const QString &text, EngineNumber digitSum,
                           EngineNumber value) {
                QJsonObject shown{
                    {u"part"_s, QLatin1String(name)}, {u"text"_s, text}, {u"value"_s, value}};
                if (digitSum >= 0)
                    shown[u"digitSum"_s] = digitSum;
                return shown;
            };
            shown[u"working"_s] = QJsonObject{
                {u"parts"_s,
                 QJsonArray{
                     part("day", QString::number(reading.born.day()), w.day.digitSum, w.day.value),
                     part("month", monthName(reading.born.month()), -1, w.month.value),
                     part("year", QString::number(reading.born.year()), w.year.digitSum,
                          w.year.value)}}};
        } else {
            const NameWorking &w = section.category == ReadingCategory::Soul
                ? reading.soulWorking
                : reading.personalityWorking;
            reduction = &w.reduction;
            QJsonArray letters;
            for (std::size_t i = 0; i < w.listed(); ++i) {
                QJsonObject letter{{u"letter"_s, QString(QChar::fromLatin1(w.letters[i].letter))},
                                   {u"value"_s, w.letters[i].value}};
                if (w.letters[i].vowelY)
                    letter[u"vowelY"_s] = true;
                letters << letter;
            }
            shown[u"working"_s] = QJsonObject{{u"letters"_s, letters},
                                              {u"letterCount"_s, qint64(w.letterCount)},
                                              {u"skippedAdditions"_s, qint64(w.skippedAdditions)}};
        }
        shown[u"total"_s] = reduction->total;
        QJsonObject working = shown[u"working"_s].toObject();
        QJsonArray steps;
        for (std::uint8_t i = 0; i < reduction->stepCount; ++i)
            steps << reduction->steps[i];
        working[u"master"_s] = reduction->master;
        working[u"reductions"_s] = steps;
        working[u"text"_s] = workingText(reading, section.category);
        shown[u"working"_s] = working;
        if (!section.hasReading()) {
            shown[u"reading"_s] = QJsonValue::Null;
            return shown;
        }
        const TabFill &fill = section.fill;
        shown[u"reading"_s] = QJsonObject{
            {u"number"_s, section.number().toInt()},
            {u"primaryColor"_s, fromUtf8(*fill.PrimaryColor)},
            {u"secondaryColor"_s, fromUtf8(*fill.SecondaryColor)},
            {u"keywords"_s, fromUtf8(*fill.Keywords)},
            {u"primaryPicture"_s, *fill.PrimaryPicture},
            {u"secondaryPicture"_s, *fill.SecondaryPicture},
            {u"primaryDescription"_s, fromUtf8(*fill.PrimaryColorDesc)},
            {u"secondaryDescription"_s, fromUtf8(*fill.SecondaryColorDesc)},
            {u"introduction"_s, fromUtf8(CategoryIntro(section.category))},
            {u"interpretation"_s, fromUtf8(fill.Interpretation)},
        };
        return shown;
    };
    const std::array<Section, 3> shown = sections(reading);
    QJsonObject json{
        {u"name"_s,
         QJsonObject{{u"first"_s, reading.firstName},
                     {u"middle"_s, reading.middleName},
                     {u"last"_s, reading.lastName}}},
        {u"born"_s, reading.born.toString(Qt::ISODate)},
        {u"lifeJourney"_s, number(shown[0])},
        {u"soul"_s, number(shown[1])},
        {u"personality"_s, number(shown[2])},
    };
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

namespace {

// The reading's pages are laid out at 96 dots per inch, whatever they are printed on.
QPaintDevice *ninetySixDpi()
{
    static QImage image = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    return &image;
}

// A pasted name may run to thousands of letters, which would push the reading onto many pages:
// the page shows as much of it as one line of A4 holds between the side margins, ended by an
// ellipsis. The numbers and their working still count every letter.
QString pageName(const Reading &reading, QFont font)
{
    font.setPointSizeF(10);
    font.setBold(true);
    constexpr qreal A4TextWidth = (210 - 2 * 15) / 25.4 * 96;
    return QFontMetricsF(font, ninetySixDpi())
        .elidedText(fullName(reading), Qt::ElideRight, A4TextWidth);
}

} // namespace

std::unique_ptr<QTextDocument> readingDocument(const Reading &reading)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    document->setDefaultFont(font);
    document->setDocumentMargin(0);
    // Lengths in pixels of 1/96 inch: the document is laid out at 96 dots per inch.
    document->setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 16pt; color: #b00000; margin-top: 0; margin-bottom: 2px; }"
                       "p.heading { margin-top: 10px; margin-bottom: 2px; }"
                       "p { margin-top: 0; margin-bottom: 3px; line-height: 90%; }"
                       "p.person { font-size: 10pt; margin-bottom: 2px; }"
                       "p.intro { font-style: italic; color: #404040; }"
                       "table { margin-top: 2px; margin-bottom: 1px; }"
                       "td { padding-right: 6px; }"));

    auto swatch = [&document](std::int16_t picture) {
        document->addResource(QTextDocument::ImageResource, QUrl(swatchUrl(picture)),
                              QImage(swatchPath(picture)));
        return QStringLiteral("<img src=\"%1\" width=\"14\" height=\"14\">")
            .arg(swatchUrl(picture));
    };
    auto color = [&swatch](const QString &caption, std::int16_t picture, std::string_view name,
                           std::string_view description) {
        return QStringLiteral("<table cellspacing=\"0\"><tr><td>%1</td><td><b>%2:</b> %3</td></tr>"
                              "</table>%4")
            .arg(swatch(picture), caption, fromUtf8(name).toHtmlEscaped(),
                 isDescribed(description)
                     ? QString(u"<p>" + fromUtf8(description).toHtmlEscaped() + u"</p>")
                     : QString());
    };

    QString html = u"<h1>" + applicationTitle() + u"</h1><p class=\"person\">A reading for <b>"
        + pageName(reading, font).toHtmlEscaped() + u"</b>, born " + birthDate(reading) + u".</p>";
    for (const Section &section : sections(reading)) {
        const TabFill &fill = section.fill;
        // How the number was found shares the heading's line, which has room for it. (A heading
        // element would enlarge everything in it.)
        html += u"<p class=\"heading\"><span style=\"font-size: 11pt; font-weight: bold; "
                u"color: #00007f\">"
            + fromUtf8(TabCaption(section.category)) + u" &nbsp;" + section.number()
            + u"</span>&nbsp;&nbsp; <span style=\"color: #404040; font-size: 8pt\">"
            + workingText(reading, section.category).toHtmlEscaped() + u"</span></p>";
        if (section.hasReading()) {
            html += color(primaryColorCaption(), *fill.PrimaryPicture, *fill.PrimaryColor,
                          *fill.PrimaryColorDesc)
                + color(secondaryColorCaption(), *fill.SecondaryPicture, *fill.SecondaryColor,
                        *fill.SecondaryColorDesc)
                + u"<p><b>" + keywordsCaption() + u":</b> "
                + fromUtf8(*fill.Keywords).toHtmlEscaped() + u"</p>";
        }
        html += u"<p class=\"intro\">" + fromUtf8(CategoryIntro(section.category)).toHtmlEscaped()
            + u"</p>";
        if (!fill.Interpretation.empty())
            html += u"<p>" + fromUtf8(fill.Interpretation).toHtmlEscaped() + u"</p>";
    }
    document->setHtml(html);
    return document;
}

QPageSize localePageSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

std::unique_ptr<QTextDocument> readingPages(const Reading &reading, const QPageLayout &layout)
{
    // Laid out on pages of the layout's printable size, and printed as it is paginated here:
    // without the page numbers and margins of an unpaginated document.
    std::unique_ptr<QTextDocument> document = readingDocument(reading);
    document->documentLayout()->setPaintDevice(ninetySixDpi());
    document->setPageSize(layout.paintRect(QPageLayout::Point).size() * (96.0 / 72.0));
    return document;
}

void paintReading(const Reading &reading, QPagedPaintDevice &device)
{
    device.setPageMargins(QMarginsF(15, 10, 15, 10), QPageLayout::Millimeter);
    readingPages(reading, device.pageLayout())->print(&device);
}

bool writeReadingPdf(const Reading &reading, QIODevice &device, const QPageSize &paper)
{
    if (!device.isWritable())
        return false;
    QPdfWriter writer(&device);
    writer.setPageSize(paper);
    writer.setTitle(applicationTitle() + u": " + fullName(reading));
    writer.setCreator(windowCaption());
    paintReading(reading, writer);
    return true;
}

QString readingFileName(const Reading &reading)
{
    QStringList parts;
    for (const QString &name : {reading.firstName, reading.lastName}) {
        QString part = name.trimmed();
        // Nothing of a name may make a path of it.
        part.replace(u'/', u'-').replace(u'\\', u'-');
        for (QChar &c : part) {
            if (c.category() == QChar::Other_Control)
                c = u'-';
        }
        if (!part.isEmpty())
            parts << part;
    }
    parts << QStringLiteral("reading.pdf");
    QString fileName = parts.join(u'-');
    while (fileName.startsWith(u'.')) // nor a hidden file
        fileName.remove(0, 1);
    return fileName;
}

} // namespace vorn
