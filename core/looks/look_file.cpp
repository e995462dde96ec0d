#include "looks/look_file.h"

#include "options/ini_document.h"
#include "options/settings_file.h"

namespace stylewright {
namespace {

// The reader takes one pair of enclosing quotes off a value: quoting every name keeps a name
// that is itself quoted as typed.
QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

} // namespace

LookHeader lookHeaderOf(const QByteArray &bytes)
{
    const IniDocument doc(bytes);
    return {doc.value(kLookSection, kLookNameKey).trimmed(), doc.value(kLookSection, kLookDescriptionKey).trimmed()};
}

QByteArray withLookHeader(const QByteArray &bytes, const LookHeader &header)
{
    IniDocument doc(bytes);
    doc.setValue(kLookSection, kLookNameKey, quoted(header.name));
    doc.setValue(kLookSection, kLookDescriptionKey, quoted(header.description));
    return doc.toBytes();
}

QByteArray lookBytes(const OptionSet &options, const LookHeader &header, const QByteArray &previous)
{
    return withLookHeader(settingsBytes(options, previous), header);
}

} // namespace stylewright
