// Port access and MSR writes, in both builds of the library: refused without touching the
// hardware, since the program only reads.
#include "drivers/zuda/ZuDA.h"

int32_t ZUDA_InPortB(uint16_t, uint8_t*) {
    return 0;
}
int32_t ZUDA_OutPortB(uint16_t, uint8_t) {
    return 0;
}
int32_t ZUDA_InPortD(uint16_t, uint32_t*) {
    return 0;
}
int32_t ZUDA_OutPortD(uint16_t, uint32_t) {
    return 0;
}
int32_t ZUDA_WrtieMSR(uint32_t, const uint8_t*) {
    return 0;
}
