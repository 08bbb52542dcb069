#include "platform/forms/FormParser.h"

#include "platform/forms/EParserError.h"
#include "platform/forms/FormLexer.h"

#include <utility>

namespace {

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> SplitPath(const std::string& dotted) {
    std::vector<std::string> segments;
    size_t start = 0;
    for (size_t dot = dotted.find('.'); dot != std::string::npos; dot = dotted.find('.', start)) {
        segments.push_back(dotted.substr(start, dot - start));
        start = dot + 1;
    }
    segments.push_back(dotted.substr(start));
    return segments;
}

class FormParser {
public:
    explicit FormParser(std::string_view text) : m_lexer(text) { Advance(); }

    FormObject ParseForm() {
        FormObject root = ParseObject(1);
        if (m_token.kind != FormTokenKind::EndOfInput) {
            Fail("unexpected " + Describe(m_token) + " after the end of the form");
        }
        return root;
    }

private:
    void Advance() { m_token = m_lexer.Next(); }

    [[noreturn]] void Fail(const std::string& problem) const {
        throw EParserError(m_token.line, problem);
    }

    static std::string Describe(const FormToken& token) {
        switch (token.kind) {
        case FormTokenKind::Identifier:
        case FormTokenKind::Integer:
        case FormTokenKind::Float:
        case FormTokenKind::Symbol:
            return QuoteForMessage(token.spelling);
        case FormTokenKind::String:
            return "a string";
        case FormTokenKind::Binary:
            return "binary data";
        case FormTokenKind::EndOfInput:
            break;
        }
        return "the end of the input";
    }

    bool IsWord(std::string_view word) const {
        return m_token.kind == FormTokenKind::Identifier && SameWord(m_token.text, word);
    }

    bool IsSymbol(char symbol) const {
        return m_token.kind == FormTokenKind::Symbol && m_token.symbol == symbol;
    }

    bool IsObjectKeyword() const {
        return IsWord("object") || IsWord("inherited") || IsWord("inline");
    }

    // A name of a property: any identifier but the words that open or close an object.
    bool IsPropertyName() const {
        return m_token.kind == FormTokenKind::Identifier && !IsObjectKeyword() && !IsWord("end");
    }

    void EnterLevel(int depth) const {
        if (depth > kMaxFormNesting) {
            Fail("nesting is deeper than " + std::to_string(kMaxFormNesting) + " levels");
        }
    }

    std::string ExpectSimpleName(const char* what) {
        if (m_token.kind != FormTokenKind::Identifier ||
            m_token.text.find('.') != std::string::npos) {
            Fail(std::string("expected ") + what + ", found " + Describe(m_token));
        }
        std::string name = m_token.text;
        Advance();
        return name;
    }

    FormObject ParseObject(int depth) {
        EnterLevel(depth);
        if (IsWord("inherited") || IsWord("inline")) {
            Fail(QuoteForMessage(m_token.text) + " objects are not supported; write 'object'");
        }
        if (!IsWord("object")) {
            Fail("expected 'object', found " + Describe(m_token));
        }
        FormObject object;
        object.line = m_token.line;
        Advance();
        std::string first = ExpectSimpleName("a component name or class name after 'object'");
        if (IsSymbol(':')) {
            Advance();
            object.name = std::move(first);
            object.className = ExpectSimpleName("a class name after ':'");
        } else {
            object.className = std::move(first);
        }
        while (IsPropertyName()) {
            object.properties.push_back(ParseProperty(depth));
        }
        while (IsObjectKeyword()) {
            object.children.push_back(ParseObject(depth + 1));
        }
        if (!IsWord("end")) {
            std::string what = object.name.empty() ? object.className : object.name;
            Fail("expected 'end' of " + QuoteForMessage(what) + ", found " + Describe(m_token));
        }
        Advance();
        return object;
    }

