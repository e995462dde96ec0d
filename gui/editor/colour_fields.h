#pragma once
// The colour fields of the editor: a click pastes the clipboard's text, a double click chooses a
// colour with the colour dialog and writes it as label + "#" + six upper-case digits, showing the
// colour as the field's background. The page background colour carries three fields with it.

#include "options/catalogue.h"
#include "platform/rgb.h"

#include <QObject>
#include <QString>

namespace stylewright {

class ColourDialog;
class OptionForm;
class OptionSet;

class ColourFields : public QObject {
    Q_OBJECT
public:
    ColourFields(OptionSet &options, OptionForm &form, ColourDialog &dialog, QObject *parent = nullptr);

    // The text a chosen colour gives a field: its design-time label, "#" and RRGGBB upper case.
    static QString colourText(Option option, Rgb colour);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchTab(int tab);
    void paste(Option option);
    void choose(Option option);

    OptionSet &m_options;
    OptionForm &m_form;
    ColourDialog &m_dialog;
    Rgb m_dialogColour = 0; // the dialog's colour: black at start, then the colour chosen last
};

} // namespace stylewright
