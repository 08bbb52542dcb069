#pragma once
// Splits the text of a form resource into tokens. A string token already joins the quoted
// segments and #n character codes written next to each other ('a'#13#10'b'); joining strings
// with '+' across lines is the parser's business. A { hex } block is one token. Bad text throws
// EParserError naming the line where the token starts.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class FormTokenKind { Identifier, Integer, Float, String, Binary, Symbol, EndOfInput };

struct FormToken {
    FormTokenKind kind = FormTokenKind::EndOfInput;
    int line = 1;
    std::string_view spelling; // the token as written; empty at the end of the input
    std::string text;          // Identifier: the name, dots included; String: its UTF-8 value
    int64_t integer = 0;
    double number = 0;
    std::vector<uint8_t> bytes;
    char symbol = 0;
};

// Text as written in the resource, in quotes and cut short, for messages about it.
std::string QuoteForMessage(std::string_view spelling);

class FormLexer {
public:
    explicit FormLexer(std::string_view input) : m_input(input) {}

    FormToken Next();

private:
    char Peek(size_t ahead = 0) const;
    void SkipWhitespace();
    void AdvanceLine(); // consumes one line break: "\n", "\r\n" or a lone "\r"

    FormToken ReadIdentifier();
    FormToken ReadNumber();
    FormToken ReadString();
    FormToken ReadBinary();
    void ReadQuotedSegment(FormToken& token);
    void ReadCharacterCode(FormToken& token, uint32_t& pendingHighSurrogate);

    std::string_view m_input;
    size_t m_pos = 0;
    int m_line = 1;
};
