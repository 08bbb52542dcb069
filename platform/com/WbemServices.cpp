#include "platform/com/WbemServices.h"

#include "platform/com/DmiTableLocation.h"
#include "platform/com/HelperClock.h"
#include "platform/com/ProcessorEnumerator.h"
#include "platform/com/WideText.h"
#include "platform/dmi/DmiTableFile.h"
#include "platform/dmi/ProcessorClocks.h"

// The table is read anew for every enumeration. A process that may not read it gets the one
// clock the helper answered, as the one processor instance.
HRESULT WbemServices::CreateInstanceEnum(const WCHAR* strFilter, LONG, IWbemContext*,
                                         IEnumWbemClassObject** ppEnum) {
    if (ppEnum == nullptr) {
        return WBEM_E_INVALID_PARAMETER;
    }
    *ppEnum = nullptr;
    if (!SameNameIgnoringCase(strFilter, u"Win32_Processor")) {
        return WBEM_E_INVALID_CLASS;
    }
    dmi::DmiTableFile file = dmi::ReadDmiTableFile(DmiTablePath());
    if (!file.Readable()) {
        const std::optional<uint16_t> clock = HelperExternalClockMHz();
        if (!clock) {
            return WBEM_E_ACCESS_DENIED;
        }
        *ppEnum = new ProcessorEnumerator({*clock});
        return WBEM_S_NO_ERROR;
    }
    dmi::ProcessorClocks clocks = dmi::ReadProcessorClocks(file.bytes);
    if (!clocks.Valid()) {
        return WBEM_E_FAILED;
    }
    *ppEnum = new ProcessorEnumerator(std::move(clocks.externalClockMHz));
    return WBEM_S_NO_ERROR;
}
