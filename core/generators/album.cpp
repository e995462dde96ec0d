// Album module and album list ("8.相册设置").

#include "generators/areas.h"
#include "generators/css_text.h"

namespace stylewright {
namespace {

using enum Option;

QString albumRules(const QString &c, const QString &cv, const QString &size)
{
    return QStringList{
        QStringLiteral("#m_album div.image{text-align:center}"),
        u"#m_album div.page {color:#" + c + u";font-size:" + size + u"px;text-align:center}",
        u"#m_album div.page a{color:#" + c + u";font-size:" + size + u"px}",
        u"#m_album div.page a:visited{color:#" + cv + u'}',
    }
        .join(u"\r\n");
}

QString listRules(const OptionSet &o, const QString &c, const QString &cv, const QString &size)
{
    const QString barColour = colour(o, AlbumBarColour);
    QString bar = u"#m_albumlist div.desc{line-height:" + o.value(AlbumBarLineHeight);
    QString separator;
    if (o.isChecked(AlbumBarPictureOn)) {
        // A picture bar uses the background shorthand and hides the separator instead of colouring it.
        bar += u"px;background:url(" + o.value(AlbumBarPicture) + u") " + o.value(AlbumBarPictureRepeat);
        separator = QStringLiteral("#m_albumlist div.line{display:none}");
    } else {
        bar += u"px;background-color:#" + barColour;
        separator = u"#m_albumlist div.line{margin-top:10px;line-height:16px;border-top:1px solid #" + barColour + u'}';
    }
    bar += u";font-size:" + size + u"px;color:#" + c + u'}';
    return QStringList{
        bar,
        u"#m_albumlist div.none{padding:100px 0 100px 0;color:#" + c + u";font-size:" + size + u"px} ",
        separator,
        u"#m_albumlist div.tit{margin:6px 0 7px 0;color:#" + c + u";font-size:" + size + u"px}",
        u"#m_albumlist div.tit a{color:#" + c + u";font-size:" + size + u"px}",
        u"#m_albumlist div.tit a:visited{color:#" + cv + u'}',
        u"#m_albumlist span.count{color:#" + c + u";font-size:" + size + u"px;font-weight:bold}",
        u"#m_albumlist span.size{color:#" + c + u";font-size:" + size + u"px;font-family:Arial}",
        u"#m_albumlist a.act{color:#" + c + u";font-size:" + size + u"px}",
        u"#m_albumlist a.act:visited{color:#" + cv + u'}',
    }
        .join(u"\r\n");
}

} // namespace

Result<QStringList> generateAlbum(const OptionSet &o)
{
    const QString c = colour(o, AlbumColour);
    const QString cv = colour(o, AlbumVisitedColour);
    const QString size = o.value(AlbumFontSize);
    return QStringList{
        QStringLiteral("\r\n/*相册区域*/"),
        albumRules(c, cv, size),
        QStringLiteral("\r\n/*相册列表*/"),
        listRules(o, c, cv, size),
    };
}

} // namespace stylewright
