// Engine properties that must hold for any bytes a name box or a pick list could hand over.
//
// Input layout (FuzzedDataProvider): from the end, one byte choosing a month name and four
// bytes of blank counts; from the front, first, middle and last name, day and year texts as
// backslash-terminated strings ("\\" is a literal backslash); the rest is the month text.

#include "engine/numerology.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

bool IsReadingNumber(vorn::EngineNumber n)
{
    return (n >= 0 && n <= 9) || n == vorn::MasterEleven || n == vorn::MasterTwentyTwo;
}

std::string Keep(std::string_view text, char low, char high)
{
    std::string kept;
    for (char c : text) {
        if (c >= low && c <= high)
            kept += c;
    }
    return kept;
}

std::string Padded(std::string_view text, unsigned before, unsigned after)
{
    return std::string(before, ' ') + std::string(text) + std::string(after, ' ');
}

std::string_view TrimmedOfBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

struct NameNumbers
{
    vorn::EngineNumber soul;
    vorn::EngineNumber personality;

    bool operator==(const NameNumbers &) const = default;
};

NameNumbers Numbers(std::string_view first, std::string_view middle, std::string_view last)
{
    return {vorn::ComputeSoulNumber(first, middle, last),
            vorn::ComputePersonalityNumber(first, middle, last)};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto monthChoice = input.ConsumeIntegral<std::uint8_t>();
    const auto blanks = input.ConsumeIntegral<std::uint32_t>();
    const std::string first = input.ConsumeRandomLengthString();
    const std::string middle = input.ConsumeRandomLengthString();
    const std::string last = input.ConsumeRandomLengthString();
    const std::string day = input.ConsumeRandomLengthString();
    const std::string year = input.ConsumeRandomLengthString();
    const std::string month = input.ConsumeRemainingBytesAsString();

    const NameNumbers numbers = Numbers(first, middle, last);
    Require(IsReadingNumber(numbers.soul));
    Require(IsReadingNumber(numbers.personality));

    // Blanks around any of the three names change nothing.
    auto count = [blanks](int which) { return (blanks >> (which * 5)) & 0x1Fu; };
    Require(Numbers(Padded(first, count(0), count(1)), Padded(middle, count(2), count(3)),
                    Padded(last, count(4), count(5)))
            == numbers);

    // Only "A" to "Z" count: the names stripped of every other byte give the same numbers.
    Require(Numbers(Keep(first, 'A', 'Z'), Keep(middle, 'A', 'Z'), Keep(last, 'A', 'Z'))
            == numbers);

    // The three names are read as one joined name, wherever one name ends and the next begins.
    const std::string joined = std::string(TrimmedOfBlanks(first))
        + std::string(TrimmedOfBlanks(middle)) + std::string(TrimmedOfBlanks(last));
    Require(Numbers(joined, {}, {}) == numbers);

    const vorn::EngineNumber anyMonth = vorn::ComputeLifeJourneyNumber(day, month, year);
    Require(IsReadingNumber(anyMonth));

    // A month from the list never gives 0, whatever the day and year texts hold, and only the
    // digits of those texts count.
    const std::string_view listedMonth = MonthNames[monthChoice % MonthNames.size()];
    const vorn::EngineNumber lifeJourney = vorn::ComputeLifeJourneyNumber(day, listedMonth, year);
    Require(IsReadingNumber(lifeJourney) && lifeJourney != 0);
    Require(vorn::ComputeLifeJourneyNumber(Keep(day, '0', '9'), listedMonth, Keep(year, '0', '9'))
            == lifeJourney);
    return 0;
}
