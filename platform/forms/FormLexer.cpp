#include "platform/forms/FormLexer.h"

#include "platform/forms/EParserError.h"

#include <charconv>
#include <limits>
#include <system_error>

namespace {

bool IsIdentifierStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsIdentifierPart(char c) {
    return IsIdentifierStart(c) || (c >= '0' && c <= '9');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string Printable(char c) {
    auto byte = static_cast<unsigned char>(c);
    if (byte > 0x20 && byte < 0x7F) {
        return std::string("'") + c + "'";
    }
    return "#" + std::to_string(byte);
}

void AppendUtf8(std::string& out, uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Length of the well-formed UTF-8 sequence at the start of text, or 0 when it is not one
// (overlong forms, surrogates and values above U+10FFFF included).
size_t Utf8SequenceLength(std::string_view text) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    auto continuation = [&](size_t i) { return i < text.size() && (byte(i) & 0xC0) == 0x80; };
    unsigned char lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return continuation(1) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!continuation(1) || !continuation(2)) {
            return 0;
        }
        if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) >= 0xA0)) {
            return 0;
        }
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!continuation(1) || !continuation(2) || !continuation(3)) {
            return 0;
        }
        if ((lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) >= 0x90)) {
            return 0;
        }
        return 4;
    }
    return 0;
}

bool IsHighSurrogate(uint32_t code) {
    return code >= 0xD800 && code <= 0xDBFF;
}
bool IsLowSurrogate(uint32_t code) {
    return code >= 0xDC00 && code <= 0xDFFF;
}

} // namespace

std::string QuoteForMessage(std::string_view spelling) {
    constexpr size_t kLongest = 40;
    if (spelling.size() > kLongest) {
        return "'" + std::string(spelling.substr(0, kLongest)) + "...'";
    }
    return "'" + std::string(spelling) + "'";
}

char FormLexer::Peek(size_t ahead) const {
    return m_pos + ahead < m_input.size() ? m_input[m_pos + ahead] : '\0';
}

void FormLexer::AdvanceLine() {
    if (Peek() == '\r' && Peek(1) == '\n') {
        ++m_pos;
    }
    ++m_pos;
    ++m_line;
}

void FormLexer::SkipWhitespace() {
    while (m_pos < m_input.size()) {
        char c = Peek();
        if (c == '\n' || c == '\r') {
            AdvanceLine();
        } else if (c == ' ' || c == '\t') {
            ++m_pos;
        } else {
            return;
        }
    }
}

FormToken FormLexer::Next() {
    SkipWhitespace();
    FormToken token;
    token.line = m_line;
    if (m_pos >= m_input.size()) {
        return token;
    }
    size_t start = m_pos;
    char c = Peek();
    if (IsIdentifierStart(c)) {
        token = ReadIdentifier();
    } else if (IsDigit(c) || c == '$' || c == '-') {
        token = ReadNumber();
    } else if (c == '\'' || c == '#') {
        token = ReadString();
    } else if (c == '{') {
        token = ReadBinary();
    } else if (std::string_view("=:[](),+<>").find(c) != std::string_view::npos) {
        token.kind = FormTokenKind::Symbol;
        token.symbol = c;
        ++m_pos;
    } else {
        throw EParserError(m_line, "unexpected character " + Printable(c));
    }
    token.spelling = m_input.substr(start, m_pos - start);
    return token;
}

FormToken FormLexer::ReadIdentifier() {
    FormToken token;
    token.kind = FormTokenKind::Identifier;
    token.line = m_line;
    size_t start = m_pos;
    for (;;) {
        while (IsIdentifierPart(Peek())) {
            ++m_pos;
        }
        if (Peek() != '.') {
            break;
        }
        if (!IsIdentifierStart(Peek(1))) {
            throw EParserError(m_line,
                               "expected a name after '.' in " +
                                   QuoteForMessage(m_input.substr(start, m_pos + 1 - start)));
        }
        ++m_pos;
    }
    token.text = std::string(m_input.substr(start, m_pos - start));
    return token;
}

FormToken FormLexer::ReadNumber() {
    FormToken token;
    token.line = m_line;
    size_t start = m_pos;
    bool negative = Peek() == '-';
    if (negative) {
        ++m_pos;
    }
    uint64_t magnitude = 0;
    auto malformed = [&] {
        while (IsIdentifierPart(Peek()) || Peek() == '.') {
            ++m_pos;
        }
        return EParserError(m_line, "malformed number " +
                                        QuoteForMessage(m_input.substr(start, m_pos - start)));
    };
    auto outOfRange = [&] {
        return EParserError(m_line, "number " +
                                        QuoteForMessage(m_input.substr(start, m_pos - start)) +
                                        " is out of range");
    };
    if (Peek() == '$') {
        ++m_pos;
        size_t digitsStart = m_pos;
        while (HexDigitValue(Peek()) >= 0) {
            ++m_pos;
        }
        if (m_pos == digitsStart || IsIdentifierPart(Peek())) {
            throw malformed();
        }
        std::from_chars_result result =
            std::from_chars(m_input.data() + digitsStart, m_input.data() + m_pos, magnitude, 16);
        if (result.ec != std::errc()) {
            throw outOfRange();
        }
    } else {
        size_t digitsStart = m_pos;
        while (IsDigit(Peek())) {
            ++m_pos;
        }
        if (m_pos == digitsStart) {
            throw malformed();
        }
        bool isFloat = false;
        if (Peek() == '.') {
            isFloat = true;
            ++m_pos;
            if (!IsDigit(Peek())) {
                throw malformed();
            }
            while (IsDigit(Peek())) {
                ++m_pos;
            }
        }
        if (Peek() == 'e' || Peek() == 'E') {
            isFloat = true;
            ++m_pos;
            if (Peek() == '+' || Peek() == '-') {
                ++m_pos;
            }
            if (!IsDigit(Peek())) {
                throw malformed();
            }
            while (IsDigit(Peek())) {
                ++m_pos;
            }
        }
        if (IsIdentifierPart(Peek()) || Peek() == '.') {
            throw malformed();
        }
        if (isFloat) {
            token.kind = FormTokenKind::Float;
            std::from_chars_result result =
                std::from_chars(m_input.data() + start, m_input.data() + m_pos, token.number);
            if (result.ec != std::errc()) {
                throw outOfRange();
            }
            return token;
        }
        std::from_chars_result result =
            std::from_chars(m_input.data() + digitsStart, m_input.data() + m_pos, magnitude);
        if (result.ec != std::errc()) {
            throw outOfRange();
        }
    }
    constexpr uint64_t kMaxPositive = std::numeric_limits<int64_t>::max();
    if (magnitude > kMaxPositive + (negative ? 1 : 0)) {
        throw outOfRange();
    }
    token.kind = FormTokenKind::Integer;
    token.integer =
        negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return token;
}

