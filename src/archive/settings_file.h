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
    bool highContrast = false;
    int fontSize = 100;  // percent of the reading type: one of kFontSizes
    bool operator==(const Settings& o) const
    {
        return readAloud == o.readAloud && speechRate == o.speechRate
               && highContrast == o.highContrast && fontSize == o.fontSize;
    }
};

inline constexpr int kFontSizes[] = {100, 125, 150};

inline constexpr int kSlowestRate = -100;
inline constexpr int kFastestRate = 100;

Settings parseSettings(const QByteArray& bytes);
QByteArray settingsBytes(const Settings& settings);

QString settingsPath(const QString& dataFolder);
Settings loadSettings(const QString& dataFolder);
// Writes through the one durable write path; the message for the user when it failed, else "".
QString saveSettings(const QString& dataFolder, const Settings& settings);
// Reads the file, applies `change` and writes it back, so that each owner of a setting
// changes only its own; the message for the user when the write failed, else "".
template <class Change>
QString updateSettings(const QString& dataFolder, Change change)
{
    Settings settings = loadSettings(dataFolder);
    change(settings);
    return saveSettings(dataFolder, settings);
}

}  // namespace archive
