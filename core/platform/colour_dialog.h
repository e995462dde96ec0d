#pragma once
// The colour dialog the colour fields open, behind an interface so tests choose colours without
// a modal dialog.

#include "platform/rgb.h"

#include <optional>

class QWidget;

namespace stylewright {

class ColourDialog {
public:
    virtual ~ColourDialog() = default;
    // Modal chooser starting at `current`: the colour chosen, or nothing when cancelled.
    virtual std::optional<Rgb> choose(Rgb current, QWidget *parent) = 0;
};

} // namespace stylewright
