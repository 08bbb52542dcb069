#include "package/ZvCtrlAppearance.h"

#include "platform/core/Assert.h"
#include "platform/graphics/TBitmap.h"

#include <array>
#include <memory>

namespace {

constexpr int kMaxBitmaps = 4;

} // namespace

bool ZvCtrlAppearance::LoadBitmaps(const std::string& Directory, const std::string* Names,
                                   int Count, int FirstState) {
    HUSHWAVE_ASSERT(Count >= 0 && Count <= kMaxBitmaps);
    std::array<std::unique_ptr<TBitmap>, kMaxBitmaps> loaded;
    std::string folder = Directory;
    char last = folder.at(folder.size() - 1);
    if (last != '\\' && last != ':') {
        folder += '\\';
    }
    for (int i = 0; i < Count; ++i) {
        if (!Names[i].empty()) {
            loaded[i] = std::make_unique<TBitmap>();
            loaded[i]->LoadFromFile(folder + Names[i]);
        }
    }
    for (int i = 0; i < Count; ++i) {
        if (loaded[i]) {
            SetBitmap(loaded[i].get(), FirstState + i);
        }
    }
    return true;
}
