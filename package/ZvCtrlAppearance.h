#pragma once
// The pictures of a skinned control as a published property: a view of some of the control's
// state bitmaps, holding none of its own.

#include "package/ZvStateBitmaps.h"
#include "platform/core/TPersistent.h"

#include <string>

class ZvCtrlAppearance : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(ZvCtrlAppearance)

    explicit ZvCtrlAppearance(ZvStateBitmaps* Control) : FControl(Control) {}

    TBitmap* GetBitmap(int i) const { return FControl->GetStateBitmap(i); }
    void SetBitmap(TBitmap* Bitmap, int i) { FControl->SetStateBitmap(Bitmap, i); }

    // Reads the named BMP files of a folder into count states from firstState on, a name
    // after the other; an empty name leaves its state alone. Every file is read before any
    // state changes, so a file that cannot be read (the class library's exception) leaves
    // all of them as they were. An empty folder name throws std::out_of_range before any
    // file is read. Returns true whenever it returns.
    bool LoadBitmaps(const std::string& Directory, const std::string* Names, int Count,
                     int FirstState);

private:
    ZvStateBitmaps* FControl;
};
