#include "private_bus.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace stylewright::testing {
namespace {

// Anyone on this bus may own any name and talk to anyone: it exists for one test process.
QByteArray configFor(const QByteArray &folder)
{
    return "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
           " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
           "<busconfig>\n  <type>session</type>\n  <listen>unix:dir=" +
           folder +
           "</listen>\n  <auth>EXTERNAL</auth>\n"
           "  <policy context=\"default\">\n    <allow send_destination=\"*\" eavesdrop=\"true\"/>\n"
           "    <allow eavesdrop=\"true\"/>\n    <allow own=\"*\"/>\n  </policy>\n</busconfig>\n";
}

} // namespace

PrivateBus::PrivateBus()
{
    QByteArray folder = QDir::tempPath().toLocal8Bit() + "/stylewright-bus-XXXXXX";
    if (!mkdtemp(folder.data())) {
        m_error = "mkdtemp failed";
        return;
    }
    m_folder = folder;
    const QByteArray config = folder + "/bus.conf";
    QFile file(QString::fromLocal8Bit(config));
    if (!file.open(QIODevice::WriteOnly) || file.write(configFor(folder)) < 0) {
        m_error = "cannot write " + config;
        return;
    }
    file.close();

    int out[2];
    if (pipe(out) != 0) {
        m_error = "pipe failed";
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const QByteArray configArgument = "--config-file=" + config;
    char *argv[] = {const_cast<char *>("dbus-daemon"), const_cast<char *>(configArgument.constData()),
                    const_cast<char *>("--nofork"), const_cast<char *>("--print-address=1"), nullptr};
    const int spawned = posix_spawnp(&m_daemon, "dbus-daemon", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        m_daemon = -1;
        m_error = "dbus-daemon could not be started (Debian package dbus-daemon; scripts/install-deps.sh)";
        return;
    }
    // The daemon prints its address once it listens.
    QByteArray line;
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(out[0]);
    if (line.isEmpty()) {
        m_error = "dbus-daemon printed no address";
        return;
    }
    m_address = line.trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_address);
}

PrivateBus::~PrivateBus()
{
    if (m_daemon > 0) {
        kill(m_daemon, SIGTERM);
        waitpid(m_daemon, nullptr, 0);
    }
    if (!m_folder.isEmpty())
        QDir(QString::fromLocal8Bit(m_folder)).removeRecursively();
}

} // namespace stylewright::testing
