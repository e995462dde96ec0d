#pragma once
// A session bus of the test's own: a dbus-daemon on a socket in a temporary folder, started before
// anything in the process touches D-Bus, with DBUS_SESSION_BUS_ADDRESS pointing at it.

#include <QByteArray>
#include <sys/types.h>

namespace stylewright::testing {

class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    // Empty when the daemon could not be started; error() says why.
    QByteArray address() const { return m_address; }
    QByteArray error() const { return m_error; }

private:
    QByteArray m_folder;
    QByteArray m_address;
    QByteArray m_error;
    pid_t m_daemon = -1;
};

} // namespace stylewright::testing
