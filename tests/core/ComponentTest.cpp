#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the order in which components go away.
class Tracked : public TComponent {
public:
    Tracked(TComponent* owner, const char* name, std::vector<std::string>& log)
        : TComponent(owner), m_log(log) {
        SetName(name);
    }
    ~Tracked() override { m_log.push_back(Name()); }

private:
    std::vector<std::string>& m_log;
};

class Copyable : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(Copyable)
    int value = 0;
    void Assign(TPersistent* Source) override {
        if (auto* other = dynamic_cast<Copyable*>(Source)) {
            value = other->value;
            return;
        }
        TPersistent::Assign(Source);
    }
};

TEST(Component, OwnerDeletesItsComponentsLastFirst) {
    std::vector<std::string> gone;
    {
        TComponent owner(nullptr);
        new Tracked(&owner, "first", gone);
        auto* second = new Tracked(&owner, "second", gone);
        new Tracked(second, "grandchild", gone);
        new Tracked(&owner, "third", gone);
        ASSERT_EQ(owner.ComponentCount(), 3);
    }
    EXPECT_EQ(gone, (std::vector<std::string>{"third", "second", "grandchild", "first"}));
}

TEST(Component, DeletedComponentLeavesItsOwner) {
    std::vector<std::string> gone;
    TComponent owner(nullptr);
    auto* child = new Tracked(&owner, "child", gone);
    delete child;
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(owner.FindComponent("child"), nullptr);
}

TEST(Component, FindsByNameWithoutLetterCase) {
    TComponent owner(nullptr);
    auto* image = new TComponent(&owner);
    image->SetName("imgCPU1");
    EXPECT_EQ(owner.FindComponent("IMGCPU1"), image);
    EXPECT_EQ(owner.FindComponent("imgCPU"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, RefusesDuplicateAndInvalidNames) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Timer1");
    auto* b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("timer1"), EComponentError);
    EXPECT_THROW(b->SetName("1Timer"), EComponentError);
    EXPECT_NO_THROW(a->SetName("TIMER1"));
}

TEST(Component, DesigningStateReachesOwnedComponents) {
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(child->ComponentState().Contains(csDesigning));
    auto* later = new TComponent(&owner);
    EXPECT_TRUE(later->ComponentState().Contains(csDesigning));
}

TEST(Persistent, AssignCopiesKnownClassesAndRefusesOthers) {
    Copyable a, b;
    a.value = 7;
    b.Assign(&a);
    EXPECT_EQ(b.value, 7);
    TComponent other(nullptr);
    try {
        b.Assign(&other);
        FAIL() << "assigning a component to a Copyable must throw";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a Copyable");
    }
}

} // namespace