FormToken FormLexer::ReadString() {
    FormToken token;
    token.kind = FormTokenKind::String;
    token.line = m_line;
    uint32_t pendingHighSurrogate = 0;
    while (Peek() == '\'' || Peek() == '#') {
        if (Peek() == '\'') {
            if (pendingHighSurrogate != 0) {
                break;
            }
            ReadQuotedSegment(token);
        } else {
            ReadCharacterCode(token, pendingHighSurrogate);
        }
    }
    if (pendingHighSurrogate != 0) {
        throw EParserError(token.line, "character code #" + std::to_string(pendingHighSurrogate) +
                                           " is half of a surrogate pair");
    }
    return token;
}

void FormLexer::ReadQuotedSegment(FormToken& token) {
    ++m_pos;
    for (;;) {
        if (m_pos >= m_input.size() || Peek() == '\n' || Peek() == '\r') {
            throw EParserError(token.line, "unterminated string");
        }
        char c = Peek();
        if (c == '\'') {
            if (Peek(1) != '\'') {
                ++m_pos;
                return;
            }
            token.text += '\'';
            m_pos += 2;
            continue;
        }
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t') {
            throw EParserError(token.line, "control character " + Printable(c) +
                                               " inside a string; write it "
                                               "as a character code");
        }
        size_t length = Utf8SequenceLength(m_input.substr(m_pos));
        if (length == 0) {
            throw EParserError(token.line, "string is not valid UTF-8");
        }
        token.text += m_input.substr(m_pos, length);
        m_pos += length;
    }
}

void FormLexer::ReadCharacterCode(FormToken& token, uint32_t& pendingHighSurrogate) {
    size_t start = m_pos;
    ++m_pos;
    int base = 10;
    if (Peek() == '$') {
        base = 16;
        ++m_pos;
    }
    size_t digitsStart = m_pos;
    while (base == 16 ? HexDigitValue(Peek()) >= 0 : IsDigit(Peek())) {
        ++m_pos;
    }
    std::string spelling = QuoteForMessage(m_input.substr(start, m_pos - start));
    if (m_pos == digitsStart) {
        throw EParserError(token.line, "malformed character code " + spelling);
    }
    uint32_t code = 0;
    std::from_chars_result result =
        std::from_chars(m_input.data() + digitsStart, m_input.data() + m_pos, code, base);
    if (result.ec != std::errc() || code > 0x10FFFF) {
        throw EParserError(token.line, "character code " + spelling + " is out of range");
    }
    if (pendingHighSurrogate != 0) {
        if (!IsLowSurrogate(code)) {
            throw EParserError(token.line, "character code #" +
                                               std::to_string(pendingHighSurrogate) +
                                               " is half of a surrogate pair");
        }
        AppendUtf8(token.text, 0x10000 + ((pendingHighSurrogate - 0xD800) << 10) + (code - 0xDC00));
        pendingHighSurrogate = 0;
    } else if (IsHighSurrogate(code)) {
        pendingHighSurrogate = code;
    } else if (IsLowSurrogate(code)) {
        throw EParserError(token.line,
                           "character code " + spelling + " is half of a surrogate pair");
    } else {
        AppendUtf8(token.text, code);
    }
}

FormToken FormLexer::ReadBinary() {
    FormToken token;
    token.kind = FormTokenKind::Binary;
    token.line = m_line;
    ++m_pos;
    int pendingNibble = -1;
    for (;;) {
        SkipWhitespace();
        if (m_pos >= m_input.size()) {
            throw EParserError(token.line, "binary data is not closed with '}'");
        }
        char c = Peek();
        if (c == '}') {
            ++m_pos;
            break;
        }
        int value = HexDigitValue(c);
        if (value < 0) {
            throw EParserError(m_line, "unexpected character " + Printable(c) + " in binary data");
        }
        ++m_pos;
        if (pendingNibble < 0) {
            pendingNibble = value;
        } else {
            token.bytes.push_back(static_cast<uint8_t>(pendingNibble << 4 | value));
            pendingNibble = -1;
        }
    }
    if (pendingNibble >= 0) {
        throw EParserError(token.line, "binary data has an odd number of hex digits");
    }
    return token;
}
