#include "archive/archive_files.h"

#include "messages/message_text.h"
#include "tickets/ticket_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace archive {

QString dataFileName(int slot)
{
    return QStringLiteral("Save0%1.txt").arg(slot);
}

QString timeFileName(int slot)
{
    return QStringLiteral("t%1.txt").arg(slot);
}

QString timeFileNameFor(const QString& nowOpenFile)
{
    return QStringLiteral("t") + QString(nowOpenFile).remove(QStringLiteral("Save0"));
}

QString slotNumberText(const QString& nowOpenFile)
{
    return QString(nowOpenFile).remove(QStringLiteral("Save")).remove(QStringLiteral(".txt"));
}

QString filePath(const QString& folder, const QString& fileName)
{
    return QDir(folder).filePath(fileName);
}

// Bytes that do not decode cleanly in the system's encoding were most likely written on
// a Chinese Windows system, so they are read as GB18030.
std::optional<QString> decodeTextStrictly(const QByteArray& bytes)
{
    QStringDecoder system(QStringConverter::System);
    QString text = system.decode(bytes);
    if (!system.hasError())
        return text;
    QStringDecoder gb("GB18030");
    if (gb.isValid()) {
        QString gbText = gb.decode(bytes);
        if (!gb.hasError())
            return gbText;
    }
    return std::nullopt;
}

namespace {

// As decodeTextStrictly, but text that decodes in neither keeps the system decoding's
// replacements.
QString decodeText(const QByteArray& bytes)
{
    if (std::optional<QString> text = decodeTextStrictly(bytes))
        return *text;
    return QStringDecoder(QStringConverter::System).decode(bytes);
}

// Control bytes other than tab and the line ends never occur in text a person wrote.
bool holdsBinaryBytes(const QByteArray& bytes)
{
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7f)
            return true;
    }
    return false;
}

int longestLineLength(const QStringList& lines)
{
    int longest = 0;
    for (const QString& line : lines)
        longest = std::max(longest, int(line.size()));
    return longest;
}

SlotLoad refusedBecause(const QString& reason)
{
    SlotLoad load;
    load.refusal = reason;
    return load;
}

SlotLoad refusedAsTooLarge(qint64 size)
{
    return refusedBecause(QStringLiteral("文件太大（%1 字节），不是彩票存档").arg(size));
}

}  // namespace

std::optional<QString> readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeText(file.readAll());
}

QStringList textLines(const QString& text)
{
    // CR LF, a lone CR and a lone LF each end a line.
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    lines.append(text.mid(start));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

WriteResult writeTextFile(const QString& path, const QString& text)
{
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray bytes = encoder.encode(text);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, messages::pathText(path) + QStringLiteral("：") + file.errorString()};
    // The explicit flush matters: a buffered write that fails while commit() closes the
    // file (a full disk, a size limit) would otherwise still replace the old file with a
    // cut-off copy.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return {false, messages::pathText(path) + QStringLiteral("：") + file.errorString()};
    return {};
}

SlotText parseDataFileLines(const QStringList& lines)
{
    using tickets::collapseSpaces;
    using tickets::removeMarkers;
    SlotText out;
    QString joined;
    qsizetype length = 0;
    for (const QString& s : lines)
        length += s.size() + 3;
    joined.reserve(length);
    qint64 count = 0;
    for (const QString& s : lines) {
        if (!s.isEmpty()) {
            if (count > 0) {
                joined += QLatin1Char(' ');
                joined += tickets::kCrLf;
            }
            joined += s;
            ++count;
        }
    }
    QString last = lines.isEmpty() ? QString() : lines.last() + QLatin1Char(' ');
    out.lineCount = tickets::clampToInt16(count);
    out.text = removeMarkers(collapseSpaces(joined, 1));
    last = removeMarkers(collapseSpaces(last, 4));
    if (last.contains(QLatin1Char(' '))) {
        const QStringList items = tickets::splitFields(last);
        for (int i = 0; i < items.size(); ++i)
            if (!items[i].isEmpty())
                out.lastLineCount = tickets::clampToInt16(i + 1);
    }
    return out;
}

