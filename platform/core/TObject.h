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

    // Runs while the object is still whole, before its destructors; Free calls it. Handlers
    // that need the derived object's fields (a form's OnDestroy) run here.
    virtual void BeforeDestruction() {}
};

// Deletes an object the way the class library frees it: BeforeDestruction, then the
// destructors.
inline void Free(TObject* object) {
    if (object != nullptr) {
        object->BeforeDestruction();
        delete object;
    }
}

// Declares ClassName() for a class of the class library.
#define HUSHWAVE_CLASS_NAME(Name)                                                                  \
    std::string ClassName() const override {                                                       \
        return #Name;                                                                              \
    }
