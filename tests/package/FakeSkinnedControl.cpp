#include "FakeSkinnedControl.h"

#include "package/ZvControlClasses.h"
#include "platform/binding/ClassRegistry.h"

void FakeSkinned::Publish() {
    static const bool published = [] {
        PublishZvControlClasses();
        ClassRegistry::Instance()
            .Register<FakeSkinned>("TFakeSkinned", "ZvControl")
            .Object("Appearance", &FakeSkinned::Appearance)
            .Object("FontColors", &FakeSkinned::FontColors);
        return true;
    }();
    (void)published;
}
