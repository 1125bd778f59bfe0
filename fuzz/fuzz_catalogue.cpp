// Every 16-bit number a results tab can be asked to show falls into exactly one of the four
// branches of DecideTabFill, and the branch is the same on every call.
//
// Input layout: consecutive pairs of bytes, each a little-endian 16-bit signed number.

#include "catalogue/catalogue.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using vorn::ReadingCategory;
using vorn::TabFill;

void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

bool HasRecord(std::int16_t number)
{
    return std::find(vorn::CatalogueNumbers.begin(), vorn::CatalogueNumbers.end(), number)
        != vorn::CatalogueNumbers.end();
}

std::string IntroOnly(ReadingCategory category)
{
    return std::string(vorn::CategoryIntro(category)) + "\r\n\r\n";
}

bool SameFill(const TabFill &a, const TabFill &b)
{
    return a.NumberCaption == b.NumberCaption && a.PrimaryColor == b.PrimaryColor
        && a.PrimaryColorDesc == b.PrimaryColorDesc && a.PrimaryPicture == b.PrimaryPicture
        && a.SecondaryPicture == b.SecondaryPicture && a.SecondaryColorDesc == b.SecondaryColorDesc
        && a.SecondaryColor == b.SecondaryColor && a.Keywords == b.Keywords
        && a.Interpretation == b.Interpretation && a.InterpretationText == b.InterpretationText;
}

// The whole record of number, every field written.
void RequireFullRecord(ReadingCategory category, const TabFill &fill, std::int16_t number)
{
    const vorn::CatalogueRecord *record = vorn::FindCatalogueRecord(category, number);
    Require(record != nullptr);
    Require(fill.NumberCaption == record->NumberCaption
            && record->NumberCaption == std::to_string(number));
    Require(fill.PrimaryColor == record->PrimaryColor && !record->PrimaryColor.empty());
    Require(fill.PrimaryColorDesc == record->PrimaryColorDesc);
    Require(fill.PrimaryPicture == record->PrimaryPicture);
    Require(fill.SecondaryPicture == record->SecondaryPicture);
    Require(fill.SecondaryColorDesc == record->SecondaryColorDesc);
    Require(fill.SecondaryColor == record->SecondaryColor);
    Require(fill.Keywords == record->Keywords);
    Require(fill.Interpretation == record->Interpretation && !record->Interpretation.empty());
    Require(record->PrimaryPicture >= 1 && record->PrimaryPicture <= 13);
    Require(record->SecondaryPicture >= 1 && record->SecondaryPicture <= 13);
    Require(fill.InterpretationText == IntroOnly(category) + std::string(record->Interpretation));
}

void Check(ReadingCategory category, std::int16_t number)
{
    const TabFill fill = vorn::DecideTabFill(category, number);
    Require(SameFill(fill, vorn::DecideTabFill(category, number)));

    if (HasRecord(number)) {
        RequireFullRecord(category, fill, number);
        return;
    }
    Require(vorn::FindCatalogueRecord(category, number) == nullptr);

    if (number == 0 && category == ReadingCategory::Personality) {
        RequireFullRecord(category, fill, 7);
        return;
    }
    if (number == 0) {
        Require(fill.NumberCaption == std::string_view("0"));
        Require(fill.PrimaryColor == std::string_view());
        Require(fill.SecondaryColor == std::string_view());
        Require(fill.Keywords == std::string_view());
        Require(!fill.PrimaryColorDesc && !fill.SecondaryColorDesc);
        Require(!fill.PrimaryPicture && !fill.SecondaryPicture);
    } else {
        Require(!fill.NumberCaption && !fill.PrimaryColor && !fill.PrimaryColorDesc
                && !fill.PrimaryPicture && !fill.SecondaryPicture && !fill.SecondaryColorDesc
                && !fill.SecondaryColor && !fill.Keywords);
    }
    Require(fill.Interpretation.empty());
    Require(fill.InterpretationText == IntroOnly(category));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (std::size_t at = 0; at + 1 < size; at += 2) {
        const auto bits = static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
        std::int16_t number;
        std::memcpy(&number, &bits, sizeof number);
        for (ReadingCategory category : vorn::ReadingCategories)
            Check(category, number);
    }
    return 0;
}
