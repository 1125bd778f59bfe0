// Whatever bytes a list holds, the CSV reader gives only UTF-8 fields without NUL within its
// limits, lines that never go back, and the same results however the bytes arrive.
//
// Input layout (FuzzedDataProvider): from the end, one byte for the record byte limit, one for
// the field limit, one for the count of read sizes and two bytes for each read size; the rest,
// from the front, is the CSV input.

#include "app/csvreader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vorn::CsvLimits;
using vorn::CsvReader;
using Result = CsvReader::Result;

void Require(bool holds)
{
    if (!holds)
        __builtin_trap();
}

// Decodes every sequence in full, unlike the reader, which checks byte ranges.
bool IsUtf8WithoutNul(std::string_view text)
{
    static constexpr std::uint32_t Least[] = {0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead == 0)
            return false;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const int more = lead < 0xC0 ? -1
            : lead < 0xE0            ? 1
            : lead < 0xF0            ? 2
            : lead < 0xF8            ? 3
                                     : -1;
        if (more < 0 || i + more >= text.size())
            return false;
        std::uint32_t code = lead & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        if (code < Least[more] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

struct Seen
{
    Result result;
    std::uint64_t line;
    std::uint64_t consumed; // left out (0) after a fatal result
    std::vector<std::string> fields;

    bool operator==(const Seen &) const = default;
};

bool IsFatal(Result result)
{
    return result != Result::Record && result != Result::End && result != Result::RecordTooLong
        && result != Result::TooManyFields;
}

// Every result up to End or a fatal one, the input handed over in reads of the sizes given in
// turn (as much as the reader takes when none are given); checks what holds for each result.
std::vector<Seen> ReadAll(std::string_view input, CsvLimits limits,
                          const std::vector<std::size_t> &reads)
{
    std::size_t at = 0, turn = 0;
    CsvReader reader(
        [&](char *buffer, std::size_t capacity) -> std::ptrdiff_t {
            std::size_t n = std::min(capacity, input.size() - at);
            if (!reads.empty())
                n = std::min(n, reads[turn++ % reads.size()]);
            std::memcpy(buffer, input.data() + at, n);
            at += n;
            return std::ptrdiff_t(n);
        },
        limits);

    std::vector<Seen> seen;
    std::vector<std::string> fields;
    for (;;) {
        const Result result = reader.readRecord(fields);
        const bool fatal = IsFatal(result);
        Require(seen.empty() || reader.line() >= seen.back().line);
        // Every result but the last consumes at least a byte.
        Require(seen.size() <= input.size());
        seen.push_back({result, reader.line(), fatal ? 0 : reader.bytesConsumed(), fields});
        if (result == Result::Record) {
            Require(!fields.empty() && fields.size() <= limits.maxFields);
            std::size_t bytes = 0;
            for (const std::string &field : fields) {
                Require(IsUtf8WithoutNul(field));
                bytes += field.size();
            }
            Require(bytes <= limits.maxRecordBytes);
            continue;
        }
        Require(fields.empty());
        if (result != Result::End && !fatal)
            continue;
        Require(result != Result::End || reader.bytesConsumed() == input.size());
        Require(reader.readRecord(fields) == result && reader.line() == seen.back().line);
        return seen;
    }
}

// The records written back as CSV, every field quoted.
std::string Written(const std::vector<Seen> &seen)
{
    std::string csv;
    for (const Seen &record : seen) {
        if (record.result != Result::Record)
            continue;
        for (const std::string &field : record.fields) {
            csv += '"';
            for (char c : field)
                csv += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
            csv += "\",";
        }
        csv.back() = '\n';
    }
    return csv;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    CsvLimits limits;
    limits.maxRecordBytes = 1 + provider.ConsumeIntegral<std::uint8_t>() * std::size_t(8);
    limits.maxFields = 1 + provider.ConsumeIntegral<std::uint8_t>() % 32;
    std::vector<std::size_t> reads(1 + provider.ConsumeIntegral<std::uint8_t>() % 8);
    for (std::size_t &read : reads)
        read = provider.ConsumeIntegralInRange<std::uint16_t>(1, 512);
    const std::string input = provider.ConsumeRemainingBytesAsString();

    const std::vector<Seen> whole = ReadAll(input, limits, {});
    Require(ReadAll(input, limits, reads) == whole);

    // Records written back and read again give the same fields.
    const std::vector<Seen> again = ReadAll(Written(whole), CsvLimits{}, {});
    std::size_t next = 0;
    for (const Seen &record : whole) {
        if (record.result != Result::Record)
            continue;
        Require(next < again.size() && again[next].result == Result::Record
                && again[next].fields == record.fields);
        ++next;
    }
    Require(next + 1 == again.size() && again.back().result == Result::End);
    return 0;
}
