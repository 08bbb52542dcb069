#pragma once
// A control of the package's base with state bitmaps of its own, standing in for the skinned
// state control: it keeps eight bitmaps, logs every state written and every bitmap change,
// and publishes a four-state appearance over states 0 to 3 and a three-state font colour set,
// as "TFakeSkinned" for form resources.

#include "package/ZvControl.h"
#include "package/ZvFourStateAppearance.h"
#include "package/ZvStateBitmaps.h"
#include "package/ZvThreeStateFontColor.h"
#include "platform/graphics/TBitmap.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class FakeSkinned : public ZvControl, public ZvStateBitmaps {
public:
    HUSHWAVE_CLASS_NAME(FakeSkinned)

    static constexpr int kStates = 8;

    explicit FakeSkinned(TComponent* Owner) : ZvControl(Owner, false) {
        for (int i = 0; i < kStates; ++i) {
            m_states[i] = std::make_unique<TBitmap>();
            m_states[i]->OnChange = [this, i](TObject*) {
                log.push_back("changed " + std::to_string(i));
            };
        }
    }

    TBitmap* GetStateBitmap(int i) override { return m_states.at(i).get(); }
    void SetStateBitmap(TBitmap* Bitmap, int i) override {
        log.push_back("set " + std::to_string(i));
        m_states.at(i)->Assign(Bitmap);
    }

    ZvFourStateAppearance* Appearance() const { return m_appearance.get(); }
    ZvThreeStateFontColor* FontColors() const { return m_fontColors.get(); }

    // Registers the class once, after the package's own classes.
    static void Publish();

    std::vector<std::string> log;

private:
    std::array<std::unique_ptr<TBitmap>, kStates> m_states;
    std::unique_ptr<ZvFourStateAppearance> m_appearance =
        std::make_unique<ZvFourStateAppearance>(this, 0);
    std::unique_ptr<ZvThreeStateFontColor> m_fontColors = std::make_unique<ZvThreeStateFontColor>();
};
