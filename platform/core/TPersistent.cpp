#include "platform/core/TPersistent.h"

#include "platform/core/Exception.h"

TObject::~TObject() = default;

void TPersistent::Assign(TPersistent* Source) {
    if (Source == nullptr) {
        throw EConvertError("Cannot assign a nil to a " + ClassName());
    }
    Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) {
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + Dest->ClassName());
}
