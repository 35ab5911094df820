// The six archive slots in the data folder: "Save0N.txt" holds the ticket data text,
// "tN.txt" the date-time text of its last save; "low.txt" holds the rules text.
// Files are read in the system's encoding (GB18030 when that does not decode cleanly)
// and written atomically with CR LF line ends.
#pragma once

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

// A file's text; a missing or unreadable file gives std::nullopt.
std::optional<QString> readTextFile(const QString& path);

// Bytes decoded in the system's encoding, else as GB18030; std::nullopt when neither
// decodes them cleanly (text read that way could not be written back unchanged).
std::optional<QString> decodeTextStrictly(const QByteArray& bytes);

// The lines of a text as a line-by-line reader sees them: a final line end ends
// the last line and does not start another one.
QStringList textLines(const QString& text);

struct WriteResult {
    bool ok = true;
    QString error;  // for the user: what failed, naming the file
};

// Writes the text atomically (the old file stays whole if anything fails).
WriteResult writeTextFile(const QString& path, const QString& text);

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
// (32,767 lines of 23 bytes are 750 KB).
inline constexpr qint64 kMaxSlotBytes = 4 * 1024 * 1024;
inline constexpr int kMaxSlotLineLength = 4096;

// What loading a data file gives: its text, or why it was refused (empty when loaded).
struct SlotLoad {
    SlotText slot;
    QString refusal;  // for the user: why the file was not opened
    bool refused() const { return !refusal.isEmpty(); }
};

// The loader's rules on a data file's raw bytes.
SlotLoad loadSlotBytes(const QByteArray& bytes);

// Reads one slot's data file; a missing file loads as empty, an unreadable or
// malformed one is refused without being changed.
SlotLoad loadSlotData(const QString& folder, const QString& dataFile);

// All lines of a time file joined without separator ("" when missing).
QString readTimeText(const QString& folder, const QString& timeFile);
// The first line of a time file ("" when missing).
QString readTimeFirstLine(const QString& folder, const QString& timeFile);

struct SaveResult {
    QString content;       // the cleaned text that was (to be) written
    bool dataSaved = false;
    WriteResult data;
    WriteResult time;
    bool ok() const { return data.ok && time.ok; }
};

// Cleans the content (no marker, five collapsing passes unless empty) and writes it
// with its time file; the date-time text is what goes into the time file.
SaveResult saveSlot(const QString& folder, const QString& dataFile, const QString& content,
                    const QString& dateTime);

// Removes what a save killed between naming its finished copy and moving it into place
// leaves beside the data files: a slot, time or history file name followed by "." and
// exactly six ASCII letters, the way the atomic save names its copy ("Save00.txt.oyEtft",
// "t2.txt.abcdef"). Any other name is kept ("Save00.txt.bak", "Save00.txt.old",
// "Save00.txt.copy01"); a name of that exact form is the save's, whoever made it.
// Returns the names removed.
QStringList removeInterruptedSaves(const QString& folder);

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

// Each line of the rules text followed by CR LF; std::nullopt when missing or unreadable.
std::optional<QString> readLowText(const QString& folder);

}  // namespace archive
