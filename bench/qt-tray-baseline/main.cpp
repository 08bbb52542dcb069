// The yardstick for the program's idle cost: the least a Qt 6 Widgets program with a shaped,
// frameless, always-on-top 385 x 215 window and a tray icon does, with nothing moving. With
// --timer it also runs a precise 10 ms QTimer that does nothing: what Qt's own dispatcher costs
// for the wake-ups of a 10 ms timer.

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

class Face : public QWidget {
public:
    Face() : m_face(385, 215, QImage::Format_RGB32) {
        setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
        setFixedSize(385, 215);
        m_face.fill(QColor(20, 24, 28));
        setMask(QRegion(10, 10, 365, 195, QRegion::Ellipse));
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_face); }

private:
    QImage m_face;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Face face;
    face.show();
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(QColor(0, 255, 0));
    QSystemTrayIcon tray(QIcon(QPixmap::fromImage(icon)));
    tray.setToolTip("CPU Frequency : 2200 MHz\nVoltage : 1.4000 v");
    tray.show();
    QTimer timer;
    if (argc > 1 && std::strcmp(argv[1], "--timer") == 0) {
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [] {});
        timer.start(10);
    }
    return application.exec();
}
