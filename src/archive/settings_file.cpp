#include "archive/settings_file.h"

#include "archive/durable_write.h"
#include "archive/file_reader.h"

#include <QDir>
#include <QList>
#include <algorithm>
#include <iterator>

namespace archive {

namespace {

constexpr qint64 kSettingsLimit = 4096;

bool flagOf(const QByteArray& value, bool fallback)
{
    if (value == "1")
        return true;
    if (value == "0")
        return false;
    return fallback;
}

int rateOf(const QByteArray& value, int fallback)
{
    bool ok = false;
    const int rate = value.toInt(&ok);
    return ok && rate >= kSlowestRate && rate <= kFastestRate ? rate : fallback;
}

int fontSizeOf(const QByteArray& value, int fallback)
{
    bool ok = false;
    const int size = value.toInt(&ok);
    return ok && std::find(std::begin(kFontSizes), std::end(kFontSizes), size) != std::end(kFontSizes)
               ? size
               : fallback;
}

}  // namespace

Settings parseSettings(const QByteArray& bytes)
{
    Settings settings;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray name = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1).trimmed();
        if (name == "readAloud")
            settings.readAloud = flagOf(value, settings.readAloud);
        else if (name == "speechRate")
            settings.speechRate = rateOf(value, settings.speechRate);
        else if (name == "highContrast")
            settings.highContrast = flagOf(value, settings.highContrast);
        else if (name == "fontSize")
            settings.fontSize = fontSizeOf(value, settings.fontSize);
    }
    return settings;
}

QByteArray settingsBytes(const Settings& settings)
{
    return "readAloud=" + QByteArray(settings.readAloud ? "1" : "0") + "\r\n"
           + "speechRate=" + QByteArray::number(settings.speechRate) + "\r\n"
           + "highContrast=" + QByteArray(settings.highContrast ? "1" : "0") + "\r\n"
           + "fontSize=" + QByteArray::number(settings.fontSize) + "\r\n";
}

QString settingsPath(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(QStringLiteral("settings.txt"));
}

Settings loadSettings(const QString& dataFolder)
{
    const FileRead file = readFile(settingsPath(dataFolder), kSettingsLimit);
    return file.read() ? parseSettings(file.bytes) : Settings();
}

QString saveSettings(const QString& dataFolder, const Settings& settings)
{
    const WriteResult result = writeFileDurably(settingsPath(dataFolder), settingsBytes(settings));
    return result.ok ? QString() : result.error;
}

}  // namespace archive
