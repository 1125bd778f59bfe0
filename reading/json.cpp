#include "json.h"

#include "entries.h"
#include "reading.h"

#include <QJsonArray>
#include <optional>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

QJsonValue orNull(const std::optional<QString> &text)
{
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

// A part of the birth date; a month has no digit sum of its own.
QJsonObject datePart(const QString &part, const QString &text, const DatePart &value,
                     std::optional<EngineNumber> digitSum)
{
    QJsonObject shown{{u"part"_s, part}, {u"text"_s, text}, {u"value"_s, value.value}};
    if (digitSum)
        shown[u"digitSum"_s] = *digitSum;
    return shown;
}

QJsonObject dateWorking(const Reading &reading)
{
    const LifeJourneyWorking &working = reading.lifeJourneyWorking;
    return {{u"parts"_s,
             QJsonArray{
                 datePart(u"day"_s, QString::number(reading.born.day()), working.day,
                          working.day.digitSum),
                 datePart(u"month"_s, monthName(reading.born.month()), working.month, std::nullopt),
                 datePart(u"year"_s, QString::number(reading.born.year()), working.year,
                          working.year.digitSum)}}};
}

QJsonObject nameWorking(const NameWorking &working)
{
    QJsonArray letters;
    for (std::size_t i = 0; i < working.listed(); ++i) {
        const CountedLetter &counted = working.letters[i];
        QJsonObject letter{{u"letter"_s, QString(QChar::fromLatin1(counted.letter))},
                           {u"value"_s, counted.value}};
        if (counted.vowelY)
            letter[u"vowelY"_s] = true;
        letters << letter;
    }
    return {{u"letters"_s, letters},
            {u"letterCount"_s, qint64(working.letterCount)},
            {u"skippedAdditions"_s, qint64(working.skippedAdditions)}};
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

QJsonObject working(const Reading &reading, const Section &section)
{
    QJsonObject shown = section.category == ReadingCategory::LifeJourney
        ? dateWorking(reading)
        : nameWorking(section.category == ReadingCategory::Soul ? reading.soulWorking
                                                                : reading.personalityWorking);
    const Reduction &reduction = reductionOf(reading, section.category);
    QJsonArray steps;
    for (std::uint8_t i = 0; i < reduction.stepCount; ++i)
        steps << reduction.steps[i];
    shown[u"master"_s] = reduction.master;
    shown[u"reductions"_s] = steps;
    shown[u"text"_s] = section.working;
    return shown;
}

QJsonValue shownReading(const Section &section)
{
    if (!section.hasReading())
        return QJsonValue::Null;
    return QJsonObject{
        {u"number"_s, section.shown.toInt()},
        {u"primaryColor"_s, section.primary->name},
        {u"secondaryColor"_s, section.secondary->name},
        {u"keywords"_s, section.keywords},
        {u"primaryPicture"_s, section.primary->picture},
        {u"secondaryPicture"_s, section.secondary->picture},
        {u"primaryDescription"_s, orNull(section.primary->description)},
        {u"secondaryDescription"_s, orNull(section.secondary->description)},
        {u"introduction"_s, section.introduction},
        {u"interpretation"_s, section.interpretation},
    };
}

QJsonObject number(const Reading &reading, const Section &section)
{
    return {{u"number"_s, section.number},
            {u"total"_s, reductionOf(reading, section.category).total},
            {u"working"_s, working(reading, section)},
            {u"reading"_s, shownReading(section)}};
}

} // namespace

QJsonObject readingJson(const Reading &reading)
{
    return {
        {u"name"_s,
         QJsonObject{{u"first"_s, reading.firstName},
                     {u"middle"_s, reading.middleName},
                     {u"last"_s, reading.lastName}}},
        {u"born"_s, reading.born.toString(Qt::ISODate)},
        {u"lifeJourney"_s, number(reading, reading.section(ReadingCategory::LifeJourney))},
        {u"soul"_s, number(reading, reading.section(ReadingCategory::Soul))},
        {u"personality"_s, number(reading, reading.section(ReadingCategory::Personality))},
    };
}

} // namespace vorn
