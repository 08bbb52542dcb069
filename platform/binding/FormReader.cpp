#include "platform/binding/FormReader.h"

#include "platform/binding/BindingContext.h"
#include "platform/binding/ClassRegistry.h"
#include "platform/controls/TMenuItem.h"
#include "platform/controls/TPopupMenu.h"
#include "platform/controls/TWinControl.h"
#include "platform/forms/EmbeddedResources.h"
#include "platform/forms/FormLexer.h"
#include "platform/forms/FormParser.h"

#include <vector>

namespace {

class Reader {
public:
    Reader(TComponent& root, const FormClassInfo& info, FormReadMode mode)
        : m_root(root), m_context(root, info), m_mode(mode) {}

    void Read(const FormObject& resource) {
        if (!m_context.Info().Describes(m_root)) {
            BindingContext::Fail(resource.line, "the class information given is not that of a " +
                                                    m_root.ClassName());
        }
        if (!SameComponentName(resource.className, m_root.ClassName())) {
            BindingContext::Fail(resource.line, "the resource is for a " + resource.className +
                                                    ", not a " + m_root.ClassName());
        }
        const PublishedClass* rootClass =
            ClassRegistry::Instance().Find(m_context.Info().PropertyClass());
        if (rootClass == nullptr) {
            BindingContext::Fail(resource.line, "class " + m_context.Info().PropertyClass() +
                                                    " is not registered");
        }
        m_root.SetLoading(true);
        // Components created with the form as owner take its csDesigning as they are made.
        if (m_mode == FormReadMode::Design) {
            m_root.SetDesigning(true);
        }
        if (!resource.name.empty()) {
            BindingContext::AtLine(resource.line, [&] { m_root.SetName(resource.name); });
        }
        SetProperties(m_root, *rootClass, resource);
        for (const FormObject& child : resource.children) {
            ReadChild(m_root, child);
        }
        m_context.ResolveReferences();
        AssignFields();
        for (TComponent* component : m_created) {
            component->Loaded();
        }
        m_root.Loaded();
    }

private:
    void ReadChild(TComponent& parent, const FormObject& resource) {
        const PublishedClass* cls = ClassRegistry::Instance().Find(resource.className);
        if (cls == nullptr) {
            throw EClassNotFound("Line " + std::to_string(resource.line) + ": class " +
                                 resource.className + " not found");
        }
        if (!cls->Creatable()) {
            throw EClassNotFound("Line " + std::to_string(resource.line) + ": class " +
                                 resource.className + " cannot be created from a resource");
        }
        TComponent* component = cls->Create(&m_root);
        component->SetLoading(true);
        m_created.push_back(component);
        m_lines.push_back(resource.line);
        BindingContext::AtLine(resource.line, [&] {
            if (!resource.name.empty()) {
                component->SetName(resource.name);
            }
            Attach(parent, *component, resource);
        });
        SetProperties(*component, *cls, resource);
        for (const FormObject& child : resource.children) {
            ReadChild(*component, child);
        }
    }

    // Puts a control into its parent control and a menu item into its menu.
    void Attach(TComponent& parent, TComponent& component, const FormObject& resource) {
        auto describe = [&] {
            return (resource.name.empty() ? "a " + resource.className : resource.name);
        };
        if (auto* control = dynamic_cast<TControl*>(&component)) {
            auto* holder = dynamic_cast<TWinControl*>(&parent);
            if (holder == nullptr) {
                BindingContext::Fail(resource.line, "a " + parent.ClassName() +
                                                        " cannot hold the control " + describe());
            }
            control->SetParent(holder);
        } else if (auto* item = dynamic_cast<TMenuItem*>(&component)) {
            if (auto* menu = dynamic_cast<TPopupMenu*>(&parent)) {
                menu->Items()->Add(item);
            } else if (auto* outer = dynamic_cast<TMenuItem*>(&parent)) {
                outer->Add(item);
            } else {
                BindingContext::Fail(resource.line,
                                     "the menu item " + describe() + " is not inside a menu");
            }
        } else if (&parent != &m_root) {
            BindingContext::Fail(resource.line, describe() + " must stand directly under the form");
        }
    }

    void SetProperties(TPersistent& object, const PublishedClass& cls, const FormObject& resource) {
        for (const FormProperty& property : resource.properties) {
            SetProperty(object, cls, property);
        }
    }

    // Walks the path through nested objects; at each object the longest name the class
    // publishes wins, so "Items.Strings" is one property while "Font.Height" is two steps.
    void SetProperty(TPersistent& start, const PublishedClass& startClass,
                     const FormProperty& property) {
        TPersistent* object = &start;
        const PublishedClass* cls = &startClass;
        size_t at = 0;
        const std::vector<std::string>& path = property.path;
        while (at < path.size()) {
            const PublishedProperty* found = nullptr;
            size_t end = path.size();
            for (; end > at; --end) {
                found = cls->FindProperty(Join(path, at, end));
                if (found != nullptr) {
                    break;
                }
            }
            if (found == nullptr) {
                throw EPropertyError("Line " + std::to_string(property.line) + ": " + cls->Name() +
                                     " has no property " +
                                     QuoteForMessage(Join(path, at, path.size())));
            }
            if (end == path.size()) {
                if (!found->set) {
                    throw EPropertyError("Line " + std::to_string(property.line) + ": " +
                                         cls->Name() + "." + Join(path, at, end) +
                                         " is an object; set its own properties");
                }
                found->set(*object, property.value, m_context, property.line);
                return;
            }
            if (!found->nested) {
                throw EPropertyError("Line " + std::to_string(property.line) + ": " + cls->Name() +
                                     "." + Join(path, at, end) + " has no properties of its own");
            }
            object = found->nested(*object);
            cls = ClassRegistry::Instance().Find(object->ClassName());
            if (cls == nullptr) {
                throw EPropertyError("Line " + std::to_string(property.line) + ": " +
                                     object->ClassName() + " publishes no properties");
            }
            at = end;
        }
    }

    static std::string Join(const std::vector<std::string>& path, size_t from, size_t to) {
        std::string joined;
        for (size_t i = from; i < to; ++i) {
            joined += (i > from ? "." : "") + path[i];
        }
        return joined;
    }

    void AssignFields() {
        for (size_t i = 0; i < m_created.size(); ++i) {
            TComponent* component = m_created[i];
            const auto* field = m_context.Info().FindField(component->Name());
            if (field != nullptr && !(*field)(m_root, component)) {
                BindingContext::Fail(m_lines[i], "the form's field " + component->Name() +
                                                     " cannot hold a " + component->ClassName());
            }
        }
    }

    TComponent& m_root;
    BindingContext m_context;
    FormReadMode m_mode;
    std::vector<TComponent*> m_created;
    std::vector<int> m_lines;
};

} // namespace

void ReadFormResource(TComponent& Root, const FormClassInfo& Info, const FormObject& Resource,
                      FormReadMode Mode) {
    Reader(Root, Info, Mode).Read(Resource);
}

void ReadFormResource(TComponent& Root, const FormClassInfo& Info, std::string_view Text,
                      FormReadMode Mode) {
    ReadFormResource(Root, Info, ParseFormResource(Text), Mode);
}

bool InitInheritedComponent(TComponent& Instance, const FormClassInfo& Info, FormReadMode Mode) {
    auto resource = FindEmbeddedResource(Instance.ClassName() + ".dfm");
    if (!resource) {
        return false;
    }
    std::string_view text(reinterpret_cast<const char*>(resource->data()), resource->size());
    ReadFormResource(Instance, Info, text, Mode);
    return true;
}
