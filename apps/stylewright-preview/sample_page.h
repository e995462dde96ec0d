#pragma once
// The sample space page in a web engine page. It loads from the program's resources, runs no
// script of its own, never leaves for another address, and takes a sheet only as the text of
// its style element, so no option text can add markup or run anything.

#include <QString>
#include <QUrl>
#include <QVariant>
#include <QWebEnginePage>
#include <functional>
#include <memory>
#include <optional>

namespace stylewright {

inline const QUrl kSamplePageUrl(QStringLiteral("qrc:/page/space.html"));

// A text as a JavaScript expression that evaluates to exactly that text.
QString javaScriptString(const QString &text);

class SamplePage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit SamplePage(QObject *parent = nullptr);
    ~SamplePage() override;

    bool isLoaded() const { return m_loaded; }

    // Puts the sheet in the page (after loading, if it has not loaded yet); applied(sequence)
    // follows once it is in effect. A sheet that comes while another is being put in replaces
    // any sheet still waiting.
    void applyCss(const QString &css, quint64 sequence);

    // Runs a script beside the page (its own scripts are off) and hands back its value.
    void evaluate(const QString &script, std::function<void(const QVariant &)> done);

signals:
    void loaded(bool ok);
    void applied(quint64 sequence);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

private:
    struct Waiting {
        QString css;
        quint64 sequence;
    };
    void putWaitingSheet();

    bool m_loaded = false;
    bool m_busy = false;
    std::optional<Waiting> m_waiting;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true); // callbacks may outlive the page
};

} // namespace stylewright
