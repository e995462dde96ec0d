#pragma once
// Where the fetcher window gets a space's style sheet: over the network in the programs, scripted
// in tests. The editor loads the network side on first use, so it starts without that library.

#include "base/result.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>

namespace stylewright {

class SheetSource {
public:
    // Told once per fetch, always after start() has returned; never after cancel().
    struct Listener {
        std::function<void(const QByteArray &sheet)> fetched; // the bytes the server sent (GBK)
        std::function<void(const Failure &why)> failed;       // the message names the reason in a few words
    };

    virtual ~SheetSource() = default;
    virtual void setListener(Listener listener) = 0;
    // Starts fetching the sheet of the space at address; false (and nothing starts) while a fetch
    // is running.
    virtual bool start(const QString &address) = 0;
    virtual bool isBusy() const = 0;
    // Stops the running fetch, if any; nothing is told of it.
    virtual void cancel() = 0;
    // Longest wait for, and largest body of, each response.
    virtual void setTimeout(std::chrono::milliseconds timeout) = 0;
    virtual void setSizeLimit(qint64 bytes) = 0;
};

// Makes the source for a space server (scheme and host, without a trailing slash).
using SheetSourceMaker = std::function<std::unique_ptr<SheetSource>(const QString &prefix)>;

} // namespace stylewright
