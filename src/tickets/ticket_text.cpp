#include "tickets/ticket_text.h"

#include <cmath>
#include <limits>

namespace tickets {

QString removeMarkers(const QString& text)
{
    if (!text.contains(kMarker))
        return text;
    QString out = text;
    out.remove(kMarker);
    return out;
}

QString collapseSpaces(QString text, int passes)
{
    static const QString twoSpaces = QStringLiteral("  ");
    static const QString oneSpace = QStringLiteral(" ");
    for (int i = 0; i < passes && text.contains(twoSpaces); ++i)
        text.replace(twoSpaces, oneSpace);
    return text;
}

QString cleanTicketText(const QString& text)
{
    return collapseSpaces(removeMarkers(text), 5);
}

QStringList splitLines(const QString& text)
{
    return text.split(kCrLf, Qt::KeepEmptyParts);
}

QStringList splitFields(const QString& line)
{
    return line.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

bool isNumeric(QStringView field)
{
    int i = 0;
    const int n = field.size();
    if (i < n && (field[i] == QLatin1Char('+') || field[i] == QLatin1Char('-')))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = field[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            ++digits;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

bool isNumberField(QStringView field)
{
    if (field.size() != 2)
        return false;
    const auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    return (digit(field[0]) && digit(field[1])) || isNumeric(field);
}

bool toInt16Rounded(const QString& text, qint16* value)
{
    if (!isNumeric(text))
        return false;
    bool ok = false;
    const double d = text.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return false;
    const double r = std::nearbyint(d);  // default rounding mode: half to even
    if (r < std::numeric_limits<qint16>::min() || r > std::numeric_limits<qint16>::max())
        return false;
    *value = static_cast<qint16>(r);
    return true;
}

QString numberText(int value)
{
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

int countLineBreaks(const QString& text)
{
    return text.count(kCrLf);
}

LineFields::LineFields(QStringView line)
{
    qsizetype start = 0;
    const qsizetype n = line.size();
    for (qsizetype i = 0; i < n && count < 8; ++i) {
        if (line[i] == QLatin1Char(' ')) {
            field[count++] = line.mid(start, i - start);
            start = i + 1;
        }
    }
    if (count < 8)
        field[count++] = line.mid(start);
}

bool LineFields::complete() const
{
    if (count < 7)
        return false;
    for (int k = 0; k < 7; ++k)
        if (field[k].isEmpty())
            return false;
    return true;
}

qint16 clampToInt16(qint64 value)
{
    if (value > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (value < std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return static_cast<qint16>(value);
}

}  // namespace tickets