    FormProperty ParseProperty(int depth) {
        FormProperty property;
        property.line = m_token.line;
        property.path = SplitPath(m_token.text);
        Advance();
        if (!IsSymbol('=')) {
            Fail("expected '=' after property name " + QuoteForMessage(property.PathText()) +
                 ", found " + Describe(m_token));
        }
        Advance();
        property.value = ParseValue(depth + 1, property);
        return property;
    }

    FormValue ParseValue(int depth, const FormProperty& property) {
        EnterLevel(depth);
        FormValue value;
        switch (m_token.kind) {
        case FormTokenKind::Integer:
            value.data = m_token.integer;
            Advance();
            return value;
        case FormTokenKind::Float:
            value.data = m_token.number;
            Advance();
            return value;
        case FormTokenKind::String:
            value.data = ParseString();
            return value;
        case FormTokenKind::Identifier:
            value.data = FormIdentifier{m_token.text};
            Advance();
            return value;
        case FormTokenKind::Binary:
            value.data = FormBinary{std::move(m_token.bytes)};
            Advance();
            return value;
        case FormTokenKind::Symbol:
            if (m_token.symbol == '[') {
                value.data = ParseSet();
                return value;
            }
            if (m_token.symbol == '(') {
                value.data = ParseList(depth, property);
                return value;
            }
            if (m_token.symbol == '<') {
                value.data = ParseCollection(depth);
                return value;
            }
            break;
        case FormTokenKind::EndOfInput:
            break;
        }
        Fail("expected a value for " + QuoteForMessage(property.PathText()) + ", found " +
             Describe(m_token));
    }

    // Strings joined with '+', as long texts are written across lines.
    std::string ParseString() {
        std::string text = std::move(m_token.text);
        Advance();
        while (IsSymbol('+')) {
            Advance();
            if (m_token.kind != FormTokenKind::String) {
                Fail("expected a string after '+', found " + Describe(m_token));
            }
            text += m_token.text;
            Advance();
        }
        return text;
    }

    FormSet ParseSet() {
        FormSet set;
        Advance();
        if (IsSymbol(']')) {
            Advance();
            return set;
        }
        for (;;) {
            set.elements.push_back(ExpectSimpleName("a set element name"));
            if (IsSymbol(']')) {
                Advance();
                return set;
            }
            if (!IsSymbol(',')) {
                Fail("expected ',' or ']' in a set, found " + Describe(m_token));
            }
            Advance();
        }
    }

    FormList ParseList(int depth, const FormProperty& property) {
        FormList list;
        Advance();
        while (!IsSymbol(')')) {
            if (m_token.kind == FormTokenKind::EndOfInput) {
                Fail("list of " + QuoteForMessage(property.PathText()) + " is not closed with ')'");
            }
            list.items.push_back(ParseValue(depth + 1, property));
        }
        Advance();
        return list;
    }

    FormCollection ParseCollection(int depth) {
        FormCollection collection;
        Advance();
        while (IsWord("item")) {
            FormCollectionItem item;
            item.line = m_token.line;
            Advance();
            while (IsPropertyName()) {
                item.properties.push_back(ParseProperty(depth + 1));
            }
            if (!IsWord("end")) {
                Fail("expected 'end' of a collection item, found " + Describe(m_token));
            }
            Advance();
            collection.items.push_back(std::move(item));
        }
        if (!IsSymbol('>')) {
            Fail("expected 'item' or '>' in a collection, found " + Describe(m_token));
        }
        Advance();
        return collection;
    }

    FormLexer m_lexer;
    FormToken m_token;
};

} // namespace

FormObject ParseFormResource(std::string_view text) {
    if (text.size() > kMaxFormResourceSize) {
        throw EParserError(1, "form resource of " + std::to_string(text.size()) +
                                  " bytes is larger than the " +
                                  std::to_string(kMaxFormResourceSize) + " bytes allowed");
    }
    return FormParser(text).ParseForm();
}
