#include "history/trend_chart_window.h"

#include "printing/word_processor_ui.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/large_type.h"
#include "widgets/reading_look.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QScroller>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>

using history::TrendModel;

namespace {

// The sizes the chart is shown at; at 1 its text is the smallest anyone reads.
constexpr double kZoomSteps[] = {1.0, 1.25, 1.5, 2.0, 2.5, 3.0};
constexpr int kZoomStepCount = int(std::size(kZoomSteps));
constexpr double kCellPoints = largeType::kSmallestPoints;
constexpr int kCellPixels = 44;

const QColor kBallRed(0xc8, 0x10, 0x10);
const QColor kSpecialBlue(0x10, 0x48, 0xb8);
const QColor kOmissionText(0x40, 0x40, 0x40);
const QColor kFooterBack(0xff, 0xf4, 0xc8);
const QColor kGrid(0xb0, 0xb0, 0xb0);
// The three bands 01–12, 13–24, 25–36, told apart by a tint.
const QColor kBandBack[] = {QColor(0xff, 0xff, 0xff), QColor(0xee, 0xf5, 0xff), QColor(0xff, 0xff, 0xff)};
// Cold, warm, hot (the order of history::Heat).
const QColor kHeatBack[] = {QColor(0xc8, 0xdc, 0xff), QColor(0xff, 0xec, 0xb0), QColor(0xff, 0xc0, 0xb8)};

QFont buttonFont()
{
    return fonts::font(fonts::kHei, 16, true);
}

int bandOf(int column)
{
    return (TrendModel::numberOfColumn(column) - 1) / 12;
}

// The chart in a font at a point size on the screen, in pixels on a printer (whose
// painter is scaled to the screen's sizes).
QFont cellFont(double zoom, bool bold = false)
{
    return fonts::font(fonts::kHei, kCellPoints * zoom, bold);
}

int chartColumnWidth(int column, double zoom)
{
    const QFontMetrics metrics(cellFont(zoom, true));
    const int padding = int(fonts::px(16) * zoom);
    if (column == TrendModel::kNumbersColumn)
        return metrics.horizontalAdvance(QStringLiteral("00 00 00 00 00 00+00")) + padding;
    if (column == TrendModel::kLabelColumn)
        return std::max(metrics.horizontalAdvance(QStringLiteral("2026/12/31 23:59:59")),
                        metrics.horizontalAdvance(QStringLiteral("期号")))
               + padding;
    return int(fonts::px(kCellPixels) * zoom);
}

// The number header holds two lines: the number and its heat.
int chartHeaderHeight(double zoom)
{
    return 2 * QFontMetrics(cellFont(zoom, true)).height() + fonts::px(8);
}

}  // namespace

// Paints a chart cell from the model's roles: the same on screen and on paper.
class TrendCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        paintCell(*painter, option.rect, index, option.font);
    }

    static void paintCell(QPainter& painter, const QRect& rect, const QModelIndex& index,
                          const QFont& font)
    {
        painter.save();
        const bool footer = index.data(TrendModel::FooterRole).toBool();
        const int number = TrendModel::numberOfColumn(index.column());
        QColor back = footer ? kFooterBack : number ? kBandBack[bandOf(index.column())] : Qt::white;
        if (footer && number && index.row() == index.model()->rowCount() - TrendModel::kFooterRows)
            back = kHeatBack[index.data(TrendModel::HeatRole).toInt()];
        painter.fillRect(rect, back);
        paintGrid(painter, rect, index.column());

        const QString text = index.data().toString();
        const bool drawn = index.data(TrendModel::DrawnRole).toBool();
        const bool special = index.data(TrendModel::SpecialRole).toBool();
        painter.setRenderHint(QPainter::Antialiasing);
        const int side = std::min(rect.width(), rect.height()) - std::max(2, rect.height() / 12);
        const QRectF mark(rect.center().x() - side / 2.0 + 0.5, rect.center().y() - side / 2.0 + 0.5,
                          side, side);
        QFont shown = font;
        if (drawn) {
            // A ball for a drawn number, a square for the special number; in high contrast
            // the ball is black, under white at 21:1 (white on its red is 5.8:1).
            painter.setPen(Qt::NoPen);
            painter.setBrush(special ? kSpecialBlue : look::textColour(kBallRed));
            if (special)
                painter.drawRoundedRect(mark, side / 8.0, side / 8.0);
            else
                painter.drawEllipse(mark);
            painter.setPen(Qt::white);
            shown.setBold(true);
        } else {
            if (special) {  // not counted: only its outline
                painter.setPen(QPen(kSpecialBlue, std::max(1.5, side / 16.0), Qt::DashLine));
                painter.setBrush(Qt::NoBrush);
                painter.drawRoundedRect(mark, side / 8.0, side / 8.0);
            }
            painter.setPen(number && !footer ? kOmissionText : Qt::black);
            shown.setBold(footer || !number);
        }
        painter.setFont(shown);
        painter.drawText(rect, Qt::AlignCenter, text);
        painter.restore();
    }

    // The number header: the number over its heat in words, on the heat's tint.
    static void paintHeader(QPainter& painter, const QRect& rect, const QAbstractItemModel& model,
                            int column, const QFont& font)
    {
        painter.save();
        const QVariant heat = model.headerData(column, Qt::Horizontal, TrendModel::HeatRole);
        painter.fillRect(rect, heat.isValid() ? kHeatBack[heat.toInt()] : QColor(0xe8, 0xe8, 0xe8));
        paintGrid(painter, rect, column);
        painter.setPen(Qt::black);
        painter.setFont(font);
        painter.drawText(rect, Qt::AlignCenter, model.headerData(column, Qt::Horizontal).toString());
        painter.restore();
    }

