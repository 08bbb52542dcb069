#pragma once
// Checks a programming precondition, in every build. A failed check reports
// "Assertion failed: <expression>, file <source path>, line <number>" on standard error and
// ends the program, as the C runtime's assertion report does.

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void AssertionFailed(const char* expression, const char* file, int line) {
    std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", expression, file, line);
    std::fflush(stderr);
    std::abort();
}

#define HUSHWAVE_ASSERT(expression)                                                                \
    ((expression) ? static_cast<void>(0) : AssertionFailed(#expression, __FILE__, __LINE__))

// The same check, reported with the precondition as the class library states it where the C++
// expression has to be spelt differently (a property read as a call).
#define HUSHWAVE_ASSERT_TEXT(expression, text)                                                     \
    ((expression) ? static_cast<void>(0) : AssertionFailed(text, __FILE__, __LINE__))
