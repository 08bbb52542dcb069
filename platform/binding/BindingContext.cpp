#include "platform/binding/BindingContext.h"

#include "platform/core/TComponent.h"
#include "platform/forms/FormLexer.h"

void BindingContext::AddReference(const std::string& name, int line,
                                  std::function<void(TComponent*)> assign) {
    m_references.push_back(PendingReference{name, line, std::move(assign)});
}

void BindingContext::ResolveReferences() {
    for (const PendingReference& reference : m_references) {
        std::string name = reference.name;
        size_t dot = name.find('.');
        if (dot != std::string::npos) {
            if (!SameComponentName(name.substr(0, dot), m_root.Name())) {
                Fail(reference.line, "no form named " + QuoteForMessage(name.substr(0, dot)));
            }
            name = name.substr(dot + 1);
        }
        TComponent* component =
            SameComponentName(name, m_root.Name()) ? &m_root : m_root.FindComponent(name);
        if (component == nullptr) {
            Fail(reference.line, "no component named " + QuoteForMessage(name));
        }
        AtLine(reference.line, [&] { reference.assign(component); });
    }
    m_references.clear();
}

void BindingContext::Fail(int line, const std::string& problem) {
    throw EReadError("Line " + std::to_string(line) + ": " + problem);
}
