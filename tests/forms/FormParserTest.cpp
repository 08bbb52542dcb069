#include "platform/forms/FormParser.h"
#include "platform/forms/EParserError.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

FormValue Value(int64_t integer) {
    return FormValue{integer};
}
FormValue Value(double number) {
    return FormValue{number};
}
FormValue Value(std::string text) {
    return FormValue{std::move(text)};
}
FormValue Value(FormIdentifier identifier) {
    return FormValue{std::move(identifier)};
}
FormValue Value(FormSet set) {
    return FormValue{std::move(set)};
}
FormValue Value(FormBinary binary) {
    return FormValue{std::move(binary)};
}
FormValue Value(FormList list) {
    return FormValue{std::move(list)};
}
FormValue Value(FormCollection collection) {
    return FormValue{std::move(collection)};
}

std::string ErrorOf(const std::string& text) {
    try {
        ParseFormResource(text);
    } catch (const EParserError& error) {
        return error.Message();
    }
    return "(no error)";
}

TEST(FormParser, ReadsObjectsPropertiesAndChildrenInResourceOrder) {
    FormObject form = ParseFormResource("object frmMain: TTfrmMain\n"
                                        "  Caption = 'frmMain'\n"
                                        "  Font.Height = -11\n"
                                        "  Font.Height = -12\n"
                                        "  object imgBackground: TImage\n"
                                        "    Left = 0\n"
                                        "  end\n"
                                        "  object TLabel\n"
                                        "    object pnlInner: TPanel\n"
                                        "      Appearance.RaisedBmp.Data = {00}\n"
                                        "    end\n"
                                        "  end\n"
                                        "  object abClose: TZvButtonTx\n"
                                        "  end\n"
                                        "end\n");
    EXPECT_EQ(form.name, "frmMain");
    EXPECT_EQ(form.className, "TTfrmMain");
    EXPECT_EQ(form.line, 1);
    ASSERT_EQ(form.properties.size(), 3u);
    EXPECT_EQ(form.properties[0].path, (std::vector<std::string>{"Caption"}));
    EXPECT_EQ(form.properties[0].value, Value(std::string("frmMain")));
    EXPECT_EQ(form.properties[0].line, 2);
    EXPECT_EQ(form.properties[1].PathText(), "Font.Height");
    EXPECT_EQ(form.properties[1].value, Value(int64_t{-11}));
    EXPECT_EQ(form.properties[2].value, Value(int64_t{-12}));
    EXPECT_EQ(form.properties[2].line, 4);

    ASSERT_EQ(form.children.size(), 3u);
    EXPECT_EQ(form.children[0].name, "imgBackground");
    EXPECT_EQ(form.children[0].line, 5);
    EXPECT_EQ(form.children[1].name, "");
    EXPECT_EQ(form.children[1].className, "TLabel");
    EXPECT_EQ(form.children[2].name, "abClose");
    EXPECT_EQ(form.children[2].line, 13);

    const FormObject& inner = form.children[1].children.at(0);
    EXPECT_EQ(inner.className, "TPanel");
    EXPECT_EQ(inner.line, 9);
    EXPECT_EQ(inner.properties.at(0).path,
              (std::vector<std::string>{"Appearance", "RaisedBmp", "Data"}));
    EXPECT_EQ(inner.properties.at(0).line, 10);
}

TEST(FormParser, KeywordsIgnoreLetterCaseAndNamesKeepIt) {
    FormObject form = ParseFormResource("OBJECT Panel1: TPanel\n"
                                        "  Columns = < ITEM\n"
                                        "    Width = 1\n"
                                        "  End >\n"
                                        "  Object lbX: TLabel\n"
                                        "  END\n"
                                        "end");
    EXPECT_EQ(form.name, "Panel1");
    EXPECT_EQ(form.children.at(0).name, "lbX");
    EXPECT_EQ(std::get<FormCollection>(form.properties.at(0).value.data).items.size(), 1u);
}

struct ValueCase {
    const char* text;
    FormValue expected;
};

