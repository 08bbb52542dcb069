#pragma once
// The component gallery's one window: every skinned component of the package in the states a
// person wants to see, read from the form resource TGalleryForm.dfm, in one section for each
// palette page headed by a label with the page's name. Each event of the components writes
// one line to the event stream, flushed at once:
//
//   <component name> <event> [<name>=<value> ...]
//
// OnClick lines of the buttons carry the form's ModalResult after the click, those of a check
// box its new State, those of a radio button whether it is Checked, and those of a number
// display the value it shows.

#include "platform/binding/FormClassInfo.h"
#include "platform/binding/FormResource.h"
#include "platform/controls/TCustomForm.h"

#include <iosfwd>
#include <string>

class TImage;
class TLabel;
class TTimer;
class ZvButton;
class ZvButtonTx;
class ZvCheckBox;
class ZvPanel;
class ZvRadioButton;
class ZvNumLed;

class TGalleryForm : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TGalleryForm)

    explicit TGalleryForm(TComponent* Owner);

    // Where the event lines go; standard output unless set.
    void SetEventStream(std::ostream& Stream) { FEvents = &Stream; }

    // The handlers the form resource binds.
    void FormCreate(TObject* Sender);
    void ButtonClick(TObject* Sender);
    void ButtonEnter(TObject* Sender);
    void ButtonExit(TObject* Sender);
    void CheckBoxClick(TObject* Sender);
    void RadioButtonClick(TObject* Sender);
    void DisplayClick(TObject* Sender);
    void DisplayDblClick(TObject* Sender);
    void tmrClockTimer(TObject* Sender);

    ZvButton* btnPlay = nullptr;
    ZvButton* btnPlayNoHover = nullptr;
    ZvButton* btnPlayDisabled = nullptr;
    ZvButton* btnPlayNoClicks = nullptr;
    ZvButtonTx* btnOk = nullptr;
    ZvButtonTx* btnCancel = nullptr;
    ZvButtonTx* btnDisabled = nullptr;
    ZvButtonTx* btnNoClicks = nullptr;
    TImage* imgBackdrop = nullptr;
    TImage* imgFrame = nullptr;
    ZvNumLed* ledFloat = nullptr;
    ZvNumLed* ledTime = nullptr;
    ZvNumLed* ledDate = nullptr;
    ZvNumLed* ledZeroLeading = nullptr;
    ZvNumLed* ledKeepRatio = nullptr;
    ZvNumLed* ledTransparent = nullptr;
    ZvNumLed* ledTemperature = nullptr;
    ZvCheckBox* chkPlain = nullptr;
    ZvCheckBox* chkAuto = nullptr;
    ZvCheckBox* chkUncheckedOnly = nullptr;
    ZvCheckBox* chkNoClicks = nullptr;
    ZvCheckBox* chkSound = nullptr;
    ZvRadioButton* radLow = nullptr;
    ZvRadioButton* radHigh = nullptr;
    ZvRadioButton* radTxAuto = nullptr;
    ZvPanel* pnlGroup = nullptr;
    ZvRadioButton* radPanelA = nullptr;
    ZvRadioButton* radPanelB = nullptr;
    ZvRadioButton* radPanelTx = nullptr;
    TTimer* tmrClock = nullptr;

    static const FormClassInfo& Published();

private:
    void Event(TObject* Sender, const std::string& What);
    void ShowNow();

    std::ostream* FEvents;

    // Last, so that the fields above are there when it fills them.
    FormResource FResource{*this, Published()};
};
