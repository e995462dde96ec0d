#pragma once
// A private-profile (INI) file held in memory. Reading and writing keep every line the program
// does not change byte for byte, including comments, blank lines and unknown sections.

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <vector>

namespace stylewright {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(const QByteArray &bytes); // GBK text, any line ends
    QByteArray toBytes() const;

    // The value after the first "=" of the key's line in the section, blanks (space, tab) at both
    // ends and one pair of enclosing quotes removed, whole; empty when missing. Section and key
    // names compare ignoring ASCII case.
    QString value(QStringView section, QStringView key) const;

    // Replaces an existing key in place, adds a missing key at the end of its section, and a
    // missing section at the end of the file.
    void setValue(QStringView section, QStringView key, QStringView value);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QByteArray bytes; // the line as stored, without its line end
        QByteArray end;   // "\r\n", "\n", "\r" or empty for an unterminated last line
        Kind kind = Kind::Other;
        QString name; // section or key name, trimmed
    };

    int findSection(QStringView section) const;     // line of the header, -1 if missing
    int sectionEnd(int header) const;               // line after the section's last line
    int findKey(int header, QStringView key) const; // -1 if missing
    static Line parse(QByteArray bytes, QByteArray end);
    static QByteArray encodeValue(QStringView value);
    static Line keyLine(QStringView key, QStringView value);

    std::vector<Line> m_lines;
};

} // namespace stylewright
