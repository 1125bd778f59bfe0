// The interpretation catalogue: what a results tab shows for each category and number.
//
// Records share their texts: a color name, color line, keywords line or description that
// several records show is stored once, and every record that shows it refers to that copy.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The three categories of a reading, in the order of computing, filling and tabs.
enum class ReadingCategory : std::uint8_t {
    LifeJourney,
    Soul,
    Personality,
};

inline constexpr std::array<ReadingCategory, 3> ReadingCategories = {
    ReadingCategory::LifeJourney,
    ReadingCategory::Soul,
    ReadingCategory::Personality,
};

// "Life Journey Number", "Soul Number", "Personality Number".
std::string_view TabCaption(ReadingCategory category);

// The paragraph that stands above every interpretation of the category.
std::string_view CategoryIntro(ReadingCategory category);

struct CatalogueRecord
{
    std::string_view NumberCaption;
    std::string_view PrimaryColor;
    std::string_view PrimaryColorDesc; // a paragraph of the color description pool, or "NA"
    std::int16_t PrimaryPicture; // 1-based index into the swatch list
    std::string_view SecondaryColor;
    std::string_view SecondaryColorDesc;
    std::int16_t SecondaryPicture;
    std::string_view Keywords;
    std::string_view Interpretation;
};

// The color descriptions that records point to.
struct ColorDescriptionPool
{
    static const std::string_view Red;
    static const std::string_view Orange;
    static const std::string_view Gold;
    static const std::string_view Yellow;
    static const std::string_view Green;
    static const std::string_view Blue;
    static const std::string_view Pink;
    static const std::string_view Indigo;
    static const std::string_view Violet;
    static const std::string_view StrongWill;
};

// Stands in a description field that has no paragraph.
inline constexpr std::string_view NotAvailable = "NA";

// Numbers that have a record in every category: 1 to 9, 11 and 22.
inline constexpr std::array<std::int16_t, 11> CatalogueNumbers
    = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22};

// The color a picture of the swatch list shows ("Blue", ... "Pink, Cherry" for the keyless
// picture 13); empty for an index outside 1 to 13.
std::string_view PictureColorName(std::int16_t picture);

// The record of (category, number), or nullptr when the number has none.
const CatalogueRecord *FindCatalogueRecord(ReadingCategory category, std::int16_t number);

// What one results tab receives for a number. A field left empty (std::nullopt) is not
// written at all, so the tab keeps what it showed when it was loaded.
struct TabFill
{
    std::optional<std::string_view> NumberCaption;
    std::optional<std::string_view> PrimaryColor;
    std::optional<std::string_view> PrimaryColorDesc;
    std::optional<std::int16_t> PrimaryPicture;
    std::optional<std::int16_t> SecondaryPicture;
    std::optional<std::string_view> SecondaryColorDesc;
    std::optional<std::string_view> SecondaryColor;
    std::optional<std::string_view> Keywords;
    std::string_view Interpretation; // may be empty

    // The text of the interpretation box: intro, CR LF, CR LF, interpretation.
    std::string InterpretationText;
};

// Decides what a tab shows for any 16-bit number:
// - a number with a record: the whole record;
// - 0 in Life Journey and Soul: the caption "0", empty color and keywords lines, no
//   descriptions and no pictures;
// - 0 in Personality: the whole Personality 7 record, caption "7" included;
// - any other number: nothing, and an interpretation box with the intro alone.
TabFill DecideTabFill(ReadingCategory category, std::int16_t number);

// The category's intro followed by two line breaks (CR LF) and the interpretation.
std::string ComposeInterpretationText(ReadingCategory category, std::string_view interpretation);

} // namespace vorn
