// TrendChart1: the trend chart (号码走势图) of the draw history in large type. One row per
// draw, oldest at the top; drawn numbers are red balls, the special number a blue square;
// the other cells show the omission. The label and number columns and the number header
// stay in view while the chart scrolls (by finger or wheel); it opens on the newest draw.
// The range, the special number switch, the hot / cold thresholds and the zoom are set by
// on-screen buttons; the chart prints, or goes into a PDF file, over as many pages as it needs.
#pragma once

#include "history/trend_model.h"
#include "widgets/secondary_window.h"

#include <vector>

class QButtonGroup;
class QLabel;
class QPrinter;
class QPushButton;
class QTableView;
class TrendCellDelegate;

class TrendChart1 : public SecondaryWindow {
    Q_OBJECT
public:
    // `draws` oldest first.
    explicit TrendChart1(std::vector<history::ChartDraw> draws, QWidget* parent = nullptr);
    ~TrendChart1() override;

    history::TrendModel* model() const { return m_model; }
    // How many times its smallest size the chart is shown.
    double zoom() const;
    void zoomIn();
    void zoomOut();

    // Prints on the default printer; without one, says so in the status line.
    bool printToDefaultPrinter();
    // Writes the chart as a PDF file; false when the file could not be written.
    bool exportPdf(const QString& filePath);

    QTableView* TrendTable = nullptr;
    QPushButton* Last30 = nullptr;
    QPushButton* Last50 = nullptr;
    QPushButton* Last100 = nullptr;
    QPushButton* AllDraws = nullptr;
    QPushButton* WithSpecial = nullptr;
    QPushButton* CloseChart = nullptr;
    QLabel* HotFrom = nullptr;
    QLabel* ColdUpTo = nullptr;
    QLabel* chartStatus = nullptr;

protected:
    // Ctrl + wheel zooms.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    QLayout* buildRangeRow();
    QLayout* buildHeatRow();
    void buildTable();
    void showLast(int draws);
    void WithSpecial_Click(bool checked);
    void adjustHeat(int hotStep, int coldStep);
    void showHeat();
    void zoomBy(int steps);
    void applyZoom();
    // Column widths at the zoom; the frozen view's number columns hidden.
    void shapeColumns();
    void scrollToNewest();
    void chooseAndExportPdf();
    bool paintPages(QPrinter& printer);
    QString rangeTitle() const;

    history::TrendModel* m_model = nullptr;
    TrendCellDelegate* m_delegate = nullptr;
    QTableView* m_frozen = nullptr;  // columns 0 and 1 over the chart's left edge
    QPushButton* m_zoomIn = nullptr;
    QPushButton* m_zoomOut = nullptr;
    int m_zoomStep = 0;
    bool m_shownOnce = false;
};
