#include "platform/dialogs/Dialogs.h"

#include "platform/core/SysUtils.h"
#include "platform/kernel/Process.h"
#include "platform/window/WindowSystem.h"

namespace {
std::vector<MessageBoxRecord>& Recorded() {
    static std::vector<MessageBoxRecord> boxes;
    return boxes;
}
} // namespace

int DefaultButton(UINT type) {
    static const int buttons[][3] = {
        {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
    };
    UINT kind = type & MB_TYPEMASK;
    UINT which = (type & MB_DEFMASK) >> 8;
    if (kind > 5) {
        kind = 0;
    }
    return buttons[kind][which > 2 ? 0 : which];
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    MessageBoxRecord box{owner, text != nullptr ? text : "", caption != nullptr ? caption : "Error",
                         type};
    Recorded().push_back(box);
    return CurrentWindowSystem().ShowMessageBox(box);
}

void ShowMessage(const std::string& text) {
    std::string title = ChangeFileExt(ExtractFileName(ApplicationExeName()), "");
    MessageBoxA(HWND{}, text.c_str(), title.c_str(), MB_OK);
}

std::vector<MessageBoxRecord> TakeRecordedMessageBoxes() {
    std::vector<MessageBoxRecord> boxes;
    boxes.swap(Recorded());
    return boxes;
}
