// Reading a form for design: the form and each of its components are being designed before
// their first property is set, and a form read to run is not. And the palette: pages and
// classes in registration order, each class creatable by name once it is registered.

#include "platform/binding/ClassRegistry.h"
#include "platform/binding/ComponentPalette.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormReader.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TCustomPanel.h"
#include "platform/core/Exception.h"
#include "platform/window/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Whether csDesigning was set when its properties were set and when it heard Loaded.
struct DesignRecord {
    bool atProperty = false;
    bool atLoaded = false;
};

class TDesignProbe : public TComponent {
public:
    HUSHWAVE_CLASS_NAME(TDesignProbe)
    explicit TDesignProbe(TComponent* owner) : TComponent(owner) {}
    void SetProbe(bool) { record.atProperty = ComponentState().Contains(csDesigning); }
    void Loaded() override {
        TComponent::Loaded();
        record.atLoaded = ComponentState().Contains(csDesigning);
    }
    DesignRecord record;
};

class TDesignPanel : public TPanel {
public:
    HUSHWAVE_CLASS_NAME(TDesignPanel)
    explicit TDesignPanel(TComponent* owner) : TPanel(owner) {}
    void SetProbe(bool) { record.atProperty = ComponentState().Contains(csDesigning); }
    DesignRecord record;
};

class TDesignForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TDesignForm)
    explicit TDesignForm(TComponent* owner) : TForm(owner) {}

    static const FormClassInfo& Published() {
        static const FormClassInfo info = FormClassInfo::Of<TDesignForm>("TDesignForm")
                                              .Field("Probe1", &TDesignForm::Probe1)
                                              .Field("Inner", &TDesignForm::Inner);
        return info;
    }
    void SetProbe(bool) { record.atProperty = ComponentState().Contains(csDesigning); }

    TDesignProbe* Probe1 = nullptr;
    TDesignPanel* Inner = nullptr;
    DesignRecord record;
};

void PublishProbes() {
    static const bool published = [] {
        ClassRegistry& r = ClassRegistry::Instance();
        r.Register<TDesignForm>("TDesignForm", "TForm").Boolean("Probe", &TDesignForm::SetProbe);
        r.Register<TDesignProbe>("TDesignProbe").Boolean("Probe", &TDesignProbe::SetProbe);
        r.Register<TDesignPanel>("TDesignPanel", "TPanel")
            .Boolean("Probe", &TDesignPanel::SetProbe);
        return true;
    }();
    (void)published;
}

constexpr const char* kForm = "object frm: TDesignForm\n  Probe = True\n"
                              "  object Outer: TPanel\n"
                              "    object Inner: TDesignPanel\n      Probe = True\n    end\n"
                              "  end\n"
                              "  object Probe1: TDesignProbe\n    Probe = True\n  end\n"
                              "end\n";

TEST(DesignModeReading, EveryComponentIsDesignedBeforeItsPropertiesOnlyWhenReadForDesign) {
    PublishProbes();
    for (FormReadMode mode : {FormReadMode::Run, FormReadMode::Design}) {
        bool design = mode == FormReadMode::Design;
        {
            TDesignForm form(nullptr);
            ReadFormResource(form, TDesignForm::Published(), std::string_view(kForm), mode);
            ASSERT_NE(form.Probe1, nullptr);
            ASSERT_NE(form.Inner, nullptr);
            EXPECT_EQ(form.record.atProperty, design) << "the form";
            EXPECT_EQ(form.Probe1->record.atProperty, design) << "a component";
            EXPECT_EQ(form.Probe1->record.atLoaded, design);
            EXPECT_EQ(form.Inner->record.atProperty, design) << "a control inside a control";
            EXPECT_EQ(form.ComponentState().Contains(csDesigning), design);
        }
        MessageLoop::Instance().Reset();
    }
}

void PublishNothing() {}

TEST(ComponentPalette, KeepsPagesAndClassesInRegistrationOrderAndMakesThemCreatable) {
    const TComponentClass panel[] = {{"TDesignPanel", PublishProbes}};
    const TComponentClass both[] = {{"TDesignProbe", PublishProbes},
                                    {"TDesignPanel", PublishProbes}};
    RegisterComponents("Probes B", panel, 1);
    RegisterComponents("Probes A", both, 2);
    std::vector<std::string> names;
    for (const PalettePage& page : PalettePages()) {
        names.push_back(page.Name);
        if (page.Name == "Probes A") {
            EXPECT_EQ(page.Classes, (std::vector<std::string>{"TDesignProbe"}))
                << "a class already on a page stays there";
        }
        if (page.Name == "Probes B") {
            EXPECT_EQ(page.Classes, (std::vector<std::string>{"TDesignPanel"}));
        }
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Probes B", "Probes A"}));
    EXPECT_EQ(PalettePageOf("tdesignprobe"), "Probes A");
    EXPECT_EQ(PalettePageOf("TNotThere"), "");
    const PublishedClass* cls = ClassRegistry::Instance().Find("TDesignProbe");
    ASSERT_NE(cls, nullptr);
    EXPECT_TRUE(cls->Creatable());
}

TEST(ComponentPalette, AClassNoResourceCanCreateIsRefused) {
    const TComponentClass missing[] = {{"TNeverPublished", PublishNothing}};
    EXPECT_THROW(RegisterComponents("Probes C", missing, 1), EClassNotFound);
    const TComponentClass control[] = {{"TControl", PublishNothing}};
    EXPECT_THROW(RegisterComponents("Probes C", control, 1), EClassNotFound);
    EXPECT_EQ(PalettePageOf("TControl"), "");
}

} // namespace
