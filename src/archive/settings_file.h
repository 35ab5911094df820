// The program's few settings (read aloud, its rate, high contrast, font size) in one small
// file beside the slots, "settings.txt": one "name=value" a line. A missing, unreadable or
// garbled file, or a value out of range, gives the default of that setting.
#pragma once

#include <QByteArray>
#include <QString>

namespace archive {

struct Settings {
    bool readAloud = false;
    int speechRate = -30;  // percent of the engine's range, -100..100; slower than its default
    bool operator==(const Settings& o) const
    {
        return readAloud == o.readAloud && speechRate == o.speechRate;
    }
};

inline constexpr int kSlowestRate = -100;
inline constexpr int kFastestRate = 100;

Settings parseSettings(const QByteArray& bytes);
QByteArray settingsBytes(const Settings& settings);

QString settingsPath(const QString& dataFolder);
Settings loadSettings(const QString& dataFolder);
// Writes through the one durable write path; the message for the user when it failed, else "".
QString saveSettings(const QString& dataFolder, const Settings& settings);

}  // namespace archive
