#include "platform/binding/PublishedClass.h"

#include "platform/core/SysUtils.h"

const PublishedProperty* PublishedClass::FindProperty(const std::string& name) const {
    std::string key = AnsiUpperCase(name);
    for (const PublishedClass* c = this; c != nullptr; c = c->m_base) {
        auto it = c->m_properties.find(key);
        if (it != c->m_properties.end()) {
            return &it->second;
        }
    }
    return nullptr;
}

void PublishedClass::AddProperty(const std::string& name, PublishedProperty property) {
    m_properties.insert_or_assign(AnsiUpperCase(name), std::move(property));
}
