// One reading: the person, and for each of the three numbers what its tab shows, as the
// catalog fills it, with how the engine found the number. The results window, the text, the
// JSON and the PDF all show this one model.
#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <catalogue/catalogue.h>
#include <engine/numerology.h>
#include <optional>

namespace vorn {

struct ReadingEntries;

// A color of a number: its name (or a line of several), its description and its swatch.
struct Color
{
    QString name;
    std::optional<QString> description; // none where the catalog does not describe the color
    int picture = 0; // the swatch, 1 to SwatchCount
};

// What one number's tab shows.
struct Section
{
    ReadingCategory category = ReadingCategory::LifeJourney;
    EngineNumber number = 0; // as the engine found it
    QString shown; // the number the tab shows: "7" for a Personality Number of 0
    // Both colors, or neither: Life Journey and Soul Numbers of 0 have no reading, and their
    // tabs show empty color and keyword lines.
    std::optional<Color> primary;
    std::optional<Color> secondary;
    QString keywords;
    QString introduction; // the category's, above every interpretation
    QString interpretation; // empty for a number without a reading
    QString interpretationBox; // the tab's box: the introduction, a blank line, the interpretation
    QString working; // how the number was found, in a line of plain words

    QString title() const; // "Life Journey Number"
    bool hasReading() const { return primary.has_value(); }
};

struct Reading
{
    QString firstName; // the names as counted
    QString middleName;
    QString lastName;
    QDate born;
    // How the engine found each number: the sections' numbers are theirs.
    LifeJourneyWorking lifeJourneyWorking;
    NameWorking soulWorking;
    NameWorking personalityWorking;
    // Life Journey, Soul and Personality: the order of the tabs.
    std::array<Section, 3> sections;

    const Section &section(ReadingCategory category) const;
    // The names that are not blank, trimmed, one blank apart.
    QString fullName() const;
    // Whom the reading is for, in a sentence: the full name, or, for names of blanks alone,
    // "a name left blank".
    QString person() const;
    // As the pick lists run: "November 29, 1999".
    QString birthDate() const;
};

// The reading of entries that passed validateInput.
Reading makeReading(const ReadingEntries &entries);

// The section of a number as the catalog fills its tab, with the working given.
Section makeSection(ReadingCategory category, EngineNumber number, const QString &working = {});

} // namespace vorn
