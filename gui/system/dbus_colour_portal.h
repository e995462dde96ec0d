#pragma once
// The desktop portal's colour picker (org.freedesktop.portal.Screenshot.PickColor) over the
// session bus. The call answers at once with a request object; the colour comes later in that
// object's Response signal, which is subscribed to before the call so it cannot be missed.

#include "platform/colour_portal.h"

#include <QDBusConnection>
#include <QObject>
#include <QPointer>
#include <chrono>
#include <optional>

class QDBusMessage;
class QDBusPendingCallWatcher;

namespace stylewright {

class DBusColourPortal final : public QObject, public ColourPortal {
    Q_OBJECT
public:
    // How long the portal may take to accept the call (not how long the user may take to pick).
    static constexpr std::chrono::milliseconds kDefaultReplyTimeout{10'000};

    // Without a bus, the session bus, connected at the first pick.
    explicit DBusColourPortal(std::optional<QDBusConnection> bus = std::nullopt, QObject *parent = nullptr);
    ~DBusColourPortal() override;

    void setListener(Listener listener) override { m_listener = std::move(listener); }
    bool start(QWidget *parent) override;
    bool isBusy() const override { return m_busy; }
    void abandon() override;
    void setReplyTimeout(std::chrono::milliseconds timeout) { m_replyTimeout = timeout; }

private slots:
    void onResponse(const QDBusMessage &message);

private:
    void onReply(QDBusPendingCallWatcher *call);
    void follow(const QString &requestPath);
    void stopFollowing();
    void finish();
    void fail(const Failure &why);
    QDBusConnection &bus();

    std::optional<QDBusConnection> m_bus;
    Listener m_listener;
    std::chrono::milliseconds m_replyTimeout = kDefaultReplyTimeout;
    bool m_busy = false;
    quint64 m_pick = 0;    // counts starts, so a late answer is not taken for a newer pick's
    QString m_requestPath; // the request object whose Response is awaited
    QPointer<QDBusPendingCallWatcher> m_call;
};

// The window identifier the portal places its picker above: "x11:<hex id>" on X, else empty.
QString portalParentWindow(const QWidget *window);

// Failures, in the picker's words.
inline const QString kNoPortalText =
    QStringLiteral("此桌面环境不允许直接读取屏幕颜色，也没有提供取色服务（桌面门户），取色工具在这里无法获取颜色。");
inline const QString kPortalSilentText = QStringLiteral("桌面取色服务没有回应，请稍后再试。");
inline const QString kPortalGarbledText = QStringLiteral("桌面取色服务返回了无法识别的颜色，请再试一次。");
inline const QString kPortalEndedText = QStringLiteral("桌面取色服务没有给出颜色，请再试一次。");

} // namespace stylewright
