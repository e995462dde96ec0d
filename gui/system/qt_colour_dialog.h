#pragma once
// The real colour dialog.

#include "platform/colour_dialog.h"

namespace stylewright {

class QtColourDialog final : public ColourDialog {
public:
    std::optional<Rgb> choose(Rgb current, QWidget *parent) override;
};

} // namespace stylewright
