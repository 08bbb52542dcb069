#pragma once
// The tree a text form resource reads into, before any class is created from it.
//
//   FormObject  "object Name: TClass" ... "end"
//     properties   FormProperty { path, value, line }, in resource order
//     children     FormObject, in resource order
//
// Invariants the reader guarantees, so the code that creates components from the tree needs no
// checks of its own beyond what the classes know:
// - `className` is one identifier; `name` is one identifier or empty (an unnamed component).
//   Both keep the letter case they were written in; keywords ("object", "end", "item") are
//   matched without regard to case and never appear in the tree.
// - Every property of an object precedes its children in the resource; `properties` keeps the
//   resource's order, so a property written twice appears twice and the later one is meant to
//   win. Duplicate component names are not checked here: the owner refuses them when the
//   components are named.
// - `path` has at least one segment; each segment is an identifier ("Font.Name" is
//   {"Font", "Name"}).
// - `line` is the 1-based line of the object's "object" keyword, the property's name or the
//   collection item's "item" keyword: the line any later error about it should name.
// - Strings are UTF-8, with quotes, doubled quotes and #n character codes already resolved
//   (#n is a Unicode code point; a UTF-16 surrogate pair written as two codes is one character).
// - Identifiers as values (True, False, enumeration names, colour names such as clLime,
//   references to components such as PopupMenu1 or Form1.Timer1) are kept as written; what they
//   mean depends on the type of the property they are assigned to.
// - Nesting of objects, lists and collections together is at most kMaxFormNesting deep.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

inline constexpr int kMaxFormNesting = 64;

struct FormValue;
struct FormProperty;

struct FormIdentifier {
    std::string name;
    bool operator==(const FormIdentifier&) const = default;
};

// A set such as [fsBold, fsItalic]: its element names in resource order.
struct FormSet {
    std::vector<std::string> elements;
    bool operator==(const FormSet&) const = default;
};

// The bytes of a { hex } block.
struct FormBinary {
    std::vector<uint8_t> bytes;
    bool operator==(const FormBinary&) const = default;
};

// A ( ... ) list, as string lists store their lines.
struct FormList {
    std::vector<FormValue> items;
    bool operator==(const FormList&) const = default;
};

struct FormCollectionItem {
    std::vector<FormProperty> properties;
    int line = 0;
    bool operator==(const FormCollectionItem&) const = default;
};

// A < item ... end ... > collection.
struct FormCollection {
    std::vector<FormCollectionItem> items;
    bool operator==(const FormCollection&) const = default;
};

struct FormValue {
    std::variant<int64_t, double, std::string, FormIdentifier, FormSet, FormBinary, FormList,
                 FormCollection>
        data;
    bool operator==(const FormValue&) const = default;
};

struct FormProperty {
    std::vector<std::string> path;
    FormValue value;
    int line = 0;

    // The path as the resource wrote it, segments joined by '.'.
    std::string PathText() const;
    bool operator==(const FormProperty&) const = default;
};

struct FormObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<FormProperty> properties;
    std::vector<FormObject> children;
    bool operator==(const FormObject&) const = default;
};
