#include "numerology.h"

#include <cstdlib>

namespace vorn {

namespace {

constexpr char Blank = ' ';

bool IsUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool IsPlainVowel(char c)
{
    return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
}

// Adds value to total unless that would carry it past the 16-bit range; such an addition is
// skipped and the total stays as it was. True when it was made.
bool AddWithinRange(EngineNumber &total, int value)
{
    const int sum = total + value;
    if (sum > EngineNumberMax)
        return false;
    total = static_cast<EngineNumber>(sum);
    return true;
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(Blank);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(Blank);
    return text.substr(first, last - first + 1);
}

// The joined name: the three parts trimmed of blanks, read in order without a separator.
// Walking the parts in turn gives the same characters as joining them, without a copy.
struct FullName
{
    std::array<std::string_view, 3> parts;

    FullName(std::string_view first, std::string_view middle, std::string_view last)
        : parts{TrimBlanks(first), TrimBlanks(middle), TrimBlanks(last)}
    {
    }

    template<typename Visit>
    void forEach(Visit visit) const
    {
        for (std::string_view part : parts)
            for (char c : part)
                visit(c);
    }
};

// Decimal digits of n's magnitude, most significant first; returns how many were written.
int DecimalDigits(EngineNumber n, std::array<int, 5> &digits)
{
    int magnitude = std::abs(static_cast<int>(n));
    std::array<int, 5> reversed{};
    int count = 0;
    do {
        reversed[count++] = magnitude % 10;
        magnitude /= 10;
    } while (magnitude > 0);
    for (int i = 0; i < count; ++i)
        digits[i] = reversed[count - 1 - i];
    return count;
}

EngineNumber DigitSumOfNumber(EngineNumber n)
{
    std::array<int, 5> digits{};
    const int count = DecimalDigits(n, digits);
    EngineNumber sum = 0;
    for (int i = 0; i < count; ++i)
        AddWithinRange(sum, digits[i]);
    return sum;
}

// The steps of a reduction from its total, down to the number: the name totals' digit sum and
// two folds, or the Life Journey total's digit sum and one fold; a step that changes nothing is
// no step.
Reduction Reduce(EngineNumber total, bool twoFolds)
{
    Reduction reduction;
    reduction.total = total;
    if (total == MasterEleven || total == MasterTwentyTwo) {
        reduction.master = true;
        return reduction;
    }
    EngineNumber value = total;
    auto step = [&reduction, &value](EngineNumber next) {
        if (next != value)
            reduction.steps[reduction.stepCount++] = next;
        value = next;
    };
    step(DigitSumOfNumber(total));
    step(FoldOnce(value));
    if (twoFolds)
        step(FoldOnce(value));
    return reduction;
}

DatePart FoldedPart(std::string_view text)
{
    const EngineNumber sum = DigitSum(text);
    return {sum, FoldOnce(sum)};
}

// Adds the letter's value to the working's total, and lists it while there is room.
void Count(NameWorking &working, EngineNumber &total, char letter, EngineNumber value,
           bool vowelY = false)
{
    if (!AddWithinRange(total, value))
        ++working.skippedAdditions;
    if (working.letterCount < NameWorking::ListedLetters)
        working.letters[working.letterCount] = {letter, value, vowelY};
    ++working.letterCount;
}

} // namespace

EngineNumber DigitSum(std::string_view text)
{
    EngineNumber sum = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            AddWithinRange(sum, c - '0');
    }
    return sum;
}

EngineNumber FoldOnce(EngineNumber n)
{
    std::array<int, 5> digits{};
    const int count = DecimalDigits(n, digits);
    if (count < 2)
        return n;
    return static_cast<EngineNumber>(digits[0] + digits[count - 1]);
}

EngineNumber ReduceNameTotal(EngineNumber n)
{
    return Reduce(n, true).number();
}

EngineNumber VowelValue(char c)
{
    return IsUpperLetter(c) ? VowelValues[static_cast<std::size_t>(c - 'A')] : EngineNumber{0};
}

EngineNumber ConsonantValue(char c)
{
    return IsUpperLetter(c) ? ConsonantValues[static_cast<std::size_t>(c - 'A')] : EngineNumber{0};
}

EngineNumber MonthNumber(std::string_view monthName)
{
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        if (monthName == MonthNames[i])
            return static_cast<EngineNumber>(i + 1);
    }
    return 0;
}

EngineNumber MonthValue(std::string_view monthName)
{
    const EngineNumber month = MonthNumber(monthName);
    return month == 0 ? EngineNumber{0} : static_cast<EngineNumber>((month - 1) % 9 + 1);
}

LifeJourneyWorking ComputeLifeJourneyWorking(std::string_view day, std::string_view month,
                                             std::string_view year)
{
    // Each part is folded once and never tested for a master number on its own.
    LifeJourneyWorking working;
    working.day = FoldedPart(day);
    working.month = {MonthValue(month), MonthValue(month)};
    working.year = FoldedPart(year);

    EngineNumber total = 0;
    AddWithinRange(total, working.day.value);
    AddWithinRange(total, working.month.value);
    AddWithinRange(total, working.year.value);
    working.reduction = Reduce(total, false);
    return working;
}

EngineNumber ComputeLifeJourneyNumber(std::string_view day, std::string_view month,
                                      std::string_view year)
{
    return ComputeLifeJourneyWorking(day, month, year).number();
}

NameWorking ComputeSoulWorking(std::string_view first, std::string_view middle,
                               std::string_view last)
{
    const FullName name(first, middle, last);
    NameWorking working;
    EngineNumber total = 0;
    name.forEach([&](char c) {
        if (IsPlainVowel(c))
            Count(working, total, c, VowelValue(c));
    });
    // The Y rule looks at the whole joined name: Y is a vowel only when no A, E, I, O, U is
    // anywhere in it.
    if (working.letterCount == 0) {
        name.forEach([&](char c) {
            if (c == 'Y') {
                working.yRule = true;
                Count(working, total, c, VowelYValue, true);
            }
        });
    }
    working.reduction = Reduce(total, true);
    return working;
}

NameWorking ComputePersonalityWorking(std::string_view first, std::string_view middle,
                                      std::string_view last)
{
    const FullName name(first, middle, last);
    NameWorking working;
    EngineNumber total = 0;
    // Y adds 7 here even in a name without A, E, I, O, U, where it also served as a vowel.
    name.forEach([&](char c) {
        if (const EngineNumber value = ConsonantValue(c))
            Count(working, total, c, value);
    });
    working.reduction = Reduce(total, true);
    return working;
}

EngineNumber ComputeSoulNumber(std::string_view first, std::string_view middle,
                               std::string_view last)
{
    return ComputeSoulWorking(first, middle, last).number();
}

EngineNumber ComputePersonalityNumber(std::string_view first, std::string_view middle,
                                      std::string_view last)
{
    return ComputePersonalityWorking(first, middle, last).number();
}

} // namespace vorn
