#pragma once
// Marks every field whose value differs from its design-time value with a small dot in its top
// right corner, ringed so that it shows on whatever colour a colour field is painted with, and
// tells screen readers the same. The marks follow every change of the record (edits, undo,
// reset, loading) and are put on a tab's fields when the tab is built.

#include "options/catalogue.h"

#include <QObject>

namespace stylewright {

class OptionForm;
class OptionSet;

class ChangeMarks : public QObject {
    Q_OBJECT
public:
    ChangeMarks(const OptionSet &options, OptionForm &form, QObject *parent = nullptr);

    // The option's field shows the mark (never while its tab is not built).
    bool isMarked(Option option) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mark(Option option);

    const OptionSet &m_options;
    OptionForm &m_form;
};

inline const QString kChangedDescription = QStringLiteral("与默认值不同");

} // namespace stylewright
