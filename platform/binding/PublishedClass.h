#pragma once
// A class as form resources see it: its name, the class it derives from, how to make one,
// and its published properties. A property either takes a value or names a nested object
// (Font, Picture) whose own class lists what it holds; properties are found through the base
// classes, without regard to case. A name may hold a dot ("Items.Strings"): such a property
// takes the whole path at once.
//
// ClassBuilder<T> adds the properties of T, each of one kind: Integer, Boolean, String,
// Color, Enumeration, SetOf, Object, Reference (a component of the form, resolved when the
// whole resource is read), Event (a handler method of the form), Strings and Custom.

#include "platform/binding/BindingContext.h"
#include "platform/binding/FormClassInfo.h"
#include "platform/binding/ValueConversion.h"
#include "platform/core/Set.h"
#include "platform/core/TComponent.h"
#include "platform/forms/FormLexer.h"
#include "platform/forms/FormTree.h"

#include <any>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

struct PublishedProperty {
    using Setter = std::function<void(TPersistent& object, const FormValue& value,
                                      BindingContext& context, int line)>;
    using Getter = std::function<TPersistent*(TPersistent& object)>;

    Setter set;    // for a property that takes a value
    Getter nested; // for a nested object
};

class PublishedClass {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;

    PublishedClass(std::string name, const PublishedClass* base, Factory create)
        : m_name(std::move(name)), m_base(base), m_create(std::move(create)) {}

    const std::string& Name() const { return m_name; }
    const PublishedClass* Base() const { return m_base; }
    bool Creatable() const { return static_cast<bool>(m_create); }
    TComponent* Create(TComponent* owner) const { return m_create(owner); }

    const PublishedProperty* FindProperty(const std::string& name) const;
    void AddProperty(const std::string& name, PublishedProperty property);

private:
    std::string m_name;
    const PublishedClass* m_base;
    Factory m_create;
    std::map<std::string, PublishedProperty> m_properties; // keyed by upper-case name
};

