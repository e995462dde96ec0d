// Album module and album list ("8.相册设置").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

struct AlbumOptions {
    QString colour, visitedColour, fontSize;
    // The bar under each album of the list.
    QString barColour, barLineHeight;
    bool barPictureOn;
    QString barPicture, barPictureRepeat;
};

AlbumOptions readOptions(const OptionSet &o)
{
    return {.colour = colour(o, AlbumColour),
            .visitedColour = colour(o, AlbumVisitedColour),
            .fontSize = o.value(AlbumFontSize),
            .barColour = colour(o, AlbumBarColour),
            .barLineHeight = o.value(AlbumBarLineHeight),
            .barPictureOn = o.isChecked(AlbumBarPictureOn),
            .barPicture = o.value(AlbumBarPicture),
            .barPictureRepeat = o.value(AlbumBarPictureRepeat)};
}

QString albumRules(const AlbumOptions &album)
{
    return QStringList{
        QStringLiteral("#m_album div.image{text-align:center}"),
        u"#m_album div.page {color:#" + album.colour + u";font-size:" + album.fontSize + u"px;text-align:center}",
        u"#m_album div.page a{color:#" + album.colour + u";font-size:" + album.fontSize + u"px}",
        u"#m_album div.page a:visited{color:#" + album.visitedColour + u'}',
    }
        .join(u"\r\n");
}

QString listRules(const AlbumOptions &album)
{
    QString bar = u"#m_albumlist div.desc{line-height:" + album.barLineHeight;
    QString divider;
    if (album.barPictureOn) {
        // A picture bar uses the background shorthand and hides the divider instead of colouring it.
        bar += u"px;background:url(" + album.barPicture + u") " + album.barPictureRepeat;
        divider = QStringLiteral("#m_albumlist div.line{display:none}");
    } else {
        bar += u"px;background-color:#" + album.barColour;
        divider =
            u"#m_albumlist div.line{margin-top:10px;line-height:16px;border-top:1px solid #" + album.barColour + u'}';
    }
    bar += u";font-size:" + album.fontSize + u"px;color:#" + album.colour + u'}';
    const QString colourAndSize = u"color:#" + album.colour + u";font-size:" + album.fontSize;
    return QStringList{
        bar,
        u"#m_albumlist div.none{padding:100px 0 100px 0;" + colourAndSize + u"px} ",
        divider,
        u"#m_albumlist div.tit{margin:6px 0 7px 0;" + colourAndSize + u"px}",
        u"#m_albumlist div.tit a{" + colourAndSize + u"px}",
        u"#m_albumlist div.tit a:visited{color:#" + album.visitedColour + u'}',
        u"#m_albumlist span.count{" + colourAndSize + u"px;font-weight:bold}",
        u"#m_albumlist span.size{" + colourAndSize + u"px;font-family:Arial}",
        u"#m_albumlist a.act{" + colourAndSize + u"px}",
        u"#m_albumlist a.act:visited{color:#" + album.visitedColour + u'}',
    }
        .join(u"\r\n");
}

} // namespace

Result<QStringList> generateAlbum(const OptionSet &o)
{
    const AlbumOptions album = readOptions(o);
    return QStringList{
        QStringLiteral("\r\n/*相册区域*/"),
        albumRules(album),
        QStringLiteral("\r\n/*相册列表*/"),
        listRules(album),
    };
}

} // namespace stylewright
