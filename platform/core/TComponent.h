#pragma once
// Components own the components created with them as owner and delete them when they go,
// last created first. A component deleted on its own leaves its owner's list first, so
// nothing is deleted twice. Names are unique among the components of one owner, compared
// without regard to letter case, as FindComponent looks them up.

#include "platform/core/Set.h"
#include "platform/core/TPersistent.h"

#include <string>
#include <vector>

enum class TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = Set<TComponentStateItem>;
using enum TComponentStateItem;

enum class TOperation { opInsert, opRemove };
using enum TOperation;

class TComponent : public TPersistent {
public:
    HUSHWAVE_CLASS_NAME(TComponent)

    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const;
    int ComponentIndex() const;

    const std::string& Name() const { return FName; }
    // Throws EComponentError for a name that is not an identifier or is taken by a sibling.
    virtual void SetName(const std::string& NewName);

    long Tag() const { return FTag; }
    void SetTag(long Value) { FTag = Value; }

    TComponentState ComponentState() const { return FComponentState; }
    void SetDesigning(bool Value);
    void SetLoading(bool Value);

    TComponent* FindComponent(const std::string& AName) const;
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    // Deletes every owned component, the last one first.
    void DestroyComponents();
    // Marks this component and the ones it owns as being destroyed.
    void Destroying();

    // Called by the class library after all published properties were read from a resource.
    virtual void Loaded();

protected:
    // Told of components inserted into or removed from this component's owner list, and of
    // components this one asked to hear about going away.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    void SetComponentStateFlag(TComponentStateItem Item, bool Value);

private:
    void ValidateRename(TComponent* AComponent, const std::string& NewName) const;

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::string FName;
    long FTag = 0;
    TComponentState FComponentState;
};

// True when the two names are equal without regard to letter case.
bool SameComponentName(const std::string& A, const std::string& B);
