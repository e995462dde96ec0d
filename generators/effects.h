#pragma once
// The filter effects offered by the effect choice fields, and the order in which a generator
// compares a choice text against them. Each generator keeps the CSS fragments it writes.

#include <QStringView>
#include <array>
#include <optional>

namespace stylewright {

enum class Effect { None, Glow, DropShadow, Blur, Engrave, Emboss, Wave, Mask, FlipHorizontal, FlipVertical };

struct EffectName {
    Effect effect;
    QStringView name;
};

// In order of comparison; the first exact match decides.
inline constexpr std::array<EffectName, 10> kEffectNames{{
    {Effect::None, u"无效果"},
    {Effect::Glow, u"发光效果"},
    {Effect::DropShadow, u"阴影效果"},
    {Effect::Blur, u"模糊效果"},
    {Effect::Engrave, u"凹立体"},
    {Effect::Emboss, u"凸立体"},
    {Effect::Wave, u"波纹效果"},
    {Effect::Mask, u"掩膜效果"},
    {Effect::FlipHorizontal, u"水平镜像效果"},
    {Effect::FlipVertical, u"垂直镜像效果"},
}};

// The effect a choice text names (exact, case-sensitive), or nothing for any other text.
inline std::optional<Effect> matchEffect(QStringView text)
{
    for (const EffectName &e : kEffectNames) {
        if (e.name == text)
            return e.effect;
    }
    return std::nullopt;
}

} // namespace stylewright
