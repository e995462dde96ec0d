#include "stylewright-preview/page_scripts.h"

#include "stylewright-preview/sample_page.h"

namespace stylewright {
namespace {

// Shared by the outlining scripts: the layer, hung on the root so that no rule for the body's
// children reaches it, placed in page coordinates.
constexpr QStringView kOutlineLayer =
    u"var stylewrightOutline = function (elements, label, scroll) {"
    u"  var root = document.documentElement, layer = document.getElementById('stylewright-pointing');"
    u"  if (!layer) { layer = document.createElement('div'); layer.id = 'stylewright-pointing'; "
    u"root.appendChild(layer); }"
    u"  layer.setAttribute('style', 'all:initial;position:absolute;left:0;top:0;width:0;height:0;overflow:visible;"
    u"pointer-events:none;z-index:2147483647');"
    u"  layer.textContent = '';"
    u"  if (scroll && elements.length) {"
    u"    var f = elements[0].getBoundingClientRect();"
    u"    if (f.bottom < 0 || f.top > innerHeight || f.right < 0 || f.left > innerWidth)"
    u"      elements[0].scrollIntoView({block: 'center', inline: 'nearest'});"
    u"  }"
    u"  var sx = scrollX, sy = scrollY, first = null, shown = 0;"
    u"  elements.forEach(function (e) {"
    u"    var r = e.getBoundingClientRect();"
    u"    if (r.width <= 0 && r.height <= 0) return;"
    u"    if (!first) first = r;"
    u"    ++shown;"
    u"    var box = document.createElement('div');"
    u"    box.setAttribute('style', 'all:initial;position:absolute;box-sizing:border-box;pointer-events:none;"
    u"left:' + (r.left + sx) + 'px;top:' + (r.top + sy) + 'px;width:' + r.width + 'px;height:' + r.height + 'px;"
    u"border:2px solid #1a73e8;background:rgba(26,115,232,0.10)');"
    u"    layer.appendChild(box);"
    u"  });"
    u"  if (label && first) {"
    u"    var tag = document.createElement('div');"
    u"    tag.setAttribute('style', 'all:initial;position:absolute;pointer-events:none;white-space:nowrap;"
    u"font:12px/18px sans-serif;color:#fff;background:#1a73e8;padding:0 6px;border-radius:2px');"
    u"    tag.textContent = label;"
    u"    layer.appendChild(tag);"
    u"    var width = root.clientWidth, left = Math.max(0, Math.min(first.left + sx, sx + width - tag.offsetWidth));"
    u"    var top = first.top >= 18 ? first.top + sy - 18 : Math.max(first.top, 0) + sy;"
    u"    tag.style.left = left + 'px'; tag.style.top = top + 'px';"
    u"  }"
    u"  return shown;"
    u"};";

} // namespace

QString hitTestScript(QPoint point)
{
    return QStringLiteral("(function (x, y) {"
                          "  var e = document.elementFromPoint(x, y), chain = [];"
                          "  window.stylewrightHit = e;"
                          "  for (var n = e; n; n = n.parentElement)"
                          "    chain.unshift([n.tagName.toLowerCase(), n.id || '',"
                          "                   typeof n.className === 'string' ? n.className : '']);"
                          "  return JSON.stringify(chain);"
                          "})(%1, %2)")
        .arg(point.x())
        .arg(point.y());
}

QString outlineHitScript(int up, const QString &label)
{
    return kOutlineLayer + QStringLiteral("(function (up, label) {"
                                          "  var e = window.stylewrightHit;"
                                          "  for (var i = 0; i < up && e; ++i) e = e.parentElement;"
                                          "  return stylewrightOutline(e ? [e] : [], label, false);"
                                          "})(%1, %2)")
                               .arg(up)
                               .arg(javaScriptString(label));
}

QString outlineSelectorsScript(const QStringList &selectors)
{
    QString list;
    for (const QString &selector : selectors)
        list += javaScriptString(selector) + u',';
    return kOutlineLayer + QStringLiteral("(function (selectors) {"
                                          "  var found = [];"
                                          "  selectors.forEach(function (s) {"
                                          "    try { document.querySelectorAll(s).forEach(function (e) {"
                                          "      if (found.indexOf(e) < 0) found.push(e); }); } catch (x) {}"
                                          "  });"
                                          "  return stylewrightOutline(found, '', true);"
                                          "})([%1])")
                               .arg(list);
}

QString clearOutlineScript()
{
    return QStringLiteral("(function () {"
                          "  var layer = document.getElementById('stylewright-pointing');"
                          "  if (layer) layer.remove();"
                          "  return 0;"
                          "})()");
}

QString collectTextsScript()
{
    // Each element's styles are read once, however many texts and descendants it has.
    return QStringLiteral(
        "(function () {"
        "  var out = [], byElement = new Map(), styles = new Map();"
        "  var layer = document.getElementById('stylewright-pointing');"
        "  var style = function (e) { var s = styles.get(e); if (!s) { s = getComputedStyle(e); styles.set(e, s); }"
        "                             return s; };"
        "  var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);"
        "  for (var n; (n = walker.nextNode());) {"
        "    var text = n.nodeValue.replace(/\\s+/g, ' ').trim(), e = n.parentElement;"
        "    if (!text || !e || (layer && layer.contains(e))) continue;"
        "    var had = byElement.get(e);"
        "    if (had) { if (had.text.length < 24) had.text = (had.text + ' ' + text).slice(0, 24); continue; }"
        "    var s = style(e);"
        "    if (s.visibility !== 'visible' || e.getClientRects().length === 0 || parseFloat(s.fontSize) <= 0) "
        "continue;"
        "    var layers = [], chain = [];"
        "    for (var a = e; a; a = a.parentElement) {"
        "      var as = style(a);"
        "      layers.push([as.backgroundColor, as.backgroundImage !== 'none']);"
        "      chain.unshift([a.tagName.toLowerCase(), a.id || '', typeof a.className === 'string' ? a.className : "
        "'']);"
        "    }"
        "    var o = {text: text.slice(0, 24), colour: s.color, size: parseFloat(s.fontSize),"
        "             weight: parseInt(s.fontWeight, 10) || 400, layers: layers, element: chain};"
        "    byElement.set(e, o);"
        "    out.push(o);"
        "  }"
        "  return JSON.stringify(out);"
        "})()");
}

} // namespace stylewright
