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

// How a total came down to its number. A total of exactly 11 or 22 stays, a master number;
// any other is summed digit by digit until one digit is left, and each sum is a step.
struct Reduction
{
    EngineNumber total = 0;
    bool master = false;
    std::array<EngineNumber, 3> steps{}; // the value after each sum, the number last
    std::uint8_t stepCount = 0; // none: the total is already the number

    EngineNumber number() const { return stepCount == 0 ? total : steps[stepCount - 1]; }
};

// A part of the birth date as the Life Journey Number counts it: its digits summed and that sum
// folded once (a day or a year), or its value (a month).
struct DatePart
{
    EngineNumber digitSum = 0; // of the day's or the year's digits; the month's value
    EngineNumber value = 0;
};

// The working of a Life Journey Number: its three parts, their total and its reduction.
struct LifeJourneyWorking
{
    DatePart day, month, year;
    Reduction reduction;

    EngineNumber number() const { return reduction.number(); }
};

// A letter that counted, with its value; vowelY: a Y counted as a vowel by the Y rule.
struct CountedLetter
{
    char letter = 0;
    EngineNumber value = 0;
    bool vowelY = false;
};

// The working of a Soul or Personality Number. The letters that counted are listed in the
// order of the name, the first ListedLetters of them; letterCount counts them all.
struct NameWorking
{
    static constexpr std::size_t ListedLetters = 24;
    std::array<CountedLetter, ListedLetters> letters{};
    std::size_t letterCount = 0;
    bool yRule = false; // the name holds no A, E, I, O, U: its Y counted as vowels (Soul)
    std::size_t skippedAdditions = 0; // left out, as they would carry the total past 32,767
    Reduction reduction;

    std::size_t listed() const { return letterCount < ListedLetters ? letterCount : ListedLetters; }
    EngineNumber number() const { return reduction.number(); }
};

// Life Journey Number from the texts of the day, month and year pick lists, with its working;
// ComputeLifeJourneyNumber gives the number of the same working.
LifeJourneyWorking ComputeLifeJourneyWorking(std::string_view day, std::string_view month,
                                             std::string_view year);
EngineNumber ComputeLifeJourneyNumber(std::string_view day, std::string_view month,
                                      std::string_view year);

// Soul Number (vowels) and Personality Number (consonants) of a name: one of 0 to 9, 11, 22;
// with their working, or the number of that working alone.
NameWorking ComputeSoulWorking(std::string_view first, std::string_view middle,
                               std::string_view last);
NameWorking ComputePersonalityWorking(std::string_view first, std::string_view middle,
                                      std::string_view last);
EngineNumber ComputeSoulNumber(std::string_view first, std::string_view middle,
                               std::string_view last);
EngineNumber ComputePersonalityNumber(std::string_view first, std::string_view middle,
                                      std::string_view last);

} // namespace vorn
