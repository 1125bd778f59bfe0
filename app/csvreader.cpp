#include "app/csvreader.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace vorn {

namespace {

// Bytes that end a run of plain field content: every byte of a UTF-8 sequence is checked on
// its own.
constexpr std::array<bool, 256> SpecialBytes(unsigned char delimiter)
{
    std::array<bool, 256> special{};
    for (std::size_t c = 0x80; c < special.size(); ++c)
        special[c] = true;
    special[0] = special['\r'] = special['\n'] = special[delimiter] = true;
    return special;
}

constexpr std::array<bool, 256> UnquotedSpecial = SpecialBytes(',');
constexpr std::array<bool, 256> QuotedSpecial = SpecialBytes('"');

bool IsBreak(unsigned char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

CsvSource fileDescriptorSource(int fd)
{
    return [fd](char *buffer, std::size_t capacity) -> std::ptrdiff_t {
        for (;;) {
            const ssize_t n = ::read(fd, buffer, capacity);
            if (n >= 0 || errno != EINTR)
                return n;
        }
    };
}

CsvReader::CsvReader(CsvSource source, CsvLimits limits)
    : m_source(std::move(source))
    , m_limits(limits)
    , m_buffer(std::make_unique_for_overwrite<unsigned char[]>(BufferSize))
{
}

CsvReader::Result CsvReader::readRecord(std::vector<std::string> &fields)
{
    if (m_failed) {
        fields.clear();
        return m_result;
    }
    if (!m_started) {
        m_started = true;
        skipByteOrderMark();
    }
    m_fields = &fields;
    Result result = Result::Record;
    for (;;) {
        if (m_pos == m_end && !refill()) {
            result = atEnd();
            break;
        }
        const Step step = scan();
        if (step == Step::RecordDone) {
            if (m_skipping) {
                m_skipping = false;
                continue;
            }
            m_result = Result::Record;
            m_resultLine = m_recordLine;
            return Result::Record;
        }
        if (step == Step::Stopped) {
            result = m_result;
            break;
        }
    }
    if (result != Result::Record)
        fields.clear();
    return result;
}

bool CsvReader::readSource(std::size_t at)
{
    if (m_sourceDone)
        return false;
    const std::ptrdiff_t n
        = m_source(reinterpret_cast<char *>(m_buffer.get() + at), BufferSize - at);
    if (n <= 0) {
        m_sourceDone = true;
        if (n < 0)
            m_errno = errno != 0 ? errno : EIO;
        return false;
    }
    m_end = at + std::min(std::size_t(n), BufferSize - at);
    return true;
}

bool CsvReader::refill()
{
    m_offset += m_end;
    m_pos = m_end = 0;
    return readSource(0);
}

void CsvReader::skipByteOrderMark()
{
    while (m_end < 3 && readSource(m_end)) { }
    if (m_end >= 3 && std::memcmp(m_buffer.get(), "\xEF\xBB\xBF", 3) == 0)
        m_pos = 3;
}

CsvReader::Result CsvReader::atEnd()
{
    if (m_errno != 0)
        return report(Result::ReadError, m_line);
    if (m_utf8Due > 0)
        return report(Result::InvalidUtf8, m_line);
    if (m_state == State::Quoted)
        return report(Result::UnclosedQuote, m_quoteLine);
    if (m_state == State::RecordStart || m_skipping) {
        m_state = State::RecordStart;
        m_skipping = false;
        m_result = Result::End;
        m_resultLine = m_line;
        return Result::End;
    }
    m_fields->resize(m_fieldCount);
    m_state = State::RecordStart;
    m_result = Result::Record;
    m_resultLine = m_recordLine;
    return Result::Record;
}

CsvReader::Result CsvReader::report(Result result, std::uint64_t line)
{
    m_result = result;
    m_resultLine = line;
    if (result == Result::RecordTooLong || result == Result::TooManyFields)
        m_skipping = true;
    else
        m_failed = true;
    return result;
}

CsvReader::Step CsvReader::scan()
{
    unsigned char *const buffer = m_buffer.get();
    const unsigned char *const end = buffer + m_end;
    const unsigned char *p = buffer + m_pos;
    auto halt = [&](const unsigned char *at, Step step) {
        m_pos = at - buffer;
        return step;
    };

    while (p < end) {
        const bool endsRecord = IsBreak(*p) && m_state != State::Quoted;
        if (m_state != State::RecordStart && !m_skipping && !endsRecord
            && offsetOf(p) >= m_recordLimit) {
            report(Result::RecordTooLong, m_recordLine);
            return halt(p, Step::Stopped);
        }

        switch (m_state) {
        case State::RecordStart: {
            if (IsBreak(*p)) {
                countBreak(p++);
                break;
            }
            const std::uint64_t at = offsetOf(p);
            m_recordLine = m_line;
            m_recordLimit = at + std::min<std::uint64_t>(m_limits.maxRecordBytes, UINT64_MAX - at);
            m_fieldCount = 0;
            beginField();
            m_state = State::FieldStart;
            break;
        }
        case State::FieldStart:
            if (*p == '"') {
                m_quoteLine = m_line;
                m_state = State::Quoted;
                ++p;
                break;
            }
            m_state = State::Unquoted;
            break;
        case State::QuoteInQuoted:
            if (*p == '"') {
                append(p, p + 1);
                m_state = State::Quoted;
                ++p;
                break;
            }
            m_state = State::Unquoted;
            break;
        case State::Unquoted: {
            const unsigned char *stop = contentStop(p, end);
            const unsigned char *q = scanContent<false>(p, stop);
            if (!q)
                return halt(p, Step::Stopped);
            append(p, q);
            p = q;
            if (q == stop)
                break;
            if (*q == ',') {
                ++p;
                if (!m_skipping && m_fieldCount == m_limits.maxFields) {
                    m_state = State::FieldStart;
                    report(Result::TooManyFields, m_recordLine);
                    return halt(p, Step::Stopped);
                }
                beginField();
                m_state = State::FieldStart;
                break;
            }
            if (*q == 0) {
                report(Result::NulByte, m_line);
                return halt(p, Step::Stopped);
            }
            countBreak(p++);
            if (!m_skipping)
                m_fields->resize(m_fieldCount);
            m_state = State::RecordStart;
            return halt(p, Step::RecordDone);
        }
        case State::Quoted: {
            const unsigned char *stop = contentStop(p, end);
            const unsigned char *q = scanContent<true>(p, stop);
            if (!q)
                return halt(p, Step::Stopped);
            append(p, q);
            p = q;
            if (q == stop)
                break;
            if (*q == 0) {
                report(Result::NulByte, m_line);
                return halt(p, Step::Stopped);
            }
            m_state = State::QuoteInQuoted;
            ++p;
            break;
        }
        }
    }
    return halt(p, Step::BufferDone);
}

// Where a run of content must stop being scanned: the end of the buffer, or the first byte past
// the record's limit, which then decides whether the record is too long.
const unsigned char *CsvReader::contentStop(const unsigned char *p, const unsigned char *end) const
{
    if (m_skipping)
        return end;
    const std::uint64_t at = offsetOf(p);
    if (at >= m_recordLimit)
        return p + 1;
    return p + std::min<std::uint64_t>(end - p, m_recordLimit - at);
}

template<bool Quoted>
const unsigned char *CsvReader::scanContent(const unsigned char *p, const unsigned char *stop)
{
    const std::array<bool, 256> &special = Quoted ? QuotedSpecial : UnquotedSpecial;
    for (;;) {
        if (m_utf8Due > 0 || (p < stop && *p >= 0x80)) {
            p = takeUtf8(p, stop);
            if (!p || m_utf8Due > 0)
                return p;
        }
        while (p < stop && !special[*p])
            ++p;
        if (p == stop)
            return p;
        if (*p >= 0x80)
            continue;
        if (Quoted && IsBreak(*p)) {
            countBreak(p++);
            continue;
        }
        return p;
    }
}

const unsigned char *CsvReader::takeUtf8(const unsigned char *p, const unsigned char *stop)
{
    if (m_utf8Due == 0) {
        const unsigned char lead = *p;
        if (lead < 0xC2 || lead > 0xF4) {
            report(Result::InvalidUtf8, m_line);
            return nullptr;
        }
        m_utf8Due = lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
        // The ranges that rule out overlong forms, surrogates and code points past U+10FFFF.
        m_utf8Low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        m_utf8High = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        ++p;
    }
    for (; m_utf8Due > 0 && p < stop; ++p) {
        if (*p < m_utf8Low || *p > m_utf8High) {
            report(Result::InvalidUtf8, m_line);
            return nullptr;
        }
        --m_utf8Due;
        m_utf8Low = 0x80;
        m_utf8High = 0xBF;
    }
    return p;
}

void CsvReader::countBreak(const unsigned char *p)
{
    const std::uint64_t at = offsetOf(p);
    if (*p == '\r') {
        ++m_line;
        m_lfAfterCr = at + 1;
    } else if (at != m_lfAfterCr) {
        ++m_line;
    }
}

void CsvReader::beginField()
{
    if (m_skipping)
        return;
    std::vector<std::string> &fields = *m_fields;
    if (m_fieldCount < fields.size())
        fields[m_fieldCount].clear();
    else
        fields.emplace_back();
    m_field = &fields[m_fieldCount++];
}

void CsvReader::append(const unsigned char *from, const unsigned char *to)
{
    if (!m_skipping && to != from)
        m_field->append(reinterpret_cast<const char *>(from), to - from);
}

} // namespace vorn
