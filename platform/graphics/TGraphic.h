#pragma once
// The class library's picture base: a size, a transparency flag, file and stream input and
// output, and an OnChange event raised whenever the picture or one of its settings changes.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"
#include "platform/graphics/TRect.h"

#include <istream>
#include <ostream>
#include <string>

class TCanvas;

class TGraphic : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(TGraphic)

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual bool Empty() const { return Width() == 0 || Height() == 0; }

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    // Paths may use '\' separators. Failing to open or create the file throws EFOpenError or
    // EFCreateError; content that is not a picture of this kind throws EInvalidGraphic.
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);
    virtual void LoadFromStream(std::istream& Stream) = 0;
    virtual void SaveToStream(std::ostream& Stream) = 0;

    TNotifyEvent OnChange;

protected:
    friend class TCanvas;
    // Draws the picture scaled to the rectangle of the canvas.
    virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
    virtual void Changed();

    bool FTransparent = false;
};