private:
    // Thin lines round the cell, thick ones where a band or the number columns begin.
    static void paintGrid(QPainter& painter, const QRect& rect, int column)
    {
        const int thin = std::max(1, rect.height() / 40);
        painter.setPen(QPen(kGrid, thin));
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
        painter.drawLine(rect.topRight(), rect.bottomRight());
        const int number = TrendModel::numberOfColumn(column);
        if (number % 12 == 1) {
            painter.setPen(QPen(Qt::black, 3 * thin));
            painter.drawLine(rect.topLeft(), rect.bottomLeft());
        }
    }
};

namespace {

// The number header painted by the delegate's rules.
class TrendHeader : public QHeaderView {
public:
    TrendHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override
    {
        if (model())
            TrendCellDelegate::paintHeader(*painter, rect, *model(), section, font());
    }
};

// The chart with its first two columns frozen: a second view over the same model lies on
// its left edge, scrolls with it vertically and never horizontally.
class FrozenColumnsTable : public QTableView {
public:
    explicit FrozenColumnsTable(QWidget* parent) : QTableView(parent) {}

    void setFrozen(QTableView* frozen)
    {
        m_frozen = frozen;
        connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { placeFrozen(); });
        connect(verticalScrollBar(), &QScrollBar::valueChanged, m_frozen->verticalScrollBar(),
                &QScrollBar::setValue);
        connect(m_frozen->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
                &QScrollBar::setValue);
    }

    void placeFrozen()
    {
        if (!m_frozen)
            return;
        m_frozen->setGeometry(frameWidth(), frameWidth(),
                              columnWidth(TrendModel::kLabelColumn) + columnWidth(TrendModel::kNumbersColumn),
                              viewport()->height() + horizontalHeader()->height());
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTableView::resizeEvent(event);
        placeFrozen();
    }

    void updateGeometries() override
    {
        QTableView::updateGeometries();
        placeFrozen();
    }

private:
    QTableView* m_frozen = nullptr;
};

void shapeChartView(QTableView* view, QAbstractItemModel* model, QStyledItemDelegate* delegate)
{
    view->setHorizontalHeader(new TrendHeader(view));
    view->setModel(model);
    view->setItemDelegate(delegate);
    view->setShowGrid(false);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setFocusPolicy(Qt::NoFocus);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setHighlightSections(false);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // A finger or the mouse drags the chart. One target keeps one gesture (a second grab
    // replaces the first), and a touch reaches it as a synthesised left button.
    QScroller::grabGesture(view->viewport(), QScroller::LeftMouseButtonGesture);
}

}  // namespace

