#pragma once
// The state bitmaps of a skinned control, as its appearance sets reach them: they read and
// write a control's pictures through these two operations only.

class TBitmap;

class ZvStateBitmaps {
public:
    // State i's bitmap: the live object, owned by the control.
    virtual TBitmap* GetStateBitmap(int i) = 0;
    // State i becomes a copy of the bitmap (empty when none is given).
    virtual void SetStateBitmap(TBitmap* Bitmap, int i) = 0;

protected:
    ~ZvStateBitmaps() = default;
};
