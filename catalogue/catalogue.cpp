#include "catalogue.h"

#include "texts/colors.h"
#include "texts/life_journey.h"
#include "texts/personality.h"
#include "texts/soul.h"

namespace vorn {

const std::string_view ColorDescriptionPool::Red = text::RedDescription;
const std::string_view ColorDescriptionPool::Orange = text::OrangeDescription;
const std::string_view ColorDescriptionPool::Gold = text::GoldDescription;
const std::string_view ColorDescriptionPool::Yellow = text::YellowDescription;
const std::string_view ColorDescriptionPool::Green = text::GreenDescription;
const std::string_view ColorDescriptionPool::Blue = text::BlueDescription;
const std::string_view ColorDescriptionPool::Pink = text::PinkDescription;
const std::string_view ColorDescriptionPool::Indigo = text::IndigoDescription;
const std::string_view ColorDescriptionPool::Violet = text::VioletDescription;
const std::string_view ColorDescriptionPool::StrongWill = text::StrongWillDescription;

namespace {

// Color names and lines, each stored once.
constexpr std::string_view Red = "Red";
constexpr std::string_view Orange = "Orange";
constexpr std::string_view Yellow = "Yellow";
constexpr std::string_view Green = "Green";
constexpr std::string_view Blue = "Blue";
constexpr std::string_view Indigo = "Indigo";
constexpr std::string_view Violet = "Violet";
constexpr std::string_view Rose = "Rose";
constexpr std::string_view Gold = "Gold";

constexpr std::string_view CrimsonApricot = "Crimson, Apricot";
constexpr std::string_view GoldSalmonGarnetBlack = "Gold, Salmon, Garnet, Black";
constexpr std::string_view RubyAmber = "Ruby, Amber";
constexpr std::string_view BlueIndigoBrownSilver = "Blue, Indigo, Brown, Silver";
constexpr std::string_view PinkCherry = "Pink, Cherry";
constexpr std::string_view OrangeMustard = "Orange, Mustard";
constexpr std::string_view MagentaPearl = "Magenta , Pearl"; // the Life Journey line
constexpr std::string_view PearlMagenta = "Pearl, Magenta";
constexpr std::string_view OpalIvory = "Opal, Ivory";
constexpr std::string_view OliveRed = "Olive, Red";

constexpr std::string_view Keywords1
    = "Stimulation, Growth, excitement, high spirits, and physical energy, Determination, Passion";
constexpr std::string_view Keywords2 = "Accentuates relationships, Learning, Success, Happiness";
constexpr std::string_view Keywords3 = "Creativity, Intellect, Optimism";
constexpr std::string_view Keywords4
    = "Peace, Rest, Responsibility, Relaxation, Growth, Abundance, Prosperity";
constexpr std::string_view Keywords5 = "Growth, Patience, Tranquility";
constexpr std::string_view Keywords6 = "Intuition, Creativity, Imagination, Power";
constexpr std::string_view Keywords7 = "Inner Work, Vision, Spirituality";
constexpr std::string_view Keywords8 = "Innovation, Dramatic change";
constexpr std::string_view Keywords9 = "Wisdom, Wealth";

// Swatch indexes.
enum Picture : std::int16_t {
    BluePicture = 1,
    CoralPicture = 2,
    GoldPicture = 3,
    GreenPicture = 4,
    IndigoPicture = 5,
    MagentaPicture = 6,
    OrangePicture = 8,
    RedPicture = 9,
    VioletPicture = 11,
    YellowPicture = 12,
    PinkCherryPicture = 13,
};

using Pool = ColorDescriptionPool;

// The color columns of the records, the same in every category except the secondary line
// of 7; the interpretation is filled in per category.
std::array<CatalogueRecord, 11> ColorColumns(std::string_view sevenSecondary)
{
    // clang-format off
    return {{
        {"1",  Red,    Pool::Red,    RedPicture,    CrimsonApricot,        NotAvailable,     CoralPicture,      Keywords1, {}},
        {"2",  Orange, Pool::Orange, OrangePicture, GoldSalmonGarnetBlack, Pool::Gold,       GoldPicture,       Keywords2, {}},
        {"3",  Yellow, Pool::Yellow, YellowPicture, RubyAmber,             NotAvailable,     MagentaPicture,    Keywords3, {}},
        {"4",  Green,  Pool::Green,  GreenPicture,  BlueIndigoBrownSilver, Pool::Blue,       BluePicture,       Keywords4, {}},
        {"5",  Blue,   Pool::Blue,   BluePicture,   PinkCherry,            Pool::Pink,       PinkCherryPicture, Keywords5, {}},
        {"6",  Indigo, Pool::Indigo, IndigoPicture, OrangeMustard,         Pool::Orange,     OrangePicture,     Keywords6, {}},
        {"7",  Violet, Pool::Violet, VioletPicture, sevenSecondary,        NotAvailable,     MagentaPicture,    Keywords7, {}},
        {"8",  Rose,   NotAvailable, RedPicture,    OpalIvory,             NotAvailable,     GoldPicture,       Keywords8, {}},
        {"9",  Gold,   Pool::Gold,   GoldPicture,   OliveRed,              Pool::Red,        RedPicture,        Keywords9, {}},
        {"11", Orange, Pool::Orange, OrangePicture, GoldSalmonGarnetBlack, Pool::StrongWill, GoldPicture,       Keywords2, {}},
        {"22", Green,  Pool::Green,  GreenPicture,  BlueIndigoBrownSilver, Pool::Blue,       BluePicture,       Keywords4, {}},
    }};
    // clang-format on
}

std::array<CatalogueRecord, 11> MakeRecords(std::string_view sevenSecondary,
                                            const std::array<std::string_view, 11> &texts)
{
    auto records = ColorColumns(sevenSecondary);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].Interpretation = texts[i];
    return records;
}

const std::array<std::array<CatalogueRecord, 11>, 3> &Records()
{
    using namespace text;
    static const std::array<std::array<CatalogueRecord, 11>, 3> records = {
        MakeRecords(MagentaPearl,
                    {LifeJourney1, LifeJourney2, LifeJourney3, LifeJourney4, LifeJourney5,
                     LifeJourney6, LifeJourney7, LifeJourney8, LifeJourney9, LifeJourney11,
                     LifeJourney22}),
        MakeRecords(
            PearlMagenta,
            {Soul1, Soul2, Soul3, Soul4, Soul5, Soul6, Soul7, Soul8, Soul9, Soul11, Soul22}),
        MakeRecords(PearlMagenta,
                    {Personality1, Personality2, Personality3, Personality4, Personality5,
                     Personality6, Personality7, Personality8, Personality9, Personality11,
                     Personality22}),
    };
    return records;
}

std::size_t CategoryIndex(ReadingCategory category)
{
    return static_cast<std::size_t>(category);
}

} // namespace