TrendChart1::TrendChart1(std::vector<history::ChartDraw> draws, QWidget* parent)
    : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("TrendChart1"));
    setWindowTitle(QStringLiteral("号码走势图"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    m_model = new TrendModel(std::move(draws), this);
    m_delegate = new TrendCellDelegate(this);
    buildControls();
    resize(fonts::px(1300), fonts::px(720));
}

TrendChart1::~TrendChart1() = default;

void TrendChart1::buildControls()
{
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(fonts::px(10), fonts::px(8), fonts::px(10), fonts::px(8));
    root->setSpacing(fonts::px(8));
    root->addLayout(buildRangeRow());
    root->addLayout(buildHeatRow());
    buildTable();
    root->addWidget(TrendTable, 1);
    chartStatus = makeLabel(QStringLiteral("ChartStatus"),
                            QStringLiteral("红色圆球：开出的号码　蓝色方块：特别号　其余数字：遗漏期数"),
                            fonts::font(fonts::kHei, largeType::kSmallestPoints), this);
    chartStatus->setWordWrap(true);
    root->addWidget(chartStatus);
    showHeat();
    applyZoom();
}

namespace {

// A large button at the end of `row`, at least `width` design pixels wide.
QPushButton* addRowButton(QHBoxLayout* row, QWidget* parent, const char* name, const QString& caption,
                          int width)
{
    QPushButton* b = makeButton(QString::fromLatin1(name), caption, buttonFont(), parent);
    b->setMinimumSize(fonts::px(width), fonts::px(52));
    row->addWidget(b);
    return b;
}

}  // namespace

QLayout* TrendChart1::buildRangeRow()
{
    auto* row = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    const auto addRange = [&](const char* name, const QString& caption, int draws) {
        QPushButton* b = addRowButton(row, this, name, caption, 100);
        b->setCheckable(true);
        group->addButton(b);
        connect(b, &QPushButton::clicked, this, [this, draws] { showLast(draws); });
        return b;
    };
    Last30 = addRange("Last30", QStringLiteral("近30期"), 30);
    Last50 = addRange("Last50", QStringLiteral("近50期"), 50);
    Last100 = addRange("Last100", QStringLiteral("近100期"), 100);
    AllDraws = addRange("AllDraws", QStringLiteral("全部"), 0);
    AllDraws->setChecked(true);
    row->addSpacing(fonts::px(12));
    WithSpecial = addRowButton(row, this, "WithSpecial", QStringLiteral("含特别号"), 116);
    WithSpecial->setCheckable(true);
    WithSpecial->setChecked(true);
    connect(WithSpecial, &QPushButton::toggled, this, &TrendChart1::WithSpecial_Click);
    row->addSpacing(fonts::px(12));
    m_zoomOut = addRowButton(row, this, "ZoomOutChart", QStringLiteral("缩小"), 80);
    m_zoomIn = addRowButton(row, this, "ZoomInChart", QStringLiteral("放大"), 80);
    connect(m_zoomOut, &QPushButton::clicked, this, &TrendChart1::zoomOut);
    connect(m_zoomIn, &QPushButton::clicked, this, &TrendChart1::zoomIn);
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &TrendChart1::zoomIn);
    connect(new QShortcut(QKeySequence::ZoomOut, this), &QShortcut::activated, this, &TrendChart1::zoomOut);
    row->addStretch();
    CloseChart = addRowButton(row, this, "CloseChart", QStringLiteral("关闭"), 116);
    CloseChart->setFont(fonts::font(fonts::kHei, 18, true));
    connect(CloseChart, &QPushButton::clicked, this, &QWidget::close);
    return row;
}

QLayout* TrendChart1::buildHeatRow()
{
    auto* row = new QHBoxLayout;
    const QFont font = buttonFont();
    const auto addStep = [&](const char* name, const QString& caption, int hotStep, int coldStep) {
        QPushButton* b = makeButton(QString::fromLatin1(name), caption, font, this);
        // Narrow, so that the row fits the smallest screen; still a finger's size.
        b->setFixedWidth(fonts::px(52));
        b->setMinimumHeight(fonts::px(largeType::kSmallestTap));
        connect(b, &QPushButton::clicked, this, [=] { adjustHeat(hotStep, coldStep); });
        row->addWidget(b);
    };
    const auto addValue = [&](const char* name) {
        QLabel* value = makeLabel(QString::fromLatin1(name), QString(), font, this);
        value->setAlignment(Qt::AlignCenter);
        value->setMinimumWidth(fonts::px(48));
        row->addWidget(value);
        return value;
    };
    row->addWidget(makeLabel(QStringLiteral("HotLabel"), QStringLiteral("热号：出现次数≥"), font, this));
    addStep("HotFromDown", QStringLiteral("－"), -1, 0);
    HotFrom = addValue("HotFrom");
    addStep("HotFromUp", QStringLiteral("＋"), 1, 0);
    row->addSpacing(fonts::px(20));
    row->addWidget(makeLabel(QStringLiteral("ColdLabel"), QStringLiteral("冷号：出现次数≤"), font, this));
    addStep("ColdUpToDown", QStringLiteral("－"), 0, -1);
    ColdUpTo = addValue("ColdUpTo");
    addStep("ColdUpToUp", QStringLiteral("＋"), 0, 1);
    row->addStretch();
    QPushButton* print = addRowButton(row, this, "PrintChart", QStringLiteral("打印"), 88);
    QPushButton* pdf = addRowButton(row, this, "ExportChartPdf", QStringLiteral("导出PDF"), 88);
    connect(print, &QPushButton::clicked, this, &TrendChart1::printToDefaultPrinter);
    connect(pdf, &QPushButton::clicked, this, &TrendChart1::chooseAndExportPdf);
    return row;
}

