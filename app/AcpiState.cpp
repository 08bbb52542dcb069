#include "app/AcpiState.h"

bool bACPISupport = false;
int32_t nCPUExtFreqNum = 0;
std::unique_ptr<WORD[]> lpCPUExtFreqList;
