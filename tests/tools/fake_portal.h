#pragma once
// A desktop portal that offers only the colour picker, on a bus connection of its own, answering
// as the test scripts it: a colour, a cancel, silence or garbage.

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace stylewright::testing {

// How the portal answers the next PickColor.
enum class PortalAnswer {
    Colour,            // the handle, then a Response with `colour`
    ColourBeforeReply, // the Response first, then the handle: what a fast portal may do
    ColourOnOwnPath,   // an older portal: a handle of its own choosing
    Cancel,            // Response 1
    Ended,             // Response 2
    Results,           // the handle, then a Response 0 with `results` as they are
    AcceptOnly,        // the handle and nothing more, as while the user is still choosing
    NoReply,           // not even the handle
    NotAPath,          // a string where the handle belongs
    WrongSignal,       // a Response that carries a single string
};

class FakePortal : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    // Registers the portal under its well-known name on a new connection to address.
    explicit FakePortal(const QString &address);
    ~FakePortal() override;

    bool isRegistered() const { return m_registered; }
    void setAnswer(PortalAnswer answer) { m_answer = answer; }
    void setColour(double red, double green, double blue);
    void setResults(const QVariantMap &results) { m_results = results; }
    // Sends Response on the last handle, as a portal might after the caller stopped waiting.
    void respondLate(uint code);

    QStringList parentWindows;  // of every PickColor, in order
    QList<QVariantMap> options; // of every PickColor, in order
    QStringList handles;        // the handle each call used
    QStringList closed;         // request paths the caller closed

public slots:
    QDBusObjectPath PickColor(const QString &parentWindow, const QVariantMap &options);

private:
    void respond(const QString &handle, uint code, const QVariantMap &results);

    QDBusConnection m_bus;
    bool m_registered = false;
    PortalAnswer m_answer = PortalAnswer::Colour;
    QVariantMap m_results;
    QList<QObject *> m_requests;
};

// The colour value a portal sends: (ddd), each from 0 to 1.
struct PortalColour {
    double red = 0, green = 0, blue = 0;
};
// Two numbers where three belong.
struct ShortColour {
    double red = 0, green = 0;
};

} // namespace stylewright::testing

Q_DECLARE_METATYPE(stylewright::testing::PortalColour)
Q_DECLARE_METATYPE(stylewright::testing::ShortColour)
