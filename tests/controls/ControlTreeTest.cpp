// The control tree: the Controls order, windows made on demand, parents freeing their
// children, bounds and the resize rules.

#include "RecordingControls.h"
#include "platform/core/Exception.h"
#include "platform/graphics/TFont.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class ControlTree : public ::testing::Test {
protected:
    void TearDown() override {
        form.reset();
        MessageLoop::Instance().Reset();
    }

    template <class T> T* Add(const std::string& name, TWinControl* parent) {
        auto* control = new T(form.get(), log, name);
        control->SetParent(parent);
        return control;
    }
    std::vector<std::string> Names(TWinControl& parent) {
        std::vector<std::string> names;
        for (int i = 0; i < parent.ControlCount(); ++i) {
            names.push_back(parent.Controls(i)->Name());
        }
        return names;
    }

    EventLog log;
    std::unique_ptr<RecordingForm> form = std::make_unique<RecordingForm>(nullptr, log, "form");
};

TEST_F(ControlTree, NonWindowedChildrenComeFirstThenWindowedEachInInsertionOrder) {
    Add<Spot>("I1", form.get());
    Box* b = Add<Box>("B", form.get());
    Add<Spot>("I2", form.get());
    Add<Box>("C", form.get());
    Add<Spot>("I3", form.get());
    EXPECT_EQ(Names(*form), (std::vector<std::string>{"I1", "I2", "I3", "B", "C"}));
    EXPECT_THROW(form->Controls(5), EListError);
    EXPECT_THROW(form->Controls(-1), EListError);

    // Moving a child to another parent takes it out of the first list and puts it last in its
    // group in the second.
    Spot* i2 = dynamic_cast<Spot*>(form->FindComponent("I2"));
    i2->SetParent(b);
    Add<Spot>("J", b);
    EXPECT_EQ(Names(*form), (std::vector<std::string>{"I1", "I3", "B", "C"}));
    EXPECT_EQ(Names(*b), (std::vector<std::string>{"I2", "J"}));
    EXPECT_THROW(form->SetParent(b), EInvalidOperation);
    EXPECT_THROW(b->SetParent(b), EInvalidOperation);
}

TEST_F(ControlTree, WindowsAreMadeOnDemandAndFollowTheTree) {
    Box* outer = Add<Box>("outer", form.get());
    outer->SetBounds(10, 20, 100, 50);
    Box* inner = Add<Box>("inner", outer);
    EXPECT_FALSE(form->HandleAllocated());
    EXPECT_FALSE(inner->HandleAllocated());

    Window* formWindow = FindWindow(form->Handle());
    ASSERT_TRUE(inner->HandleAllocated()) << "windowed children get their windows with it";
    Window* outerWindow = FindWindow(outer->Handle());
    EXPECT_EQ(outerWindow->Parent(), formWindow);
    EXPECT_EQ(FindWindow(inner->Handle())->Parent(), outerWindow);
    EXPECT_EQ(outerWindow->Bounds(), (RECT{10, 20, 110, 70}));
    EXPECT_EQ(FindControl(outer->Handle()), outer);

    outer->SetBounds(5, 6, 7, 8);
    EXPECT_EQ(outerWindow->Bounds(), (RECT{5, 6, 12, 14}));
    outer->Hide();
    EXPECT_FALSE(outerWindow->Visible());

    Box* late = Add<Box>("late", form.get());
    EXPECT_TRUE(late->HandleAllocated()) << "a child inserted later gets its window at once";
    HWND lateWindow = late->Handle();
    late->SetParent(nullptr);
    EXPECT_FALSE(late->HandleAllocated());
    EXPECT_EQ(FindWindow(lateWindow), nullptr);
    EXPECT_THROW(late->Handle(), EInvalidOperation) << "only forms stand alone";
}

