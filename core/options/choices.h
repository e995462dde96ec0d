#pragma once
// The choice values the code acts on, each list defined once: the choice fields offer these
// names, the dependency rules and the generators compare against them.

#include <QStringView>
#include <iterator>
#include <optional>

namespace stylewright {

// The filter effects of the effect choice fields, in display order.
enum class Effect : quint8 { Glow, DropShadow, Blur, Engrave, Emboss, Wave, Mask, FlipHorizontal, FlipVertical, None };
inline constexpr QStringView kEffectNames[] = {u"发光效果", u"阴影效果", u"模糊效果",     u"凹立体",       u"凸立体",
                                               u"波纹效果", u"掩膜效果", u"水平镜像效果", u"垂直镜像效果", u"无效果"};

// Only these two filters take the effect colour field (the mask filter writes it but leaves it greyed).
constexpr bool effectTakesColour(Effect effect)
{
    return effect == Effect::Glow || effect == Effect::DropShadow;
}

// The column layouts of the page, in display order.
enum class Columns : quint8 { Two, Three, Single, ServiceDefault };
inline constexpr QStringView kColumnLayoutNames[] = {u"分两栏", u"分三栏", u"单栏(不分)", u"默认分栏"};

// The looks of the music player, in display order.
enum class PlayerLook : quint8 { Plain, Filtered, Hidden };
inline constexpr QStringView kPlayerStyleNames[] = {u"默认", u"滤镜", u"隐藏"};

// The pet size field holds a number of pixels or one of these.
inline constexpr QStringView kHiddenPet = u"隐藏宠物";
inline constexpr QStringView kDefaultPetSize = u"默认大小";

// Every main-area alignment item is this label followed by the CSS value.
inline constexpr QStringView kMainAlignmentLabel = u"主体位置";

// The value a text names (exact and case-sensitive), or nothing for any other text.
template <typename Value, std::size_t N>
std::optional<Value> valueNamed(const QStringView (&names)[N], QStringView text)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == text)
            return Value(i);
    }
    return std::nullopt;
}

inline std::optional<Effect> effectNamed(QStringView text)
{
    return valueNamed<Effect>(kEffectNames, text);
}
inline std::optional<Columns> columnsNamed(QStringView text)
{
    return valueNamed<Columns>(kColumnLayoutNames, text);
}
inline std::optional<PlayerLook> playerLookNamed(QStringView text)
{
    return valueNamed<PlayerLook>(kPlayerStyleNames, text);
}

static_assert(std::size(kEffectNames) == std::size_t(Effect::None) + 1);
static_assert(std::size(kColumnLayoutNames) == std::size_t(Columns::ServiceDefault) + 1);
static_assert(std::size(kPlayerStyleNames) == std::size_t(PlayerLook::Hidden) + 1);

} // namespace stylewright
