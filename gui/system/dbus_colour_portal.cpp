#include "system/dbus_colour_portal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <optional>

namespace stylewright {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kDesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

enum ResponseCode : uint { kSuccess = 0, kCancelled = 1 };

// The colour in a successful Response's results, or nothing when it is missing or malformed.
std::optional<Rgb> colourIn(const QVariant &resultsArgument)
{
    if (resultsArgument.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto results = resultsArgument.value<QDBusArgument>();
    if (results.currentSignature() != u"a{sv}")
        return std::nullopt;
    QVariantMap values;
    results >> values;
    const QVariant colour = values.value(QStringLiteral("color"));
    if (colour.metaType() != QMetaType::fromType<QDBusArgument>())
        return std::nullopt;
    const auto triple = colour.value<QDBusArgument>();
    if (triple.currentSignature() != u"(ddd)")
        return std::nullopt;
    double parts[3] = {};
    triple.beginStructure();
    triple >> parts[0] >> parts[1] >> parts[2];
    triple.endStructure();
    int channels[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (!std::isfinite(parts[i]) || parts[i] < 0.0 || parts[i] > 1.0)
            return std::nullopt;
        channels[i] = int(std::lround(parts[i] * 255.0));
    }
    return rgb(channels[0], channels[1], channels[2]);
}

// What an error answer to the call means for the user.
Failure callFailure(const QDBusMessage &error)
{
    const QString name = error.errorName();
    const QString reason = name + u": " + error.errorMessage();
    for (const char16_t *absent :
         {u"org.freedesktop.DBus.Error.ServiceUnknown", u"org.freedesktop.DBus.Error.NameHasNoOwner",
          u"org.freedesktop.DBus.Error.UnknownMethod", u"org.freedesktop.DBus.Error.UnknownInterface",
          u"org.freedesktop.DBus.Error.UnknownObject", u"org.freedesktop.DBus.Error.Disconnected"}) {
        if (name == absent)
            return {kNoPortalText, reason};
    }
    if (name == u"org.freedesktop.DBus.Error.NoReply" || name == u"org.freedesktop.DBus.Error.Timeout" ||
        name == u"org.freedesktop.DBus.Error.TimedOut")
        return {kPortalSilentText, reason};
    return {kPortalEndedText, reason};
}

} // namespace

DBusColourPortal::DBusColourPortal(std::optional<QDBusConnection> bus, QObject *parent)
    : QObject(parent), m_bus(std::move(bus))
{
}

DBusColourPortal::~DBusColourPortal()
{
    abandon();
}

bool DBusColourPortal::start(QWidget *parent)
{
    if (m_busy)
        return false;
    m_busy = true;
    const quint64 pick = ++m_pick;
    if (!bus().isConnected()) {
        // Told after start() has returned, as every other outcome is.
        QTimer::singleShot(0, this, [this, pick] {
            if (m_busy && m_pick == pick)
                fail({kNoPortalText, QStringLiteral("no session bus: ") + bus().lastError().message()});
        });
        return true;
    }
    // The portal names the request object after our bus name and this token, so the Response can
    // be subscribed to before the call is made.
    const QString token = QStringLiteral("stylewright") + QString::number(QRandomGenerator::global()->generate64());
    QString sender = bus().baseService().mid(1);
    sender.replace(u'.', u'_');
    follow(kDesktopPath + u"/request/" + sender + u'/' + token);

    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kDesktopPath, kScreenshot, QStringLiteral("PickColor"));
    call << portalParentWindow(parent) << QVariantMap{{QStringLiteral("handle_token"), token}};
    m_call = new QDBusPendingCallWatcher(bus().asyncCall(call, int(m_replyTimeout.count())), this);
    connect(m_call, &QDBusPendingCallWatcher::finished, this, &DBusColourPortal::onReply);
    return true;
}

void DBusColourPortal::abandon()
{
    if (!m_busy)
        return;
    if (bus().isConnected() && !m_requestPath.isEmpty())
        bus().send(QDBusMessage::createMethodCall(kService, m_requestPath, kRequest, QStringLiteral("Close")));
    finish();
}

void DBusColourPortal::onReply(QDBusPendingCallWatcher *call)
{
    call->deleteLater();
    if (call != m_call)
        return; // the pick ended before the portal accepted it
    m_call = nullptr;
    const QDBusMessage reply = call->reply();
    if (reply.type() == QDBusMessage::ErrorMessage) {
        fail(callFailure(reply));
        return;
    }
    if (reply.signature() != u"o") {
        fail({kPortalGarbledText, u"PickColor answered " + reply.signature() + u" instead of an object path"});
        return;
    }
    // Portals older than the handle_token convention choose a path of their own.
    const QString handle = reply.arguments().constFirst().value<QDBusObjectPath>().path();
    if (handle != m_requestPath) {
        stopFollowing();
        follow(handle);
    }
}

void DBusColourPortal::onResponse(const QDBusMessage &message)
{
    if (!m_busy || message.path() != m_requestPath)
        return;
    const QList<QVariant> arguments = message.arguments();
    if (message.signature() != u"ua{sv}" || arguments.size() != 2) {
        fail({kPortalGarbledText, u"Response carried " + message.signature()});
        return;
    }
    const uint code = arguments[0].toUInt();
    if (code == kCancelled) {
        finish();
        if (m_listener.cancelled)
            m_listener.cancelled();
        return;
    }
    if (code != kSuccess) {
        fail({kPortalEndedText, QStringLiteral("Response code %1").arg(code)});
        return;
    }
    const std::optional<Rgb> colour = colourIn(arguments[1]);
    if (!colour) {
        fail({kPortalGarbledText, QStringLiteral("Response without a colour of three numbers from 0 to 1")});
        return;
    }
    finish();
    if (m_listener.picked)
        m_listener.picked(*colour);
}

void DBusColourPortal::follow(const QString &requestPath)
{
    m_requestPath = requestPath;
    // Any signature, so that a malformed answer is seen and reported rather than ignored.
    bus().connect(kService, m_requestPath, kRequest, QStringLiteral("Response"), this, SLOT(onResponse(QDBusMessage)));
}

void DBusColourPortal::stopFollowing()
{
    if (m_requestPath.isEmpty())
        return;
    bus().disconnect(kService, m_requestPath, kRequest, QStringLiteral("Response"), this,
                     SLOT(onResponse(QDBusMessage)));
    m_requestPath.clear();
}

void DBusColourPortal::finish()
{
    stopFollowing();
    if (m_call) {
        m_call->deleteLater();
        m_call = nullptr;
    }
    m_busy = false;
}

QDBusConnection &DBusColourPortal::bus()
{
    if (!m_bus)
        m_bus = QDBusConnection::sessionBus();
    return *m_bus;
}

void DBusColourPortal::fail(const Failure &why)
{
    finish();
    if (m_listener.failed)
        m_listener.failed(why);
}

QString portalParentWindow(const QWidget *window)
{
    if (!window || QGuiApplication::platformName() != u"xcb")
        return {};
    return u"x11:" + QString::number(window->window()->winId(), 16);
}

} // namespace stylewright
