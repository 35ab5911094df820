#include "history/draw_history_window.h"

#include "archive/date_time_text.h"
#include "archive/durable_write.h"
#include "archive/file_reader.h"
#include "history/history_import.h"
#include "history/prize_amounts_window.h"
#include "messages/message_text.h"
#include "session/session.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/large_type.h"
#include "widgets/ticket_box.h"

#include <QAbstractTableModel>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

// The multi-draw result as a table: one row per winning line (its row number in the
// vertical header), the line in column 0, then one column per draw.
class ResultGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setResult(history::MultiDrawResult result, QStringList drawHeaders)
    {
        beginResetModel();
        m_result = std::move(result);
        m_headers = std::move(drawHeaders);
        endResetModel();
    }
    void clear() { setResult({}, {}); }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_result.rows.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() || m_headers.isEmpty() ? 0 : 1 + int(m_headers.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        if (role != Qt::DisplayRole)
            return {};
        if (index.column() == 0)
            return m_result.line(size_t(index.row()));
        const int level = m_result.level(size_t(index.row()), index.column() - 1);
        return level ? QStringLiteral("%1等").arg(level) : QString();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Vertical)
            return QStringLiteral("行%1").arg(m_result.rows[size_t(section)].row);
        return section == 0 ? QStringLiteral("彩票号码") : m_headers.value(section - 1);
    }

private:
    history::MultiDrawResult m_result;
    QStringList m_headers;
};

namespace {

constexpr int kNumbersColumn = 0;

// A row at least as tall as a key of the number pad, so a finger hits it.
void setTouchRows(QTableView* view)
{
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(fonts::px(58));
}

QPushButton* makeCommand(const QString& name, const QString& caption, QWidget* parent)
{
    QPushButton* button = makeButton(name, caption, fonts::font(fonts::kSong, 16, true), parent);
    button->setMinimumSize(fonts::px(150), fonts::px(58));
    return button;
}

// The draw's date: the draw date when known, else the time of its first check.
QString drawDateText(const history::Entry& e)
{
    return e.drawDate.isValid() ? e.drawDate.toString(Qt::ISODate) : e.dateTime;
}

QString drawHeader(const history::Entry& e)
{
    return e.draw->numbersText() + QLatin1Char('\n')
           + (e.issue.isEmpty() ? QString() : QStringLiteral("第%1期 ").arg(e.issue)) + drawDateText(e);
}

QString drawLabel(const history::Entry& e)
{
    return e.draw->numbersText() + QStringLiteral("（")
           + (e.issue.isEmpty() ? QString() : QStringLiteral("第%1期，").arg(e.issue)) + drawDateText(e)
           + QStringLiteral("）");
}

}  // namespace

DrawHistory1::DrawHistory1(Session& session, QWidget* parent) : SecondaryWindow(parent), m_session(session)
{
    setObjectName(QStringLiteral("DrawHistory1"));
    setWindowTitle(QStringLiteral("开奖记录/多期对奖"));
    const history::LoadResult loaded = history::loadHistory(m_session.dataFolder());
    m_history = loaded.history;
    m_writable = loaded.ok;
    m_loadMessage = loaded.ok
        ? history::unreadableLinesMessage(m_session.dataFolder(), m_history)
        : QStringLiteral("错误提示：BR   开奖记录文件无法读取，没有打开：BR   ") + loaded.error;
    buildControls();
    fillDrawList();
    connect(DrawList, &QTableView::clicked, this, &DrawHistory1::DrawList_Click);
    connect(UseDraw, &QPushButton::clicked, this, &DrawHistory1::UseDraw_Click);
    connect(DeleteDraw, &QPushButton::clicked, this, &DrawHistory1::DeleteDraw_Click);
    connect(CheckDraws, &QPushButton::clicked, this, &DrawHistory1::CheckDraws_Click);
    connect(CloseHistory, &QPushButton::clicked, this, &QWidget::close);
    connect(PasteDraws, &QPushButton::clicked, this, &DrawHistory1::PasteDraws_Click);
    connect(ImportDraws, &QPushButton::clicked, this, &DrawHistory1::ImportDraws_Click);
    connect(ExportDraws, &QPushButton::clicked, this, &DrawHistory1::ExportDraws_Click);
    connect(PrizeAmounts, &QPushButton::clicked, this, &DrawHistory1::PrizeAmounts_Click);
}

