#pragma once
// Turns a value of a form resource into what a property takes. Each conversion throws
// EReadError naming the line and the property (`what`, "TImage.Width") when the value is not
// of the property's kind or out of its range.

#include "platform/forms/FormTree.h"
#include "platform/graphics/TColor.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TBitmap;

// Names that an integer property also accepts: DEFAULT_CHARSET, crDefault, ...
using IdentTable = std::vector<std::pair<std::string, int64_t>>;

int64_t ToInteger(const FormValue& value, const std::string& what, int line,
                  const IdentTable* idents, int64_t low, int64_t high);
bool ToBoolean(const FormValue& value, const std::string& what, int line);
std::string ToText(const FormValue& value, const std::string& what, int line);
// A number, or a colour name: clLime, clBtnFace, clNone, ...
TColor ToColor(const FormValue& value, const std::string& what, int line);
// The index of the name in the list, matched without regard to case.
size_t ToName(const FormValue& value, const std::vector<std::string>& names,
              const std::string& what, int line);
// The indexes of the names of a set such as [fsBold, fsItalic].
std::vector<size_t> ToNames(const FormValue& value, const std::vector<std::string>& names,
                            const std::string& what, int line);
// A bare name: a handler method or a component.
std::string ToIdentifier(const FormValue& value, const std::string& what, int line);
std::vector<std::string> ToStrings(const FormValue& value, const std::string& what, int line);
// A BMP file: the name of a file embedded in the program ('skin.bmp'), or the file's bytes
// written as a { hex } block.
std::unique_ptr<TBitmap> ToBitmap(const FormValue& value, const std::string& what, int line);

// The colour names the class library knows, for resources and messages.
const IdentTable& ColorNames();
