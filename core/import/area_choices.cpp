#include "import/area_choices.h"

#include "options/choices.h"

#include <algorithm>
#include <span>

namespace stylewright {
namespace {

using enum Option;

constexpr char16_t kFirstProbeChar = 0xE000; // private use: no sheet or option text needs these
constexpr qint64 kFirstProbeNumber = 700000000;
constexpr int kNumberStep = 1000; // room for every addend between two options' numbers

// The sizes the generators add to; they must stay numbers while probing.
constexpr Option kComputedSizes[] = {NameFontSize, IntroFontSize, NavigationFontSize, CommentFontSize, ExtrasFontSize};
// Choice fields whose text selects rules rather than going into them.
constexpr Option kShapingChoices[] = {NameEffect, IntroEffect, ArticleTextEffect, ColumnLayout, PlayerStyle};

template <std::size_t N> bool contains(const Option (&list)[N], Option option)
{
    return std::find(std::begin(list), std::end(list), option) != std::end(list);
}

QString probeCharText(Option option)
{
    return QString(QChar(char16_t(kFirstProbeChar + rowOf(option))));
}

Choice both(Option option, const QString &value)
{
    return {{{option, value}}, {{option, value}}};
}

Dimension checkBox(Option box)
{
    return {both(box, QStringLiteral("0")), both(box, QStringLiteral("1"))};
}

// Every name of a list; with orNone, also a text that names nothing (the rule is then left out).
Dimension named(Option option, std::span<const QStringView> names, bool orNone = false)
{
    Dimension dimension;
    for (QStringView name : names)
        dimension.append(both(option, name.toString()));
    if (orNone)
        dimension.append(both(option, QString()));
    return dimension;
}

// A cursor starting with "http" is written as an address.
Dimension cursorForm()
{
    return {{{{Cursor, probeCharText(Cursor)}}, {}}, {{{Cursor, u"http" + probeCharText(Cursor)}}, {}}};
}

Dimension petForm()
{
    return {{{{PetSize, probeCharText(PetSize)}}, {}},
            both(PetSize, kHiddenPet.toString()),
            both(PetSize, kDefaultPetSize.toString())};
}

} // namespace

QList<ChoiceGroup> choiceGroups(Area area)
{
    switch (area) {
    case Area::Background:
        return {{checkBox(PagePictureOn), checkBox(CursorOn), cursorForm(), checkBox(PageBackgroundFixed)},
                {checkBox(BodyWidthOn)},
                {checkBox(MainTransparencyOn), checkBox(MainPictureOn), checkBox(MainScrollOn)},
                {named(ColumnLayout, kColumnLayoutNames)}};
    case Area::Header:
        return {{checkBox(HeaderMiddlePictureOn)},
                {checkBox(HeaderLeftPictureOn)},
                {checkBox(HeaderRightPictureOn)},
                {named(NameEffect, kEffectNames, true), checkBox(NamePictureOn)},
                {named(IntroEffect, kEffectNames, true), checkBox(IntroPictureOn)}};
    case Area::Navigation:
        return {{checkBox(NavigationVertical), checkBox(NavigationPicturesOn)}, {checkBox(NavigationHideDividers)}};
    case Area::Modules:
        return {{checkBox(MainTransparencyOn), checkBox(ModulePictureOn)}, {checkBox(ModuleBorderPicturesOn)}};
    case Area::Articles:
        return {{checkBox(ArticleScrollOn)},
                {checkBox(ArticleTitlePictureOn)},
                {named(ArticleTextEffect, kEffectNames, true), checkBox(ArticleTextPictureOn)},
                {checkBox(ArticleDividerPictureOn)}};
    case Area::Categories:
        return {{checkBox(CategoryScrollOn)}, {checkBox(CategoryPictureOn)}, {checkBox(CategoryDividerPictureOn)}};
    case Area::Profile:
        return {{checkBox(ProfilePictureOn)}};
    case Area::Album:
        return {{checkBox(AlbumBarPictureOn)}};
    case Area::Links:
        return {{checkBox(LinksScrollOn)},
                {checkBox(LinksPictureOn)},
                {checkBox(LinksDividerPictureOn)},
                {checkBox(FriendsDividerPictureOn)}};
    case Area::Comments:
        return {{checkBox(CommentBoxPictureOn)}, {checkBox(CommentDividerPictureOn)}};
    case Area::Extras:
        return {{checkBox(ExtrasDividerPictureOn)},
                {named(PlayerStyle, kPlayerStyleNames)},
                {checkBox(PictureFilterOn)},
                {checkBox(SearchPictureOn)},
                {petForm()}};
    }
    return {};
}

std::optional<QString> probeText(Option option)
{
    if (optionDef(option).kind == OptionKind::Check || contains(kShapingChoices, option))
        return std::nullopt;
    if (contains(kComputedSizes, option))
        return QString::number(kFirstProbeNumber + qint64(rowOf(option)) * kNumberStep);
    return cutLabel(option) + probeCharText(option);
}

std::optional<Option> probedOption(QChar c)
{
    const int row = c.unicode() - kFirstProbeChar;
    if (row < 0 || row >= kOptionCount)
        return std::nullopt;
    return optionAt(row);
}

std::optional<ProbedNumber> probedNumber(QStringView digits)
{
    bool ok = false;
    const qint64 offset = digits.toLongLong(&ok) - kFirstProbeNumber;
    if (!ok || digits.front() == u'0' || offset < 0 || offset >= qint64(kOptionCount) * kNumberStep)
        return std::nullopt;
    const Option option = optionAt(int(offset / kNumberStep));
    if (!contains(kComputedSizes, option))
        return std::nullopt;
    return ProbedNumber{option, int(offset % kNumberStep)};
}

int writtenTail(Option option)
{
    if (option == PictureFilter)
        return 1;
    return optionDef(option).kind == OptionKind::Colour ? 6 : 0;
}

QStringView cutLabel(Option option)
{
    return option == MainAlignment ? kMainAlignmentLabel : QStringView();
}

} // namespace stylewright
