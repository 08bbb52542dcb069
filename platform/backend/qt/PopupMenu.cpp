#include "platform/backend/qt/PopupMenu.h"

#include <QMenu>

int ExecPopupMenu(const std::vector<PopupMenuEntry>& entries, POINT at) {
    QMenu menu;
    std::vector<QAction*> actions;
    for (const PopupMenuEntry& entry : entries) {
        QAction* action = entry.caption == "-" ? menu.addSeparator()
                                               : menu.addAction(QString::fromUtf8(entry.caption));
        action->setEnabled(entry.enabled);
        action->setVisible(entry.visible);
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
        actions.push_back(action);
    }
    QAction* chosen = menu.exec(QPoint(at.x, at.y));
    for (size_t i = 0; i < actions.size(); ++i) {
        if (actions[i] == chosen) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
