#pragma once
// A search word as the service's search addresses expect it: GBK bytes, percent-encoded.

#include <QString>
#include <QStringView>

namespace stylewright {

// Letters, digits and "-._~" stay as they are, a space becomes "+", every other GBK byte is
// written "%XX" in upper case: "鼠标 ani" gives "%CA%F3%B1%EA+ani".
QString encodeSearchWord(QStringView word);

} // namespace stylewright
