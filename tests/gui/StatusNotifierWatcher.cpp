// A StatusNotifierWatcher of the tests' own, for a private session bus: it takes the watcher's
// name, says a host is there, accepts the items that register and writes what it sees of them
// to the report file, one line each, as it changes:
//   ready
//   item <bus name>
//   tooltip <title>|<text>        (line breaks written as \n)
//   menu <label>|<label>|...      (the item's exported menu, its top-level entries in order)
// and carries out the commands written to the report file's name with ".commands" appended,
// one a line, as a host would on the user's behalf:
//   activate                      (the host's primary click on the item)
//   click <label>                 (the menu entry with that label chosen)
//   status-notifier-watcher <report file>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <map>
#include <vector>

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

    // Reads every item's menu and reports the ones that changed.
    void LookAtMenus(const QDBusConnection& bus) {
        for (const auto& [service, tooltip] : m_tooltips) {
            std::vector<std::pair<int, QString>> entries = MenuOf(bus, service);
            QStringList labels;
            for (const auto& entry : entries) {
                labels << entry.second;
            }
            const QString line = labels.join("|");
            if (!entries.empty() && m_menus[service] != line) {
                m_menus[service] = line;
                Write("menu " + line);
            }
        }
    }

    // Carries out a command on every item.
    void Carry(const QDBusConnection& bus, const QString& command) {
        for (const auto& [service, tooltip] : m_tooltips) {
            if (command == "activate") {
                QDBusMessage activate = QDBusMessage::createMethodCall(
                    service, "/StatusNotifierItem", kItem, "Activate");
                activate << 0 << 0;
                bus.call(activate, QDBus::Block, 1000);
            } else if (command.startsWith("click ")) {
                for (const auto& [id, label] : MenuOf(bus, service)) {
                    if (label != command.mid(6)) {
                        continue;
                    }
                    QDBusMessage event = QDBusMessage::createMethodCall(
                        service, MenuPath(bus, service), "com.canonical.dbusmenu", "Event");
                    event << id << QString("clicked") << QVariant::fromValue(QDBusVariant(0)) << 0u;
                    bus.call(event, QDBus::Block, 1000);
                }
            }
        }
    }

    void Write(const QString& line) {
        m_report->write((line + "\n").toUtf8());
        m_report->flush();
    }

private:
    static QString MenuPath(const QDBusConnection& bus, const QString& service) {
        QDBusMessage get = QDBusMessage::createMethodCall(service, "/StatusNotifierItem",
                                                          "org.freedesktop.DBus.Properties", "Get");
        get << QString(kItem) << QString("Menu");
        const QDBusMessage reply = bus.call(get, QDBus::Block, 1000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return QString();
        }
        return reply.arguments()
            .first()
            .value<QDBusVariant>()
            .variant()
            .value<QDBusObjectPath>()
            .path();
    }

    // The top-level entries of the item's menu (com.canonical.dbusmenu): id and label, in order.
    static std::vector<std::pair<int, QString>> MenuOf(const QDBusConnection& bus,
                                                       const QString& service) {
        std::vector<std::pair<int, QString>> entries;
        const QString path = MenuPath(bus, service);
        if (path.isEmpty() || path == "/NO_DBUSMENU") {
            return entries;
        }
        QDBusMessage layout =
            QDBusMessage::createMethodCall(service, path, "com.canonical.dbusmenu", "GetLayout");
        layout << 0 << 1 << QStringList{};
        const QDBusMessage reply = bus.call(layout, QDBus::Block, 1000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() < 2) {
            return entries;
        }
        // (revision, (id, properties, [variant (id, properties, children)]))
        const QDBusArgument root = reply.arguments().at(1).value<QDBusArgument>();
        int rootId = 0;
        QVariantMap rootProperties;
        root.beginStructure();
        root >> rootId >> rootProperties;
        root.beginArray();
        while (!root.atEnd()) {
            QDBusVariant child;
            root >> child;
            const QDBusArgument item = child.variant().value<QDBusArgument>();
            int id = 0;
            QVariantMap properties;
            item.beginStructure();
            item >> id >> properties;
            item.endStructure();
            if (properties.value("type").toString() != "separator" &&
                properties.value("visible", true).toBool()) {
                entries.emplace_back(id, properties.value("label").toString());
            }
        }
        root.endArray();
        root.endStructure();
        return entries;
    }

    QFile* m_report;
    std::map<QString, QString> m_tooltips;
    std::map<QString, QString> m_menus;
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
    QFile commands(QString::fromLocal8Bit(argv[1]) + ".commands");
    qint64 carried = 0;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        watcher.LookAtItems(bus);
        watcher.LookAtMenus(bus);
        if (commands.open(QIODevice::ReadOnly)) {
            commands.seek(carried);
            const QByteArray unread = commands.readAll();
            const qsizetype end = unread.lastIndexOf('\n');
            if (end >= 0) {
                carried += end + 1;
                for (const QByteArray& line : unread.left(end).split('\n')) {
                    watcher.Carry(bus, QString::fromUtf8(line).trimmed());
                }
            }
            commands.close();
        }
    });
    look.start(100);
    return application.exec();
}
