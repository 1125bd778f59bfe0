#include "reading.h"

#include "entries.h"
#include "working.h"

#include <QStringList>
#include <mutex>

namespace vorn {

namespace {

std::string_view utf8View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::optional<QString> describedOrNot(std::string_view description)
{
    if (description == NotAvailable)
        return std::nullopt;
    return fromUtf8(description);
}

std::optional<Color> colorOf(const std::optional<std::string_view> &name,
                             const std::optional<std::string_view> &description,
                             const std::optional<std::int16_t> &picture)
{
    if (!picture)
        return std::nullopt;
    return Color{fromUtf8(name.value_or(std::string_view())),
                 describedOrNot(description.value_or(NotAvailable)), *picture};
}

} // namespace

QString Section::title() const
{
    return fromUtf8(TabCaption(category));
}

const Section &Reading::section(ReadingCategory category) const
{
    return sections[static_cast<std::size_t>(category)];
}

QString Reading::fullName() const
{
    QStringList names;
    for (const QString &name : {firstName, middleName, lastName}) {
        if (!name.trimmed().isEmpty())
            names << name.trimmed();
    }
    return names.join(u' ');
}

QString Reading::person() const
{
    const QString name = fullName();
    return name.isEmpty() ? QStringLiteral("a name left blank") : name;
}

QString Reading::birthDate() const
{
    return monthName(born.month()) + u' ' + QString::number(born.day()) + u", "
        + QString::number(born.year());
}

namespace {

Section catalogSection(ReadingCategory category, EngineNumber number)
{
    const TabFill fill = DecideTabFill(category, number);
    Section section;
    section.category = category;
    section.number = number;
    section.shown = fill.NumberCaption ? fromUtf8(*fill.NumberCaption) : QString::number(number);
    section.primary = colorOf(fill.PrimaryColor, fill.PrimaryColorDesc, fill.PrimaryPicture);
    section.secondary
        = colorOf(fill.SecondaryColor, fill.SecondaryColorDesc, fill.SecondaryPicture);
    section.keywords = fromUtf8(fill.Keywords.value_or(std::string_view()));
    section.introduction = fromUtf8(CategoryIntro(category));
    section.interpretation = fromUtf8(fill.Interpretation);
    section.interpretationBox = fromUtf8(fill.InterpretationText);
    return section;
}

} // namespace

Section makeSection(ReadingCategory category, EngineNumber number, const QString &working)
{
    // The section of each number the engine gives, made the first time it is asked for, on
    // whichever thread, and shared from then on: its texts are implicitly shared strings.
    static std::array<std::array<Section, MasterTwentyTwo + 1>, 3> made;
    static std::array<std::array<std::once_flag, MasterTwentyTwo + 1>, 3> makeOnce;
    if (number < 0 || number > MasterTwentyTwo) {
        Section section = catalogSection(category, number);
        section.working = working;
        return section;
    }
    const auto c = std::size_t(category), n = std::size_t(number);
    std::call_once(makeOnce[c][n], [&] { made[c][n] = catalogSection(category, number); });
    Section section = made[c][n];
    section.working = working;
    return section;
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
    const bool yRule = reading.soulWorking.yRule;
    reading.sections = {
        makeSection(ReadingCategory::LifeJourney, reading.lifeJourneyWorking.number(),
                    lifeJourneyWorkingText(reading.lifeJourneyWorking, reading.born)),
        makeSection(ReadingCategory::Soul, reading.soulWorking.number(),
                    nameWorkingText(reading.soulWorking, ReadingCategory::Soul, yRule)),
        makeSection(
            ReadingCategory::Personality, reading.personalityWorking.number(),
            nameWorkingText(reading.personalityWorking, ReadingCategory::Personality, yRule)),
    };
    return reading;
}

} // namespace vorn
