#include "printing/order_sheet.h"

#include "messages/links.h"
#include "messages/version.h"
#include "tickets/ticket_line.h"
#include "tickets/ticket_text.h"

#include <QStringList>
#include <vector>

namespace printing {

namespace {

constexpr int kCellWidth = 28;    // one-column characters between two borders
using tickets::kHighestNumber;
using tickets::kLineLength;
using tickets::kNumbersPerLine;

const QString kTopBorder = QStringLiteral("┏━━━━━━━━━━━━━━┳━━━━━━━━━━━━━━┓");

// A line number or group number: at least two digits.
QString label(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// A filled cell: the label, the line, and the spaces that bring a canonical line to the
// cell width (two after a two-digit label, one after a three-digit one).
QString filledCell(int n, const QString& line)
{
    const QString prefix = QLatin1Char('(') + label(n) + QStringLiteral(") ");
    const int pad = qMax(0, kCellWidth - int(prefix.size()) - kLineLength);
    return prefix + line + QString(pad, QLatin1Char(' '));
}

// An empty numbered cell: the label followed by spaces up to the cell width.
QString emptyCell(int n)
{
    const QString text = QLatin1Char('(') + label(n) + QLatin1Char(')');
    return text + QString(qMax(0, kCellWidth - int(text.size())), QLatin1Char(' '));
}

// The line as it goes into its cell: whitespace at its end is reduced to the one space
// that follows every number, so a line that picked up a second trailing space (the prize
// check leaves one) or lost its last one keeps the box's columns in line.
QString cellLine(QStringView piece)
{
    qsizetype end = piece.size();
    while (end > 0 && piece.at(end - 1) == QLatin1Char(' '))
        --end;
    QString line;
    line.reserve(end + 1);
    line += piece.left(end);
    line += QLatin1Char(' ');
    return line;
}

// One item of the sheet body: a row of two cells, or the footer of a block of ten.
struct SheetItem {
    bool footer = false;
    int leftPosition = 0;   // rows: the position of the left cell
    QString left;
    QString right;
    int group = 0;          // footers: the group number of the left column
};

QString footerText(int group, bool closing)
{
    const QString rule = QStringLiteral("━━━━━━");
    const QString start = closing ? QStringLiteral("┗") : QStringLiteral("┣");
    const QString middle = closing ? QStringLiteral("┻") : QStringLiteral("╋");
    const QString end = closing ? QStringLiteral("┛") : QStringLiteral("┫");
    return start + rule + QLatin1Char(' ') + label(group) + QLatin1Char('.') + rule + middle
         + rule + QLatin1Char(' ') + label(group + 1) + QLatin1Char('.') + rule + end;
}

// Builds the body row by row. Only the last block's footer closes the box; every
// earlier one separates two blocks.
class SheetBody {
public:
    void placeLeft(int n, const QString& line)
    {
        SheetItem row;
        row.leftPosition = n;
        row.left = filledCell(n, line);
        row.right = emptyCell(n + 5);
        m_items.push_back(row);
    }

    // Fills the right cell of the row opened by position n − 5; when that line was not
    // placed, a row is opened for it with its left cell empty, in position order.
    void placeRight(int n, const QString& line)
    {
        const int leftPosition = n - 5;
        std::size_t insertAt = m_items.size();
        for (std::size_t i = m_items.size(); i-- > 0;) {
            SheetItem& item = m_items[i];
            if (item.footer || item.leftPosition < leftPosition)
                break;  // rows stand in position order: the partner cannot be further up
            if (item.leftPosition == leftPosition) {
                item.right = filledCell(n, line);
                return;
            }
            if (item.leftPosition > leftPosition)
                insertAt = i;
        }
        SheetItem row;
        row.leftPosition = leftPosition;
        row.left = emptyCell(leftPosition);
        row.right = filledCell(n, line);
        m_items.insert(m_items.begin() + std::ptrdiff_t(insertAt), row);
    }

    void closeBlock(int group)
    {
        SheetItem footer;
        footer.footer = true;
        footer.group = group;
        m_items.push_back(footer);
    }

    bool endsWithFooter() const { return !m_items.empty() && m_items.back().footer; }

    QString text() const
    {
        QString out;
        out.reserve(int(m_items.size()) * 64);
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            const SheetItem& item = m_items[i];
            if (item.footer)
                out += footerText(item.group, i + 1 == m_items.size());
            else
                out += QStringLiteral("┃") + item.left + QStringLiteral("┃") + item.right
                     + QStringLiteral("┃");
            out += tickets::kCrLf;
        }
        return out;
    }

private:
    std::vector<SheetItem> m_items;
};

// The report entries of a piece of at least seven fields; empty when it is good.
QString fieldErrors(int n, const tickets::LineFields& fields, QStringView piece)
{
    QString entries;
    for (int p = 1; p <= kNumbersPerLine; ++p) {
        const QStringView field = fields.field[p - 1];
        if (tickets::isNumberField(field)) {
            if (field.toDouble() > kHighestNumber) {
                entries += QStringLiteral("BRBR") + QString::number(n) + QStringLiteral("行的第")
                         + QString::number(p) + QStringLiteral("位有错误，不能大于36 BR");
                entries += piece;
            }
        } else {
            entries += QStringLiteral("BRBR") + QString::number(n) + QStringLiteral("行的第")
                     + QString::number(p)
                     + QStringLiteral("位有错误，格式是1个两位数字，然后空一格BR ");
            entries += piece;
        }
    }
    return entries;
}

}  // namespace

OrderSheet layOutSheet(const QString& ticketText)
{
    OrderSheet sheet;
    const QString text = tickets::removeMarkers(ticketText);
    if (!text.contains(tickets::kCrLf)) {
        sheet.printText = text;
        sheet.acceptedLines = 1;
        return sheet;
    }

    SheetBody body;
    qint64 accepted = 0;
    int group = 1;
    const QList<QStringView> pieces = QStringView(text).split(tickets::kCrLf);
    for (int i = 0; i < pieces.size(); ++i) {
        const int n = i + 1;
        const QStringView piece = pieces.at(i);
        if (piece.isEmpty())
            continue;
        const tickets::LineFields fields(piece);
        if (fields.count < kNumbersPerLine) {
            sheet.errorReport += QStringLiteral("BRBR") + QString::number(n)
                               + QStringLiteral("行错误，应该有7个两位的数字。 BR");
            sheet.errorReport += piece;
            continue;
        }
        const QString errors = fieldErrors(n, fields, piece);
        if (!errors.isEmpty()) {
            sheet.errorReport += errors;
            continue;
        }
        ++accepted;
        const int inBlock = n % 10;
        if (inBlock >= 1 && inBlock <= 5)
            body.placeLeft(n, cellLine(piece));
        else
            body.placeRight(n, cellLine(piece));
        if (inBlock == 0) {
            body.closeBlock(group);
            group += 2;
        }
    }
    if (!body.endsWithFooter())
        body.closeBlock(group);

    sheet.printText = body.text();
    sheet.acceptedLines = tickets::clampToInt16(accepted);
    return sheet;
}

QString documentText(const OrderSheet& sheet, const QString& now)
{
    const int count = sheet.acceptedLines;
    const QString& crlf = tickets::kCrLf;
    QString text = QStringLiteral("■买") + QString::number(count) + QStringLiteral("组36选7 彩票，共")
                 + QString::number(2 * qint64(count)) + QStringLiteral("元 (") + now
                 + QStringLiteral(")") + crlf + QStringLiteral("■我的联系方式：") + crlf;
    if (count <= 1)
        return text + sheet.printText;
    return text + QStringLiteral("■店主注意：当眼花错按了其它号码，请用笔标出，便于软件对奖。") + crlf
         + kTopBorder + crlf + sheet.printText + QStringLiteral("  (由 ") + version::programName()
         + QStringLiteral("v") + version::text() + QStringLiteral(" 生成  ")
         + links::makerSiteAddress() + QStringLiteral(")");
}

QString preparationMessage()
{
    return QStringLiteral(
        "准备打印：(关闭本说明开始工作)BR    程序将打开本软件的打印窗口"
        "对内容进行打印，如跳出是否关闭打印单窗口，点“否”不关闭，可自行修改再打印，"
        "您可以顺便打印自己的手机号上去，要不买得很多可能要等很久，付了钱下午吃过饭再去取票。"
        "如果打印机未响应程序自动提交的打印任务，请您在打印窗口里进行手动打印操作"
        "（点“打印”或按 Ctrl+P 选择打印机，也可以点“导出PDF”拿到别处打印）。"
        "另外，在打印前程序会再对彩票数据再进行一次格式化检查，格式不符合要求的组将会被自动排除，"
        "正确的格式是每行7个数字，每个数字不能大于36，每个数字两位，每两个数字之间是一个空格分隔。"
        "打印字体为 黑体 ，10号。请确认您的打印机连接正常、安装正常并已设为默认打印机，"
        "打印窗口里点“选择打印机 Ctrl+P”能看到这台打印机。关闭本说明窗口开始工作 ......");
}

QString errorReportMessage(const QString& errorReport)
{
    if (!errorReport.contains(QStringLiteral("BR")))
        return QString();
    return QStringLiteral("错误报告：(被排除的有错的行)BR    ") + errorReport;
}

}  // namespace printing
