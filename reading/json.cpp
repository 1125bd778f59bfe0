#include "json.h"

#include "entries.h"
#include "reading.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <charconv>

// A list run writes thousands of readings a second, and QJsonObject and QJsonDocument took nine
// tenths of its time: the JSON is written here, straight into bytes, and what the catalog gives
// a number is written once and kept.

namespace vorn {

namespace {

char hexDigit(unsigned value)
{
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}

// A JSON object written key by key; the keys come in alphabetical order, as Qt writes them.
class Json
{
public:
    explicit Json(QByteArray &out)
        : m_out(out)
    {
    }

    Json &open(char bracket = '{')
    {
        next();
        m_out += bracket;
        m_first = true;
        return *this;
    }
    Json &close(char bracket = '}')
    {
        m_out += bracket;
        m_first = false;
        return *this;
    }
    Json &key(const char *name)
    {
        next();
        m_out += '"';
        m_out += name;
        m_out += "\":";
        m_first = true; // the value follows without a comma
        return *this;
    }
    Json &value(const QString &text)
    {
        next();
        string(text);
        return *this;
    }
    Json &value(qint64 number)
    {
        next();
        char digits[24];
        const auto written = std::to_chars(std::begin(digits), std::end(digits), number);
        m_out.append(digits, written.ptr - digits);
        return *this;
    }
    Json &value(bool yes)
    {
        next();
        m_out += yes ? "true" : "false";
        return *this;
    }
    Json &null()
    {
        next();
        m_out += "null";
        return *this;
    }
    Json &raw(const QByteArray &json)
    {
        next();
        m_out += json;
        return *this;
    }

private:
    void next()
    {
        if (!m_first)
            m_out += ',';
        m_first = false;
    }

    // As Qt escapes a string: quotes, backslashes and control characters; anything else as
    // UTF-8, and a lone surrogate as \uXXXX.
    void string(const QString &text)
    {
        m_out += '"';
        const char16_t *at = reinterpret_cast<const char16_t *>(text.utf16());
        const char16_t *const end = at + text.size();
        while (at != end) {
            // Plain ASCII, most of any text here, in one piece.
            const char16_t *plain = at;
            while (at != end && *at >= 0x20 && *at < 0x80 && *at != '"' && *at != '\\')
                ++at;
            if (at != plain) {
                const qsizetype from = m_out.size();
                m_out.resize(from + (at - plain));
                std::copy(plain, at, m_out.data() + from);
            }
            if (at == end)
                break;
            const char16_t c = *at++;
            if (c < 0x80) {
                escape(c);
            } else if (QChar::isHighSurrogate(c) && at != end && QChar::isLowSurrogate(*at)) {
                m_out += QStringView(at - 1, 2).toUtf8();
                ++at;
            } else if (QChar::isSurrogate(c)) {
                m_out += "\\u";
                for (int shift : {12, 8, 4, 0})
                    m_out += hexDigit((c >> shift) & 0xf);
            } else {
                m_out += QString(QChar(c)).toUtf8();
            }
        }
        m_out += '"';
    }

    void escape(char16_t c)
    {
        m_out += '\\';
        switch (c) {
        case '"':
            m_out += '"';
            break;
        case '\\':
            m_out += '\\';
            break;
        case '\b':
            m_out += 'b';
            break;
        case '\f':
            m_out += 'f';
            break;
        case '\n':
            m_out += 'n';
            break;
        case '\r':
            m_out += 'r';
            break;
        case '\t':
            m_out += 't';
            break;
        default:
            m_out += "u00";
            m_out += hexDigit(c >> 4);
            m_out += hexDigit(c & 0xf);
        }
    }

    QByteArray &m_out;
    bool m_first = true;
};

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
    out.reserve(8192);
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
    return out;
}

} // namespace vorn
