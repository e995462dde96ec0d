#include "stylewright/network_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QTimer>
#include <functional>
#include <memory>

namespace stylewright {
namespace {

using MakeSource = SheetSource *(*)(const QString &prefix);

// Stands in for a module that could not be loaded: every fetch fails, saying why.
class MissingNetwork final : public SheetSource {
public:
    explicit MissingNetwork(QString why) : m_why(std::move(why)) {}

    void setListener(Listener listener) override { m_listener = std::move(listener); }
    bool start(const QString &) override
    {
        const int fetch = ++*m_fetch;
        QTimer::singleShot(0, [latest = std::weak_ptr<int>(m_fetch), fetch, listener = m_listener, why = m_why] {
            const std::shared_ptr<int> current = latest.lock(); // gone with the source
            if (!current || *current != fetch || !listener.failed)
                return;
            ++*current;
            listener.failed({QStringLiteral("网络模块没有找到"), why});
        });
        return true;
    }
    bool isBusy() const override { return false; }
    void cancel() override { ++*m_fetch; }
    void setTimeout(std::chrono::milliseconds) override {}
    void setSizeLimit(qint64) override {}

private:
    Listener m_listener;
    QString m_why;
    // Counts starts and cancels: a failure queued for an older fetch is not told.
    std::shared_ptr<int> m_fetch = std::make_shared<int>(0);
};

using AskToRaise = int (*)(const QString &server);
using ListenForRaise = QObject *(*)(const QString &server, QObject *parent, const std::function<void()> &raised,
                                    QString *why);

template <typename Function> Function resolveModule(const QStringList &folders, const char *symbol, QString *why)
{
    for (const QString &folder : folders) {
        QLibrary module(QDir(folder).filePath(QStringLiteral("stylewright-network")));
        if (auto function = reinterpret_cast<Function>(module.resolve(symbol)))
            return function; // the module stays loaded for the rest of the run
        *why += module.errorString() + u'\n';
    }
    return nullptr;
}

} // namespace

QStringList networkModuleFolders(const QString &programFolder)
{
    const QDir programDir(programFolder);
    return {programDir.path(), programDir.filePath(QStringLiteral(STYLEWRIGHT_MODULE_DIR))};
}

std::unique_ptr<SheetSource> loadNetworkSheetSource(const QString &prefix)
{
    return loadNetworkSheetSourceFrom(prefix, networkModuleFolders(QCoreApplication::applicationDirPath()));
}

std::unique_ptr<SheetSource> loadNetworkSheetSourceFrom(const QString &prefix, const QStringList &folders)
{
    QString why;
    if (const auto make = resolveModule<MakeSource>(folders, "stylewright_make_sheet_source", &why))
        return std::unique_ptr<SheetSource>(make(prefix));
    return std::make_unique<MissingNetwork>(why.trimmed());
}

std::optional<RaiseAnswer> askEditorToRaise(const QString &server, const QStringList &folders)
{
    QString why;
    if (const auto ask = resolveModule<AskToRaise>(folders, "stylewright_ask_to_raise", &why))
        return RaiseAnswer(ask(server));
    qWarning("stylewright: no network module to reach the editor already running (%s)", qPrintable(why.trimmed()));
    return std::nullopt;
}

QObject *listenForLaterStarts(const QString &server, QObject *parent, const std::function<void()> &raised,
                              const QStringList &folders)
{
    QString why;
    if (const auto listen = resolveModule<ListenForRaise>(folders, "stylewright_listen_for_raise", &why)) {
        if (QObject *listener = listen(server, parent, raised, &why))
            return listener;
    }
    qWarning("stylewright: later starts cannot reach this window (%s)", qPrintable(why.trimmed()));
    return nullptr;
}

} // namespace stylewright
