// The standard controls: where each stands in the class tree, and what the user can do with
// them by mouse and keyboard.

#include "platform/backend/headless/HeadlessInput.h"
#include "platform/backend/headless/HeadlessWindowSystem.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TCustomForm.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/WindowSystem.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

template <class T> bool Is(TComponent* c) {
    return dynamic_cast<T*>(c) != nullptr;
}

TEST(StandardControls, StandInTheClassLibrarysClassTree) {
    TForm form(nullptr);
    struct Row {
        TComponent* control;
        bool edit, customEdit, groupBox, winControl, graphic;
    };
    const Row rows[] = {
        {new TEdit(&form), true, true, false, true, false},
        {new TMemo(&form), false, true, false, true, false},
        {new TRadioGroup(&form), false, false, true, true, false},
        {new TGroupBox(&form), false, false, true, true, false},
        {new TLabel(&form), false, false, false, false, true},
        {new TPanel(&form), false, false, false, true, false},
        {new TFrame(&form), false, false, false, true, false},
        {new TButton(&form), false, false, false, true, false},
        {new TCheckBox(&form), false, false, false, true, false},
        {new TListBox(&form), false, false, false, true, false},
        {new TComboBox(&form), false, false, false, true, false},
    };
    for (const Row& row : rows) {
        std::string name = row.control->ClassName();
        EXPECT_EQ(Is<TEdit>(row.control), row.edit) << name;
        EXPECT_EQ(Is<TCustomEdit>(row.control), row.customEdit) << name;
        EXPECT_EQ(Is<TGroupBox>(row.control) || Is<TCustomGroupBox>(row.control), row.groupBox)
            << name;
        EXPECT_EQ(Is<TWinControl>(row.control), row.winControl) << name;
        EXPECT_EQ(Is<TGraphicControl>(row.control), row.graphic) << name;
    }
    EXPECT_FALSE(Is<TGroupBox>(rows[2].control)) << "a radio group is no TGroupBox";
    EXPECT_TRUE(Is<TCustomForm>(&form));
}

class StandardControlUse : public ::testing::Test {
protected:
    void SetUp() override {
        form->SetBounds(0, 0, 300, 200);
        form->Show();
    }
    void TearDown() override {
        form.reset();
        MessageLoop::Instance().Reset();
        Headless().SetPopupMenuChoice(nullptr);
    }
    template <class T> T* Place(int left, int top, int width, int height) {
        auto* control = new T(form.get());
        control->SetBounds(left, top, width, height);
        control->SetParent(form.get());
        return control;
    }
    static HeadlessWindowSystem& Headless() {
        return dynamic_cast<HeadlessWindowSystem&>(CurrentWindowSystem());
    }

    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    std::unique_ptr<HeadlessPointer> pointer;
};

TEST_F(StandardControlUse, AnEditTakesTheFocusWhenClickedAndTheCharactersTyped) {
    auto* edit = Place<TEdit>(10, 10, 100, 21);
    edit->SetMaxLength(3);
    int changes = 0;
    edit->OnChange = [&](TObject*) { ++changes; };
    HeadlessPointer pointer(form->Handle());
    HeadlessKeyboard keyboard(form->Handle());
    pointer.Click(PointerButton::Left, 20, 20);
    ASSERT_TRUE(edit->Focused());
    keyboard.Type('A', 'a');
    keyboard.Character('\xC3');
    keyboard.Character('\xA9'); // "é" in two bytes
    keyboard.Character('z');    // past MaxLength
    EXPECT_EQ(edit->Text(), "a\xC3\xA9");
    keyboard.Type(VK_BACK, '\b');
    EXPECT_EQ(edit->Text(), "a") << "Backspace takes a whole character";
    EXPECT_EQ(changes, 4);
    edit->SetReadOnly(true);
    keyboard.Type('B', 'b');
    EXPECT_EQ(edit->Text(), "a");
}

TEST_F(StandardControlUse, AMemoIsAnEditOfLines) {
    auto* memo = Place<TMemo>(10, 10, 100, 60);
    memo->SetFocus();
    HeadlessKeyboard keyboard(form->Handle());
    keyboard.Type('A', 'a');
    keyboard.Type(VK_RETURN, '\r');
    keyboard.Type('B', 'b');
    EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"a", "b"}));
    memo->SetLines({"x", "", "y"});
    EXPECT_EQ(memo->Text(), "x\r\n\r\ny");
}

TEST_F(StandardControlUse, CheckBoxesAndButtonsClickByMouseAndSpaceBar) {
    auto* check = Place<TCheckBox>(10, 10, 100, 17);
    auto* button = Place<TButton>(10, 40, 75, 25);
    button->SetModalResult(mrOk);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    HeadlessPointer pointer(form->Handle());
    HeadlessKeyboard keyboard(form->Handle());
    pointer.Click(PointerButton::Left, 15, 15);
    EXPECT_TRUE(check->Checked());
    keyboard.Type(VK_SPACE, ' ');
    EXPECT_FALSE(check->Checked());
    check->SetAllowGrayed(true);
    pointer.Click(PointerButton::Left, 15, 15);
    EXPECT_EQ(check->State(), cbGrayed);

    pointer.Click(PointerButton::Left, 20, 50);
    keyboard.Type(VK_SPACE, ' ');
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form->ModalResult(), mrOk);
}

TEST_F(StandardControlUse, ListsSelectByClickKeysAndTheDropDownMenu) {
    auto* list = Place<TListBox>(10, 10, 100, 80);
    list->SetItems({"one", "two", "three"});
    HeadlessPointer pointer(form->Handle());
    HeadlessKeyboard keyboard(form->Handle());
    pointer.Click(PointerButton::Left, 20, 12 + list->ItemHeight());
    EXPECT_EQ(list->ItemIndex(), 1);
    keyboard.Type(VK_DOWN);
    keyboard.Type(VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 2) << "the last line stays selected";

    auto* combo = Place<TComboBox>(150, 10, 100, 21);
    combo->SetItems({"red", "green"});
    int changes = 0;
    combo->OnChange = [&](TObject*) { ++changes; };
    Headless().SetPopupMenuChoice([](const std::vector<PopupMenuEntry>& entries) {
        return entries.size() == 2 && entries[1].caption == "green" ? 1 : -1;
    });
    pointer.Click(PointerButton::Left, 160, 20);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "green");
    keyboard.Type(VK_UP);
    EXPECT_EQ(combo->Text(), "red");
    EXPECT_EQ(changes, 2);
}

TEST_F(StandardControlUse, ARadioGroupSelectsTheChoiceClicked) {
    auto* group = Place<TRadioGroup>(10, 10, 120, 90);
    group->SetItems({"a", "b", "c"});
    group->SetColumns(1);
    HeadlessPointer pointer(form->Handle());
    pointer.Click(PointerButton::Left, 30, 95);
    EXPECT_EQ(group->ItemIndex(), 2);
    group->SetItemIndex(7);
    EXPECT_EQ(group->ItemIndex(), -1);
}

} // namespace
