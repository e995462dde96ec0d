#include "base/text_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace stylewright {

QByteArray encodeGbk(QStringView text)
{
    // One converter per thread: opening one costs more than most texts take to convert, and a
    // stateless converter carries nothing from one call to the next.
    thread_local QStringEncoder encoder("GB18030", QStringConverter::Flag::Stateless);
    return encoder.encode(text);
}

QString decodeGbk(QByteArrayView bytes)
{
    thread_local QStringDecoder decoder("GB18030", QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace stylewright
