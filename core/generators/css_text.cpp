#include "generators/css_text.h"

#include <algorithm>

namespace stylewright {
namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Magnitudes as digit strings without leading zeros ("" is zero).
QString stripLeadingZeros(QString digits)
{
    qsizetype i = 0;
    while (i < digits.size() && digits[i] == u'0')
        ++i;
    return digits.mid(i);
}

int compareMagnitudes(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

QString addMagnitudes(const QString &a, const QString &b)
{
    QString out;
    int carry = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0 || j >= 0 || carry; --i, --j) {
        const int sum = carry + (i >= 0 ? a[i].unicode() - u'0' : 0) + (j >= 0 ? b[j].unicode() - u'0' : 0);
        out.append(QChar(u'0' + sum % 10));
        carry = sum / 10;
    }
    std::reverse(out.begin(), out.end());
    return stripLeadingZeros(out);
}

// a - b for a >= b.
QString subtractMagnitudes(const QString &a, const QString &b)
{
    QString out;
    int borrow = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0; --i, --j) {
        int d = a[i].unicode() - u'0' - borrow - (j >= 0 ? b[j].unicode() - u'0' : 0);
        borrow = d < 0;
        out.append(QChar(u'0' + d + 10 * borrow));
    }
    std::reverse(out.begin(), out.end());
    return stripLeadingZeros(out);
}

} // namespace

QString rightChars(const QString &text, qsizetype n)
{
    qsizetype start = text.size();
    for (qsizetype count = 0; count < n && start > 0; ++count) {
        --start;
        if (start > 0 && text[start].isLowSurrogate() && text[start - 1].isHighSurrogate())
            --start;
    }
    return text.mid(start);
}

std::optional<QString> addToDecimal(QStringView number, int addend)
{
    QStringView rest = number;
    bool negative = false;
    if (!rest.isEmpty() && (rest.front() == u'-' || rest.front() == u'+')) {
        negative = rest.front() == u'-';
        rest = rest.sliced(1);
    }
    const qsizetype point = rest.indexOf(u'.');
    const QStringView whole = point < 0 ? rest : rest.first(point);
    const QStringView fraction = point < 0 ? QStringView() : rest.sliced(point + 1);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    if (!std::all_of(whole.begin(), whole.end(), isAsciiDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), isAsciiDigit))
        return std::nullopt;

    // Both numbers scaled by 10^(fraction digits), as signed magnitudes.
    const qsizetype scale = fraction.size();
    const QString a = stripLeadingZeros(whole.toString() + fraction.toString());
    const bool bNegative = addend < 0;
    const QString b = stripLeadingZeros(QString::number(qAbs(qint64(addend))) + QString(scale, u'0'));

    QString magnitude;
    bool resultNegative = false;
    if (negative == bNegative) {
        magnitude = addMagnitudes(a, b);
        resultNegative = negative;
    } else if (compareMagnitudes(a, b) >= 0) {
        magnitude = subtractMagnitudes(a, b);
        resultNegative = negative;
    } else {
        magnitude = subtractMagnitudes(b, a);
        resultNegative = bNegative;
    }

    if (magnitude.size() <= scale)
        magnitude = QString(scale - magnitude.size() + 1, u'0') + magnitude;
    QString intPart = magnitude.left(magnitude.size() - scale);
    QString fracPart = magnitude.right(scale);
    while (!fracPart.isEmpty() && fracPart.back() == u'0')
        fracPart.chop(1);
    QString out = fracPart.isEmpty() ? intPart : intPart + u'.' + fracPart;
    if (resultNegative && out != u"0")
        out.prepend(u'-');
    return out;
}

Failure notANumber(QStringView fieldLabel, QStringView text)
{
    constexpr qsizetype kShown = 40; // quote a long text only by its start
    const QString shown = text.size() > kShown ? text.first(kShown).toString() + QStringLiteral("…") : text.toString();
    return {QStringLiteral("“%1”必须填写数字，现在填写的“%2”不是数字，代码没有生成。").arg(fieldLabel, shown),
            fieldLabel + u" is not a plain decimal number"};
}

} // namespace stylewright