TEST(FormParser, ReadsEveryKindOfValue) {
    FormCollectionItem first{{FormProperty{{"Width"}, Value(int64_t{1}), 4}}, 3};
    FormCollectionItem second{{}, 6};
    const ValueCase cases[] = {
        {"0", Value(int64_t{0})},
        {"-11", Value(int64_t{-11})},
        {"$00FF00", Value(int64_t{0xFF00})},
        {"$FFFFFFFF", Value(int64_t{4294967295})},
        {"-$10", Value(int64_t{-16})},
        {"9223372036854775807", Value(std::numeric_limits<int64_t>::max())},
        {"-9223372036854775808", Value(std::numeric_limits<int64_t>::min())},
        {"1.5", Value(1.5)},
        {"-0.25", Value(-0.25)},
        {"1.5E3", Value(1500.0)},
        {"2e-2", Value(2e-2)},
        {"''", Value(std::string())},
        {"'It''s'", Value(std::string("It's"))},
        {"'a'#13#10'b'", Value(std::string("a\r\nb"))},
        {"#65#$42", Value(std::string("AB"))},
        {"'a\tb'", Value(std::string("a\tb"))},
        {"'\xE6\x97\xA5\xE6\x9C\xAC'", Value(std::string("\xE6\x97\xA5\xE6\x9C\xAC"))},
        {"#26085#26412", Value(std::string("\xE6\x97\xA5\xE6\x9C\xAC"))},
        {"#55357#56832", Value(std::string("\xF0\x9F\x98\x80"))},
        {"'CPU ' +\n    'Frequency' + #33", Value(std::string("CPU Frequency!"))},
        {"True", Value(FormIdentifier{"True"})},
        {"clLime", Value(FormIdentifier{"clLime"})},
        {"Form1.Timer1", Value(FormIdentifier{"Form1.Timer1"})},
        {"[]", Value(FormSet{})},
        {"[fsBold]", Value(FormSet{{"fsBold"}})},
        {"[fsBold, fsItalic]", Value(FormSet{{"fsBold", "fsItalic"}})},
        {"{}", Value(FormBinary{})},
        {"{0A0b\n    FF}", Value(FormBinary{{0x0A, 0x0B, 0xFF}})},
        {"()", Value(FormList{})},
        {"(\n    'a'\n    'b' 3)",
         Value(FormList{{Value(std::string("a")), Value(std::string("b")), Value(int64_t{3})}})},
        {"(('x') 1)",
         Value(FormList{{Value(FormList{{Value(std::string("x"))}}), Value(int64_t{1})}})},
        {"<>", Value(FormCollection{})},
        {"<\n    item\n      Width = 1\n    end\n    item\n    end>",
         Value(FormCollection{{first, second}})},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.text);
        FormObject form =
            ParseFormResource(std::string("object A: TX\n  P = ") + c.text + "\nend\n");
        ASSERT_EQ(form.properties.size(), 1u);
        EXPECT_EQ(form.properties[0].value, c.expected);
    }
}

struct ErrorCase {
    std::string text;
    std::string message;
};

