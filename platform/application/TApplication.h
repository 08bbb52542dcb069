#pragma once
// The application object: it creates the forms, runs the message loop until terminated and
// reports exceptions that escape event handlers. It has a hidden top-level window of its own,
// which stands for the program on the taskbar while it is shown.

#include "platform/core/Events.h"
#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"
#include "platform/kernel/Handle.h"

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

class TCustomForm;
class UserMessageEndpoint;

class TApplication : public TComponent {
public:
    HUSHWAVE_CLASS_NAME(TApplication)

    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    // Opens the endpoint other programs send window messages to, then runs InitProc.
    void Initialize();

    // Creates a form owned by the application. The reference holds the new object before its
    // constructor runs, so the constructor and the handlers it triggers can use it; it is
    // cleared again if the constructor throws. The first form created is the main form.
    template <class T> void CreateForm(T*& Reference) {
        void* memory = ::operator new(sizeof(T));
        Reference = static_cast<T*>(memory);
        T* form;
        try {
            form = new (memory) T(this);
        } catch (...) {
            Reference = nullptr;
            ::operator delete(memory);
            throw;
        }
        FormCreated(form);
    }

    // Shows the main form and handles messages until the application is terminated; the
    // forms are destroyed when the loop ends.
    void Run();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    void HandleMessage();
    void ProcessMessages();
    void Minimize();
    void Restore();
    void ShowException(const Exception& E);
    void HandleException(const Exception& E);

    TCustomForm* MainForm() const { return FMainForm; }
    HWND Handle() const { return FHandle; }
    std::string ExeName() const;
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    bool ShowMainForm() const { return FShowMainForm; }
    void SetShowMainForm(bool Value) { FShowMainForm = Value; }

    // Hooks that run after OnMinimize whenever the application is minimised, each known by the
    // object it acts for, which removes its hook before it goes. A hook may remove any hook.
    void AddMinimizeHook(const TObject* Owner, std::function<void()> Hook);
    void RemoveMinimizeHook(const TObject* Owner);

    // Called by Initialize when set, as the class library's InitProc.
    std::function<void()> InitProc;
    // After Minimize, and after a Restore that found the application minimised.
    TNotifyEvent OnMinimize, OnRestore;

protected:
    // A freed main form leaves the application without one.
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FormCreated(TCustomForm* Form);

    HWND FHandle;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
    bool FShowMainForm = true;
    bool FMinimized = false;
    std::string FTitle;
    std::unique_ptr<UserMessageEndpoint> FEndpoint;
    std::vector<std::pair<const TObject*, std::function<void()>>> FMinimizeHooks;
};

// The one application object while it exists.
extern TApplication* Application;
