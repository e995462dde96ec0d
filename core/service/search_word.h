#pragma once
// Words and addresses as the service expects them: GBK bytes, percent-encoded.

#include <QString>
#include <QStringView>

namespace stylewright {

// Letters, digits and "-._~" stay as they are, a space becomes "+", every other GBK byte is
// written "%XX" in upper case: "鼠标 ani" gives "%CA%F3%B1%EA+ani".
QString encodeSearchWord(QStringView word);
// Every character outside ASCII written as its GBK bytes, percent-encoded; ASCII, including any
// "%XX" already there, stays as it is: "/墨檐" gives "/%C4%AB%E9%DC".
QString encodeAddressGbk(QStringView address);

} // namespace stylewright
