#pragma once
// The root of the class library's class tree. Class membership is C++'s own (dynamic_cast);
// the class name is what form resources and messages use.

#include <string>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject();

    virtual std::string ClassName() const { return "TObject"; }
};

// Declares ClassName() for a class of the class library.
#define HUSHWAVE_CLASS_NAME(Name)                                                                  \
    std::string ClassName() const override { return #Name; }
