// Files and draw histories for tests of every kind, the tests of the rules included
// (Qt Core and Qt Test only).
#pragma once

#include "tickets/ticket_text.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>
#include <array>

namespace testfiles {

inline void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

// A file's bytes; "<none>" when it cannot be read.
inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

// Different draws in a row: six of 01..35 in increasing order (each the next
// combination), the special 36.
class DrawRow {
public:
    explicit DrawRow(int skip = 0)
    {
        for (int i = 0; i < skip; ++i)
            step();
    }
    // "01 02 03 04 05 06 36", then the next one.
    QString next()
    {
        QString text;
        for (int n : m_regular)
            text += tickets::numberText(n) + QLatin1Char(' ');
        step();
        return text + QStringLiteral("36");
    }
    // The next `count` draws as a history file holds them, oldest first.
    QString historyLines(int count)
    {
        QString text;
        text.reserve(qsizetype(count) * 40);
        for (int i = 0; i < count; ++i)
            text += next() + QStringLiteral(" 2026/1/1 0:00:00\r\n");
        return text;
    }

private:
    void step()
    {
        int k = 5;
        while (m_regular[k] == 30 + k)
            --k;
        ++m_regular[k];
        for (int j = k + 1; j < 6; ++j)
            m_regular[j] = m_regular[j - 1] + 1;
    }
    std::array<int, 6> m_regular{1, 2, 3, 4, 5, 6};
};

}  // namespace testfiles
