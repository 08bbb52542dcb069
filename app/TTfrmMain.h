#pragma once
// The program's one window.

#include "platform/controls/TCustomForm.h"

class TTfrmMain : public TForm {
public:
    HUSHWAVE_CLASS_NAME(TTfrmMain)

    explicit TTfrmMain(TComponent* Owner);

    // Window messages WM_USER+0 to WM_USER+7 from other programs.
    void OnUserMessage(TMessage& Message);
    void Dispatch(TMessage& Message) override;
};

extern TTfrmMain* frmMain;
