#pragma once
// Objects that can copy their state from one another. Assign asks the source to copy itself
// into this object when this class does not know the source's class.

#include "platform/core/TObject.h"

class TPersistent : public TObject {
public:
    HUSHWAVE_CLASS_NAME(TPersistent)

    virtual void Assign(TPersistent* Source);

protected:
    virtual void AssignTo(TPersistent* Dest);
};
