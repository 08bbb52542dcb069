#include "platform/binding/FormResource.h"

#include "platform/binding/FormReader.h"
#include "platform/core/TComponent.h"

FormResource::FormResource(TComponent& Form, const FormClassInfo& Info) {
    if (!InitInheritedComponent(Form, Info)) {
        throw EResNotFound("Resource " + Form.ClassName() + " not found");
    }
}
