#include "platform/controls/TPicture.h"

#include "platform/graphics/TBitmap.h"

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

TBitmap* TPicture::Bitmap() {
    if (!FBitmap) {
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->OnChange = [this](TObject*) { Changed(); };
    }
    return FBitmap.get();
}

void TPicture::SetBitmap(TBitmap* Value) {
    Bitmap()->Assign(Value);
}

TGraphic* TPicture::Graphic() const {
    return FBitmap.get();
}

int TPicture::Width() const {
    return FBitmap ? FBitmap->Width() : 0;
}

int TPicture::Height() const {
    return FBitmap ? FBitmap->Height() : 0;
}

void TPicture::LoadFromFile(const std::string& FileName) {
    Bitmap()->LoadFromFile(FileName);
}

void TPicture::Assign(TPersistent* Source) {
    if (Source == nullptr) {
        if (FBitmap) {
            FBitmap.reset();
            Changed();
        }
        return;
    }
    if (auto* picture = dynamic_cast<TPicture*>(Source)) {
        if (picture == this) {
            return;
        }
        if (picture->FBitmap) {
            Bitmap()->Assign(picture->FBitmap.get());
        } else {
            Assign(nullptr);
        }
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        Bitmap()->Assign(bitmap);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::Changed() {
    if (OnChange) {
        OnChange(this);
    }
}
