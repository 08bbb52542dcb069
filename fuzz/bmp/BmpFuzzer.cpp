// Feeds arbitrary bytes to the BMP reader. It must reject bad input with EInvalidGraphic and
// nothing else; whatever it accepts must survive being written and read again unchanged.
#include "platform/core/Exception.h"
#include "platform/graphics/BmpCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    BmpImage image;
    try {
        image = DecodeBmp(std::span(data, size));
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    if (DecodeBmp(EncodeBmp(image.pixels, 32)).pixels != image.pixels) {
        std::abort();
    }
    return 0;
}
