// A StatusNotifierWatcher of the tests' own, for a private session bus: it takes the watcher's
// name, says a host is there, accepts the items that register and writes what it sees of them
// to the report file, one line each, as it changes:
//   ready
//   item <bus name>
//   tooltip <title>|<text>        (line breaks written as \n)
//   status-notifier-watcher <report file>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <map>

namespace {

constexpr const char* kWatcher = "org.kde.StatusNotifierWatcher";
constexpr const char* kItem = "org.kde.StatusNotifierItem";

class Watcher : public QDBusVirtualObject {
public:
    explicit Watcher(QFile& report) : m_report(&report) {}

    QString introspect(const QString&) const override {
        return "<interface name=\"org.kde.StatusNotifierWatcher\">"
               "<method name=\"RegisterStatusNotifierItem\">"
               "<arg name=\"service\" type=\"s\" direction=\"in\"/></method>"
               "<method name=\"RegisterStatusNotifierHost\">"
               "<arg name=\"service\" type=\"s\" direction=\"in\"/></method>"
               "<property name=\"RegisteredStatusNotifierItems\" type=\"as\" access=\"read\"/>"
               "<property name=\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
               "<property name=\"ProtocolVersion\" type=\"i\" access=\"read\"/>"
               "</interface>";
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.member() == "RegisterStatusNotifierItem") {
            // An item names its bus name or its object path; either way it sits at the sender.
            const QString service = message.service();
            if (m_tooltips.emplace(service, QString()).second) {
                Write("item " + service);
            }
            bus.send(message.createReply());
            return true;
        }
        if (message.member() == "RegisterStatusNotifierHost") {
            bus.send(message.createReply());
            return true;
        }
        if (message.interface() == "org.freedesktop.DBus.Properties" && message.member() == "Get") {
            const QString property = message.arguments().value(1).toString();
            QVariant value;
            if (property == "IsStatusNotifierHostRegistered") {
                value = true;
            } else if (property == "ProtocolVersion") {
                value = 0;
            } else if (property == "RegisteredStatusNotifierItems") {
                QStringList items;
                for (const auto& [service, tooltip] : m_tooltips) {
                    items << service;
                }
                value = items;
            } else {
                return false;
            }
            bus.send(message.createReply(QVariant::fromValue(QDBusVariant(value))));
            return true;
        }
        return false;
    }

    // Asks every item for its tooltip and reports the ones that changed.
    void LookAtItems(const QDBusConnection& bus) {
        for (auto& [service, shown] : m_tooltips) {
            QDBusMessage get = QDBusMessage::createMethodCall(
                service, "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get");
            get << QString(kItem) << QString("ToolTip");
            const QDBusMessage reply = bus.call(get, QDBus::Block, 1000);
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                continue;
            }
            // (icon name, icon pixmaps, title, text)
            const QDBusArgument tooltip =
                reply.arguments().first().value<QDBusVariant>().variant().value<QDBusArgument>();
            QString iconName, title, text;
            tooltip.beginStructure();
            tooltip >> iconName;
            tooltip.beginArray();
            while (!tooltip.atEnd()) {
                tooltip.beginStructure();
                int width = 0, height = 0;
                QByteArray pixels;
                tooltip >> width >> height >> pixels;
                tooltip.endStructure();
            }
            tooltip.endArray();
            tooltip >> title >> text;
            tooltip.endStructure();
            QString line = title + "|" + text;
            line.replace("\n", "\\n");
            if (line != shown) {
                shown = line;
                Write("tooltip " + line);
            }
        }
    }

    void Write(const QString& line) {
        m_report->write((line + "\n").toUtf8());
        m_report->flush();
    }

private:
    QFile* m_report;
    std::map<QString, QString> m_tooltips;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: status-notifier-watcher <report file>\n");
        return 2;
    }
    QFile report(QString::fromLocal8Bit(argv[1]));
    if (!report.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "status-notifier-watcher: cannot write %s\n", argv[1]);
        return 1;
    }
    Watcher watcher(report);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject("/StatusNotifierWatcher", &watcher) ||
        !bus.registerService(kWatcher)) {
        std::fprintf(stderr, "status-notifier-watcher: cannot take the watcher's name\n");
        return 1;
    }
    watcher.Write("ready");
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] { watcher.LookAtItems(bus); });
    look.start(100);
    return application.exec();
}
