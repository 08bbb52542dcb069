#pragma once
// A component that refers to other components of its form (a tray icon to its menu and image
// list) implements this; the form tells it of every component that leaves the form, so that
// no reference outlives the component it names.

class TComponent;

class ComponentReferences {
public:
    virtual void ComponentRemoved(TComponent* AComponent) = 0;

protected:
    ~ComponentReferences() = default;
};
