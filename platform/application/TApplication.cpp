#include "platform/application/TApplication.h"

#include "platform/controls/TCustomForm.h"
#include "platform/core/SysUtils.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/ipc/UserMessageEndpoint.h"
#include "platform/ipc/UserMessageSocket.h"
#include "platform/kernel/Process.h"
#include "platform/window/MessageLoop.h"
#include "platform/window/Window.h"
#include "platform/window/WindowCalls.h"

#include <algorithm>

TApplication* Application = nullptr;

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
    Application = this;
    FTitle = ChangeFileExt(ExtractFileName(ExeName()), "");
    WindowStyle style;
    // The application's window hands an activation on to the main form, whose controls hold
    // the focus to give back.
    FHandle = CreateWindowRecord(nullptr, style, [this](HWND, UINT Msg, WPARAM WParam, LPARAM) {
        if (Msg == WM_ACTIVATE && (WParam & 0xFFFF) != WA_INACTIVE && FMainForm != nullptr &&
            FMainForm->HandleAllocated() && IsWindowVisible(FMainForm->Handle())) {
            SetForegroundWindow(FMainForm->Handle());
        }
        return LRESULT{0};
    });
    FindWindow(FHandle)->SetText(FTitle);
}

TApplication::~TApplication() {
    FEndpoint.reset();
    Destroying();
    DestroyComponents();
    DestroyWindowRecord(FHandle);
    if (Application == this) {
        Application = nullptr;
    }
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMainForm) {
        FMainForm = nullptr;
    }
}

void TApplication::Initialize() {
    // Other programs may address the program from now on; what they send waits until the
    // main form exists and the message loop runs.
    if (!FEndpoint) {
        FEndpoint = std::make_unique<UserMessageEndpoint>(UserMessageSocketPath(FTitle), HWND{});
    }
    if (InitProc) {
        InitProc();
    }
}

std::string TApplication::ExeName() const {
    return ApplicationExeName();
}

void TApplication::FormCreated(TCustomForm* Form) {
    Form->AfterConstruction();
    if (FMainForm == nullptr) {
        FMainForm = Form;
        if (FEndpoint) {
            FEndpoint->SetWindow(Form->Handle());
        } else {
            FEndpoint = std::make_unique<UserMessageEndpoint>(UserMessageSocketPath(FTitle),
                                                              Form->Handle());
        }
    }
}

void TApplication::Run() {
    if (FMainForm != nullptr) {
        if (FShowMainForm) {
            ShowWindow(FHandle, SW_SHOWNA);
            FMainForm->Show();
        }
        while (!FTerminated) {
            HandleMessage();
        }
    }
    FEndpoint.reset();
    Destroying();
    DestroyComponents();
    FMainForm = nullptr;
}

void TApplication::Terminate() {
    PostQuitMessage(0);
}

void TApplication::HandleMessage() {
    try {
        if (!MessageLoop::Instance().HandleMessage(true)) {
            FTerminated = true;
        }
    } catch (const Exception& E) {
        HandleException(E);
    }
}

void TApplication::ProcessMessages() {
    try {
        if (!MessageLoop::Instance().ProcessMessages()) {
            FTerminated = true;
        }
    } catch (const Exception& E) {
        HandleException(E);
    }
}

void TApplication::Minimize() {
    FMinimized = true;
    // Minimising the application takes its shown windows down with it; a hidden main form
    // stays hidden rather than coming back minimised.
    if (FMainForm != nullptr && FMainForm->HandleAllocated() &&
        IsWindowVisible(FMainForm->Handle())) {
        ShowWindow(FMainForm->Handle(), SW_MINIMIZE);
    }
    if (OnMinimize) {
        OnMinimize(this);
    }
    std::vector<const TObject*> owners;
    for (const auto& [owner, hook] : FMinimizeHooks) {
        owners.push_back(owner);
    }
    for (const TObject* owner : owners) {
        auto it = std::find_if(FMinimizeHooks.begin(), FMinimizeHooks.end(),
                               [&](const auto& entry) { return entry.first == owner; });
        if (it != FMinimizeHooks.end()) {
            std::function<void()> hook = it->second;
            hook();
        }
    }
}

void TApplication::AddMinimizeHook(const TObject* Owner, std::function<void()> Hook) {
    RemoveMinimizeHook(Owner);
    FMinimizeHooks.emplace_back(Owner, std::move(Hook));
}

void TApplication::RemoveMinimizeHook(const TObject* Owner) {
    std::erase_if(FMinimizeHooks, [&](const auto& entry) { return entry.first == Owner; });
}

void TApplication::Restore() {
    if (!FMinimized) {
        return;
    }
    FMinimized = false;
    if (FMainForm != nullptr && FMainForm->HandleAllocated()) {
        Window* window = FindWindow(FMainForm->Handle());
        window->SetShowState(WindowShowState::Normal);
    }
    if (OnRestore) {
        OnRestore(this);
    }
}

void TApplication::ShowException(const Exception& E) {
    std::string message = E.Message();
    if (!message.empty() && message.back() != '.') {
        message += '.';
    }
    MessageBoxA(HWND{}, message.c_str(), FTitle.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::HandleException(const Exception& E) {
    if (dynamic_cast<const EAbort*>(&E) == nullptr) {
        ShowException(E);
    }
}
