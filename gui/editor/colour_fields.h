#pragma once
// The colour fields of the editor: a click pastes the clipboard's text, a double click chooses a
// colour with the colour dialog and writes it as label + "#" + six upper-case digits, showing the
// colour as the field's background. The page background colour carries three fields with it.

#include "options/catalogue.h"
#include "platform/rgb.h"

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QString>
#include <functional>
#include <map>

namespace stylewright {

class ColourDialog;
class EditHistory;
class OptionForm;
class OptionSet;

class ColourFields : public QObject {
    Q_OBJECT
public:
    ColourFields(OptionSet &options, OptionForm &form, ColourDialog &dialog, QObject *parent = nullptr);

    // The text a chosen colour gives a field: its design-time label, "#" and RRGGBB upper case.
    static QString colourText(Option option, Rgb colour);

    // The colours the dialog painted into fields, so that undo can put them back.
    struct Paint {
        QColor background, text;
        bool operator==(const Paint &) const = default;
    };
    using Paints = std::map<Option, Paint>;
    const Paints &paints() const { return m_paints; }
    void setPaints(const Paints &paints);
    // The field goes back to the look it was built with.
    void unpaint(Option option);

    // Each paste and each colour choice becomes one undo step of `history`.
    void setHistory(EditHistory *history) { m_history = history; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paste(Option option);
    void choose(Option option);
    void paint(Option option, const Paint &paint);

    void asOneStep(const QString &text, const std::function<void()> &change);

    EditHistory *m_history = nullptr;
    Paints m_paints;
    std::map<Option, QPalette> m_builtPalettes; // of each field painted once

    OptionSet &m_options;
    OptionForm &m_form;
    ColourDialog &m_dialog;
    Rgb m_dialogColour = 0; // the dialog's colour: black at start, then the colour chosen last
};

} // namespace stylewright
