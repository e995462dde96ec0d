#include "fake_portal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QTimer>

namespace stylewright::testing {

QDBusArgument &operator<<(QDBusArgument &out, const PortalColour &c)
{
    out.beginStructure();
    out << c.red << c.green << c.blue;
    out.endStructure();
    return out;
}
const QDBusArgument &operator>>(const QDBusArgument &in, PortalColour &c)
{
    in.beginStructure();
    in >> c.red >> c.green >> c.blue;
    in.endStructure();
    return in;
}
QDBusArgument &operator<<(QDBusArgument &out, const ShortColour &c)
{
    out.beginStructure();
    out << c.red << c.green;
    out.endStructure();
    return out;
}
const QDBusArgument &operator>>(const QDBusArgument &in, ShortColour &c)
{
    in.beginStructure();
    in >> c.red >> c.green;
    in.endStructure();
    return in;
}

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// The request object of one call: records when the caller closes it.
class Request : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")
public:
    Request(const QString &path, QStringList &closed) : m_path(path), m_closed(closed) {}
public slots:
    void Close() { m_closed.append(m_path); }

private:
    QString m_path;
    QStringList &m_closed;
};

} // namespace

FakePortal::FakePortal(const QString &address)
    : m_bus(QDBusConnection::connectToBus(address, QStringLiteral("fake-portal")))
{
    qDBusRegisterMetaType<PortalColour>();
    qDBusRegisterMetaType<ShortColour>();
    setColour(0, 0, 0);
    m_registered = m_bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this,
                                        QDBusConnection::ExportAllSlots) &&
                   m_bus.registerService(kService);
}

FakePortal::~FakePortal()
{
    m_bus.unregisterService(kService);
    m_bus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
    for (const QString &handle : handles)
        m_bus.unregisterObject(handle);
    qDeleteAll(m_requests);
    QDBusConnection::disconnectFromBus(QStringLiteral("fake-portal"));
}

void FakePortal::setColour(double red, double green, double blue)
{
    m_results = {{QStringLiteral("color"), QVariant::fromValue(PortalColour{red, green, blue})}};
}

QDBusObjectPath FakePortal::PickColor(const QString &parentWindow, const QVariantMap &callOptions)
{
    parentWindows.append(parentWindow);
    options.append(callOptions);
    QString sender = message().service().mid(1);
    sender.replace(u'.', u'_');
    QString handle = u"/org/freedesktop/portal/desktop/request/" + sender + u'/' +
                     callOptions.value(QStringLiteral("handle_token")).toString();
    if (m_answer == PortalAnswer::ColourOnOwnPath)
        handle = QStringLiteral("/org/freedesktop/portal/desktop/request/old/%1").arg(handles.size() + 1);
    handles.append(handle);
    auto *request = new Request(handle, closed);
    m_requests.append(request);
    m_bus.registerObject(handle, request, QDBusConnection::ExportAllSlots);

    setDelayedReply(true);
    const QDBusMessage reply = message().createReply(QVariant::fromValue(QDBusObjectPath(handle)));
    switch (m_answer) {
    case PortalAnswer::NoReply:
        return {};
    case PortalAnswer::NotAPath:
        m_bus.send(message().createReply(QStringLiteral("/not/a/handle")));
        return {};
    case PortalAnswer::ColourBeforeReply:
        respond(handle, 0, m_results);
        m_bus.send(reply);
        return {};
    default:
        break;
    }
    m_bus.send(reply);
    switch (m_answer) {
    case PortalAnswer::ColourOnOwnPath:
        // Such a portal answers once the user has clicked, long after the caller has its handle.
        QTimer::singleShot(200, this, [this, handle] { respond(handle, 0, m_results); });
        break;
    case PortalAnswer::Colour:
    case PortalAnswer::Results:
        respond(handle, 0, m_results);
        break;
    case PortalAnswer::Cancel:
        respond(handle, 1, {});
        break;
    case PortalAnswer::Ended:
        respond(handle, 2, {});
        break;
    case PortalAnswer::WrongSignal: {
        QDBusMessage signal = QDBusMessage::createSignal(handle, kRequest, QStringLiteral("Response"));
        signal << QStringLiteral("junk");
        m_bus.send(signal);
        break;
    }
    default:
        break;
    }
    return {};
}

void FakePortal::respondLate(uint code)
{
    if (!handles.isEmpty())
        respond(handles.last(), code, m_results);
}

void FakePortal::respond(const QString &handle, uint code, const QVariantMap &results)
{
    QDBusMessage signal = QDBusMessage::createSignal(handle, kRequest, QStringLiteral("Response"));
    signal << code << results;
    m_bus.send(signal);
}

} // namespace stylewright::testing

#include "fake_portal.moc"
