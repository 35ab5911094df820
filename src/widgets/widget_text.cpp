#include "widgets/widget_text.h"

QString toWidgetText(const QString& crlf, bool* wasCrLf)
{
    // One pass: each CR LF, lone CR or lone LF becomes one "\n".
    QString text(crlf.size(), Qt::Uninitialized);
    QChar* out = text.data();
    bool canonical = true;
    const qsizetype n = crlf.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = crlf[i];
        if (c == QLatin1Char('\r')) {
            *out++ = QLatin1Char('\n');
            if (i + 1 < n && crlf[i + 1] == QLatin1Char('\n'))
                ++i;
            else
                canonical = false;
        } else {
            if (c == QLatin1Char('\n'))
                canonical = false;
            *out++ = c;
        }
    }
    text.truncate(out - text.constData());
    if (wasCrLf)
        *wasCrLf = canonical;
    return text;
}

QString fromWidgetText(const QString& widget)
{
    QString text = widget;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}
