#include "tests/gui/ReferenceTooltip.h"

#include "tests/backend-qt/XProbe.h"
#include "tests/gui/Eventually.h"
#include "tests/gui/Pictures.h"

#include <QApplication>
#include <QPoint>
#include <QString>
#include <QToolTip>

Surface ReferenceTooltip(const std::string& text) {
    int argc = 1;
    char name[] = "gui_tests";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    XProbe x;
    QToolTip::showText(QPoint(200, 500), QString::fromUtf8(text));
    // The tooltip is painted once it is mapped; it is taken when two looks agree.
    Surface previous;
    Surface shown;
    Eventually(
        [&] {
            QApplication::processEvents();
            RECT popup = x.PopupRect();
            if (popup.right <= popup.left) {
                return false;
            }
            previous = shown;
            shown = PartOf(Screenshot(), popup);
            return shown == previous;
        },
        5000);
    QToolTip::hideText();
    Eventually(
        [&] {
            QApplication::processEvents();
            return !x.PopupShown();
        },
        5000);
    return shown == previous ? shown : Surface();
}
