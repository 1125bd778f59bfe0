// The engine and the catalogue on their own: what one reading costs for everyday names and for
// a pasted name of 100,000 bytes, and what the catalogue's tab decision costs over every
// 16-bit number.

#include <array>
#include <benchmark/benchmark.h>
#include <catalogue/catalogue.h>
#include <engine/numerology.h>
#include <string>
#include <string_view>

namespace {

struct Entries
{
    std::string_view first, middle, last, day, month, year;
};

// Everyday readings: a short name, a name with a middle name, punctuation and blanks, a name
// without plain vowels, a pasted lower-case name.
constexpr std::array<Entries, 5> TypicalEntries = {{
    {"JOHN", "", "SMITH", "29", "November", "1999"},
    {"MARY", "ELIZABETH", "LEE", "2", "February", "1987"},
    {"ANNE-MARIE", "", "O'NEIL", "19", "October", "1981"},
    {"RHYS", "", "WYNN", "9", "September", "1993"},
    {"  christopher  ", "alexander", "montgomery-whitfield", "31", "December", "2050"},
}};

void ThreeNumbers(benchmark::State &state, const Entries &e)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(vorn::ComputeLifeJourneyNumber(e.day, e.month, e.year));
        benchmark::DoNotOptimize(vorn::ComputeSoulNumber(e.first, e.middle, e.last));
        benchmark::DoNotOptimize(vorn::ComputePersonalityNumber(e.first, e.middle, e.last));
    }
}

void BM_ReadingTypicalName(benchmark::State &state)
{
    const Entries &e = TypicalEntries[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(e.first) + "|" + std::string(e.middle) + "|" + std::string(e.last));
    ThreeNumbers(state, e);
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadingTypicalName)->DenseRange(0, TypicalEntries.size() - 1);

// A 100,000-character first name as a paste would bring it: upper and lower case, blanks,
// punctuation and UTF-8 accents. Its totals pass the 16-bit limit, so the range guard works on
// every letter from then on.
void BM_ReadingPastedName(benchmark::State &state)
{
    const std::string_view pattern = "THE QUICK brown FOX, jumps OVER the LAZY dög: ÆØÅ 1234 ";
    std::string pasted;
    while (pasted.size() < 100'000)
        pasted += pattern;
    pasted.resize(100'000);
    const Entries e{pasted, "", "SMITH", "29", "November", "1999"};
    ThreeNumbers(state, e);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(pasted.size()));
}
BENCHMARK(BM_ReadingPastedName);

// Every number a reading could hand the catalogue, in one category per run.
void BM_DecideTabFillEveryNumber(benchmark::State &state)
{
    const auto category = static_cast<vorn::ReadingCategory>(state.range(0));
    state.SetLabel(std::string(vorn::TabCaption(category)));
    for (auto _ : state) {
        for (int n = INT16_MIN; n <= INT16_MAX; ++n) {
            vorn::TabFill fill = vorn::DecideTabFill(category, static_cast<std::int16_t>(n));
            benchmark::DoNotOptimize(fill);
        }
    }
    state.SetItemsProcessed(state.iterations() * 65536);
}
BENCHMARK(BM_DecideTabFillEveryNumber)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The catalogue's share of one reading: the three tabs of a typical result.
void BM_DecideTabFillOneReading(benchmark::State &state)
{
    for (auto _ : state) {
        for (vorn::ReadingCategory category : vorn::ReadingCategories) {
            vorn::TabFill fill = vorn::DecideTabFill(category, 7);
            benchmark::DoNotOptimize(fill);
        }
    }
}
BENCHMARK(BM_DecideTabFillOneReading);

} // namespace

BENCHMARK_MAIN();
