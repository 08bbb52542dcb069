#pragma once
// A list of pictures of one size, drawn by index. Adding a bitmap adds as many images as fit
// in it, left to right and then top to bottom. Changing the size empties the list.

#include "platform/core/Events.h"
#include "platform/core/TComponent.h"

#include <memory>
#include <vector>

class TBitmap;
class TCanvas;

class TCustomImageList : public TComponent {
public:
    HUSHWAVE_CLASS_NAME(TCustomImageList)

    static constexpr int kMaxImages = 4096;

    explicit TCustomImageList(TComponent* AOwner);
    ~TCustomImageList() override;

    int Width() const { return FWidth; }
    void SetWidth(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    int Count() const { return static_cast<int>(FImages.size()); }

    // Returns the index of the first image added, or -1 when the bitmap holds none. Throws
    // EInvalidOperation past kMaxImages images.
    int Add(TBitmap* Image);
    void Clear();
    // Copies image Index into the bitmap; throws EInvalidOperation for a bad index.
    void GetBitmap(int Index, TBitmap* Image) const;
    // Draws image Index with its top-left corner at (X, Y); nothing for a bad index.
    void Draw(TCanvas* Canvas, int X, int Y, int Index) const;

    TNotifyEvent OnChange;

private:
    void Changed();

    int FWidth = 16;
    int FHeight = 16;
    std::vector<std::unique_ptr<TBitmap>> FImages;
};

class TImageList : public TCustomImageList {
public:
    HUSHWAVE_CLASS_NAME(TImageList)
    using TCustomImageList::TCustomImageList;
};