TEST(FormParser, RefusesMalformedTextNamingTheLine) {
    const std::string head = "object A: TX\n  ";
    const ErrorCase cases[] = {
        {"", "Line 1: expected 'object', found the end of the input"},
        {"inherited A: TX\nend", "Line 1: 'inherited' objects are not supported; write 'object'"},
        {"object : TX\nend",
         "Line 1: expected a component name or class name after 'object', found ':'"},
        {"object A: Form1.TX\nend", "Line 1: expected a class name after ':', found 'Form1.TX'"},
        {head + "Caption 'x'\nend", "Line 2: expected '=' after property name 'Caption', found "
                                    "a string"},
        {head + "Font. = 1\nend", "Line 2: expected a name after '.' in 'Font.'"},
        {head + std::string(100, 'x') + " 1\nend",
         "Line 2: expected '=' after property name '" + std::string(40, 'x') + "...', found '1'"},
        {head + "Caption = 'abc\nend", "Line 2: unterminated string"},
        {head + "Caption = 'caf\xC3'\nend", "Line 2: string is not valid UTF-8"},
        {head + "Caption = 'a\x01'\nend",
         "Line 2: control character #1 inside a string; write it as a character code"},
        {head + "Caption = #55357'x'\nend",
         "Line 2: character code #55357 is half of a surrogate pair"},
        {head + "Caption = #56832\nend",
         "Line 2: character code '#56832' is half of a surrogate pair"},
        {head + "Caption = #1114112\nend", "Line 2: character code '#1114112' is out of range"},
        {head + "Caption = #\nend", "Line 2: malformed character code '#'"},
        {head + "Caption = 'a' +\n  1\nend", "Line 3: expected a string after '+', found '1'"},
        {head + "Caption = 'x' @\nend", "Line 2: unexpected character '@'"},
        {head + "Caption = " + std::string(1, '\0') + "\nend", "Line 2: unexpected character #0"},
        {head + "Tag = 9223372036854775808\nend",
         "Line 2: number '9223372036854775808' is out of range"},
        {head + "Tag = $10000000000000000\nend",
         "Line 2: number '$10000000000000000' is out of range"},
        {head + "Tag = 1e999\nend", "Line 2: number '1e999' is out of range"},
        {head + "Tag = 12ab\nend", "Line 2: malformed number '12ab'"},
        {head + "Tag = 1.\nend", "Line 2: malformed number '1.'"},
        {head + "Tag = -\nend", "Line 2: malformed number '-'"},
        {head + "Tag = $\nend", "Line 2: malformed number '$'"},
        {head + "Tag = =\nend", "Line 2: expected a value for 'Tag', found '='"},
        {head + "Data = {0A0}\nend", "Line 2: binary data has an odd number of hex digits"},
        {head + "Data = {00\n  0G}\nend", "Line 3: unexpected character 'G' in binary data"},
        {head + "Data = {00\n", "Line 2: binary data is not closed with '}'"},
        {head + "Font.Style = [fsBold,]\nend", "Line 2: expected a set element name, found ']'"},
        {head + "Font.Style = [fsBold fsItalic]\nend",
         "Line 2: expected ',' or ']' in a set, found 'fsItalic'"},
        {head + "Items = (\n  'a'\n", "Line 4: list of 'Items' is not closed with ')'"},
        {head + "Columns = < item Width = 1 >\nend",
         "Line 2: expected 'end' of a collection item, found '>'"},
        {head + "Columns = < Width = 1 >\nend",
         "Line 2: expected 'item' or '>' in a collection, found 'Width'"},
        {head + "object B: TY\n  end\n  Caption = 'x'\nend",
         "Line 4: expected 'end' of 'A', found 'Caption'"},
        {head + "Left = 1\n", "Line 3: expected 'end' of 'A', found the end of the input"},
        {"object A: TX\nend\nobject B: TY\nend",
         "Line 3: unexpected 'object' after the end of the form"},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ErrorOf(c.text), c.message);
    }
}

TEST(FormParser, CountsLinesOfEveryLineBreakConvention) {
    for (const char* lineBreak : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(testing::PrintToString(lineBreak));
        std::string text = std::string("object A: TX") + lineBreak + "  Left = 1" + lineBreak +
                           "  Top 2" + lineBreak + "end";
        EXPECT_EQ(ErrorOf(text), "Line 3: expected '=' after property name 'Top', found '2'");
    }
}

TEST(FormParser, BoundsTheNesting) {
    auto nestedObjects = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) {
            text += "object A: TX\n";
        }
        for (int i = 0; i < depth; ++i) {
            text += "end\n";
        }
        return text;
    };
    EXPECT_NO_THROW(ParseFormResource(nestedObjects(kMaxFormNesting)));
    EXPECT_EQ(ErrorOf(nestedObjects(kMaxFormNesting + 1)),
              "Line 65: nesting is deeper than 64 levels");
    EXPECT_EQ(ErrorOf(nestedObjects(100000)), "Line 65: nesting is deeper than 64 levels");

    std::string lists = "object A: TX\n  Items = " + std::string(100000, '(');
    EXPECT_EQ(ErrorOf(lists), "Line 2: nesting is deeper than 64 levels");

    std::string collections = "object A: TX\n  C = ";
    for (int i = 0; i < 100000; ++i) {
        collections += "< item C = ";
    }
    EXPECT_EQ(ErrorOf(collections), "Line 2: nesting is deeper than 64 levels");
}

TEST(FormParser, RefusesResourcesLargerThanTheLimit) {
    std::string text =
        "object A: TX\n  Caption = '" + std::string(kMaxFormResourceSize, 'x') + "'\nend\n";
    EXPECT_EQ(ErrorOf(text), "Line 1: form resource of " + std::to_string(text.size()) +
                                 " bytes is larger than the 16777216 bytes allowed");
}

} // namespace
