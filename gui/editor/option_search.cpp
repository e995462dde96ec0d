#include "editor/option_search.h"

#include "editor/field_jump.h"
#include "editor/option_form.h"
#include "editor/search_results.h"
#include "options/enabling.h"
#include "options/option_set.h"
#include "pinyin/pinyin_readings.h"
#include "search/option_index.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QShortcut>
#include <QTabWidget>
#include <QThreadPool>

namespace stylewright {
namespace {

// Carries the readings from the worker thread to the field; the connection goes with the field.
class ReadingsRelay : public QObject {
    Q_OBJECT
signals:
    void done(const QString &readings);
};

} // namespace

OptionSearch::OptionSearch(OptionSet &options, OptionForm &form, QTabWidget *tabs, QWidget *window)
    : QLineEdit(window), m_options(options), m_form(form), m_tabs(tabs), m_window(window)
{
    setObjectName(QStringLiteral("optionSearch"));
    setPlaceholderText(kSearchPlaceholder);
    setAccessibleName(QStringLiteral("搜索选项"));
    setAccessibleDescription(QStringLiteral("输入名称、拼音或拼音首字母；上下键选择结果，回车转到该选项，Esc 返回"));
    // Room for the whole placeholder, without shaping it once more while the window starts.
    setMinimumWidth(20 * fontMetrics().height());
    auto *find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), window);
    connect(find, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
    connect(this, &QLineEdit::textChanged, this, &OptionSearch::refresh);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        if (now == this && old && old != this)
            m_cameFrom = old;
    });
}

OptionSearch::~OptionSearch() = default;

bool OptionSearch::hasPinyin() const
{
    return m_index && m_index->hasReadings();
}

void OptionSearch::firstUse()
{
    if (m_index)
        return;
    m_index = std::make_unique<OptionIndex>();
    setClearButtonEnabled(true); // its icon is loaded now, not while the window starts
    m_model = new SearchResultModel(m_options, this);
    m_list = new QListView(m_window);
    m_list->setObjectName(QStringLiteral("optionSearchResults"));
    m_list->setAccessibleName(QStringLiteral("搜索结果"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new SearchResultDelegate(m_list));
    m_list->setFocusPolicy(Qt::NoFocus); // typing goes on in the field
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setMouseTracking(true);
    m_list->hide();
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex &index) {
        if (const std::optional<Option> option = m_model->optionAt(index.row()))
            goTo(*option);
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &index) {
        if (!index.isValid() || !m_list->isVisible())
            return;
        QAccessibleEvent event(m_list, QAccessible::Focus);
        event.setChild(index.row());
        QAccessible::updateAccessibility(&event);
    });
    m_window->installEventFilter(this);

    // Building ICU's transliterator takes a third of a second: off the GUI thread.
    auto *relay = new ReadingsRelay;
    connect(relay, &ReadingsRelay::done, this, &OptionSearch::takeReadings);
    QThreadPool::globalInstance()->start([relay, characters = m_index->hanCharacters()] {
        emit relay->done(pinyinReadings(characters));
        relay->deleteLater();
    });
}

void OptionSearch::takeReadings(const QString &readings)
{
    if (!m_index->addReadings(readings))
        return;
    emit pinyinReady();
    if (m_list->isVisible())
        refresh();
}

void OptionSearch::refresh()
{
    const QString query = text().trimmed();
    if (query.isEmpty()) {
        hideList();
        return;
    }
    firstUse();
    const std::optional<Option> current = m_model->optionAt(m_list->currentIndex().row());
    QList<Option> found;
    for (const OptionMatch &match : m_index->find(query))
        found.append(match.option);
    m_model->setResults(found, query);
    const int keep = current ? m_model->rowOf(*current) : -1;
    if (!found.isEmpty())
        m_list->setCurrentIndex(m_model->index(std::max(keep, 0)));
    m_list->setAccessibleDescription(found.isEmpty() ? noMatchText(query)
                                                     : QStringLiteral("找到 %1 个选项").arg(found.size()));
    showList();
}

void OptionSearch::place()
{
    const QFontMetrics metrics(font());
    const int wide = std::max(width(), metrics.horizontalAdvance(u'字') * 30);
    const int listWidth = std::min(wide, m_window->width() - 8);
    const QPoint below = mapTo(m_window, QPoint(width(), height()));
    const int left = std::max(4, below.x() - listWidth);
    int rows = 2 * m_list->frameWidth();
    for (int row = 0; row < m_model->rowCount(); ++row)
        rows += m_list->sizeHintForRow(row);
    // Over the tab's page, never over the buttons under it.
    const int room = m_tabs->mapTo(m_window, QPoint(0, m_tabs->height())).y() - below.y() - 4;
    m_list->setGeometry(left, below.y() + 1, listWidth, std::max(0, std::min(rows, room)));
}

void OptionSearch::showList()
{
    place();
    if (!m_list->isVisible()) {
        m_list->show();
        qApp->installEventFilter(this); // a click elsewhere closes the list
    }
    m_list->raise();
    m_list->scrollTo(m_list->currentIndex());
}

void OptionSearch::hideList()
{
    if (!m_list || !m_list->isVisible())
        return;
    m_list->hide();
    qApp->removeEventFilter(this);
}

void OptionSearch::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    firstUse();
    if (!text().trimmed().isEmpty())
        refresh();
}

void OptionSearch::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        hideList();
}

void OptionSearch::keyPressEvent(QKeyEvent *event)
{
    const bool open = m_list && m_list->isVisible();
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (!open)
            refresh();
        else
            moveCurrent(event->key() == Qt::Key_Down ? 1 : -1);
        return;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        if (open) {
            moveCurrent(event->key() == Qt::Key_PageDown ? 8 : -8);
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (open)
            chooseCurrent();
        else
            refresh();
        return;
    case Qt::Key_Escape:
        hideList();
        giveFocusBack();
        return;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

bool OptionSearch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Resize && m_list && m_list->isVisible())
        place();
    if (event->type() == QEvent::MouseButtonPress && m_list && m_list->isVisible()) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget != this && !m_list->isAncestorOf(widget) && widget != m_list && !isAncestorOf(widget))
            hideList();
    }
    return QLineEdit::eventFilter(watched, event);
}

void OptionSearch::moveCurrent(int by)
{
    const int last = m_model->foundCount() - 1;
    if (last < 0)
        return;
    const int row = std::clamp(m_list->currentIndex().row() + by, 0, last);
    m_list->setCurrentIndex(m_model->index(row));
    m_list->scrollTo(m_list->currentIndex());
}

void OptionSearch::chooseCurrent()
{
    const int row = m_list->currentIndex().isValid() ? m_list->currentIndex().row() : 0;
    if (const std::optional<Option> option = m_model->optionAt(row))
        goTo(*option);
}

void OptionSearch::giveFocusBack()
{
    if (m_cameFrom && m_cameFrom->isVisible() && m_cameFrom->isEnabled())
        m_cameFrom->setFocus(Qt::OtherFocusReason);
    else
        m_tabs->setFocus(Qt::OtherFocusReason);
}

void OptionSearch::goTo(Option option)
{
    hideList();
    QList<Option> ringed{option};
    std::optional<Option> focus = option;
    if (!m_options.isEnabled(option)) {
        const QList<EnablingStep> steps = enablingSteps(m_options, option);
        for (const EnablingStep &step : steps)
            ringed.append(step.control);
        focus = steps.isEmpty() ? std::nullopt : std::optional<Option>(steps.first().control);
    }
    showFields(m_form, m_tabs, ringed, focus);
}

} // namespace stylewright

#include "option_search.moc"