TEST_F(ControlTree, AChildAskedForItsWindowBeforeItsParentGetsOneWindow) {
    // As the form reader leaves it: the parent is set before anything makes a window.
    Box* child = Add<Box>("child", form.get());
    HWND handle = child->Handle();
    Window* formWindow = FindWindow(form->Handle());
    ASSERT_EQ(formWindow->Children().size(), 1u);
    EXPECT_EQ(formWindow->Children()[0]->Handle(), handle);
    EXPECT_EQ(FindControl(handle), child);

    // A second record bound to the child would hear WM_DESTROY after the child was freed.
    Free(child);
    EXPECT_TRUE(formWindow->Children().empty());
    form.reset();
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(ControlTree, TheControlFollowsWhatIsDoneToItsWindow) {
    Box* child = Add<Box>("child", form.get());
    child->SetBounds(10, 10, 20, 20);
    form->SetBounds(100, 100, 200, 150);
    int resized = 0;
    form->OnResize = [&](TObject*) { ++resized; };

    // The user drags the window: the window system moves the record.
    FindWindow(form->Handle())->SetBounds(RECT{300, 250, 500, 400});
    EXPECT_EQ(form->BoundsRect(), (RECT{300, 250, 500, 400}));
    EXPECT_EQ(resized, 0);
    form->SetWidth(210);
    EXPECT_EQ(FindWindow(form->Handle())->Bounds(), (RECT{300, 250, 510, 400}))
        << "a size change keeps the place the window was moved to";

    SetWindowPos(child->Handle(), HWND_TOP, 5, 6, 30, 40, SWP_NOZORDER | SWP_HIDEWINDOW);
    EXPECT_EQ(child->BoundsRect(), (RECT{5, 6, 35, 46}));
    EXPECT_FALSE(child->Visible());
    ShowWindow(child->Handle(), SW_SHOWNA);
    EXPECT_TRUE(child->Visible());
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(ControlTree, AParentFreesItsChildrenWhoeverOwnsThem) {
    auto owner = std::make_unique<TComponent>(nullptr);
    Box* panel = Add<Box>("panel", form.get());
    auto* child = new Spot(owner.get(), log, "child");
    child->SetParent(panel);
    bool destroyingSeen = false;
    struct Watch : TControl {
        bool& seen;
        Watch(TComponent* o, bool& s) : TControl(o), seen(s) {}
        ~Watch() override { seen = ComponentState().Contains(csDestroying); }
    };
    (new Watch(form.get(), destroyingSeen))->SetParent(panel);

    Free(panel);
    EXPECT_EQ(owner->ComponentCount(), 0) << "the freed child left its owner's list";
    EXPECT_EQ(form->FindComponent("panel"), nullptr);
    EXPECT_TRUE(destroyingSeen);
}

TEST_F(ControlTree, ChildrenFollowTheirParentsFontAndColourUntilTheyHaveTheirOwn) {
    form->Font()->SetName("Arial");
    form->SetColor(clNavy);
    Box* panel = Add<Box>("panel", form.get());
    Spot* follower = Add<Spot>("follower", panel);
    Spot* own = Add<Spot>("own", panel);
    EXPECT_EQ(follower->Font()->Name(), "Arial") << "taken when it got its parent";
    EXPECT_EQ(follower->Color(), clNavy);

    own->Font()->SetHeight(-20);
    own->SetColor(clRed);
    EXPECT_FALSE(own->ParentFont());
    EXPECT_FALSE(own->ParentColor());
    form->Font()->SetHeight(-13);
    form->SetColor(clTeal);
    EXPECT_EQ(follower->Font()->Height(), -13) << "through the panel, which follows too";
    EXPECT_EQ(follower->Color(), clTeal);
    EXPECT_EQ(own->Font()->Height(), -20);
    EXPECT_EQ(own->Font()->Name(), "Arial");
    EXPECT_EQ(own->Color(), clRed);

    own->SetParentFont(true);
    EXPECT_EQ(own->Font()->Height(), -13);
    EXPECT_TRUE(own->ParentFont());
}

TEST_F(ControlTree, CanResizeMayRefuseAndResizeFollowsOnlySizeChanges) {
    Spot* spot = Add<Spot>("spot", form.get());
    int resized = 0;
    spot->OnResize = [&](TObject*) { ++resized; };
    spot->SetBounds(1, 2, 30, 40);
    spot->SetLeft(5);
    EXPECT_EQ(resized, 1);

    spot->OnCanResize = [](TObject*, int& width, int& height, bool& allow) {
        allow = width <= 100;
        height = 17;
    };
    spot->SetBounds(9, 9, 200, 50);
    EXPECT_EQ(spot->BoundsRect(), (RECT{5, 2, 35, 42})) << "a refusal leaves even the position";
    spot->SetWidth(60);
    EXPECT_EQ(spot->BoundsRect(), (RECT{5, 2, 65, 19})) << "CanResize may change the size";
    EXPECT_EQ(resized, 2);
}

TEST_F(ControlTree, TabOrderSetWhileLoadingIsAppliedWhenTheParentHasLoaded) {
    std::vector<Box*> boxes;
    form->SetLoading(true);
    for (const char* name : {"first", "second", "third"}) {
        Box* box = Add<Box>(name, form.get());
        box->SetLoading(true);
        boxes.push_back(box);
    }
    boxes[0]->SetTabOrder(2);
    boxes[1]->SetTabOrder(0);
    for (Box* box : boxes) {
        box->Loaded();
    }
    form->Loaded();
    EXPECT_EQ(boxes[1]->TabOrder(), 0);
    EXPECT_EQ(boxes[2]->TabOrder(), 1) << "without a value of its own it goes behind";
    EXPECT_EQ(boxes[0]->TabOrder(), 2);

    boxes[0]->SetTabOrder(0);
    boxes[2]->SetTabOrder(99);
    EXPECT_EQ(boxes[0]->TabOrder(), 0);
    EXPECT_EQ(boxes[1]->TabOrder(), 1);
    EXPECT_EQ(boxes[2]->TabOrder(), 2);
}

} // namespace
