#include "options/ini_document.h"

#include "base/text_encoding.h"

namespace stylewright {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimBlanks(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

QStringView trimBlanks(QStringView v)
{
    while (!v.isEmpty() && (v.front() == u' ' || v.front() == u'\t'))
        v = v.sliced(1);
    while (!v.isEmpty() && (v.back() == u' ' || v.back() == u'\t'))
        v.chop(1);
    return v;
}

char16_t asciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i].unicode()) != asciiLower(b[i].unicode()))
            return false;
    }
    return true;
}

} // namespace

IniDocument::IniDocument(const QByteArray &bytes)
{
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && bytes[i] != '\n' && bytes[i] != '\r')
            ++i;
        qsizetype endLen = 0;
        if (i < n)
            endLen = (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
        m_lines.push_back(parse(bytes.mid(start, i - start), bytes.mid(i, endLen)));
        start = i + endLen;
    }
}

IniDocument::Line IniDocument::parse(QByteArray bytes, QByteArray end)
{
    Line line{std::move(bytes), std::move(end), Kind::Other, {}};
    const QByteArrayView trimmed = trimBlanks(QByteArrayView(line.bytes));
    if (trimmed.startsWith('[')) {
        // The name is decoded before looking for "]": a GBK trail byte may equal "]".
        const QString text = decodeGbk(trimmed.sliced(1));
        const qsizetype close = text.indexOf(u']');
        line.kind = Kind::Section;
        line.name = trimBlanks(close < 0 ? QStringView(text) : QStringView(text).first(close)).toString();
    } else if (!trimmed.startsWith(';')) {
        const qsizetype eq = line.bytes.indexOf('='); // "=" is never a GBK trail byte
        if (eq >= 0) {
            line.kind = Kind::Key;
            line.name = decodeGbk(trimBlanks(QByteArrayView(line.bytes).first(eq)));
        }
    }
    return line;
}

QByteArray IniDocument::toBytes() const
{
    qsizetype size = 0;
    for (const Line &l : m_lines)
        size += l.bytes.size() + l.end.size();
    QByteArray out;
    out.reserve(size);
    for (const Line &l : m_lines) {
        out += l.bytes;
        out += l.end;
    }
    return out;
}

int IniDocument::findSection(QStringView section) const
{
    for (int i = 0; i < int(m_lines.size()); ++i) {
        if (m_lines[i].kind == Kind::Section && sameName(m_lines[i].name, section))
            return i;
    }
    return -1;
}

int IniDocument::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < int(m_lines.size()) && m_lines[i].kind != Kind::Section)
        ++i;
    return i;
}

int IniDocument::findKey(int header, QStringView key) const
{
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Key && sameName(m_lines[i].name, key))
            return i;
    }
    return -1;
}

QString IniDocument::value(QStringView section, QStringView key) const
{
    const int header = findSection(section);
    const int line = header < 0 ? -1 : findKey(header, key);
    if (line < 0)
        return {};
    const QByteArray &bytes = m_lines[line].bytes;
    QByteArrayView v = trimBlanks(QByteArrayView(bytes).sliced(bytes.indexOf('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.sliced(1, v.size() - 2);
    return decodeGbk(v);
}

// A line break inside a value would end the line early and let the rest pose as another key.
QByteArray IniDocument::encodeValue(QStringView value)
{
    QByteArray bytes = encodeGbk(value);
    if (bytes.contains('\r') || bytes.contains('\n')) // replace() copies and scans slowly even when there are none
        bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

IniDocument::Line IniDocument::keyLine(QStringView key, QStringView value)
{
    QByteArray bytes = encodeGbk(key);
    bytes += '=';
    bytes += encodeValue(value);
    return Line{std::move(bytes), QByteArray(kCrLf.data(), kCrLf.size()), Kind::Key, key.toString()};
}

void IniDocument::setValue(QStringView section, QStringView key, QStringView value)
{
    const QByteArray crlf(kCrLf.data(), kCrLf.size());
    const int header = findSection(section);
    if (header < 0) {
        if (!m_lines.empty()) {
            if (m_lines.back().end.isEmpty())
                m_lines.back().end = crlf;
            if (!trimBlanks(QByteArrayView(m_lines.back().bytes)).isEmpty())
                m_lines.push_back(Line{{}, crlf, Kind::Other, {}}); // a blank line between sections
        }
        m_lines.push_back(Line{'[' + encodeGbk(section) + ']', crlf, Kind::Section, section.toString()});
        m_lines.push_back(keyLine(key, value));
        return;
    }
    const int existing = findKey(header, key);
    if (existing >= 0) {
        // Keep the key as the file spells it; only the value changes.
        Line &line = m_lines[existing];
        line.bytes.truncate(line.bytes.indexOf('=') + 1);
        line.bytes += encodeValue(value);
        return;
    }
    // After the section's last non-blank line, so blank separators stay between sections.
    int at = sectionEnd(header);
    while (at > header + 1 && trimBlanks(QByteArrayView(m_lines[at - 1].bytes)).isEmpty())
        --at;
    if (m_lines[at - 1].end.isEmpty())
        m_lines[at - 1].end = crlf;
    m_lines.insert(m_lines.begin() + at, keyLine(key, value));
}

} // namespace stylewright
