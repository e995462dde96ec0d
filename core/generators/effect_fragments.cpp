#include "generators/effect_fragments.h"

#include <iterator>

namespace stylewright {
namespace {

// Stands for the effect colour's digits in a fragment.
constexpr QStringView kColourDigits = u"{colour}";

// Where the two columns differ (the article's drop shadow names no colour, its mask spells "color"
// in lower case) the published sheets of each area already carry those bytes.
struct EffectFragment {
    Effect effect;
    QStringView header;
    QStringView article;
};

constexpr EffectFragment kFragments[] = {
    {Effect::Glow, u";filter:glow(color:#{colour},strength=3)", u";filter:glow(color:#{colour},strength=3)"},
    {Effect::DropShadow, u";Filter:DropShadow(Color=#{colour},Offx=Offx,Offy=offy,Positive=positive)",
     u";Filter:DropShadow(Color=color,Offx=Offx,Offy=offy,Positive=positive)"},
    {Effect::Blur, u";filter:blur(30)", u";filter:blur(30)"},
    {Effect::Engrave, u";filter:progid:DXImageTransform.Microsoft.engrave(bias=0.5)",
     u";filter:progid:DXImageTransform.Microsoft.engrave(bias=0.5)"},
    {Effect::Emboss, u";filter:progid:DXImageTransform.Microsoft.emboss(bias=0.5)",
     u";filter:progid:DXImageTransform.Microsoft.emboss(bias=0.5)"},
    {Effect::Wave, u";filter:Wave(Add=add,Freq=freq,LightStrength=strength,Phase=phase,Strength=strength)",
     u";filter:Wave(Add=add,Freq=freq,LightStrength=strength,Phase=phase,Strength=strength)"},
    {Effect::Mask, u";filter:Mask(Color:#{colour})", u";filter:Mask(color:#{colour})"},
    {Effect::FlipHorizontal, u";filter:FlipH", u";filter:FlipH"},
    {Effect::FlipVertical, u";filter:FlipV", u";filter:FlipV"},
    {Effect::None, u"", u""},
};

// Without a picture behind the article text, its engrave look is drawn as a coloured shadow.
constexpr QStringView kArticleEngraveWithoutPicture = u";filter:shadow(color:#{colour},strength=4)";

constexpr bool rowsFollowEffectOrder()
{
    for (std::size_t i = 0; i < std::size(kFragments); ++i) {
        if (kFragments[i].effect != Effect(i))
            return false;
    }
    return std::size(kFragments) == std::size(kEffectNames);
}
static_assert(rowsFollowEffectOrder(), "one row per Effect, in its order");

QString withColour(QStringView fragment, QStringView colourDigits)
{
    const qsizetype slot = fragment.indexOf(kColourDigits);
    if (slot < 0)
        return fragment.toString();
    return fragment.first(slot) + colourDigits + fragment.sliced(slot + kColourDigits.size());
}

} // namespace

QString headerEffectFilter(Effect effect, QStringView colourDigits)
{
    return withColour(kFragments[std::size_t(effect)].header, colourDigits);
}

QString articleEffectFilter(Effect effect, QStringView colourDigits, bool withPicture)
{
    if (effect == Effect::Engrave && !withPicture)
        return withColour(kArticleEngraveWithoutPicture, colourDigits);
    return withColour(kFragments[std::size_t(effect)].article, colourDigits);
}

} // namespace stylewright
