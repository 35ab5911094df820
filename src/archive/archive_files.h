// The six archive slots in the data folder: "Save0N.txt" holds the ticket data text,
// "tN.txt" the date-time text of its last save; "low.txt" holds the rules text.
// Files are read through the one reader, in the system's encoding (GB18030 when that
// does not decode cleanly), and written durably with CR LF line ends, in the encoding
// they were read in.
#pragma once

#include "archive/durable_write.h"
#include "archive/file_reader.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace archive {

inline constexpr int kSlotCount = 6;

QString dataFileName(int slot);                       // "Save03.txt"
QString timeFileName(int slot);                       // "t3.txt"
QString timeFileNameFor(const QString& nowOpenFile);  // "Save03.txt" → "t3.txt"
QString slotNumberText(const QString& nowOpenFile);   // "Save03.txt" → "03"
QString filePath(const QString& folder, const QString& fileName);

// How a file's text is written: the system's encoding or GB18030 (a file from a Chinese
// Windows system), with or without the byte order mark it began with.
struct TextEncoding {
    bool gb18030 = false;
    bool byteOrderMark = false;
    bool operator==(const TextEncoding& o) const
    {
        return gb18030 == o.gb18030 && byteOrderMark == o.byteOrderMark;
    }
};

struct DecodedText {
    QString text;
    TextEncoding encoding;
};

// Bytes decoded in the system's encoding, else as GB18030; std::nullopt when neither
// decodes them cleanly, that is into a text that encodes back to the same bytes (text
// read any other way could not be written back unchanged).
std::optional<DecodedText> decodeTextStrictly(const QByteArray& bytes);
QByteArray encodeText(const QString& text, const TextEncoding& encoding);

// A text file read through readFile: its text when read (decoded strictly where that
// works, else with replacement characters), nothing when missing; `refusal` says why a
// file that is there was not read.
struct TextRead {
    std::optional<QString> text;
    QString refusal;
};
TextRead readTextFile(const QString& path, qint64 limit);

// The lines of a text as a line-by-line reader sees them: a final line end ends
// the last line and does not start another one.
QStringList textLines(const QString& text);

// Writes the text durably in the encoding (the old file stays whole if anything fails).
WriteResult writeTextFile(const QString& path, const QString& text,
                          const TextEncoding& encoding = {});

// What reading a data file gives (the loader's rules).
struct SlotText {
    QString text;                       // non-empty lines joined by " " + CR LF, cleaned
    qint16 lineCount = 0;               // non-empty lines read
    std::optional<qint16> lastLineCount;  // numbers in the last line; none leaves the counter
};
SlotText parseDataFileLines(const QStringList& lines);

// A data file is refused rather than loaded when loading it would show something other
// than what it holds, or would take the box minutes to lay out: a later save would then
// replace the user's file with a damaged copy. Real slots stay far below these limits
// (32,767 lines of 23 bytes are 750 KB; kMaxSlotBytes).
inline constexpr int kMaxSlotLineLength = 4096;

// What loading a data file gives: its text, or why it was refused (empty when loaded).
struct SlotLoad {
    SlotText slot;
    QString refusal;        // for the user: why the file was not opened
    TextEncoding encoding;  // how a save writes the slot back
    FileStamp stamp;        // the file as it was read
    bool refused() const { return !refusal.isEmpty(); }
};

// The loader's rules on a data file's raw bytes.
SlotLoad loadSlotBytes(const QByteArray& bytes);

// Reads one slot's data file; a missing file loads as empty, an unreadable or
// malformed one is refused without being changed.
SlotLoad loadSlotData(const QString& folder, const QString& dataFile);

// All lines of a time file joined without separator (empty when missing or refused).
TextRead readTimeText(const QString& folder, const QString& timeFile);
// The first line of a time file (empty when missing or refused).
TextRead readTimeFirstLine(const QString& folder, const QString& timeFile);

struct SaveResult {
    QString content;       // the cleaned text that was (to be) written
    bool dataSaved = false;
    WriteResult data;
    WriteResult time;
    bool ok() const { return data.ok && time.ok; }
};

// Cleans the content (no marker, five collapsing passes unless empty) and writes it
// in the encoding with its time file; the date-time text is what goes into the time file.
SaveResult saveSlot(const QString& folder, const QString& dataFile, const QString& content,
                    const QString& dateTime, const TextEncoding& encoding = {});

// Whether the current slot's data file is no longer what the program last loaded or
// saved (`known`): another program has written it since. A file that is gone counts as
// unchanged, since nothing of it can be lost.
bool changedSince(const QString& folder, const QString& dataFile, const FileStamp& known);

// "彩票数据已保存 (03存档)".
QString savedStatusText(const QString& slotNumber);

// What the user is told when a save did not write everything; empty when it did. A save
// into another slot names it (`slotName`, "存档03"); a save into the current slot passes
// an empty name.
QString saveFailureText(const SaveResult& result, const QString& slotName,
                        const QString& dataFolder);

// The ticket data is unsaved when the box holds other tickets than the snapshot; its
// display form (markers, the spaces a check adds, dropped empty lines) does not count.
bool isUnsaved(const QString& boxText, const QString& saveOK);

// Each line of the rules text followed by CR LF.
TextRead readLowText(const QString& folder);

}  // namespace archive
