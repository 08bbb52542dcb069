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
    // Whether Draw into the same rectangle of the canvas would write exactly the pixels that
    // are there: this picture, unchanged, drew there last, and nothing touched the canvas's
    // pixels since. Told by the canvas after each drawing through Drawn. A kind of picture
    // that cannot tell answers false.
    virtual bool RepeatsLastDraw(TCanvas*, const TRect&) { return false; }
    virtual void Drawn(TCanvas*, const TRect&) {}
    virtual void Changed();

    bool FTransparent = false;
};