template <class T> class ClassBuilder {
public:
    explicit ClassBuilder(PublishedClass& published) : m_class(published) {}

    template <class U, class V>
    ClassBuilder& Integer(const std::string& name, void (U::*set)(V),
                          const IdentTable* idents = nullptr) {
        static_assert(std::is_integral_v<V> && std::is_base_of_v<U, T>);
        return Value(name, [set, idents](TPersistent& o, const FormValue& v, BindingContext&,
                                         int line, const std::string& what) {
            int64_t low = static_cast<int64_t>(std::numeric_limits<V>::min());
            int64_t high = std::numeric_limits<V>::max() > uint64_t(INT64_MAX)
                               ? INT64_MAX
                               : static_cast<int64_t>(std::numeric_limits<V>::max());
            V number = static_cast<V>(ToInteger(v, what, line, idents, low, high));
            BindingContext::AtLine(line, [&] { (As<U>(o).*set)(number); });
        });
    }

    template <class U> ClassBuilder& Boolean(const std::string& name, void (U::*set)(bool)) {
        return Value(name, [set](TPersistent& o, const FormValue& v, BindingContext&, int line,
                                 const std::string& what) {
            bool flag = ToBoolean(v, what, line);
            BindingContext::AtLine(line, [&] { (As<U>(o).*set)(flag); });
        });
    }

    template <class U>
    ClassBuilder& String(const std::string& name, void (U::*set)(const std::string&)) {
        return Value(name, [set](TPersistent& o, const FormValue& v, BindingContext&, int line,
                                 const std::string& what) {
            std::string text = ToText(v, what, line);
            BindingContext::AtLine(line, [&] { (As<U>(o).*set)(text); });
        });
    }

    template <class U> ClassBuilder& Color(const std::string& name, void (U::*set)(TColor)) {
        return Value(name, [set](TPersistent& o, const FormValue& v, BindingContext&, int line,
                                 const std::string& what) {
            TColor color = ToColor(v, what, line);
            BindingContext::AtLine(line, [&] { (As<U>(o).*set)(color); });
        });
    }

    // The names in the order of the enumeration's values.
    template <class U, class E>
    ClassBuilder& Enumeration(const std::string& name, void (U::*set)(E),
                              std::vector<std::string> names) {
        return Value(name, [set, names](TPersistent& o, const FormValue& v, BindingContext&,
                                        int line, const std::string& what) {
            E item = static_cast<E>(ToName(v, names, what, line));
            BindingContext::AtLine(line, [&] { (As<U>(o).*set)(item); });
        });
    }

    template <class U, class E>
    ClassBuilder& SetOf(const std::string& name, void (U::*set)(Set<E>),
                        std::vector<std::string> names) {
        return Value(name, [set, names](TPersistent& o, const FormValue& v, BindingContext&,
                                        int line, const std::string& what) {
            Set<E> items;
            for (size_t index : ToNames(v, names, what, line)) {
                items << static_cast<E>(index);
            }
            BindingContext::AtLine(line, [&] { (As<U>(o).*set)(items); });
        });
    }

    template <class U, class O>
    ClassBuilder& Object(const std::string& name, O* (U::*get)() const) {
        PublishedProperty property;
        property.nested = [get](TPersistent& o) -> TPersistent* { return (As<U>(o).*get)(); };
        m_class.AddProperty(name, std::move(property));
        return *this;
    }

    // `expected` names the class the component must be of, for the message when it is not.
    template <class U, class C>
    ClassBuilder& Reference(const std::string& name, void (U::*set)(C*), std::string expected) {
        return Value(name, [set, expected](TPersistent& o, const FormValue& v,
                                           BindingContext& context, int line,
                                           const std::string& what) {
            std::string target = ToIdentifier(v, what, line);
            context.AddReference(target, line, [&o, set, expected, target, line](TComponent* c) {
                auto* typed = dynamic_cast<C*>(c);
                if (typed == nullptr) {
                    BindingContext::Fail(line, QuoteForMessage(target) + " is a " + c->ClassName() +
                                                   ", not a " + expected);
                }
                (As<U>(o).*set)(typed);
            });
        });
    }

    template <class U, class Handler>
    ClassBuilder& Event(const std::string& name, Handler U::*field) {
        return Value(name, [field](TPersistent& o, const FormValue& v, BindingContext& context,
                                   int line, const std::string& what) {
            As<U>(o).*field = BindHandler<Handler>(v, context, line, what);
        });
    }

    template <class U, class Handler>
    ClassBuilder& EventSetter(const std::string& name, void (U::*set)(Handler)) {
        return Value(name, [set](TPersistent& o, const FormValue& v, BindingContext& context,
                                 int line, const std::string& what) {
            Handler handler = BindHandler<Handler>(v, context, line, what);
            BindingContext::AtLine(line, [&] { (As<U>(o).*set)(std::move(handler)); });
        });
    }

    template <class U>
    ClassBuilder& Strings(const std::string& name,
                          void (U::*set)(const std::vector<std::string>&)) {
        return Value(name, [set](TPersistent& o, const FormValue& v, BindingContext&, int line,
                                 const std::string& what) {
            std::vector<std::string> strings = ToStrings(v, what, line);
            BindingContext::AtLine(line, [&] { (As<U>(o).*set)(strings); });
        });
    }

    // A property with its own conversion; `what` names it for messages.
    ClassBuilder&
    Custom(const std::string& name,
           std::function<void(T& object, const FormValue& value, int line, const std::string& what)>
               set) {
        return Value(name, [set](TPersistent& o, const FormValue& v, BindingContext&, int line,
                                 const std::string& what) { set(As<T>(o), v, line, what); });
    }

private:
    using Step = std::function<void(TPersistent&, const FormValue&, BindingContext&, int,
                                    const std::string&)>;

    template <class U> static U& As(TPersistent& o) { return dynamic_cast<U&>(o); }

    template <class Handler>
    static Handler BindHandler(const FormValue& v, BindingContext& context, int line,
                               const std::string& what) {
        std::string method = ToIdentifier(v, what, line);
        const auto* binding = context.Info().FindMethod(method);
        if (binding == nullptr) {
            BindingContext::Fail(line, "the form has no method " + QuoteForMessage(method) +
                                           " for " + what);
        }
        if (binding->type != std::type_index(typeid(Handler))) {
            BindingContext::Fail(line, "the method " + QuoteForMessage(method) +
                                           " does not have the parameters of " + what);
        }
        return std::any_cast<Handler>(binding->bind(context.Root()));
    }

    ClassBuilder& Value(const std::string& name, Step step) {
        std::string what = m_class.Name() + "." + name;
        PublishedProperty property;
        property.set = [step, what](TPersistent& o, const FormValue& v, BindingContext& context,
                                    int line) { step(o, v, context, line, what); };
        m_class.AddProperty(name, std::move(property));
        return *this;
    }

    PublishedClass& m_class;
};