SlotLoad loadSlotBytes(const QByteArray& bytes)
{
    if (bytes.size() > kMaxSlotBytes)
        return refusedAsTooLarge(bytes.size());
    if (holdsBinaryBytes(bytes))
        return refusedBecause(QStringLiteral("文件里有不是文字的字节，不是彩票存档"));
    const std::optional<QString> text = decodeTextStrictly(bytes);
    if (!text)
        return refusedBecause(QStringLiteral("文件的文字编码无法识别"));
    const QStringList lines = textLines(*text);
    const int longest = longestLineLength(lines);
    if (longest > kMaxSlotLineLength)
        return refusedBecause(QStringLiteral("文件里有一行长达 %1 个字符，不是彩票存档").arg(longest));
    SlotLoad load;
    load.slot = parseDataFileLines(lines);
    return load;
}

SlotLoad loadSlotData(const QString& folder, const QString& dataFile)
{
    QFile file(filePath(folder, dataFile));
    if (!file.exists())
        return {};
    const QFileInfo info(file);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return refusedBecause(QStringLiteral("文件无法读取"));
    // The size is checked before reading, so that a huge file is not read at all.
    if (file.size() > kMaxSlotBytes)
        return refusedAsTooLarge(file.size());
    return loadSlotBytes(file.read(kMaxSlotBytes + 1));
}

QString readTimeText(const QString& folder, const QString& timeFile)
{
    const std::optional<QString> text = readTextFile(filePath(folder, timeFile));
    return text ? textLines(*text).join(QString()) : QString();
}

QString readTimeFirstLine(const QString& folder, const QString& timeFile)
{
    const std::optional<QString> text = readTextFile(filePath(folder, timeFile));
    const QStringList lines = text ? textLines(*text) : QStringList();
    return lines.isEmpty() ? QString() : lines.first();
}

SaveResult saveSlot(const QString& folder, const QString& dataFile, const QString& content,
                    const QString& dateTime)
{
    SaveResult result;
    result.content = content.isEmpty() ? content : tickets::cleanTicketText(content);
    result.data = writeTextFile(filePath(folder, dataFile), result.content + tickets::kCrLf);
    if (!result.data.ok)
        return result;
    result.dataSaved = true;
    result.time = writeTextFile(filePath(folder, timeFileNameFor(dataFile)),
                                dateTime + tickets::kCrLf);
    return result;
}

QStringList removeInterruptedSaves(const QString& folder)
{
    // The atomic save names its finished copy after the file it replaces, a point and six
    // random ASCII letters, before it moves the copy into place.
    static const QRegularExpression interrupted(QRegularExpression::anchoredPattern(
        QStringLiteral("(Save0[0-5]|t[0-5]|draws)\\.txt\\.[A-Za-z]{6}")));
    QDir dir(folder);
    QStringList removed;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        if (interrupted.match(name).hasMatch() && dir.remove(name))
            removed << name;
    return removed;
}

QString savedStatusText(const QString& slotNumber)
{
    return QStringLiteral("彩票数据已保存 (") + slotNumber + QStringLiteral("存档)");
}

QString saveFailureText(const SaveResult& result, const QString& slotName,
                        const QString& dataFolder)
{
    if (result.ok())
        return QString();
    const QString head = QStringLiteral("错误提示：BR   彩票数据");
    const QString advice = messages::writableFolderAdvice(dataFolder);
    if (slotName.isEmpty())
        return head
               + (result.dataSaved ? QStringLiteral("已保存，但保存时间没能写入：")
                                   : QStringLiteral("没有保存，文件无法写入："))
               + QStringLiteral("BR   ") + (result.dataSaved ? result.time.error : result.data.error)
               + QStringLiteral("BR   ") + advice;
    if (!result.dataSaved)
        return head + QStringLiteral("没有另存到") + slotName + QStringLiteral("，文件无法写入：BR   ")
               + result.data.error + QStringLiteral("BR   当前存档没有改变。") + advice;
    return head + QStringLiteral("已另存到") + slotName + QStringLiteral("，但保存时间没能写入：BR   ")
           + result.time.error + QStringLiteral("BR   ") + advice;
}

bool isUnsaved(const QString& boxText, const QString& saveOK)
{
    return !tickets::sameTickets(boxText, saveOK);
}

std::optional<QString> readLowText(const QString& folder)
{
    const std::optional<QString> text = readTextFile(filePath(folder, QStringLiteral("low.txt")));
    if (!text)
        return std::nullopt;
    QString out;
    for (const QString& line : textLines(*text))
        out += line + tickets::kCrLf;
    return out;
}

}  // namespace archive
