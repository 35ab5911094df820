// The two ticket texts the slot writer saves in turn, known to the writer and its
// checkers alike, and a reader of the files it leaves.
#pragma once

#include "tickets/ticket_text.h"

#include <QFile>
#include <QString>

namespace faults {

// `lines` complete ticket lines whose numbers depend on `seed`, as the box holds them.
inline QString ticketText(int lines, int seed)
{
    QString text;
    for (int i = 0; i < lines; ++i) {
        if (i)
            text += tickets::kCrLf;
        for (int k = 0; k < 7; ++k)
            text += tickets::numberText(1 + (i * 7 + k * 5 + seed) % 36) + QLatin1Char(' ');
    }
    return text;
}

// A file's bytes; "(unreadable)" when it cannot be read.
inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// A draw history of `draws` different draws starting with the `first`-th of a row of
// different draws (six of 01..35 in increasing order, the special 36).
inline QString historyText(int draws, int first)
{
    QString text;
    int c[6] = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < first + draws; ++i) {
        if (i >= first) {
            for (int n : c)
                text += tickets::numberText(n) + QLatin1Char(' ');
            text += QStringLiteral("36 2026/1/1 0:00:00\r\n");
        }
        int k = 5;
        while (c[k] == 30 + k)
            --k;
        ++c[k];
        for (int j = k + 1; j < 6; ++j)
            c[j] = c[j - 1] + 1;
    }
    return text;
}

inline const QString kTextA = ticketText(3000, 0);
inline const QString kTextB = ticketText(4000, 11);
inline const QString kTextC = ticketText(50, 23);  // what a second copy tries to save
inline const QString kHistoryA = historyText(3000, 0);
inline const QString kHistoryB = historyText(4000, 500);

}  // namespace faults
