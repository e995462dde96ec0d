#include "stylewright-preview/sample_page.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

namespace stylewright {
namespace {

// Sets the sheet and reads the layout, so the sheet is in effect when the answer comes.
constexpr QStringView kApplyStart = u"(function (css) {"
                                    u"  document.getElementById('stylewright-sheet').textContent = css;"
                                    u"  return document.body.offsetHeight;"
                                    u"})(";

} // namespace

QString javaScriptString(const QString &text)
{
    // A JSON array of one string is a JavaScript literal; the two line separators JSON allows
    // raw are escaped for engines older than ES2019.
    QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    json.replace("\xE2\x80\xA8", "\\u2028");
    json.replace("\xE2\x80\xA9", "\\u2029");
    return QString::fromUtf8(json) + u"[0]";
}

SamplePage::SamplePage(QObject *parent) : QWebEnginePage(new QWebEngineProfile, parent)
{
    profile()->setParent(this); // off the record, and deleted after the page
    QWebEngineSettings *s = settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true); // pictures named in the options
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    connect(this, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        m_loaded = ok;
        emit loaded(ok);
        putWaitingSheet();
    });
    load(kSamplePageUrl);
}

SamplePage::~SamplePage()
{
    *m_alive = false;
}

void SamplePage::applyCss(const QString &css, quint64 sequence)
{
    m_waiting = Waiting{css, sequence};
    putWaitingSheet();
}

void SamplePage::putWaitingSheet()
{
    if (!m_loaded || m_busy || !m_waiting)
        return;
    const Waiting sheet = std::move(*m_waiting);
    m_waiting.reset();
    m_busy = true;
    evaluate(kApplyStart + javaScriptString(sheet.css) + u')', [this, sequence = sheet.sequence](const QVariant &) {
        m_busy = false;
        emit applied(sequence);
        putWaitingSheet();
    });
}

void SamplePage::evaluate(const QString &script, std::function<void(const QVariant &)> done)
{
    runJavaScript(script, QWebEngineScript::ApplicationWorld,
                  [alive = m_alive, done = std::move(done)](const QVariant &value) {
                      if (*alive)
                          done(value);
                  });
}

bool SamplePage::acceptNavigationRequest(const QUrl &url, NavigationType, bool)
{
    // Links of the sample page go nowhere; only the page itself, or a place in it, may load.
    return url.adjusted(QUrl::RemoveFragment) == kSamplePageUrl;
}

} // namespace stylewright
