#include "tickets/ticket_text.h"

#include <cmath>
#include <limits>

namespace tickets {

QString removeMarkers(const QString& text)
{
    if (!text.contains(kMarker) && !text.contains(kPrizeMark))
        return text;
    QString out = text;
    out.remove(kMarker);
    out.remove(kPrizeMark);
    return out;
}

namespace {

// The tickets of a text, one line each: runs of spaces collapsed to one, trailing spaces
// and empty lines gone.
QStringList ticketLines(const QString& text)
{
    const QString clean = removeMarkers(text);
    QStringList lines;
    for (QStringView line : QStringView(clean).split(kCrLf)) {
        QString tidy;
        tidy.reserve(line.size());
        for (const QChar c : line) {
            if (c != QLatin1Char(' ') || !tidy.endsWith(QLatin1Char(' ')))
                tidy += c;
        }
        while (tidy.endsWith(QLatin1Char(' ')))
            tidy.chop(1);
        if (!tidy.isEmpty())
            lines += tidy;
    }
    return lines;
}

}  // namespace

bool sameTickets(const QString& a, const QString& b)
{
    return a == b || ticketLines(a) == ticketLines(b);
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

bool toInt16Rounded(QStringView text, qint16* value)
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
