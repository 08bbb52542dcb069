#pragma once
// What a form class tells the form resource reader about itself: the class whose published
// properties its own object in the resource sets (TForm, for a form derived from it), the
// fields that receive the components of the resource by name, and the handler methods that
// events are bound to by name.
//
//   const FormClassInfo& TMyForm::Published() {
//       static const FormClassInfo info = FormClassInfo::Of<TMyForm>("TForm")
//           .Field("Timer1", &TMyForm::Timer1)
//           .Method("Timer1Timer", &TMyForm::Timer1Timer);
//       return info;
//   }

#include "platform/core/SysUtils.h"
#include "platform/core/TComponent.h"

#include <any>
#include <functional>
#include <map>
#include <string>
#include <typeindex>
#include <utility>

class FormClassInfo {
public:
    struct MethodBinding {
        std::type_index type; // the std::function type a handler of this method fits
        std::function<std::any(TComponent& form)> bind;
    };
    using FieldAssign = std::function<bool(TComponent& form, TComponent* component)>;

    template <class F> static FormClassInfo Of(std::string propertyClass) {
        FormClassInfo info;
        info.m_propertyClass = std::move(propertyClass);
        info.m_describes = [](const TComponent& form) {
            return dynamic_cast<const F*>(&form) != nullptr;
        };
        return info;
    }

    // Whether the form is of the class this information is about.
    bool Describes(const TComponent& form) const { return m_describes(form); }

    // Receives the component of that name; the component must be a C (or derived from it).
    template <class F, class C> FormClassInfo& Field(const std::string& name, C* F::*field) {
        m_fields[Key(name)] = [field](TComponent& form, TComponent* component) {
            auto* typed = dynamic_cast<C*>(component);
            if (typed == nullptr) {
                return false;
            }
            dynamic_cast<F&>(form).*field = typed;
            return true;
        };
        return *this;
    }

    template <class F, class... Args>
    FormClassInfo& Method(const std::string& name, void (F::*method)(Args...)) {
        using Handler = std::function<void(Args...)>;
        m_methods.insert_or_assign(
            Key(name), MethodBinding{std::type_index(typeid(Handler)), [method](TComponent& form) {
                                         auto* typed = &dynamic_cast<F&>(form);
                                         return std::any(Handler([typed, method](Args... args) {
                                             (typed->*method)(std::forward<Args>(args)...);
                                         }));
                                     }});
        return *this;
    }

    const std::string& PropertyClass() const { return m_propertyClass; }
    const FieldAssign* FindField(const std::string& name) const {
        auto it = m_fields.find(Key(name));
        return it == m_fields.end() ? nullptr : &it->second;
    }
    const MethodBinding* FindMethod(const std::string& name) const {
        auto it = m_methods.find(Key(name));
        return it == m_methods.end() ? nullptr : &it->second;
    }

private:
    // Names are matched without regard to case, as the class library matches them.
    static std::string Key(const std::string& name) { return AnsiUpperCase(name); }

    std::string m_propertyClass;
    std::function<bool(const TComponent&)> m_describes;
    std::map<std::string, FieldAssign> m_fields;
    std::map<std::string, MethodBinding> m_methods;
};
