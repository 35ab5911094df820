// The two ticket texts the slot writer saves in turn, known to the writer and its
// checkers alike, and a reader of the files it leaves.
#pragma once

#include "support/test_files.h"
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

inline const QString kTextA = ticketText(3000, 0);
inline const QString kTextB = ticketText(4000, 11);
inline const QString kTextC = ticketText(50, 23);  // what a second copy tries to save
inline const QString kHistoryA = testfiles::DrawRow().historyLines(3000);
inline const QString kHistoryB = testfiles::DrawRow(500).historyLines(4000);

}  // namespace faults
