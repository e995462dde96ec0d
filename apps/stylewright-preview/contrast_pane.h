#pragma once
// The "检查" tab: every text of the sample page whose colour is too close to its background for
// WCAG AA, with its area, ratio, colours and the options involved; choosing a row goes to them.

#include "styling/text_findings.h"

#include <QWidget>

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace stylewright {

class ContrastPane : public QWidget {
    Q_OBJECT
public:
    explicit ContrastPane(QWidget *parent = nullptr);

    void showFindings(const QList<TextFinding> &findings);
    // The page could not be checked.
    void showFailure(const QString &message);
    QTreeWidget &list() { return *m_list; }

signals:
    void picked(stylewright::Area area, const QList<stylewright::Option> &options);

private:
    void choose(QTreeWidgetItem *item);

    QLabel *m_summary;
    QTreeWidget *m_list;
    QList<TextFinding> m_findings; // row by row
};

} // namespace stylewright
