#include "styling/contrast.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace stylewright {
namespace {

double linear(double channel)
{
    const double c = channel / 255;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

std::optional<Rgba> parseCssColour(QStringView text)
{
    const QString trimmed = text.trimmed().toString().toLower();
    if (trimmed == u"transparent")
        return Rgba{0, 0, 0, 0};
    static const QRegularExpression hex(QStringLiteral("^#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})$"));
    if (const QRegularExpressionMatch m = hex.match(trimmed); m.hasMatch())
        return Rgba{double(m.captured(1).toInt(nullptr, 16)), double(m.captured(2).toInt(nullptr, 16)),
                    double(m.captured(3).toInt(nullptr, 16)), 1};
    static const QRegularExpression functional(
        QStringLiteral("^rgba?\\(\\s*([0-9.]+)\\s*,\\s*([0-9.]+)\\s*,\\s*([0-9.]+)\\s*(?:,\\s*([0-9.]+)\\s*)?\\)$"));
    const QRegularExpressionMatch m = functional.match(trimmed);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok[4] = {true, true, true, true};
    Rgba colour{m.captured(1).toDouble(&ok[0]), m.captured(2).toDouble(&ok[1]), m.captured(3).toDouble(&ok[2]), 1};
    if (m.hasCaptured(4))
        colour.alpha = m.captured(4).toDouble(&ok[3]);
    for (bool fine : ok) {
        if (!fine)
            return std::nullopt;
    }
    for (double *channel : {&colour.red, &colour.green, &colour.blue}) {
        if (*channel > 255)
            return std::nullopt;
    }
    if (colour.alpha > 1)
        return std::nullopt;
    return colour;
}

QString hexOf(const Rgba &colour)
{
    auto digits = [](double channel) {
        return QStringLiteral("%1").arg(int(std::lround(std::clamp(channel, 0.0, 255.0))), 2, 16, QLatin1Char('0'));
    };
    return u'#' + digits(colour.red) + digits(colour.green) + digits(colour.blue);
}

Rgba over(const Rgba &top, const Rgba &below)
{
    const double alpha = top.alpha + below.alpha * (1 - top.alpha);
    if (alpha <= 0)
        return {0, 0, 0, 0};
    auto mix = [&](double t, double b) { return (t * top.alpha + b * below.alpha * (1 - top.alpha)) / alpha; };
    return {mix(top.red, below.red), mix(top.green, below.green), mix(top.blue, below.blue), alpha};
}

double relativeLuminance(const Rgba &colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double contrastRatio(const Rgba &a, const Rgba &b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isLargeText(double fontPx, int fontWeight)
{
    return fontPx >= kLargeTextPx || (fontPx >= kLargeBoldTextPx && fontWeight >= kBoldWeight);
}

double requiredRatio(double fontPx, int fontWeight)
{
    return isLargeText(fontPx, fontWeight) ? kAaLargeRatio : kAaRatio;
}

QString ratioText(double ratio)
{
    double shown = std::round(ratio * 100) / 100;
    for (double threshold : {kAaLargeRatio, kAaRatio}) {
        if (ratio < threshold && shown >= threshold)
            shown = std::floor(ratio * 100) / 100;
    }
    return QString::number(shown, 'f', 2) + QStringLiteral(":1");
}

} // namespace stylewright