void TrendChart1::buildTable()
{
    auto* table = new FrozenColumnsTable(this);
    table->setObjectName(QStringLiteral("TrendTable"));
    shapeChartView(table, m_model, m_delegate);
    m_frozen = new QTableView(table);
    m_frozen->setObjectName(QStringLiteral("TrendTableFrozen"));
    shapeChartView(m_frozen, m_model, m_delegate);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setFrameShape(QFrame::NoFrame);
    table->viewport()->stackUnder(m_frozen);
    table->setFrozen(m_frozen);
    // A reset gives the headers their default sections again.
    connect(m_model, &QAbstractItemModel::modelReset, this, &TrendChart1::shapeColumns);
    table->viewport()->installEventFilter(this);
    m_frozen->viewport()->installEventFilter(this);
    TrendTable = table;
}

void TrendChart1::showLast(int draws)
{
    m_model->setLastDraws(draws);
    showHeat();
    scrollToNewest();
}

void TrendChart1::WithSpecial_Click(bool checked)
{
    m_model->setWithSpecial(checked);
    showHeat();
    scrollToNewest();
}

void TrendChart1::adjustHeat(int hotStep, int coldStep)
{
    history::HeatThresholds t = m_model->heatThresholds();
    t.hotFrom += hotStep;
    t.coldUpTo += coldStep;
    m_model->setHeatThresholds(t);
    showHeat();
}

void TrendChart1::showHeat()
{
    HotFrom->setText(QString::number(m_model->heatThresholds().hotFrom));
    ColdUpTo->setText(QString::number(m_model->heatThresholds().coldUpTo));
}

double TrendChart1::zoom() const
{
    return kZoomSteps[m_zoomStep];
}

void TrendChart1::zoomIn()
{
    zoomBy(1);
}

void TrendChart1::zoomOut()
{
    zoomBy(-1);
}

void TrendChart1::zoomBy(int steps)
{
    m_zoomStep = std::clamp(m_zoomStep + steps, 0, kZoomStepCount - 1);
    applyZoom();
}

void TrendChart1::applyZoom()
{
    const double z = zoom();
    const int rowHeight = int(fonts::px(kCellPixels) * z);
    for (QTableView* view : {TrendTable, m_frozen}) {
        view->setFont(cellFont(z));
        view->horizontalHeader()->setFont(cellFont(z, true));
        view->verticalHeader()->setDefaultSectionSize(rowHeight);
        view->verticalHeader()->setMinimumSectionSize(rowHeight);
        view->horizontalHeader()->setFixedHeight(chartHeaderHeight(z));
    }
    shapeColumns();
    m_zoomOut->setEnabled(m_zoomStep > 0);
    m_zoomIn->setEnabled(m_zoomStep < kZoomStepCount - 1);
}

void TrendChart1::shapeColumns()
{
    for (QTableView* view : {TrendTable, m_frozen})
        for (int c = 0; c < TrendModel::kColumns; ++c)
            view->setColumnWidth(c, chartColumnWidth(c, zoom()));
    // The frozen view shows only the first two columns.
    for (int c = TrendModel::kFirstNumberColumn; c < TrendModel::kColumns; ++c)
        m_frozen->setColumnHidden(c, true);
}

void TrendChart1::scrollToNewest()
{
    TrendTable->scrollToBottom();
}

void TrendChart1::showEvent(QShowEvent* event)
{
    SecondaryWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        scrollToNewest();
    }
}

bool TrendChart1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel
        && (watched == TrendTable->viewport() || watched == m_frozen->viewport())) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int turn = wheel->angleDelta().y();
            if (turn != 0)
                zoomBy(turn > 0 ? 1 : -1);
            return true;
        }
    }
    return SecondaryWindow::eventFilter(watched, event);
}

