#include "platform/controls/TCustomImageList.h"

#include "platform/core/Exception.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <algorithm>

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::SetWidth(int Value) {
    if (Value != FWidth) {
        FWidth = std::max(Value, 1);
        Clear();
    }
}

void TCustomImageList::SetHeight(int Value) {
    if (Value != FHeight) {
        FHeight = std::max(Value, 1);
        Clear();
    }
}

int TCustomImageList::Add(TBitmap* Image) {
    if (Image == nullptr) {
        return -1;
    }
    long long across = Image->Width() / FWidth;
    long long down = Image->Height() / FHeight;
    if (across * down == 0) {
        return -1;
    }
    if (Count() + across * down > kMaxImages) {
        throw EInvalidOperation("An image list holds at most " + std::to_string(kMaxImages) +
                                " images");
    }
    int first = Count();
    for (int row = 0; row < down; ++row) {
        for (int column = 0; column < across; ++column) {
            auto image = std::make_unique<TBitmap>();
            image->SetSize(FWidth, FHeight);
            for (int y = 0; y < FHeight; ++y) {
                const uint32_t* source = Image->PixelRow(row * FHeight + y) + column * FWidth;
                std::copy(source, source + FWidth, image->PixelRow(y));
            }
            FImages.push_back(std::move(image));
        }
    }
    Changed();
    return first;
}

void TCustomImageList::Clear() {
    if (!FImages.empty()) {
        FImages.clear();
        Changed();
    }
}

void TCustomImageList::GetBitmap(int Index, TBitmap* Image) const {
    if (Index < 0 || Index >= Count()) {
        throw EInvalidOperation("Invalid image list index " + std::to_string(Index));
    }
    Image->Assign(FImages[static_cast<size_t>(Index)].get());
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index) const {
    if (Canvas != nullptr && Index >= 0 && Index < Count()) {
        Canvas->Draw(X, Y, FImages[static_cast<size_t>(Index)].get());
    }
}

void TCustomImageList::Changed() {
    if (OnChange) {
        OnChange(this);
    }
}
