#pragma once
// The class library's exception for text it cannot read as a form resource. The message starts
// with the line it refers to, so whoever reads it can find the place in the resource.

#include "platform/core/Exception.h"

#include <string>

class EParserError : public Exception {
public:
    EParserError(int line, const std::string& problem)
        : Exception("Line " + std::to_string(line) + ": " + problem), FLine(line) {}

    int Line() const { return FLine; }

private:
    int FLine;
};
