#include "platform/core/TComponent.h"

#include "platform/core/Exception.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsIdentifier(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    auto isStart = [](unsigned char c) { return std::isalpha(c) || c == '_'; };
    if (!isStart(static_cast<unsigned char>(text[0]))) {
        return false;
    }
    return std::all_of(text.begin(), text.end(),
                       [&](unsigned char c) { return isStart(c) || std::isdigit(c); });
}

} // namespace

bool SameComponentName(const std::string& A, const std::string& B) {
    // Names are identifiers, so ASCII letter case is all there is to fold; the C library's
    // tolower would cost a call per character on every lookup by name.
    auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c | 0x20 : c; };
    return A.size() == B.size() &&
           std::equal(A.begin(), A.end(), B.begin(),
                      [&](unsigned char a, unsigned char b) { return fold(a) == fold(b); });
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner != nullptr) {
        AOwner->InsertComponent(this);
    }
}

TComponent::~TComponent() {
    Destroying();
    DestroyComponents();
    if (FOwner != nullptr) {
        FOwner->RemoveComponent(this);
    }
}

TComponent* TComponent::Components(int Index) const {
    if (Index < 0 || Index >= ComponentCount()) {
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    }
    return FComponents[static_cast<size_t>(Index)];
}

int TComponent::ComponentIndex() const {
    if (FOwner == nullptr) {
        return -1;
    }
    auto& list = FOwner->FComponents;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& NewName) const {
    if (NewName.empty()) {
        return;
    }
    TComponent* existing = FindComponent(NewName);
    if (existing != nullptr && existing != AComponent) {
        throw EComponentError("A component named " + NewName + " already exists");
    }
}

void TComponent::SetName(const std::string& NewName) {
    if (NewName == FName) {
        return;
    }
    if (!NewName.empty() && !IsIdentifier(NewName)) {
        throw EComponentError("''" + NewName + "'' is not a valid component name");
    }
    if (FOwner != nullptr) {
        FOwner->ValidateRename(this, NewName);
    }
    FName = NewName;
}

void TComponent::SetComponentStateFlag(TComponentStateItem Item, bool Value) {
    if (Value) {
        FComponentState << Item;
    } else {
        FComponentState >> Item;
    }
}

void TComponent::SetDesigning(bool Value) {
    SetComponentStateFlag(csDesigning, Value);
    for (TComponent* child : FComponents) {
        child->SetDesigning(Value);
    }
}

void TComponent::SetLoading(bool Value) {
    SetComponentStateFlag(csLoading, Value);
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
    if (AName.empty()) {
        return nullptr;
    }
    for (TComponent* child : FComponents) {
        if (SameComponentName(child->FName, AName)) {
            return child;
        }
    }
    return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (AComponent->FOwner != nullptr) {
        AComponent->FOwner->RemoveComponent(AComponent);
    }
    ValidateRename(AComponent, AComponent->FName);
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
    if (FComponentState.Contains(csDesigning)) {
        AComponent->SetDesigning(true);
    }
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (it == FComponents.end()) {
        return;
    }
    Notification(AComponent, opRemove);
    FComponents.erase(std::find(FComponents.begin(), FComponents.end(), AComponent));
    AComponent->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* last = FComponents.back();
        RemoveComponent(last);
        Free(last);
    }
}

void TComponent::Destroying() {
    if (FComponentState.Contains(csDestroying)) {
        return;
    }
    FComponentState << csDestroying;
    for (TComponent* child : FComponents) {
        child->Destroying();
    }
}

void TComponent::Loaded() {
    FComponentState >> csLoading;
}

void TComponent::Notification(TComponent*, TOperation) {}
