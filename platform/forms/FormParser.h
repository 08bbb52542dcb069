#pragma once
// Reads a text form resource into its tree (see FormTree.h):
//
//   object frmMain: TfrmMain
//     Caption = 'frmMain'
//     Font.Height = -11
//     object lbCpuFreq: TLabel
//       Font.Style = [fsBold]
//     end
//   end
//
// Text that is not a well-formed resource throws EParserError with the line it refers to.
// Inherited and inline objects (resources that extend another form) are refused.

#include "platform/forms/FormTree.h"

#include <cstddef>
#include <string_view>

inline constexpr size_t kMaxFormResourceSize = 16 * 1024 * 1024;

FormObject ParseFormResource(std::string_view text);
