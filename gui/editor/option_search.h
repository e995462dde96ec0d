#pragma once
// The editor's search field: finds any option of the eleven tabs by caption, group, tab, tooltip,
// choice item or identifier, in characters, full pinyin or pinyin initials, and jumps to it. The
// index is built when the field is first focused; the pinyin arrives from ICU off the GUI thread
// a moment later, and the list then follows it.

#include "options/catalogue.h"

#include <QLineEdit>
#include <QPointer>
#include <memory>

class QListView;
class QTabWidget;

namespace stylewright {

class OptionForm;
class OptionIndex;
class OptionSet;
class SearchResultModel;

inline const QString kSearchPlaceholder = QStringLiteral("搜索选项（如 背景、bjys、txtbgc）");

class OptionSearch : public QLineEdit {
    Q_OBJECT
public:
    // The list drops down over `window`, under the field; Ctrl+F in `window` focuses the field.
    OptionSearch(OptionSet &options, OptionForm &form, QTabWidget *tabs, QWidget *window);
    ~OptionSearch() override;

    // The drop-down list, or nullptr before the field is first used.
    QListView *resultList() const { return m_list; }
    bool hasPinyin() const;

    // Brings the option's field into view, focused and ringed; for a greyed field, the control
    // that enables it takes the focus and both are ringed.
    void goTo(Option option);

signals:
    // The pinyin readings arrived: pinyin queries match from now on.
    void pinyinReady();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void firstUse();
    void takeReadings(const QString &readings);
    void refresh();
    void place();
    void showList();
    void hideList();
    void moveCurrent(int by);
    void chooseCurrent();
    void giveFocusBack();

    OptionSet &m_options;
    OptionForm &m_form;
    QTabWidget *m_tabs;
    QWidget *m_window;
    std::unique_ptr<OptionIndex> m_index;
    QListView *m_list = nullptr;
    SearchResultModel *m_model = nullptr;
    QPointer<QWidget> m_cameFrom; // where Esc gives the focus back
};

} // namespace stylewright
