#include "archive/archive_files.h"

#include "messages/message_text.h"
#include "tickets/ticket_text.h"

#include <QDir>
#include <QFileInfo>
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

namespace {

const QByteArray kUtf8Mark("\xef\xbb\xbf");

std::optional<QString> decodedAs(QStringConverter::Encoding encoding, const QByteArray& bytes)
{
    // A byte order mark that is part of the text stays in it.
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QString> decodedAsGb18030(const QByteArray& bytes)
{
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

}  // namespace

QByteArray encodeText(const QString& text, const TextEncoding& encoding)
{
    if (encoding.gb18030) {
        QStringEncoder gb("GB18030");
        if (gb.isValid())
            return gb.encode(text);
    }
    QStringEncoder system(QStringConverter::System,
                          QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QByteArray bytes = system.encode(text);
    // A text that begins with the mark's character keeps it only behind a mark of its
    // own: read back, a first mark is taken for the file's.
    const bool mark = encoding.byteOrderMark || text.startsWith(QChar(0xfeff));
    return mark ? kUtf8Mark + bytes : bytes;
}

// Bytes that do not decode cleanly in the system's encoding were most likely written on
// a Chinese Windows system, so they are read as GB18030. A leading byte order mark is
// kept aside and written again.
std::optional<DecodedText> decodeTextStrictly(const QByteArray& bytes)
{
    const bool mark = bytes.startsWith(kUtf8Mark);
    std::optional<DecodedText> out;
    if (std::optional<QString> text =
            decodedAs(QStringConverter::System, mark ? bytes.mid(kUtf8Mark.size()) : bytes))
        out = DecodedText{*text, TextEncoding{false, mark}};
    else if (std::optional<QString> gbText = decodedAsGb18030(bytes))
        out = DecodedText{*gbText, TextEncoding{true, false}};
    if (out && encodeText(out->text, out->encoding) != bytes)
        return std::nullopt;
    return out;
}

namespace {

// As decodeTextStrictly, but text that decodes in neither keeps the system decoding's
// replacements.
QString decodeText(const QByteArray& bytes)
{
    if (std::optional<DecodedText> decoded = decodeTextStrictly(bytes))
        return decoded->text;
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

}  // namespace

TextRead readTextFile(const QString& path, qint64 limit)
{
    const FileRead file = readFile(path, limit);
    TextRead out;
    if (file.read())
        out.text = decodeText(file.bytes);
    out.refusal = file.reason;
    return out;
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

WriteResult writeTextFile(const QString& path, const QString& text, const TextEncoding& encoding)
{
    return writeFileDurably(path, encodeText(text, encoding));
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
        return refusedBecause(tooLargeText(bytes.size(), kMaxSlotBytes));
    if (holdsBinaryBytes(bytes))
        return refusedBecause(QStringLiteral("文件里有不是文字的字节，不是彩票存档"));
    const std::optional<DecodedText> decoded = decodeTextStrictly(bytes);
    if (!decoded)
        return refusedBecause(QStringLiteral("文件的文字编码无法识别"));
    const QStringList lines = textLines(decoded->text);
    const int longest = longestLineLength(lines);
    if (longest > kMaxSlotLineLength)
        return refusedBecause(QStringLiteral("文件里有一行长达 %1 个字符，不是彩票存档").arg(longest));
    SlotLoad load;
    load.slot = parseDataFileLines(lines);
    load.encoding = decoded->encoding;
    return load;
}

SlotLoad loadSlotData(const QString& folder, const QString& dataFile)
{
    const FileRead file = readFile(filePath(folder, dataFile), kMaxSlotBytes);
    if (file.refused())
        return refusedBecause(file.reason);
    SlotLoad load = file.read() ? loadSlotBytes(file.bytes) : SlotLoad{};
    load.stamp = file.stamp;
    return load;
}

namespace {

// The first `lineCount` lines of a time file (all for -1), joined without separator.
TextRead timeLines(const QString& folder, const QString& timeFile, int lineCount)
{
    TextRead read = readTextFile(filePath(folder, timeFile), kMaxTimeBytes);
    if (read.text)
        read.text = textLines(*read.text).mid(0, lineCount).join(QString());
    return read;
}

}  // namespace

TextRead readTimeText(const QString& folder, const QString& timeFile)
{
    return timeLines(folder, timeFile, -1);
}

TextRead readTimeFirstLine(const QString& folder, const QString& timeFile)
{
    return timeLines(folder, timeFile, 1);
}

SaveResult saveSlot(const QString& folder, const QString& dataFile, const QString& content,
                    const QString& dateTime, const TextEncoding& encoding)
{
    SaveResult result;
    result.content = content.isEmpty() ? content : tickets::cleanTicketText(content);
    result.data = writeTextFile(filePath(folder, dataFile), result.content + tickets::kCrLf, encoding);
    if (!result.data.ok)
        return result;
    result.dataSaved = true;
    result.time = writeTextFile(filePath(folder, timeFileNameFor(dataFile)),
                                dateTime + tickets::kCrLf);
    return result;
}

bool changedSince(const QString& folder, const QString& dataFile, const FileStamp& known)
{
    // A folder in the file's place is a save that will fail, not another program's lines.
    const QString path = filePath(folder, dataFile);
    const FileStamp now = stampOf(path);
    return now.exists && QFileInfo(path).isFile() && now != known;
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
    if (!writesAllowed())
        return QStringLiteral("提示：BR   这个对奖器是只读打开的（另一个对奖器正在使用同一个存档文件夹），"
                              "彩票数据没有保存。BR   请在先打开的那个对奖器里保存。");
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

TextRead readLowText(const QString& folder)
{
    TextRead read = readTextFile(filePath(folder, QStringLiteral("low.txt")), kMaxRulesBytes);
    if (read.text) {
        QString out;
        for (const QString& line : textLines(*read.text))
            out += line + tickets::kCrLf;
        read.text = out;
    }
    return read;
}

}  // namespace archive
