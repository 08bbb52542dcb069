#pragma once
// The state of one form resource being read into a form: the form itself, its class's fields
// and handler methods, and the component references that wait until every component of the
// resource exists. Errors name the line of the resource they are about.

#include "platform/core/Exception.h"

#include <functional>
#include <string>
#include <vector>

class TComponent;
class FormClassInfo;

class BindingContext {
public:
    BindingContext(TComponent& root, const FormClassInfo& info) : m_root(root), m_info(info) {}

    TComponent& Root() const { return m_root; }
    const FormClassInfo& Info() const { return m_info; }

    // Resolves a reference to a component of the form by name ("PopupMenu1", or with the
    // form's own name in front, "frmMain.PopupMenu1") once the whole resource is read.
    void AddReference(const std::string& name, int line, std::function<void(TComponent*)> assign);
    void ResolveReferences();

    [[noreturn]] static void Fail(int line, const std::string& problem);
    // Runs a step of the class library and puts the line in front of any exception's message.
    template <class Step> static void AtLine(int line, Step&& step) {
        try {
            step();
        } catch (Exception& e) {
            if (e.Message().rfind("Line ", 0) != 0) {
                e.SetMessage("Line " + std::to_string(line) + ": " + e.Message());
            }
            throw;
        }
    }

private:
    struct PendingReference {
        std::string name;
        int line;
        std::function<void(TComponent*)> assign;
    };

    TComponent& m_root;
    const FormClassInfo& m_info;
    std::vector<PendingReference> m_references;
};
