#pragma once
// Modal message boxes. They go to the window system in use; the headless one records them and
// answers with the default button, so tests read what the user would have seen.

#include "platform/dialogs/MessageBoxRecord.h"

#include <string>
#include <vector>

constexpr UINT MB_OK = 0x00;
constexpr UINT MB_OKCANCEL = 0x01;
constexpr UINT MB_ABORTRETRYIGNORE = 0x02;
constexpr UINT MB_YESNOCANCEL = 0x03;
constexpr UINT MB_YESNO = 0x04;
constexpr UINT MB_RETRYCANCEL = 0x05;
constexpr UINT MB_TYPEMASK = 0x0F;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONSTOP = MB_ICONERROR;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_DEFMASK = 0xF00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
// The class library's message dialog: the text with an OK button, titled by the application.
void ShowMessage(const std::string& text);

// The button a box of this type answers with when the user just presses Enter.
int DefaultButton(UINT type);

// Message boxes shown so far and not yet taken (every window system records them).
std::vector<MessageBoxRecord> TakeRecordedMessageBoxes();
