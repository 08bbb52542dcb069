#include "platform/com/WbemLocator.h"

#include "platform/com/WbemServices.h"
#include "platform/com/WideText.h"

HRESULT WbemLocator::ConnectServer(const WCHAR* strNetworkResource, const WCHAR*, const WCHAR*,
                                   const WCHAR*, LONG, const WCHAR*, IWbemContext*,
                                   IWbemServices** ppNamespace) {
    if (ppNamespace == nullptr) {
        return WBEM_E_INVALID_PARAMETER;
    }
    *ppNamespace = nullptr;
    if (!SameNameIgnoringCase(strNetworkResource, u"ROOT\\cimv2")) {
        return WBEM_E_INVALID_NAMESPACE;
    }
    *ppNamespace = new WbemServices();
    return WBEM_S_NO_ERROR;
}