QString TrendChart1::rangeTitle() const
{
    const int shown = m_model->shownDraws();
    const QString range = m_model->lastDraws() == shown ? QStringLiteral("近%1期").arg(shown)
                                                        : QStringLiteral("全部%1期").arg(shown);
    return QStringLiteral("号码走势图　") + range
           + (m_model->withSpecial() ? QStringLiteral("（含特别号）") : QStringLiteral("（不含特别号）"));
}

// The chart at its smallest zoom, scaled to the page's width; the header on every page.
bool TrendChart1::paintPages(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    std::vector<int> widths;
    int chartWidth = 0;
    for (int c = 0; c < TrendModel::kColumns; ++c) {
        widths.push_back(chartColumnWidth(c, 1.0));
        chartWidth += widths.back();
    }
    const int rowHeight = fonts::px(kCellPixels);
    const int headerHeight = chartHeaderHeight(1.0);
    const int titleHeight = rowHeight;
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double scale = double(area.width()) / chartWidth;
    painter.scale(scale, scale);
    const int pageHeight = int(area.height() / scale);
    const int rowsPerPage = std::max(1, (pageHeight - titleHeight - headerHeight) / rowHeight);
    const int rows = m_model->rowCount();
    const int pages = (rows + rowsPerPage - 1) / rowsPerPage;
    // Fonts in the screen's pixels, so that the painter's scale applies to them.
    const auto screenFont = [](bool bold) {
        QFont f = cellFont(1.0, bold);
        f.setPixelSize(QFontInfo(f).pixelSize());
        return f;
    };
    const QFont font = screenFont(false);
    const QFont bold = screenFont(true);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, chartWidth, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         rangeTitle() + QStringLiteral("　第%1页，共%2页").arg(page + 1).arg(pages));
        int x = 0;
        for (int c = 0; c < TrendModel::kColumns; ++c) {
            TrendCellDelegate::paintHeader(painter, QRect(x, titleHeight, widths[size_t(c)], headerHeight),
                                           *m_model, c, bold);
            x += widths[size_t(c)];
        }
        const int first = page * rowsPerPage;
        for (int r = first; r < std::min(rows, first + rowsPerPage); ++r) {
            const int y = titleHeight + headerHeight + (r - first) * rowHeight;
            x = 0;
            for (int c = 0; c < TrendModel::kColumns; ++c) {
                TrendCellDelegate::paintCell(painter, QRect(x, y, widths[size_t(c)], rowHeight),
                                             m_model->index(r, c), font);
                x += widths[size_t(c)];
            }
        }
    }
    return painter.end();
}

namespace {

void setChartPage(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("号码走势图"));
}

}  // namespace

bool TrendChart1::printToDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        qCInfo(lottoPrint) << "no printer found";
        chartStatus->setText(QStringLiteral("没有找到打印机，未能打印：请安装打印机并设为默认打印机，"
                                            "或点“导出PDF”保存后拿到别处打印"));
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    setChartPage(printer);
    if (!paintPages(printer)) {
        qCInfo(lottoPrint).noquote() << "no printer found (could not open" << info.printerName() << ")";
        chartStatus->setText(QStringLiteral("打印机“") + info.printerName()
                             + QStringLiteral("”无法使用，未能打印：请检查打印机，或点“导出PDF”保存后拿到别处打印"));
        return false;
    }
    qCInfo(lottoPrint).noquote() << "printed on" << info.printerName();
    chartStatus->setText(QStringLiteral("已送往打印机：") + info.printerName());
    return true;
}

bool TrendChart1::exportPdf(const QString& filePath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(filePath);
    printer.setPageSize(QPageSize(QPageSize::A4));
    setChartPage(printer);
    const QString shown = QDir::toNativeSeparators(filePath);
    if (!paintPages(printer)) {
        chartStatus->setText(QStringLiteral("PDF文件未能写入：") + shown);
        return false;
    }
    chartStatus->setText(QStringLiteral("已导出PDF：") + shown);
    return true;
}

void TrendChart1::chooseAndExportPdf()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(this, QStringLiteral("导出PDF"), QDir(folder).filePath(QStringLiteral("号码走势图.pdf")),
                       QStringLiteral("PDF 文件 (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix is added before the dialog asks about replacing a file.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportPdf(dialog.selectedFiles().constFirst());
}
