#include "platform/binding/ComponentPalette.h"

#include "platform/binding/ClassRegistry.h"
#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"

namespace {

std::vector<PalettePage>& Pages() {
    static std::vector<PalettePage> pages;
    return pages;
}

PalettePage& PageNamed(const std::string& name) {
    for (PalettePage& page : Pages()) {
        if (page.Name == name) {
            return page;
        }
    }
    return Pages().emplace_back(PalettePage{name, {}});
}

} // namespace

void RegisterComponents(const std::string& Page, const TComponentClass* Classes, int Count) {
    for (int i = 0; i < Count; ++i) {
        const TComponentClass& cls = Classes[i];
        cls.Publish();
        const PublishedClass* published = ClassRegistry::Instance().Find(cls.Name);
        if (published == nullptr || !published->Creatable()) {
            throw EClassNotFound(std::string("Class ") + cls.Name +
                                 " cannot be created from a form resource");
        }
        if (PalettePageOf(cls.Name).empty()) {
            PageNamed(Page).Classes.push_back(published->Name());
        }
    }
}

const std::vector<PalettePage>& PalettePages() {
    return Pages();
}

std::string PalettePageOf(const std::string& ClassName) {
    for (const PalettePage& page : Pages()) {
        for (const std::string& cls : page.Classes) {
            if (SameComponentName(cls, ClassName)) {
                return page.Name;
            }
        }
    }
    return {};
}
