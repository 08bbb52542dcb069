#include "tools/gallery/TGalleryForm.h"

#include "package/ZvButton.h"
#include "package/ZvButtonTx.h"
#include "package/ZvCheckBox.h"
#include "package/ZvNumLed.h"
#include "package/ZvPanel.h"
#include "package/ZvRadioButton.h"
#include "platform/application/TTimer.h"
#include "platform/controls/TImage.h"
#include "platform/core/DateTime.h"

#include <iostream>
#include <sstream>

const FormClassInfo& TGalleryForm::Published() {
    static const FormClassInfo info =
        FormClassInfo::Of<TGalleryForm>("TForm")
            .Field("btnPlay", &TGalleryForm::btnPlay)
            .Field("btnPlayNoHover", &TGalleryForm::btnPlayNoHover)
            .Field("btnPlayDisabled", &TGalleryForm::btnPlayDisabled)
            .Field("btnPlayNoClicks", &TGalleryForm::btnPlayNoClicks)
            .Field("btnOk", &TGalleryForm::btnOk)
            .Field("btnCancel", &TGalleryForm::btnCancel)
            .Field("btnDisabled", &TGalleryForm::btnDisabled)
            .Field("btnNoClicks", &TGalleryForm::btnNoClicks)
            .Field("imgBackdrop", &TGalleryForm::imgBackdrop)
            .Field("imgFrame", &TGalleryForm::imgFrame)
            .Field("ledFloat", &TGalleryForm::ledFloat)
            .Field("ledTime", &TGalleryForm::ledTime)
            .Field("ledDate", &TGalleryForm::ledDate)
            .Field("ledZeroLeading", &TGalleryForm::ledZeroLeading)
            .Field("ledKeepRatio", &TGalleryForm::ledKeepRatio)
            .Field("ledTransparent", &TGalleryForm::ledTransparent)
            .Field("ledTemperature", &TGalleryForm::ledTemperature)
            .Field("chkPlain", &TGalleryForm::chkPlain)
            .Field("chkAuto", &TGalleryForm::chkAuto)
            .Field("chkUncheckedOnly", &TGalleryForm::chkUncheckedOnly)
            .Field("chkNoClicks", &TGalleryForm::chkNoClicks)
            .Field("chkSound", &TGalleryForm::chkSound)
            .Field("radLow", &TGalleryForm::radLow)
            .Field("radHigh", &TGalleryForm::radHigh)
            .Field("radTxAuto", &TGalleryForm::radTxAuto)
            .Field("pnlGroup", &TGalleryForm::pnlGroup)
            .Field("radPanelA", &TGalleryForm::radPanelA)
            .Field("radPanelB", &TGalleryForm::radPanelB)
            .Field("radPanelTx", &TGalleryForm::radPanelTx)
            .Field("tmrClock", &TGalleryForm::tmrClock)
            .Method("FormCreate", &TGalleryForm::FormCreate)
            .Method("ButtonClick", &TGalleryForm::ButtonClick)
            .Method("ButtonEnter", &TGalleryForm::ButtonEnter)
            .Method("ButtonExit", &TGalleryForm::ButtonExit)
            .Method("CheckBoxClick", &TGalleryForm::CheckBoxClick)
            .Method("RadioButtonClick", &TGalleryForm::RadioButtonClick)
            .Method("DisplayClick", &TGalleryForm::DisplayClick)
            .Method("DisplayDblClick", &TGalleryForm::DisplayDblClick)
            .Method("tmrClockTimer", &TGalleryForm::tmrClockTimer);
    return info;
}

TGalleryForm::TGalleryForm(TComponent* Owner) : TForm(Owner), FEvents(&std::cout) {}

void TGalleryForm::FormCreate(TObject*) {
    // The form resource has no say over clicks: the input base takes them at construction.
    btnPlayNoClicks->SetClicksDisabled(true);
    btnNoClicks->SetClicksDisabled(true);
    chkNoClicks->SetClicksDisabled(true);

    ledFloat->SetValue(3.14159);
    ledZeroLeading->SetValue(42);
    ledKeepRatio->SetValue(1234);
    ledTransparent->SetValue(12.5);
    ledTemperature->SetValue(21);
    ShowNow();
}

void TGalleryForm::ShowNow() {
    const TDateTime now = Now();
    ledTime->SetValue(now);
    ledDate->SetValue(now);
}

void TGalleryForm::tmrClockTimer(TObject*) {
    ShowNow();
}

void TGalleryForm::Event(TObject* Sender, const std::string& What) {
    *FEvents << static_cast<TComponent*>(Sender)->Name() << ' ' << What << std::endl;
}

void TGalleryForm::ButtonClick(TObject* Sender) {
    Event(Sender, "OnClick ModalResult=" + std::to_string(ModalResult()));
}

void TGalleryForm::ButtonEnter(TObject* Sender) {
    Event(Sender, "OnEnter");
}

void TGalleryForm::ButtonExit(TObject* Sender) {
    Event(Sender, "OnExit");
}

namespace {

const char* StateName(TCheckBoxState State) {
    switch (State) {
    case cbChecked:
        return "cbChecked";
    case cbGrayed:
        return "cbGrayed";
    case cbUnchecked:
        break;
    }
    return "cbUnchecked";
}

// What a display's click line says of it: the number it shows, when it shows one.
std::string ShownValue(const ZvNumLed& display) {
    double value = 0;
    if (display.GetType() != nledFloat || !display.GetValue(value)) {
        return "";
    }
    std::ostringstream text;
    text << " Value=" << value;
    return text.str();
}

} // namespace

void TGalleryForm::CheckBoxClick(TObject* Sender) {
    Event(Sender,
          std::string("OnClick State=") + StateName(static_cast<ZvCheckBox*>(Sender)->GetState()));
}

void TGalleryForm::RadioButtonClick(TObject* Sender) {
    const bool checked = static_cast<ZvRadioButton*>(Sender)->GetChecked();
    Event(Sender, std::string("OnClick Checked=") + (checked ? "True" : "False"));
}

void TGalleryForm::DisplayClick(TObject* Sender) {
    Event(Sender, "OnClick" + ShownValue(*static_cast<ZvNumLed*>(Sender)));
}

void TGalleryForm::DisplayDblClick(TObject* Sender) {
    Event(Sender, "OnDblClick" + ShownValue(*static_cast<ZvNumLed*>(Sender)));
}
