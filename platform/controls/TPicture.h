#pragma once
// The picture an image shows: empty, or a bitmap. Asking for Bitmap makes an empty one when
// there is none. OnChange fires whenever the picture or its bitmap changes, drawing on the
// bitmap's canvas included.

#include "platform/core/Events.h"
#include "platform/core/TPersistent.h"

#include <memory>
#include <string>

class TBitmap;
class TGraphic;

class TPicture : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(TPicture)

    TPicture();
    ~TPicture() override;

    TBitmap* Bitmap();
    void SetBitmap(TBitmap* Value);
    // Null while the picture is empty.
    TGraphic* Graphic() const;
    int Width() const;
    int Height() const;

    // Reads a BMP file; throws EFOpenError or EInvalidGraphic as the bitmap does.
    void LoadFromFile(const std::string& FileName);
    void Assign(TPersistent* Source) override;

    TNotifyEvent OnChange;

private:
    void Changed();

    std::unique_ptr<TBitmap> FBitmap;
};