void DrawHistory1::buildControls()
{
    const QFont listFont = fonts::font(fonts::kHei, 16, true);
    const QFont headerFont = fonts::font(fonts::kHei, 14);

    m_drawModel = new QStandardItemModel(0, 3, this);
    m_drawModel->setHorizontalHeaderLabels(
        {QStringLiteral("开奖号码"), QStringLiteral("期号"), QStringLiteral("开奖日期/首次对奖")});
    DrawList = new QTableView(this);
    DrawList->setObjectName(QStringLiteral("DrawList"));
    DrawList->setModel(m_drawModel);
    DrawList->setFont(listFont);
    DrawList->horizontalHeader()->setFont(headerFont);
    DrawList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    DrawList->verticalHeader()->hide();
    // Every column in full: the check box, the seven numbers, the 期号 and the date.
    const QFontMetrics listMetrics(listFont);
    DrawList->setMinimumWidth(listMetrics.horizontalAdvance(QStringLiteral("00 00 00 00 00 00 00"))
                              + listMetrics.horizontalAdvance(QStringLiteral("0000000"))
                              + listMetrics.horizontalAdvance(QStringLiteral("0000/00/00 00:00:00"))
                              + fonts::px(90));
    DrawList->setSelectionBehavior(QAbstractItemView::SelectRows);
    DrawList->setSelectionMode(QAbstractItemView::SingleSelection);
    DrawList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTouchRows(DrawList);

    m_resultModel = new ResultGridModel(this);
    ResultGrid = new QTableView(this);
    ResultGrid->setObjectName(QStringLiteral("ResultGrid"));
    ResultGrid->setModel(m_resultModel);
    ResultGrid->setFont(listFont);
    ResultGrid->horizontalHeader()->setFont(headerFont);
    ResultGrid->verticalHeader()->setFont(headerFont);
    // Its row numbers and the corner button above them are tapped too.
    ResultGrid->verticalHeader()->setMinimumWidth(fonts::px(largeType::kSmallestTap));
    // Widths are set from the texts once per result: measuring every cell of a large
    // result at each layout would stall the window.
    ResultGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ResultGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    ResultGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTouchRows(ResultGrid);

    ResultSummary = new QPlainTextEdit(this);
    ResultSummary->setObjectName(QStringLiteral("ResultSummary"));
    ResultSummary->setReadOnly(true);
    ResultSummary->setFont(fonts::font(fonts::kSong, 16));
    // Four lines of the summary at once, six at most, whatever the scale.
    const int summaryLine = ResultSummary->fontMetrics().lineSpacing();
    const int summaryFrame = 2 * (ResultSummary->frameWidth() + 4);
    ResultSummary->setMinimumHeight(4 * summaryLine + summaryFrame);
    ResultSummary->setMaximumHeight(6 * summaryLine + summaryFrame);

    UseDraw = makeCommand(QStringLiteral("UseDraw"), QStringLiteral("填入开奖号码"), this);
    DeleteDraw = makeCommand(QStringLiteral("DeleteDraw"), QStringLiteral("删除这期"), this);
    DeleteDraw->setEnabled(m_writable && archive::writesAllowed());
    CheckDraws = makeCommand(QStringLiteral("CheckDraws"), QStringLiteral("多期对奖"), this);
    CloseHistory = makeCommand(QStringLiteral("CloseHistory"), QStringLiteral("关闭"), this);
    PasteDraws = makeCommand(QStringLiteral("PasteDraws"), QStringLiteral("粘贴导入"), this);
    ImportDraws = makeCommand(QStringLiteral("ImportDraws"), QStringLiteral("从文件导入"), this);
    ExportDraws = makeCommand(QStringLiteral("ExportDraws"), QStringLiteral("导出"), this);
    PrizeAmounts = makeCommand(QStringLiteral("PrizeAmounts"), QStringLiteral("公布奖金"), this);
    for (QPushButton* writes : {PasteDraws, ImportDraws, PrizeAmounts})
        writes->setEnabled(m_writable && archive::writesAllowed());

    auto* hint = makeLabel(QStringLiteral("Label1"), QStringLiteral("点一行勾选/取消，可勾选多期"),
                           fonts::font(fonts::kSong, 14), this);
    auto* left = new QVBoxLayout;
    left->addWidget(hint);
    left->addWidget(DrawList, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(UseDraw, 0, 0);
    buttons->addWidget(DeleteDraw, 0, 1);
    buttons->addWidget(CheckDraws, 1, 0);
    buttons->addWidget(ExportDraws, 1, 1);
    buttons->addWidget(PasteDraws, 2, 0);
    buttons->addWidget(ImportDraws, 2, 1);
    buttons->addWidget(PrizeAmounts, 3, 0);
    buttons->addWidget(CloseHistory, 3, 1);
    left->addLayout(buttons);

    auto* right = new QVBoxLayout;
    right->addWidget(ResultGrid, 1);
    right->addWidget(ResultSummary);

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(fonts::px(10), fonts::px(8), fonts::px(10), fonts::px(10));
    root->setSpacing(fonts::px(10));
    root->addLayout(left, 0);
    root->addLayout(right, 1);
    resize(fonts::px(1240), fonts::px(660));
}

void DrawHistory1::fillDrawList()
{
    m_drawModel->removeRows(0, m_drawModel->rowCount());
    m_rowEntry = m_history.drawsNewestFirst();
    for (int entry : m_rowEntry) {
        const history::Entry& e = m_history.entries[size_t(entry)];
        auto* numbers = new QStandardItem(e.draw->numbersText());
        // Not user-checkable: a tap anywhere on the row toggles it (DrawList_Click), and
        // the box itself must not toggle it a second time.
        numbers->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        numbers->setData(Qt::Unchecked, Qt::CheckStateRole);
        auto* issue = new QStandardItem(e.issue);
        issue->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        auto* date = new QStandardItem(drawDateText(e));
        date->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        m_drawModel->appendRow({numbers, issue, date});
    }
}

void DrawHistory1::DrawList_Click(const QModelIndex& index)
{
    QStandardItem* item = m_drawModel->item(index.row(), kNumbersColumn);
    item->setData(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked,
                  Qt::CheckStateRole);
}

int DrawHistory1::currentEntry()
{
    const QModelIndex current = DrawList->currentIndex();
    if (!current.isValid()) {
        m_session.showMessage(QStringLiteral("提示：BR   请先在左边的开奖记录里点选一期。"));
        return -1;
    }
    return m_rowEntry[size_t(current.row())];
}

void DrawHistory1::UseDraw_Click()
{
    const int entry = currentEntry();
    if (entry < 0)
        return;
    m_session.setDrawLine(m_history.entries[size_t(entry)].draw->numbersText() + QLatin1Char(' '), 7);
    close();
}

void DrawHistory1::DeleteDraw_Click()
{
    const int entry = currentEntry();
    if (entry < 0)
        return;
    const history::Draw draw = *m_history.entries[size_t(entry)].draw;
    if (!askYesNo(this, QStringLiteral("DeleteDrawQuestion"), QStringLiteral("删除开奖记录"),
                  QStringLiteral("确定要从开奖记录中删除这期开奖号码吗？\n%1").arg(draw.numbersText()),
                  false))
        return;
    // Deleted from the file as it is now: draws another program added since stay, and
    // the list shows them.
    const history::StoreResult stored = history::forgetDraw(m_session.dataFolder(), draw, m_history);
    fillDrawList();
    clearResult();
    if (!stored.ok)
        m_session.showMessage(QStringLiteral("错误提示：BR   开奖记录没有删除，文件无法写入：BR   ")
                           + stored.error + QStringLiteral("BR   ")
                           + messages::writableFolderAdvice(m_session.dataFolder()));
}

void DrawHistory1::CheckDraws_Click()
{
    std::vector<history::Draw> draws;
    QStringList headers;
    QStringList labels;
    std::vector<tickets::FloatingAmounts> announced;
    for (int row = 0; row < m_drawModel->rowCount(); ++row) {
        if (m_drawModel->item(row, kNumbersColumn)->checkState() != Qt::Checked)
            continue;
        const history::Entry& e = m_history.entries[size_t(m_rowEntry[size_t(row)])];
        draws.push_back(*e.draw);
        headers << drawHeader(e);
        labels << drawLabel(e);
        announced.push_back(e.announced);
    }
    if (draws.empty()) {
        m_session.showMessage(QStringLiteral("提示：BR   请先在左边点选要对奖的开奖号码，可选多期。"));
        return;
    }
    history::MultiDrawResult result = history::checkAgainstDraws(m_session.ticketBox().crlfText(), draws);
    ResultSummary->setPlainText(history::multiDrawSummary(result, labels, announced));
    m_resultModel->setResult(std::move(result), headers);
    sizeResultColumns();
}

void DrawHistory1::sizeResultColumns()
{
    const int padding = fonts::px(24);
    const QFontMetrics cell(ResultGrid->font());
    const QFontMetrics header(ResultGrid->horizontalHeader()->font());
    ResultGrid->setColumnWidth(0, cell.horizontalAdvance(QStringLiteral("00 00 00 00 00 00 00 ")) + padding);
    for (int c = 1; c < m_resultModel->columnCount(); ++c)
        ResultGrid->setColumnWidth(c, header.horizontalAdvance(QStringLiteral("0000/00/00 00:00:00")) + padding);
}

void DrawHistory1::clearResult()
{
    m_resultModel->clear();
    ResultSummary->clear();
}

void DrawHistory1::PrizeAmounts_Click()
{
    const int entry = currentEntry();
    if (entry < 0)
        return;
    const history::Entry e = m_history.entries[size_t(entry)];
    PrizeAmounts1 keyed(e.draw->numbersText(), e.announced, this);
    if (keyed.exec() != QDialog::Accepted)
        return;
    const history::StoreResult stored =
        history::setAnnouncedAmounts(m_session.dataFolder(), *e.draw, keyed.amounts(), m_history);
    fillDrawList();
    clearResult();
    if (!stored.ok)
        m_session.showMessage(QStringLiteral("错误提示：BR   奖金没有保存，文件无法写入：BR   ") + stored.error
                           + QStringLiteral("BR   ") + messages::writableFolderAdvice(m_session.dataFolder()));
}

void DrawHistory1::PasteDraws_Click()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        m_session.showMessage(QStringLiteral("提示：BR   剪贴板里没有文字。请先在网页或文件里选中开奖号码（一期一行），"
                                             "复制以后再点“粘贴导入”。"));
        return;
    }
    importText(text);
}

