// The network module the editor loads when its fetcher window first opens, and for the hand-over
// between starts on one data folder.

#include "network/hand_over.h"
#include "network/sheet_fetcher.h"

#include <functional>

extern "C" Q_DECL_EXPORT stylewright::SheetSource *stylewright_make_sheet_source(const QString &prefix)
{
    return new stylewright::SheetFetcher(prefix);
}

extern "C" Q_DECL_EXPORT int stylewright_ask_to_raise(const QString &server)
{
    return int(stylewright::askToRaise(server));
}

// The listener, a child of parent, calls raised for each later start; null when it cannot listen.
extern "C" Q_DECL_EXPORT QObject *stylewright_listen_for_raise(const QString &server, QObject *parent,
                                                               const std::function<void()> &raised, QString *why)
{
    auto *listener = new stylewright::RaiseServer(server, parent);
    if (!listener->isListening()) {
        *why = listener->errorString();
        delete listener;
        return nullptr;
    }
    QObject::connect(listener, &stylewright::RaiseServer::raiseRequested, parent, raised);
    return listener;
}
