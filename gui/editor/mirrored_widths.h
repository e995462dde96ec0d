#pragma once
// The body width and the columns' total width mirror each other: leaving either field copies
// its text into the other. Loading settings sets them independently.

#include <QObject>

namespace stylewright {

class OptionForm;
class OptionSet;

class MirroredWidths : public QObject {
    Q_OBJECT
public:
    MirroredWidths(OptionSet &options, OptionForm &form, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OptionSet &m_options;
    OptionForm &m_form;
};

} // namespace stylewright
