#pragma once
// The platform's panel, which a skin designer can hide on the design surface to reach what
// lies under it. At run time DesignTimeVisible changes nothing and stays true, so the panel
// always shows as the program runs.

#include "platform/controls/TCustomPanel.h"

class ZvPanel : public TPanel {
public:
    HUSHWAVE_CLASS_NAME(ZvPanel)

    explicit ZvPanel(TComponent* AOwner) : TPanel(AOwner) {}

    bool GetDesignTimeVisible() const { return FDesignTimeVisible; }
    // At design time, false gives the panel's window an empty region, so that it neither
    // shows nor takes the mouse and the controls under it can be reached; true takes the
    // region away again. Outside design time, or with the value it has, it does nothing.
    void SetDesignTimeVisible(bool Value);

    // Puts ZvPanel on the "ZvComponents" page of the palette.
    static void Register();

protected:
    // A new window has no region: a hidden panel placed in a parent (again) hides it too.
    void HandleCreated() override;

private:
    void HideWindow();

    bool FDesignTimeVisible = true;
};

// Makes ZvPanel known to form resources with the panel's properties and DesignTimeVisible.
void PublishZvPanel();
