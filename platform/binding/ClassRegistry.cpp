#include "platform/binding/ClassRegistry.h"

#include "platform/core/Exception.h"
#include "platform/core/SysUtils.h"

ClassRegistry& ClassRegistry::Instance() {
    static ClassRegistry registry;
    static bool registered = (RegisterStandardClasses(registry), true);
    (void)registered;
    return registry;
}

PublishedClass& ClassRegistry::Add(const std::string& name, const std::string& base,
                                   PublishedClass::Factory create) {
    const PublishedClass* baseClass = nullptr;
    if (!base.empty()) {
        baseClass = Find(base);
        if (baseClass == nullptr) {
            throw EClassNotFound("Class " + base + " is not registered");
        }
    }
    auto& slot = m_classes[AnsiUpperCase(name)];
    slot = std::make_unique<PublishedClass>(name, baseClass, std::move(create));
    return *slot;
}

const PublishedClass* ClassRegistry::Find(const std::string& name) const {
    auto it = m_classes.find(AnsiUpperCase(name));
    return it == m_classes.end() ? nullptr : it->second.get();
}
