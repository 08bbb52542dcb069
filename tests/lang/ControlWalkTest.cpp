#include "lang/ControlExplorer.h"
#include "platform/controls/StdCtrls.h"
#include "platform/controls/TCustomForm.h"
#include "platform/controls/TImage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Builds controls owned by one form, each placed on the parent given.
class Tree {
public:
    template <class T> T* Add(const char* name, TWinControl* parent) {
        auto* control = new T(&m_form);
        control->SetName(name);
        control->SetParent(parent);
        return control;
    }
    TForm m_form{nullptr};
};

std::vector<std::string> Walk(kiln::ControlExplorer& explorer) {
    std::vector<std::string> names;
    for (; explorer.IsValid(); explorer.MoveNext()) {
        names.push_back(explorer.Current()->Name());
    }
    return names;
}

TEST(ControlExplorer, VisitsEachControlBeforeItsChildrenInPreOrder) {
    Tree t;
    t.Add<TImage>("A", &t.m_form);
    auto* b = t.Add<TPanel>("B", &t.m_form);
    t.Add<TImage>("B1", b);
    t.Add<TPanel>("B2", b);
    t.Add<TImage>("C", &t.m_form);
    kiln::ControlExplorer explorer;
    ASSERT_TRUE(explorer.Reset(&t.m_form));
    // Non-windowed children come first in a Controls list: A and C before the panel B.
    EXPECT_EQ(Walk(explorer), (std::vector<std::string>{"A", "C", "B", "B1", "B2"}));
    explorer.MoveNext();
    EXPECT_FALSE(explorer.IsValid()) << "a finished walk stays finished";
}

TEST(ControlExplorer, ClimbsBackAfterTheInnermostLevel) {
    Tree t;
    auto* outer = t.Add<TPanel>("Outer", &t.m_form);
    auto* middle = t.Add<TPanel>("Middle", outer);
    auto* inner = t.Add<TPanel>("Inner", middle);
    t.Add<TEdit>("Deep", inner);
    t.Add<TPanel>("MiddleSibling", outer);
    t.Add<TPanel>("OuterSibling", &t.m_form);
    kiln::ControlExplorer explorer;
    ASSERT_TRUE(explorer.Reset(&t.m_form));
    EXPECT_EQ(Walk(explorer), (std::vector<std::string>{"Outer", "Middle", "Inner", "Deep",
                                                        "MiddleSibling", "OuterSibling"}));
}

TEST(ControlExplorer, EmptyRootFailsAndChildlessRootEndsAtOnce) {
    kiln::ControlExplorer explorer;
    EXPECT_FALSE(explorer.Reset(nullptr));
    TForm lonely(nullptr);
    ASSERT_TRUE(explorer.Reset(&lonely));
    EXPECT_FALSE(explorer.IsValid());
}

TEST(ControlExplorer, SecondResetStartsAFreshWalk) {
    Tree first, second;
    auto* p = first.Add<TPanel>("P", &first.m_form);
    first.Add<TImage>("P1", p);
    second.Add<TImage>("Z", &second.m_form);
    kiln::ControlExplorer explorer;
    explorer.Reset(&first.m_form);
    explorer.MoveNext(); // inside P
    ASSERT_TRUE(explorer.Reset(&second.m_form));
    EXPECT_EQ(Walk(explorer), (std::vector<std::string>{"Z"}));
}

TEST(ControlWalkDeathTest, UseBeforeResetReportsItsPrecondition) {
    kiln::ControlExplorer explorer;
    EXPECT_DEATH(explorer.IsValid(),
                 "Assertion failed: m_findInfo != NULL, file .*ControlExplorer");
    kiln::ControlFinder finder;
    EXPECT_DEATH(finder.MoveNext(), "Assertion failed: m_parent != NULL, file .*ControlFinder");
    TForm form(nullptr);
    finder.Reset(&form);
    EXPECT_DEATH(finder.Current(), "Assertion failed: m_parent != NULL && m_childIndex < "
                                   "m_parent->ControlCount, file .*ControlFinder.cpp, line [0-9]+");
}

} // namespace
