#include "archive/slot_import.h"

#include "archive/archive_files.h"
#include "history/draw_history.h"
#include "messages/message_text.h"

namespace archive {

namespace {

// One slot of the source folder, as read.
struct SourceSlot {
    FileRead data;
    FileRead time;
};

SourceSlot readSlot(const QString& folder, int slot)
{
    return {readFile(filePath(folder, dataFileName(slot)), kMaxSlotBytes),
            readFile(filePath(folder, timeFileName(slot)), kMaxTimeBytes)};
}

bool sameFile(const FileRead& a, const FileRead& b)
{
    return a.status == b.status && a.bytes == b.bytes;
}

// Whether the target's slot is already what the source's holds, with its time when the
// source has one.
bool sameSlot(const SourceSlot& source, const QString& target, int slot)
{
    const SourceSlot held = readSlot(target, slot);
    return sameFile(source.data, held.data) && (!source.time.read() || sameFile(source.time, held.time));
}

bool holdsLines(const QString& folder, int slot)
{
    const SlotLoad held = loadSlotData(folder, dataFileName(slot));
    return held.refused() || !held.slot.text.isEmpty();
}

void copySlot(const SourceSlot& source, const QString& target, int slot, ImportResult& out)
{
    const WriteResult data = writeFileDurably(filePath(target, dataFileName(slot)), source.data.bytes);
    if (!data.ok) {
        out.failures << data.error;
        return;
    }
    out.copied << dataFileName(slot);
    // The time goes with its lines; a slot without one gets an empty time rather than
    // keeping the replaced slot's.
    const WriteResult time = writeFileDurably(filePath(target, timeFileName(slot)),
                                              source.time.read() ? source.time.bytes : QByteArray("\r\n"));
    if (time.ok)
        out.copied << timeFileName(slot);
    else
        out.failures << time.error;
}

// The draws of the source's history that the target's lacks; copied byte for byte when
// the target has no history yet.
void importHistory(const QString& source, const QString& target, ImportResult& out)
{
    const QString name = history::kHistoryFileName;
    const FileRead file = readFile(filePath(source, name), kMaxHistoryBytes);
    if (!file.read())
        return;
    const history::LoadResult from = history::historyOfBytes(file.bytes);
    history::LoadResult into = history::loadHistory(target);
    if (!from.ok || !into.ok) {
        out.failures << (from.ok ? into.error : messages::shownPath(source, name) + QStringLiteral("：") + from.error);
        return;
    }
    const bool fresh = into.history.entries.empty();
    const history::Merged merged = history::mergeHistory(into.history, from.history);
    if (merged.added == 0)
        return;
    const WriteResult written =
        fresh && merged.dropped == 0
            ? writeFileDurably(filePath(target, name), file.bytes)
            : writeTextFile(filePath(target, name), history::historyText(into.history),
                            into.history.encoding);
    if (!written.ok) {
        out.failures << written.error;
        return;
    }
    out.copied << name;
    out.drawsAdded = merged.added;
    out.drawsDropped = merged.dropped;
}

bool historyWouldChange(const QString& source, const QString& target)
{
    const history::LoadResult from = history::loadHistory(source);
    history::LoadResult into = history::loadHistory(target);
    return from.ok && into.ok && history::mergeHistory(into.history, from.history).added > 0;
}

}  // namespace

ImportResult importSlots(const QString& source, const QString& target,
                         const std::function<bool(int slot)>& replaceSlot)
{
    ImportResult out;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SourceSlot from = readSlot(source, slot);
        if (from.data.refused())
            out.failures << messages::shownPath(source, dataFileName(slot)) + QStringLiteral("：")
                                + from.data.reason;
        if (!from.data.read() || sameSlot(from, target, slot))
            continue;
        if (holdsLines(target, slot) && !replaceSlot(slot)) {
            out.kept << QStringLiteral("存档0%1").arg(slot);
            continue;
        }
        copySlot(from, target, slot, out);
    }
    importHistory(source, target, out);
    return out;
}

bool importWouldChange(const QString& source, const QString& target)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SourceSlot from = readSlot(source, slot);
        if (from.data.read() && !sameSlot(from, target, slot))
            return true;
    }
    return historyWouldChange(source, target);
}

QString importResultText(const ImportResult& result, const QString& target)
{
    QString text = QStringLiteral("提示：");
    if (!result.copied.isEmpty())
        text += QStringLiteral("BR   已复制到 ") + messages::pathText(target) + QStringLiteral("：")
                + result.copied.join(QStringLiteral("、"));
    if (result.drawsAdded > 0)
        text += QStringLiteral("BR   开奖记录增加了%1期。").arg(result.drawsAdded);
    if (result.drawsDropped > 0)
        text += QStringLiteral("BR   ") + history::droppedDrawsText(result.drawsDropped);
    if (!result.kept.isEmpty())
        text += QStringLiteral("BR   没有替换（按您的选择保留原来的号码）：") + result.kept.join(QStringLiteral("、"));
    if (!result.failures.isEmpty())
        text += QStringLiteral("BR   没能复制：BR   ") + result.failures.join(QStringLiteral("BR   "));
    if (result.copied.isEmpty() && result.kept.isEmpty() && result.failures.isEmpty())
        text += QStringLiteral("BR   没有需要复制的存档，数据文件夹里已经是同样的内容。");
    return text;
}

}  // namespace archive
