// Space name and introduction header ("2.名称简介").

#include "generators/areas.h"
#include "generators/css_text.h"
#include "generators/effect_fragments.h"
#include "options/choices.h"

namespace stylewright {
namespace {

using enum Option;

// A background picture of the header strip: its middle or one of its corners.
struct StripPicture {
    bool on;
    QString address, repeat, position;
};

// The space name or the introduction line.
struct HeaderText {
    QString top, left, fontSize, font;
    QString colour;               // the name's link colour, the introduction's text colour
    QString visitedColour;        // the name's only
    std::optional<Effect> effect; // nothing: the effect field names no effect and the rule is left out
    QString effectColour;
    bool pictureOn;
    QString picture;
};

struct HeaderOptions {
    QString height, colour;
    StripPicture middle, left, right;
    HeaderText name, intro;
};

StripPicture readPicture(const OptionSet &o, Option on, Option address, Option repeat, Option position)
{
    return {o.isChecked(on), o.value(address), o.value(repeat), o.value(position)};
}

HeaderOptions readOptions(const OptionSet &o)
{
    return {.height = o.value(HeaderHeight),
            .colour = colour(o, HeaderColour),
            .middle = readPicture(o, HeaderMiddlePictureOn, HeaderMiddlePicture, HeaderMiddlePictureRepeat,
                                  HeaderMiddlePicturePosition),
            .left = readPicture(o, HeaderLeftPictureOn, HeaderLeftPicture, HeaderLeftPictureRepeat,
                                HeaderLeftPicturePosition),
            .right = readPicture(o, HeaderRightPictureOn, HeaderRightPicture, HeaderRightPictureRepeat,
                                 HeaderRightPicturePosition),
            .name = {.top = o.value(NameTop),
                     .left = o.value(NameLeft),
                     .fontSize = o.value(NameFontSize),
                     .font = o.value(NameFont),
                     .colour = colour(o, NameColour),
                     .visitedColour = colour(o, NameVisitedColour),
                     .effect = effectNamed(o.value(NameEffect)),
                     .effectColour = colour(o, NameEffectColour),
                     .pictureOn = o.isChecked(NamePictureOn),
                     .picture = o.value(NamePicture)},
            .intro = {.top = o.value(IntroTop),
                      .left = o.value(IntroLeft),
                      .fontSize = o.value(IntroFontSize),
                      .font = o.value(IntroFont),
                      .colour = colour(o, IntroColour),
                      .visitedColour = {}, // the introduction is no link
                      .effect = effectNamed(o.value(IntroEffect)),
                      .effectColour = colour(o, IntroEffectColour),
                      .pictureOn = o.isChecked(IntroPictureOn),
                      .picture = o.value(IntroPicture)}};
}

QString stripRule(const HeaderOptions &header)
{
    const StripPicture &middle = header.middle;
    if (middle.on) {
        return u"#header{height:" + header.height + u"px;background:url(" + middle.address + u") #" + header.colour +
               u";background-repeat:" + middle.repeat + u";background-position:" + middle.position + u'}';
    }
    return u"#header{height:" + header.height + u"px;background-color:#" + header.colour + u'}';
}

QString cornerRule(QStringView selector, const StripPicture &corner)
{
    if (!corner.on)
        return selector + u'}';
    return selector + u"background:url(" + corner.address + u");background-repeat:" + corner.repeat +
           u";background-position:" + corner.position + u'}';
}

QString nameRule(const HeaderText &name, const QString &lineHeight)
{
    if (!name.effect)
        return {};
    const QString start = u"#header div.tit{top:" + name.top + u"px;left:" + name.left + u"px;line-height:" +
                          lineHeight + u"px;font-size:" + name.fontSize + u"px;font-family:" + name.font +
                          headerEffectFilter(*name.effect, name.effectColour);
    if (name.pictureOn) {
        return start + u";background:url(" + name.picture +
               u");background-repeat:no-repeat;background-position:center center}";
    }
    // Closing the name rule, the emboss filter alone carries a strength, as published sheets have it.
    return start + (*name.effect == Effect::Emboss ? u",strength=4)}" : u"}");
}

QString introRule(const HeaderText &intro, const QString &lineHeight)
{
    if (!intro.effect)
        return {};
    const QString start = u"#header div.desc{text-decoration:none;top:" + intro.top + u"px;left:" + intro.left +
                          u"px;font-size:" + intro.fontSize + u"px;line-height:" + lineHeight + u"px;font-family:" +
                          intro.font + headerEffectFilter(*intro.effect, intro.effectColour) + u";color:#" +
                          intro.colour;
    if (!intro.pictureOn)
        return start + u'}';
    // The mask effect alone takes the short background form.
    const QStringView tail = *intro.effect == Effect::Mask
                                 ? QStringView(u") no-repeat center}")
                                 : QStringView(u");background-repeat:no-repeat;background-position:center center}");
    return start + u";background:url(" + intro.picture + tail;
}

} // namespace

Result<QStringList> generateHeader(const OptionSet &o)
{
    const HeaderOptions header = readOptions(o);
    const std::optional<QString> nameLineHeight = addToDecimal(header.name.fontSize, 5);
    if (!nameLineHeight)
        return notANumber(u"名称栏字体大小", header.name.fontSize);
    const std::optional<QString> introLineHeight = addToDecimal(header.intro.fontSize, 5);
    if (!introLineHeight)
        return notANumber(u"简介栏字体大小", header.intro.fontSize);

    const QStringList rules{
        stripRule(header),
        cornerRule(u"#header div.lc{", header.left),
        cornerRule(u"#header div.rc{", header.right),
        nameRule(header.name, *nameLineHeight),
        u"#header div.tit a.titlink{text-decoration:none;color:#" + header.name.colour + u'}',
        u"#header div.tit a.titlink:visited{text-decoration:none;color:#" + header.name.visitedColour + u'}',
        introRule(header.intro, *introLineHeight),
    };
    return QStringList{QStringLiteral("\r\n/*空间名称&简介区域*/"), rules.join(u"\r\n")};
}

} // namespace stylewright
