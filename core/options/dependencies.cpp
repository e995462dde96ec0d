#include "options/dependencies.h"

#include "options/choices.h"
#include "options/option_set.h"

#include <initializer_list>

namespace stylewright {
namespace {

using enum Option;

// A check box, the options that take its state and the options that take the opposite state.
struct CheckRule {
    Option box;
    std::initializer_list<Option> same;
    std::initializer_list<Option> inverse = {};
};

// clang-format off
const CheckRule kCheckRules[] = {
    {PagePictureOn, {PagePicture, PageBackgroundFixed, PagePictureRepeat, PagePicturePosition}},
    {CursorOn, {Cursor}},
    {MainPictureOn, {MainPicture, MainPictureRepeat, MainPicturePosition}},
    {MainScrollOn, {MainScrollTop, MainScrollLeft, MainScrollWidth, MainScrollHeight}},
    {NavigationPicturesOn, {NavigationPicture, NavigationHoverPicture}},
    {ModuleBorderPicturesOn, {ModuleTopLeftPicture, ModuleTopCentrePicture, ModuleTopRightPicture,
                              ModuleBottomLeftPicture, ModuleBottomCentrePicture, ModuleBottomRightPicture,
                              ModuleBorderLineHeight}},
    {ModulePictureOn, {ModulePicture, ModulePictureRepeat}},
    {ArticleTitlePictureOn, {ArticleTitleIndent, ArticleTitleLineHeight, ArticleTitlePicture,
                             ArticleTitlePictureRepeat, ArticleTitlePicturePosition}},
    {ArticleDividerPictureOn, {ArticleDividerPicture, ArticleDividerRepeat}},
    {ArticleTextPictureOn, {ArticleTextPicture, ArticleTextPictureRepeat, ArticleTextPicturePosition}},
    {ArticleScrollOn, {ArticleScrollHeight}},
    {CategoryScrollOn, {CategoryScrollHeight}},
    {CategoryDividerPictureOn, {CategoryDividerPicture, CategoryDividerRepeat}},
    {CategoryPictureOn, {CategoryPicture, CategoryPictureRepeat, CategoryPicturePosition}},
    {ProfilePictureOn, {ProfilePicture, ProfilePictureHeight}},
    {AlbumBarPictureOn, {AlbumBarPicture, AlbumBarPictureRepeat}, {AlbumBarColour}},
    {LinksScrollOn, {LinksScrollHeight}},
    {FriendsDividerPictureOn, {FriendsDividerPicture, FriendsDividerRepeat}},
    {LinksDividerPictureOn, {LinksDividerPicture, LinksDividerRepeat}},
    {LinksPictureOn, {LinksPicture, LinksPictureRepeat}},
    {CommentBoxPictureOn, {CommentBoxPicture, CommentBoxPictureRepeat, CommentBoxPicturePosition}},
    {CommentDividerPictureOn, {CommentDividerRepeat, CommentDividerPosition, CommentDividerPicture}},
    {ExtrasDividerPictureOn, {ExtrasDividerPicture, ExtrasDividerRepeat, ExtrasDividerPosition,
                              ExtrasDividerLineHeight}},
    {SearchPictureOn, {SearchPicture, SearchPictureRepeat}, {SearchColour}},
    {PictureFilterOn, {PictureFilter}},
};
// clang-format on

const CheckRule *checkRuleOf(Option box)
{
    for (const CheckRule &rule : kCheckRules) {
        if (rule.box == box)
            return &rule;
    }
    return nullptr;
}

void setAll(OptionSet &o, std::initializer_list<Option> targets, bool enabled)
{
    for (Option target : targets)
        o.setEnabled(target, enabled);
}

// Which width fields a column layout uses; any other text leaves them as they are.
void columnWidths(OptionSet &o)
{
    const std::optional<Columns> layout = columnsNamed(o.value(ColumnLayout));
    if (!layout)
        return;
    const bool two = *layout == Columns::Two, three = *layout == Columns::Three;
    o.setEnabled(ColumnsTotalWidth, *layout != Columns::ServiceDefault);
    o.setEnabled(FirstColumnWidth, two || three);
    o.setEnabled(SecondColumnWidth, three);
    o.setEnabled(ThirdColumnWidth, two || three);
}

// A header picture's fields follow its box; the greyed state counts as ticked.
void headerPictures(OptionSet &o)
{
    struct Picture {
        Option box, address, repeat, position;
    };
    constexpr Picture kPictures[] = {
        {HeaderMiddlePictureOn, HeaderMiddlePicture, HeaderMiddlePictureRepeat, HeaderMiddlePicturePosition},
        {HeaderLeftPictureOn, HeaderLeftPicture, HeaderLeftPictureRepeat, HeaderLeftPicturePosition},
        {HeaderRightPictureOn, HeaderRightPicture, HeaderRightPictureRepeat, HeaderRightPicturePosition},
    };
    for (const Picture &picture : kPictures)
        setAll(o, {picture.address, picture.repeat, picture.position},
               o.checkState(picture.box) != CheckState::Unchecked);
}

bool takesColour(const OptionSet &o, Option effectChoice)
{
    const std::optional<Effect> effect = effectNamed(o.value(effectChoice));
    return effect && effectTakesColour(*effect);
}

void transparency(OptionSet &o, CheckState state)
{
    if (state == CheckState::Unchecked) {
        o.setEnabled(MainPictureOn, true);
        o.setEnabled(MainTransparency, false);
        return;
    }
    // Transparency and a body picture exclude each other.
    o.setCheckState(MainPictureOn, CheckState::Unchecked);
    o.setEnabled(MainPictureOn, false);
    o.setEnabled(MainTransparency, true);
}

} // namespace

void applyDependencies(OptionSet &o, Option changed)
{
    // Only check boxes read it; a choice's text is looked at by its own reaction.
    const CheckState state = o.checkState(changed);
    switch (changed) {
    case PagePictureOn:
        if (state != CheckState::Greyed) // the greyed state leaves the picture fields alone
            setAll(o, checkRuleOf(changed)->same, state == CheckState::Checked);
        return;
    case BodyWidthOn:
        o.setEnabled(BodyWidth, state == CheckState::Checked);
        return;
    case MainTransparencyOn:
        transparency(o, state);
        return;
    case HeaderMiddlePictureOn:
    case HeaderLeftPictureOn:
    case HeaderRightPictureOn:
        headerPictures(o);
        return;
    case NameEffect:
    case IntroEffect:
        o.setEnabled(NameEffectColour, takesColour(o, NameEffect));
        o.setEnabled(IntroEffectColour, takesColour(o, IntroEffect));
        return;
    case ArticleTextEffect:
        o.setEnabled(ArticleTextEffectColour, takesColour(o, ArticleTextEffect));
        return;
    case ColumnLayout:
        columnWidths(o);
        return;
    default:
        break;
    }
    if (const CheckRule *rule = checkRuleOf(changed)) {
        setAll(o, rule->same, state != CheckState::Unchecked);
        setAll(o, rule->inverse, state == CheckState::Unchecked);
    }
}

} // namespace stylewright
