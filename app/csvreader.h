// A CSV reader for list runs: RFC 4180 records, one at a time, from any byte source, in memory
// bounded by its limits however long the input.
//
// What it reads:
// - A UTF-8 byte order mark at the very start is skipped.
// - A record ends at CR LF, LF or a lone CR (as old Mac spreadsheets write); CR LF is one line
//   break. Lines are counted from 1.
// - A field in double quotes holds commas, line breaks (kept as given) and doubled quotes ("" is
//   one "). A record's line is the line it begins on.
// - Empty lines between records are skipped; a last record without a line break is whole.
// - Lenient where spreadsheets write loose CSV: a quote inside an unquoted field is kept as a
//   character (a,b"c,d gives b"c), and text after a closing quote is appended to the field
//   ("ab"c gives abc).
// - The whole input must be UTF-8 without NUL bytes: every field of every record is valid UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vorn {

// Fills up to capacity bytes at buffer and returns how many it wrote: 0 at the end of the
// input, -1 with errno set on a read error. Called once per buffer of the reader, never again
// after it returned 0 or -1.
using CsvSource = std::function<std::ptrdiff_t(char *buffer, std::size_t capacity)>;

// Reads the file descriptor fd (not owned, not closed), taking interrupted reads again.
CsvSource fileDescriptorSource(int fd);

struct CsvLimits
{
    // The bytes of one record as written, quotes and commas included, its ending line break
    // not; a record longer is RecordTooLong.
    std::size_t maxRecordBytes = std::size_t(1) << 20;
    // Fields of one record; a record with more is TooManyFields.
    std::size_t maxFields = 1000;
};

class CsvReader
{
public:
    enum class Result {
        Record, // the fields hold the next record
        End, // no more records; every later call says so again
        // The record is past a limit: it is neither stored nor held, its rest is skipped (quotes
        // still followed) and the next call goes on with the record after it.
        RecordTooLong,
        TooManyFields,
        // Fatal: the input cannot be read on, and every later call returns the same.
        UnclosedQuote, // line(): the line where the quote opened
        InvalidUtf8, // an overlong form, a surrogate, past U+10FFFF, a stray or cut sequence
        NulByte,
        ReadError, // readErrno() tells which
    };

    static constexpr std::size_t BufferSize = 64 * 1024;

    explicit CsvReader(CsvSource source, CsvLimits limits = {});

    // Reads the next record into fields, one string per field, reusing the strings it holds;
    // fields is left empty by any result but Record.
    Result readRecord(std::vector<std::string> &fields);

    // The line of the last result: where the record began (also for a record past a limit), or
    // where the fault is; for End, the line after the last line break.
    std::uint64_t line() const { return m_resultLine; }

    // Bytes of the input read through so far, for a progress figure; after a fatal result, no
    // further than the fault.
    std::uint64_t bytesConsumed() const { return m_offset + m_pos; }

    // The errno of a ReadError, 0 otherwise.
    int readErrno() const { return m_errno; }

private:
    enum class State : std::uint8_t { RecordStart, FieldStart, Unquoted, Quoted, QuoteInQuoted };
    enum class Step : std::uint8_t { BufferDone, RecordDone, Stopped };

    bool readSource(std::size_t at);
    bool refill();
    void skipByteOrderMark();
    Step scan();
    template<bool Quoted>
    const unsigned char *scanContent(const unsigned char *p, const unsigned char *stop);
    const unsigned char *takeUtf8(const unsigned char *p, const unsigned char *stop);
    void countBreak(const unsigned char *p);
    const unsigned char *contentStop(const unsigned char *p, const unsigned char *end) const;
    void beginField();
    void append(const unsigned char *from, const unsigned char *to);
    Result atEnd();
    Result report(Result result, std::uint64_t line);
    std::uint64_t offsetOf(const unsigned char *p) const { return m_offset + (p - m_buffer.get()); }

    CsvSource m_source;
    CsvLimits m_limits;
    std::unique_ptr<unsigned char[]> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
    std::uint64_t m_offset = 0; // of the buffer's first byte in the input
    bool m_started = false;
    bool m_sourceDone = false;
    int m_errno = 0;

    State m_state = State::RecordStart;
    bool m_skipping = false;
    std::uint64_t m_line = 1;
    std::uint64_t m_lfAfterCr = UINT64_MAX; // offset just past a CR: an LF there breaks no line
    std::uint64_t m_recordLine = 0;
    std::uint64_t m_quoteLine = 0;
    std::uint64_t m_recordLimit = 0; // offset from which a byte makes the record too long
    std::vector<std::string> *m_fields = nullptr;
    std::size_t m_fieldCount = 0;
    std::string *m_field = nullptr;

    // A UTF-8 sequence begun: continuation bytes still due, and the range of the next one.
    int m_utf8Due = 0;
    unsigned char m_utf8Low = 0x80;
    unsigned char m_utf8High = 0xBF;

    Result m_result = Result::Record;
    bool m_failed = false;
    std::uint64_t m_resultLine = 0;
};

} // namespace vorn
