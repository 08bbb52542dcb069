#pragma once
// Reads a form class's resource while the form is being constructed. Declared as the form
// class's last member, it runs once the form's fields have their initial values and before
// the constructor's body, so the body already finds every component of the resource, as a
// form of the class library does:
//
//   class TMyForm : public TForm {
//       ...
//       FormResource FResource{*this, Published()};
//   };
//
// A form class whose resource is not built into the program cannot be made: the constructor
// throws EResNotFound.

#include "platform/binding/FormClassInfo.h"
#include "platform/core/Exception.h"

class TComponent;

class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

class FormResource {
public:
    FormResource(TComponent& Form, const FormClassInfo& Info);
};