std::string_view TabCaption(ReadingCategory category)
{
    switch (category) {
    case ReadingCategory::LifeJourney:
        return "Life Journey Number";
    case ReadingCategory::Soul:
        return "Soul Number";
    case ReadingCategory::Personality:
        return "Personality Number";
    }
    return {};
}

std::string_view CategoryIntro(ReadingCategory category)
{
    switch (category) {
    case ReadingCategory::LifeJourney:
        return text::LifeJourneyIntro;
    case ReadingCategory::Soul:
        return text::SoulIntro;
    case ReadingCategory::Personality:
        return text::PersonalityIntro;
    }
    return {};
}

std::string_view PictureColorName(std::int16_t picture)
{
    static constexpr std::array<std::string_view, 13> Names = {
        "Blue",   "Coral", "Gold",      "Green",  "Indigo", "Magenta",      "Olive",
        "Orange", "Red",   "Turquoise", "Violet", "Yellow", "Pink, Cherry",
    };
    if (picture < 1 || picture > static_cast<std::int16_t>(Names.size()))
        return {};
    return Names[static_cast<std::size_t>(picture - 1)];
}

const CatalogueRecord *FindCatalogueRecord(ReadingCategory category, std::int16_t number)
{
    const std::size_t index = CategoryIndex(category);
    if (index >= Records().size())
        return nullptr;
    for (std::size_t i = 0; i < CatalogueNumbers.size(); ++i) {
        if (CatalogueNumbers[i] == number)
            return &Records()[index][i];
    }
    return nullptr;
}

std::string ComposeInterpretationText(ReadingCategory category, std::string_view interpretation)
{
    constexpr std::string_view LineBreaks = "\r\n\r\n";
    const std::string_view intro = CategoryIntro(category);
    std::string text;
    text.reserve(intro.size() + LineBreaks.size() + interpretation.size());
    text.append(intro).append(LineBreaks).append(interpretation);
    return text;
}

TabFill DecideTabFill(ReadingCategory category, std::int16_t number)
{
    TabFill fill;
    const CatalogueRecord *record = FindCatalogueRecord(category, number);
    if (!record && number == 0) {
        if (category == ReadingCategory::Personality) {
            record = FindCatalogueRecord(category, 7);
        } else {
            fill.NumberCaption = "0";
            fill.PrimaryColor = std::string_view();
            fill.SecondaryColor = std::string_view();
            fill.Keywords = std::string_view();
        }
    }
    if (record) {
        fill.NumberCaption = record->NumberCaption;
        fill.PrimaryColor = record->PrimaryColor;
        fill.PrimaryColorDesc = record->PrimaryColorDesc;
        fill.PrimaryPicture = record->PrimaryPicture;
        fill.SecondaryPicture = record->SecondaryPicture;
        fill.SecondaryColorDesc = record->SecondaryColorDesc;
        fill.SecondaryColor = record->SecondaryColor;
        fill.Keywords = record->Keywords;
        fill.Interpretation = record->Interpretation;
    }
    fill.InterpretationText = ComposeInterpretationText(category, fill.Interpretation);
    return fill;
}

} // namespace vorn
