#include "editing/row_replace.h"

#include "tickets/ticket_text.h"

#include <QStringList>
#include <algorithm>

namespace editing {

namespace {

const QString kFailed = QStringLiteral("替换执行失败：BR    SORRY，");
const QString kSameOrder = QStringLiteral("请尝直接替换，注意被替换的号码每个数字的顺序都要完全一致。");
const QString kReplacedBy = QStringLiteral("BR          成功替换为：BR    ");

ReplaceOutcome replaceByRow(const QString& boxText, const RowEditorFields& fields)
{
    ReplaceOutcome out;
    out.path = ReplacePath::ByRow;
    // Double spaces go first; the box keeps this even when the row is not found.
    out.text = boxText.isEmpty() ? boxText : tickets::collapseSpaces(boxText, 1);
    if (!out.text.contains(tickets::kCrLf)) {
        out.message = kFailed + QStringLiteral("程序找不到换行符，") + kSameOrder;
        return out;
    }
    const QStringView text(out.text);
    const qsizetype lineCount = text.count(tickets::kCrLf) + 1;
    // Every line before a break can be named; so can the last line when it is complete
    // (a loaded or keyed text has no break after it). A half-keyed last line stays as it is.
    const QString lastLine = text.mid(text.lastIndexOf(tickets::kCrLf) + 2).toString();
    const bool lastComplete = tickets::LineFields(tickets::removeMarkers(lastLine)).complete();
    const qsizetype reachable = lineCount - (lastComplete ? 0 : 1);
    // More digits than any text has lines can only name a row beyond the end.
    const qint64 row = fields.row.size() <= 9 ? fields.row.toLongLong() : reachable + 1;
    if (row < 1 || row > reachable) {
        out.message = kFailed
                      + QStringLiteral("程序找不到这一行数据，要找的行数比实际数据的总行数要大，")
                      + kSameOrder;
        return out;
    }
    qsizetype start = 0;
    for (qint64 r = 1; r < row; ++r)
        start = text.indexOf(tickets::kCrLf, start) + 2;
    const qsizetype end = row < lineCount ? text.indexOf(tickets::kCrLf, start) : text.size();
    if (end == start) {
        out.message = kFailed + QStringLiteral("第") + fields.row
                      + QStringLiteral("行是空行，没有可替换的数据。请确认行数，"
                                       "或者填写该行原来的数据直接替换。");
        return out;
    }
    // Only the named row changes: an equal line elsewhere may be a correct copy.
    const QString old = out.text.mid(start, std::min<qsizetype>(end - start, kLineKeyLength));
    out.text.replace(start, old.size(), fields.newLine.left(kLineKeyLength));
    out.replaced = true;
    out.message = QStringLiteral("替换执行成功：BR    OK，已把主界面彩票号码第") + fields.row
                  + QStringLiteral("行的：BR    ") + old + kReplacedBy + fields.newLine;
    return out;
}

ReplaceOutcome replaceByContent(const QString& boxText, const RowEditorFields& fields)
{
    ReplaceOutcome out;
    out.path = ReplacePath::ByContent;
    out.text = boxText;
    const QString key = fields.oldLine.left(kLineKeyLength);
    if (!boxText.contains(key)) {
        out.message = kFailed
                      + QStringLiteral("在主界面彩票号码栏找不到您需要替换的数据，请确认您要直接替换的数据，"
                                       "7个数字的顺序都没有输入错误，每个数字两位，每个数字后是一个空格。");
        return out;
    }
    // The user named the content: every line holding it is replaced.
    out.text.replace(key, fields.newLine.left(kLineKeyLength));
    out.replaced = true;
    out.message = QStringLiteral("替换执行成功：BR    OK，已把主界面彩票号码：BR    ") + fields.oldLine
                  + kReplacedBy + fields.newLine;
    return out;
}

}  // namespace

ReplacePath replacePath(const RowEditorFields& fields)
{
    if (fields.newLine.size() != kFullLineLength)
        return ReplacePath::None;
    if (isRowNumber(fields.row) && fields.oldLine.size() != kFullLineLength)
        return ReplacePath::ByRow;
    if (fields.oldLine.size() == kFullLineLength && !fields.rowEnabled)
        return ReplacePath::ByContent;
    return ReplacePath::None;
}

ReplaceOutcome replaceLine(const QString& boxText, const RowEditorFields& fields)
{
    switch (replacePath(fields)) {
    case ReplacePath::ByRow:
        return replaceByRow(boxText, fields);
    case ReplacePath::ByContent:
        return replaceByContent(boxText, fields);
    case ReplacePath::None:
        break;
    }
    ReplaceOutcome none;
    none.text = boxText;
    return none;
}

}  // namespace editing
