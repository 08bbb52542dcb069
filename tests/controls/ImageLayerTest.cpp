// The image layer of the in-house library: an image control as a drawing surface.

#include "kiln/Graphics/ImageLayer.h"
#include "kiln/Graphics/NullSaver.h"
#include "platform/controls/TCustomForm.h"
#include "platform/window/MessageLoop.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using Layer = kiln::ImageLayer<kiln::NullSaver<TCanvas*>>;

class ImageLayerTest : public ::testing::Test {
protected:
    void TearDown() override {
        layer.reset();
        form.reset();
        MessageLoop::Instance().Reset();
    }
    uint32_t Pixel(int x, int y) {
        return layer->ImageControl()->Picture()->Bitmap()->PixelRow(y)[x];
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    std::unique_ptr<Layer> layer = std::make_unique<Layer>(form.get(), form.get());
};

TEST_F(ImageLayerTest, StartsEmptyAtTheCornerDisabledAndOpaque) {
    TImage* image = layer->ImageControl();
    EXPECT_EQ(layer->Width(), 0);
    EXPECT_EQ(layer->Height(), 0);
    EXPECT_EQ(image->BoundsRect(), (RECT{0, 0, 0, 0}));
    EXPECT_FALSE(image->Enabled());
    EXPECT_FALSE(layer->Transparent());
    EXPECT_EQ(image->Parent(), form.get());
    EXPECT_EQ(image->Owner(), form.get());
    EXPECT_EQ(image->Picture()->Bitmap()->PixelFormat(), pf24bit);
    EXPECT_EQ(image->Picture()->Bitmap()->TransparentMode(), tmFixed);
}

TEST_F(ImageLayerTest, GrowingClearsWhatItUncoversAndShrinkingNothing) {
    layer->SetBackgroundColor(kiln::Color(255, 0, 0));
    layer->SetSize(10, 8);
    layer->Canvas()->SetPixels(2, 2, clBlack);
    layer->Canvas()->SetPixels(9, 7, clBlack);
    layer->SetSize(20, 12);
    EXPECT_EQ(layer->ImageControl()->Width(), 20);
    EXPECT_EQ(layer->ImageControl()->Height(), 12);
    constexpr uint32_t red = 0xFF0000;
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 20; ++x) {
            bool uncovered = x >= 10 || y >= 8;
            if (uncovered) {
                ASSERT_EQ(Pixel(x, y), red) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(Pixel(9, 7), 0u) << "what was there stays";
    layer->SetSize(5, 5);
    EXPECT_EQ(Pixel(2, 2), 0u) << "shrinking clears nothing";
}

TEST_F(ImageLayerTest, ClearFillsWithTheBackgroundAndLeavesTheBrushAlone) {
    layer->SetSize(4, 3);
    TBrush* brush = layer->Canvas()->Brush();
    brush->SetColor(clLime);
    brush->SetStyle(bsClear);
    layer->SetBackgroundColor(kiln::Color(0, 0, 255));
    layer->Clear();
    EXPECT_EQ(Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(Pixel(3, 2), 0x0000FFu);
    EXPECT_EQ(brush->Style(), bsClear);
    EXPECT_EQ(brush->Color(), clLime);
    EXPECT_EQ(layer->BackgroundColor(), kiln::Color(0, 0, 255));
}

TEST_F(ImageLayerTest, TransparencyGoesToTheImageAndItsBitmap) {
    layer->SetTransparentColor(kiln::Color(1, 2, 3));
    EXPECT_EQ(layer->TransparentColor().Value(), 0xFF030201u);
    layer->SetTransparent(true);
    EXPECT_TRUE(layer->ImageControl()->Transparent());
    layer->Offset(3, 4);
    layer->Offset(1, 1);
    EXPECT_EQ(layer->Left(), 4);
    EXPECT_EQ(layer->Top(), 5);
}

TEST_F(ImageLayerTest, DeletingTheLayerDeletesItsImage) {
    int before = form->ComponentCount();
    layer.reset();
    EXPECT_EQ(form->ComponentCount(), before - 1);
    EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(ImageLayerTest, AnOwnerBeingDestroyedKeepsItsImage) {
    // The owner frees the image itself once it is done; the layer must not free it first.
    form->Destroying();
    layer.reset();
    EXPECT_EQ(form->ComponentCount(), 1);
    form.reset();
}

TEST_F(ImageLayerTest, AnImageFreedFirstIsNotFreedAgain) {
    form.reset();
    layer.reset();
}

} // namespace