void DrawHistory1::ImportDraws_Click()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("从文件导入开奖记录"), QDir::homePath(),
        QStringLiteral("文本或CSV文件 (*.txt *.csv);;所有文件 (*)"));
    if (!path.isEmpty())
        importFile(path);
}

void DrawHistory1::importFile(const QString& path)
{
    const archive::FileRead file = archive::readFile(path, archive::kMaxHistoryBytes);
    const std::optional<archive::DecodedText> decoded =
        file.read() ? archive::decodeTextStrictly(file.bytes) : std::nullopt;
    if (!decoded) {
        const QString reason = file.refused() ? file.reason
                               : file.read()  ? QStringLiteral("文字编码无法识别")
                                              : QStringLiteral("文件不存在");
        m_session.showMessage(QStringLiteral("错误提示：BR   没有导入：") + messages::pathText(path)
                              + QStringLiteral("：") + reason);
        return;
    }
    importText(decoded->text);
}

void DrawHistory1::importText(const QString& text)
{
    const history::FolderImport imported =
        history::importIntoFolder(m_session.dataFolder(), text, archive::currentDateTimeText());
    if (!imported.stored.ok) {
        m_session.showMessage(QStringLiteral("错误提示：BR   开奖记录没有导入，文件无法写入：BR   ")
                              + imported.stored.error + QStringLiteral("BR   ")
                              + messages::writableFolderAdvice(m_session.dataFolder()));
        return;
    }
    const history::LoadResult loaded = history::loadHistory(m_session.dataFolder());
    if (loaded.ok)
        m_history = loaded.history;
    fillDrawList();
    clearResult();
    m_session.showMessage(QStringLiteral("提示：BR   ") + history::importReportText(imported.report));
}

