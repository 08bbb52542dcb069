#pragma once
// The classes form resources may name, with their published properties. The platform's own
// classes are registered when the registry is first used; a program adds its own with
// Register, each after the class it derives from.

#include "platform/binding/PublishedClass.h"

#include <map>
#include <memory>
#include <string>
#include <type_traits>

class ClassRegistry {
public:
    static ClassRegistry& Instance();

    // A class that resources may create when it is a component with an (owner) constructor;
    // `base` must be registered already, or empty for a root.
    template <class T>
    ClassBuilder<T> Register(const std::string& name, const std::string& base = "") {
        PublishedClass::Factory create;
        if constexpr (std::is_constructible_v<T, TComponent*> && !std::is_abstract_v<T>) {
            create = [](TComponent* owner) -> TComponent* { return new T(owner); };
        }
        return ClassBuilder<T>(Add(name, base, std::move(create)));
    }

    // A class whose properties its descendants inherit but which no resource creates.
    template <class T>
    ClassBuilder<T> RegisterBase(const std::string& name, const std::string& base = "") {
        return ClassBuilder<T>(Add(name, base, nullptr));
    }

    // Looks the name up without regard to case; null when it is not registered.
    const PublishedClass* Find(const std::string& name) const;

private:
    ClassRegistry() = default;
    PublishedClass& Add(const std::string& name, const std::string& base,
                        PublishedClass::Factory create);

    std::map<std::string, std::unique_ptr<PublishedClass>> m_classes; // keyed by upper case
};

// The platform's classes; called once by ClassRegistry::Instance.
void RegisterStandardClasses(ClassRegistry& registry);
