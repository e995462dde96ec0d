#include "styling/text_findings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace stylewright {
namespace {

using namespace Qt::Literals::StringLiterals;

const Rgba kCanvas{255, 255, 255, 1}; // what the engine paints where no layer is opaque

std::optional<ElementChain> chainOf(const QJsonValue &value)
{
    if (!value.isArray())
        return std::nullopt;
    ElementChain chain;
    for (const QJsonValue &entry : value.toArray()) {
        const QJsonArray step = entry.toArray();
        if (step.size() != 3 || !step[0].isString() || !step[1].isString() || !step[2].isString())
            return std::nullopt;
        chain.append(
            {step[0].toString().toLower(), step[1].toString(), step[2].toString().split(u' ', Qt::SkipEmptyParts)});
    }
    return chain;
}

std::optional<QList<BackgroundLayer>> layersOf(const QJsonValue &value)
{
    if (!value.isArray())
        return std::nullopt;
    QList<BackgroundLayer> layers;
    for (const QJsonValue &entry : value.toArray()) {
        const QJsonArray layer = entry.toArray();
        const std::optional<Rgba> colour = parseCssColour(layer.at(0).toString());
        if (layer.size() != 2 || !colour || !layer[1].isBool())
            return std::nullopt;
        layers.append({*colour, layer[1].toBool()});
    }
    return layers;
}

std::optional<PageText> textOf(const QJsonObject &object)
{
    PageText text;
    const std::optional<Rgba> colour = parseCssColour(object.value(u"colour"_s).toString());
    std::optional<QList<BackgroundLayer>> layers = layersOf(object.value(u"layers"_s));
    std::optional<ElementChain> chain = chainOf(object.value(u"element"_s));
    const QJsonValue size = object.value(u"size"_s), weight = object.value(u"weight"_s);
    if (!colour || !layers || !chain || !size.isDouble() || !weight.isDouble() || !object.value(u"text"_s).isString())
        return std::nullopt;
    text.sample = object.value(u"text"_s).toString();
    text.colour = *colour;
    text.fontPx = size.toDouble();
    text.fontWeight = weight.toInt();
    text.layers = std::move(*layers);
    text.element = std::move(*chain);
    return text;
}

} // namespace

std::optional<ElementChain> readElementChain(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    return chainOf(document.array());
}

std::optional<QList<PageText>> readPageTexts(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    QList<PageText> texts;
    for (const QJsonValue &entry : document.array()) {
        std::optional<PageText> text = textOf(entry.toObject());
        if (!text)
            return std::nullopt;
        texts.append(std::move(*text));
    }
    return texts;
}

TextFinding judge(const PageText &text)
{
    TextFinding finding;
    finding.sample = text.sample;
    finding.required = requiredRatio(text.fontPx, text.fontWeight);
    finding.styling = stylingOf(text.element);
    // Layers are painted from the root up; walk down from the text until one is opaque.
    qsizetype bottom = 0;
    while (bottom < text.layers.size() && !text.layers[bottom].colour.isOpaque() && !text.layers[bottom].picture)
        ++bottom;
    const bool picture = bottom < text.layers.size() && text.layers[bottom].picture;
    Rgba background = bottom < text.layers.size() ? text.layers[bottom].colour : kCanvas;
    background = over(background, kCanvas);
    for (qsizetype i = std::min(bottom, text.layers.size()) - 1; i >= 0; --i)
        background = over(text.layers[i].colour, background);
    finding.background = background;
    finding.text = over(text.colour, background);
    if (picture) {
        finding.readability = Readability::Unknown;
        return finding;
    }
    finding.ratio = contrastRatio(finding.text, background);
    finding.readability = finding.ratio < finding.required ? Readability::HardToRead : Readability::Readable;
    return finding;
}

QList<TextFinding> findingsOf(const QList<PageText> &texts)
{
    QList<TextFinding> findings;
    for (const PageText &text : texts) {
        TextFinding finding = judge(text);
        if (finding.readability == Readability::Readable)
            continue;
        const auto alike = std::find_if(findings.begin(), findings.end(), [&](const TextFinding &f) {
            return f.sample == finding.sample && hexOf(f.text) == hexOf(finding.text) &&
                   hexOf(f.background) == hexOf(finding.background) && f.readability == finding.readability &&
                   areaCaptionOf(f) == areaCaptionOf(finding);
        });
        if (alike != findings.end())
            ++alike->count;
        else
            findings.append(std::move(finding));
    }
    return findings;
}

QString areaCaptionOf(const TextFinding &finding)
{
    return finding.styling ? tabDef(finding.styling->area).caption.toString() : QStringLiteral("（页面本身）");
}

QString findingLine(const TextFinding &finding)
{
    const bool known = finding.readability != Readability::Unknown;
    return QStringList{areaCaptionOf(finding), known ? ratioText(finding.ratio) : kPictureBehindText,
                       hexOf(finding.text), known ? hexOf(finding.background) : QStringLiteral("-"), finding.sample}
        .join(u'\t');
}

} // namespace stylewright
