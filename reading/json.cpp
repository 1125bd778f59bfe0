#include "json.h"

#include "entries.h"
#include "jsonwriter.h"
#include "reading.h"

#include <QHash>

// A list run writes thousands of readings a second, and QJsonObject and QJsonDocument took nine
// tenths of its time: the JSON is written here, straight into bytes, and what the catalog gives
// a number is written once and kept.

namespace vorn {

namespace {

// What the catalog gives the section's number: its tab's reading, or null.
QByteArray shownReading(const Section &section)
{
    if (!section.hasReading())
        return "null";
    auto description = [](Json &json, const Color &color) -> Json & {
        return color.description ? json.value(*color.description) : json.null();
    };
    QByteArray out;
    Json json(out);
    json.open().key("interpretation").value(section.interpretation);
    json.key("introduction").value(section.introduction);
    json.key("keywords").value(section.keywords);
    json.key("number").value(qint64(section.shown.toInt()));
    json.key("primaryColor").value(section.primary->name);
    description(json.key("primaryDescription"), *section.primary);
    json.key("primaryPicture").value(qint64(section.primary->picture));
    json.key("secondaryColor").value(section.secondary->name);
    description(json.key("secondaryDescription"), *section.secondary);
    json.key("secondaryPicture").value(qint64(section.secondary->picture));
    json.close();
    return out;
}

// The reading of each number the engine gives, written once: a section is what makeSection
// gives for its category and number.
const QByteArray &cachedReading(const Section &section)
{
    static const auto cache = [] {
        QHash<int, QByteArray> written;
        for (ReadingCategory category : ReadingCategories) {
            for (int number : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22})
                written.insert(int(category) * 100 + number,
                               shownReading(makeSection(category, EngineNumber(number))));
        }
        return written;
    }();
    static const QByteArray none;
    const auto found = cache.constFind(int(section.category) * 100 + section.number);
    return found == cache.constEnd() ? none : *found;
}

const Reduction &reductionOf(const Reading &reading, ReadingCategory category)
{
    switch (category) {
    case ReadingCategory::LifeJourney:
        return reading.lifeJourneyWorking.reduction;
    case ReadingCategory::Soul:
        return reading.soulWorking.reduction;
    case ReadingCategory::Personality:
        break;
    }
    return reading.personalityWorking.reduction;
}

void datePart(Json &json, const char *part, const QString &text, const DatePart &value,
              std::optional<EngineNumber> digitSum)
{
    json.open();
    if (digitSum)
        json.key("digitSum").value(qint64(*digitSum));
    json.key("part").value(QString::fromLatin1(part));
    json.key("text").value(text);
    json.key("value").value(qint64(value.value));
    json.close();
}

void letters(Json &json, const NameWorking &working)
{
    json.key("letterCount").value(qint64(working.letterCount));
    json.key("letters").open('[');
    for (std::size_t i = 0; i < working.listed(); ++i) {
        const CountedLetter &counted = working.letters[i];
        json.open();
        json.key("letter").value(QString(QChar::fromLatin1(counted.letter)));
        json.key("value").value(qint64(counted.value));
        if (counted.vowelY)
            json.key("vowelY").value(true);
        json.close();
    }
    json.close(']');
}

void reductions(Json &json, const Reduction &reduction)
{
    json.key("reductions").open('[');
    for (std::uint8_t i = 0; i < reduction.stepCount; ++i)
        json.value(qint64(reduction.steps[i]));
    json.close(']');
}

// The working's keys, in order: parts (a date) or letters (a name), master, reductions, text.
void working(Json &json, const Reading &reading, const Section &section)
{
    const Reduction &reduction = reductionOf(reading, section.category);
    const bool date = section.category == ReadingCategory::LifeJourney;
    const NameWorking &name = section.category == ReadingCategory::Soul
        ? reading.soulWorking
        : reading.personalityWorking;
    json.key("working").open();
    if (!date)
        letters(json, name);
    json.key("master").value(reduction.master);
    if (date) {
        const LifeJourneyWorking &w = reading.lifeJourneyWorking;
        json.key("parts").open('[');
        datePart(json, "day", QString::number(reading.born.day()), w.day, w.day.digitSum);
        datePart(json, "month", monthName(reading.born.month()), w.month, std::nullopt);
        datePart(json, "year", QString::number(reading.born.year()), w.year, w.year.digitSum);
        json.close(']');
    }
    reductions(json, reduction);
    if (!date)
        json.key("skippedAdditions").value(qint64(name.skippedAdditions));
    json.key("text").value(section.working);
    json.close();
}

void number(Json &json, const char *key, const Reading &reading, ReadingCategory category)
{
    const Section &section = reading.section(category);
    json.key(key).open();
    json.key("number").value(qint64(section.number));
    const QByteArray &cached = cachedReading(section);
    json.key("reading").raw(cached.isEmpty() ? shownReading(section) : cached);
    json.key("total").value(qint64(reductionOf(reading, category).total));
    working(json, reading, section);
    json.close();
}

} // namespace

QByteArray readingJson(const Reading &reading, std::optional<quint64> line)
{
    QByteArray out;
    appendReadingJson(out, reading, line);
    return out;
}

void appendReadingJson(QByteArray &out, const Reading &reading, std::optional<quint64> line)
{
    out.reserve(out.size() + 8192);
    Json json(out);
    json.open().key("born").value(reading.born.toString(Qt::ISODate));
    number(json, "lifeJourney", reading, ReadingCategory::LifeJourney);
    if (line)
        json.key("line").value(qint64(*line));
    json.key("name").open();
    json.key("first").value(reading.firstName);
    json.key("last").value(reading.lastName);
    json.key("middle").value(reading.middleName);
    json.close();
    number(json, "personality", reading, ReadingCategory::Personality);
    number(json, "soul", reading, ReadingCategory::Soul);
    json.close();
}

} // namespace vorn
