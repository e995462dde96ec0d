#pragma once
// The colour dialog the colour fields open, behind an interface so tests choose colours without
// a modal dialog.

#include <QColor>
#include <optional>

class QWidget;

namespace stylewright {

class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    // Modal chooser starting at `current`: the colour chosen, or nothing when cancelled.
    virtual std::optional<QColor> choose(const QColor &current, QWidget *parent) = 0;
};

class QtColourDialog final : public ColourDialog {
public:
    std::optional<QColor> choose(const QColor &current, QWidget *parent) override;
};

} // namespace stylewright
