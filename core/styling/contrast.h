#pragma once
// Text contrast as WCAG 2.x measures it: relative luminance of sRGB colours, the contrast ratio
// of two of them, semi-transparent colours laid over what is beneath, and the AA thresholds.

#include <QString>
#include <QStringView>
#include <optional>

namespace stylewright {

struct Rgba {
    double red = 0, green = 0, blue = 0; // 0 to 255
    double alpha = 1;                    // 0 (clear) to 1 (opaque)
    bool isOpaque() const { return alpha >= 1; }
};

inline constexpr double kAaRatio = 4.5;
inline constexpr double kAaLargeRatio = 3;
inline constexpr double kLargeTextPx = 24;
inline constexpr double kLargeBoldTextPx = 18.66;
inline constexpr int kBoldWeight = 700;

// What an engine's computed style says: "rgb(1, 2, 3)", "rgba(1, 2, 3, 0.5)", "transparent",
// "#rrggbb"; nothing for anything else.
std::optional<Rgba> parseCssColour(QStringView text);
// "#rrggbb", the colour's channels rounded.
QString hexOf(const Rgba &colour);

// `top` laid over `below`, as a page paints one layer over another.
Rgba over(const Rgba &top, const Rgba &below);
// Of an opaque colour.
double relativeLuminance(const Rgba &colour);
// Of two opaque colours, from 1 to 21, whichever is lighter.
double contrastRatio(const Rgba &a, const Rgba &b);

// At least 24 px, or at least 18.66 px and bold.
bool isLargeText(double fontPx, int fontWeight);
// The ratio AA asks of a text of this size and weight.
double requiredRatio(double fontPx, int fontWeight);
// "4.48:1", rounded, but never up to a threshold the ratio is below.
QString ratioText(double ratio);

} // namespace stylewright
