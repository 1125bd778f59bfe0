// The numerology engine: digit reduction, letter values and the three numbers of a reading.
//
// Every number here is a 16-bit signed integer, the engine's one number type. Names and date
// texts are UTF-8 as the input window hands them over; only the bytes 'A' to 'Z' carry a
// letter value, every other byte (lower case, digits, accents, emoji) counts nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace vorn {

using EngineNumber = std::int16_t;

inline constexpr EngineNumber EngineNumberMax = INT16_MAX;

// The two master numbers, kept as they are when a total equals them exactly.
inline constexpr EngineNumber MasterEleven = 11;
inline constexpr EngineNumber MasterTwentyTwo = 22;

// Letter values indexed by letter, A at 0 to Z at 25; 0 where the letter is not in the table.
// A letter's value is its place in the alphabet brought into 1 to 9.
inline constexpr std::array<EngineNumber, 26> VowelValues = {
    1, 0, 0, 0, 5, 0, 0, 0, 9, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0,
};
inline constexpr std::array<EngineNumber, 26> ConsonantValues = {
    0, 2, 3, 4, 0, 6, 7, 8, 0, 1, 2, 3, 4, 5, 0, 7, 8, 9, 1, 2, 0, 4, 5, 6, 7, 8,
};

// Value of 'Y' when the Y rule makes it a vowel.
inline constexpr EngineNumber VowelYValue = 7;

// Sum of the digit characters '0' to '9' of text; any other character adds nothing.
EngineNumber DigitSum(std::string_view text);

// One fold: a number of two or more digits becomes its first digit plus its last digit.
EngineNumber FoldOnce(EngineNumber n);

// 11 and 22 stay; any other total becomes FoldOnce(FoldOnce(DigitSum(n))).
EngineNumber ReduceNameTotal(EngineNumber n);

// Value of c in VowelValues (Y not included) or ConsonantValues; 0 for any other byte.
EngineNumber VowelValue(char c);
EngineNumber ConsonantValue(char c);

// The English month names in calendar order: the birth-month pick list offers exactly these.
inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

// 1 to 12 for the month names in calendar order; 0 for any other text (exact, case-sensitive).
EngineNumber MonthNumber(std::string_view monthName);

// 1 to 9 for the month names "January" to "September", 1, 2, 3 for "October" to "December";
// 0 for any other text. The match is exact and case-sensitive.
EngineNumber MonthValue(std::string_view monthName);

// Life Journey Number from the texts of the day, month and year pick lists.
EngineNumber ComputeLifeJourneyNumber(std::string_view day, std::string_view month,
                                      std::string_view year);

// Soul Number (vowels) and Personality Number (consonants) of a name: one of 0 to 9, 11, 22.
EngineNumber ComputeSoulNumber(std::string_view first, std::string_view middle,
                               std::string_view last);
EngineNumber ComputePersonalityNumber(std::string_view first, std::string_view middle,
                                      std::string_view last);

} // namespace vorn
