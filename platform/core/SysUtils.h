#pragma once
// The class library's text and number helpers the program uses. Numbers are formatted with
// the class library's own rules, never the C locale's: DecimalSeparator alone decides the
// decimal mark.

#include "platform/core/DateTime.h"

#include <string>

extern char DecimalSeparator;

// Patterns of '0' (digit), '#' (digit if significant), one '.' (decimal mark), ',' (thousands
// grouping), quoted literals and up to three ';' sections (positive; negative; zero). Rounds
// half away from zero on the exact binary value.
std::string FormatFloat(const std::string& Format, double Value);

// Tokens yyyy yy mm m dd d hh h nn n ss s zzz, "mm"/"m" right after an hour token meaning
// minutes; quoted text is copied; other characters stand for themselves.
std::string FormatDateTime(const std::string& Format, TDateTime Value);

std::string IntToStr(long long Value);
std::string ChangeFileExt(const std::string& FileName, const std::string& Extension);
// The folder part including its final separator ('\' or '/'), or empty.
std::string ExtractFilePath(const std::string& FileName);
std::string ExtractFileName(const std::string& FileName);
// Upper case of UTF-8 text by Unicode case rules.
std::string AnsiUpperCase(const std::string& S);
// 1-based position of the first occurrence of Substr in S, 0 when absent.
int Pos(const std::string& Substr, const std::string& S);
