#pragma once
// The texts of the sample page as the engine draws them, and which of them AA finds hard to
// read against the background they are on. The page's script hands them over as JSON.

#include "styling/contrast.h"
#include "styling/element_styling.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace stylewright {

// One background layer of a text, its element's first and the document's root last.
struct BackgroundLayer {
    Rgba colour;
    bool picture = false; // a background picture lies on this layer, over its colour
};

struct PageText {
    QString sample; // the element's text, cut short
    Rgba colour;
    double fontPx = 16;
    int fontWeight = 400;
    QList<BackgroundLayer> layers;
    ElementChain element;
};

enum class Readability { Readable, HardToRead, Unknown };

struct TextFinding {
    Readability readability = Readability::Readable;
    double ratio = 21;
    double required = kAaRatio;
    Rgba text, background; // as drawn: the text over the background, the layers down to the first opaque one
    QString sample;
    std::optional<ElementStyling> styling; // nothing for a text no option styles
    int count = 1;                         // texts found alike: same area, words, colours
};

// An element and its ancestors as the page's script gives them: [[tag, id, classes], ...], root first.
std::optional<ElementChain> readElementChain(const QByteArray &json);
// What the page's texts are; nothing for a JSON text that is not what the script makes.
std::optional<QList<PageText>> readPageTexts(const QByteArray &json);

// The text laid over its layers, down to the first opaque colour (over white when none is).
TextFinding judge(const PageText &text);
// The texts below AA, and those over a picture, in page order; texts alike in area, words and
// colours (the navigation's dividers) are one finding.
QList<TextFinding> findingsOf(const QList<PageText> &texts);

// "3.导航设置", or "（页面本身）" for a text no option styles.
QString areaCaptionOf(const TextFinding &finding);
inline const QString kPictureBehindText = QStringLiteral("无法判断（背景为图片）");
// One line: area, ratio, text colour, background colour and the text, separated by tabs.
QString findingLine(const TextFinding &finding);

} // namespace stylewright
