#include "stylewright-preview/page_pointing.h"

#include "styling/text_findings.h"
#include "options/field_captions.h"
#include "stylewright-preview/page_scripts.h"
#include "stylewright-preview/sample_page.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QWebEngineView>

namespace stylewright {

PagePointing::PagePointing(QWebEngineView &view, SamplePage &page, QObject *parent)
    : QObject(parent), m_view(view), m_page(page)
{
    // The engine draws into a child widget it makes when it likes; the pointer's events go there.
    m_view.installEventFilter(this);
    for (QObject *child : m_view.children())
        watch(child);
    connect(&m_page, &SamplePage::loaded, this, [this] { m_shownLabel.clear(); });
}

void PagePointing::watch(QObject *child)
{
    if (child->isWidgetType())
        child->installEventFilter(this);
}

void PagePointing::setPointing(bool on)
{
    if (on == m_pointing)
        return;
    m_pointing = on;
    m_next.reset();
    if (!on)
        clear();
}

void PagePointing::setSheet(const QString &css)
{
    m_written = writtenSelectors(css);
}

void PagePointing::clear()
{
    m_shownLabel.clear();
    m_page.evaluate(clearOutlineScript(), [](const QVariant &) {});
    emit said({});
}

bool PagePointing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_view) {
        if (event->type() == QEvent::ChildAdded)
            watch(static_cast<QChildEvent *>(event)->child());
        return false;
    }
    if (!m_pointing)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        pointAt(static_cast<QMouseEvent *>(event)->position().toPoint(), false);
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        if (event->type() == QEvent::MouseButtonPress)
            pointAt(static_cast<QMouseEvent *>(event)->position().toPoint(), true);
        return true; // a click while pointing picks; it never reaches the page
    case QEvent::MouseButtonRelease:
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    case QEvent::Leave:
        m_next.reset();
        return false;
    default:
        return false;
    }
}

void PagePointing::pointAt(QPoint point, bool click)
{
    if (m_next && m_next->click && !click)
        return; // the click waiting is looked at first
    m_next = Point{point, click};
    if (!m_looking)
        lookNext();
}

void PagePointing::lookNext()
{
    if (!m_next || !m_page.isLoaded())
        return;
    const Point point = *m_next;
    m_next.reset();
    m_looking = true;
    m_page.evaluate(hitTestScript(point.at),
                    [this, click = point.click](const QVariant &chain) { placed(chain, click); });
}

void PagePointing::placed(const QVariant &answer, bool click)
{
    const std::optional<ElementChain> chain = readElementChain(answer.toString().toUtf8());
    const std::optional<ElementStyling> styling = chain ? stylingOf(*chain, &m_written) : std::nullopt;
    if (!styling) {
        if (!m_shownLabel.isEmpty())
            clear();
        finishLook();
        return;
    }
    if (click)
        emit picked(styling->area, styling->options);
    const QString label = stylingLabel(styling->area, styling->options);
    m_shownLabel = label;
    emit said(label);
    m_page.evaluate(outlineHitScript(int(chain->size() - 1 - styling->element), label), [this](const QVariant &) {
        emit outlined();
        finishLook();
    });
}

void PagePointing::finishLook()
{
    m_looking = false;
    lookNext();
}

void PagePointing::showField(const preview::FocusMessage &focus)
{
    if (!focus.option) {
        if (!m_pointing)
            clear();
        return;
    }
    const QString caption = u'“' + fieldCaption(*focus.option) + u'”';
    if (!focus.stylesNow) {
        m_page.evaluate(clearOutlineScript(), [](const QVariant &) {});
        QString text = caption + QStringLiteral("现在不影响页面");
        if (!focus.why.isEmpty())
            text += QStringLiteral("：") + focus.why;
        emit said(text);
        return;
    }
    m_shownLabel.clear();
    m_page.evaluate(outlineSelectorsScript(pageSelectorsOf(*focus.option)), [this, caption](const QVariant &count) {
        emit said(count.toInt() > 0 ? QStringLiteral("已框出%1设置的部分").arg(caption)
                                    : caption + QStringLiteral("设置的部分不在示例页面上"));
        emit outlined();
    });
}

} // namespace stylewright
