// A JSON object or array written key by key straight into bytes, as Qt's QJsonDocument writes
// it in its compact form: the caller gives the keys in alphabetical order.
#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <charconv>
#include <iterator>

namespace vorn {

namespace jsonwriter {

inline char hexDigit(unsigned value)
{
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}

} // namespace jsonwriter

// A JSON object written key by key; the keys come in alphabetical order, as Qt writes them.
class Json
{
public:
    explicit Json(QByteArray &out)
        : m_out(out)
    {
    }

    Json &open(char bracket = '{')
    {
        next();
        m_out += bracket;
        m_first = true;
        return *this;
    }
    Json &close(char bracket = '}')
    {
        m_out += bracket;
        m_first = false;
        return *this;
    }
    Json &key(const char *name)
    {
        next();
        m_out += '"';
        m_out += name;
        m_out += "\":";
        m_first = true; // the value follows without a comma
        return *this;
    }
    Json &value(const QString &text)
    {
        next();
        string(text);
        return *this;
    }
    Json &value(qint64 number)
    {
        next();
        char digits[24];
        const auto written = std::to_chars(std::begin(digits), std::end(digits), number);
        m_out.append(digits, written.ptr - digits);
        return *this;
    }
    Json &value(bool yes)
    {
        next();
        m_out += yes ? "true" : "false";
        return *this;
    }
    Json &null()
    {
        next();
        m_out += "null";
        return *this;
    }
    Json &raw(const QByteArray &json)
    {
        next();
        m_out += json;
        return *this;
    }

private:
    void next()
    {
        if (!m_first)
            m_out += ',';
        m_first = false;
    }

    // As Qt escapes a string: quotes, backslashes and control characters; anything else as
    // UTF-8, and a lone surrogate as \uXXXX.
    void string(const QString &text)
    {
        m_out += '"';
        const char16_t *at = reinterpret_cast<const char16_t *>(text.utf16());
        const char16_t *const end = at + text.size();
        while (at != end) {
            // Plain ASCII, most of any text here, in one piece.
            const char16_t *plain = at;
            while (at != end && *at >= 0x20 && *at < 0x80 && *at != '"' && *at != '\\')
                ++at;
            if (at != plain) {
                const qsizetype from = m_out.size();
                m_out.resize(from + (at - plain));
                std::copy(plain, at, m_out.data() + from);
            }
            if (at == end)
                break;
            const char16_t c = *at++;
            if (c < 0x80) {
                escape(c);
            } else if (QChar::isHighSurrogate(c) && at != end && QChar::isLowSurrogate(*at)) {
                m_out += QStringView(at - 1, 2).toUtf8();
                ++at;
            } else if (QChar::isSurrogate(c)) {
                m_out += "\\u";
                for (int shift : {12, 8, 4, 0})
                    m_out += jsonwriter::hexDigit((c >> shift) & 0xf);
            } else {
                m_out += QString(QChar(c)).toUtf8();
            }
        }
        m_out += '"';
    }

    void escape(char16_t c)
    {
        m_out += '\\';
        switch (c) {
        case '"':
            m_out += '"';
            break;
        case '\\':
            m_out += '\\';
            break;
        case '\b':
            m_out += 'b';
            break;
        case '\f':
            m_out += 'f';
            break;
        case '\n':
            m_out += 'n';
            break;
        case '\r':
            m_out += 'r';
            break;
        case '\t':
            m_out += 't';
            break;
        default:
            m_out += "u00";
            m_out += jsonwriter::hexDigit(c >> 4);
            m_out += jsonwriter::hexDigit(c & 0xf);
        }
    }

    QByteArray &m_out;
    bool m_first = true;
};

} // namespace vorn