void DrawHistory1::ExportDraws_Click()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("导出开奖记录"), QDir(folder).filePath(QStringLiteral("开奖记录.txt")),
        QStringLiteral("文本文件 (*.txt)"));
    if (!path.isEmpty())
        exportTo(path);
}

void DrawHistory1::exportTo(const QString& path)
{
    const archive::WriteResult written = archive::writeTextFile(path, history::exportHistoryText(m_history));
    if (!written.ok) {
        m_session.showMessage(QStringLiteral("错误提示：BR   开奖记录没有导出：BR   ") + written.error);
        return;
    }
    m_session.showMessage(QStringLiteral("提示：BR   已导出%1期开奖号码到：BR   ").arg(m_history.drawCount())
                          + messages::pathText(path));
}

namespace history {

LoadResult historyAtCheck(const Session& session)
{
    return parseDraw(session.drawLine().text()) ? loadHistory(session.dataFolder()) : LoadResult{};
}

void rememberCheckedDraw(Session& session, LoadResult atCheck)
{
    // A copy opened read-only has said so already when the tickets were not saved.
    if (!archive::writesAllowed())
        return;
    const StoreResult stored = rememberDrawLine(session.dataFolder(), std::move(atCheck),
                                                session.drawLine().text(), archive::currentDateTimeText());
    if (!stored.ok)
        session.showMessage(QStringLiteral("错误提示：BR   开奖号码没能记入开奖记录：BR   ") + stored.error);
    else if (stored.dropped > 0)
        session.showMessage(droppedDrawsMessage(stored.dropped));
}

}  // namespace history
