#include "platform/backend/qt/MessageBoxDialog.h"

#include "platform/dialogs/Dialogs.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace {

using ButtonPair = std::pair<QMessageBox::StandardButton, int>;

// The buttons of each MB_ type in their Windows order, left to right.
std::vector<ButtonPair> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT},
                {QMessageBox::Retry, IDRETRY},
                {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
        return {
            {QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONWARNING:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int ExecMessageBox(const MessageBoxRecord& box, QWidget* parent) {
    QMessageBox dialog(IconOf(box.type), QString::fromUtf8(box.caption),
                       QString::fromUtf8(box.text), QMessageBox::NoButton, parent);
    if (parent == nullptr) {
        // A box without an owner must not open beneath a window that stays on top.
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    std::vector<ButtonPair> buttons = ButtonsOf(box.type);
    std::vector<QPushButton*> pushButtons;
    for (const auto& [standard, id] : buttons) {
        pushButtons.push_back(dialog.addButton(standard));
    }
    size_t preferred = (box.type & MB_DEFMASK) >> 8;
    dialog.setDefaultButton(pushButtons[preferred < pushButtons.size() ? preferred : 0]);
    dialog.exec();
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (dialog.clickedButton() == pushButtons[i]) {
            return buttons[i].second;
        }
    }
    // Closed without a button: Windows answers as the Cancel button would, or OK for a box
    // that has only that one.
    return buttons.size() == 1 ? IDOK : IDCANCEL;
}
