// The trend chart (走势图) as a table: one row per shown draw, oldest at the top, then five
// footer rows. Column 0 the draw's label, column 1 its seven numbers, columns 2..37 the
// numbers 01..36. A number's cell shows "05" where it was drawn, else its omission; its
// footer cells the statistics over the shown draws. Cells are computed when asked for.
#pragma once

#include "history/trend_stats.h"

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace history {

// A draw as the chart names it: its 期号, else its date, else the time of its first check.
struct ChartDraw {
    QString label;
    Draw draw;
};
// The history's draws in file order (oldest first), labelled.
std::vector<ChartDraw> chartDraws(const History& history);

class TrendModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role {
        DrawnRole = Qt::UserRole + 1,  // bool: the number counts as drawn in this draw
        SpecialRole,                   // bool: it is this draw's special number
        HeatRole,                      // int (Heat) of a number column, in every row and the header
        FooterRole,                    // bool: a footer row
    };
    static constexpr int kLabelColumn = 0;
    static constexpr int kNumbersColumn = 1;
    static constexpr int kFirstNumberColumn = 2;
    static constexpr int kColumns = kFirstNumberColumn + 36;
    static constexpr int kFooterRows = 5;

    // `draws` oldest first. It opens on all draws, with the special number counted.
    explicit TrendModel(std::vector<ChartDraw> draws, QObject* parent = nullptr);

    // 1..36 for a number column, 0 for the others.
    static int numberOfColumn(int column);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The last `count` draws; 0 (or more than there are) for all. The heat thresholds
    // return to their defaults for the new range.
    void setLastDraws(int count);
    int lastDraws() const { return m_lastDraws; }
    // 含特别号: the special number counts as drawn. The thresholds return to their defaults.
    void setWithSpecial(bool withSpecial);
    bool withSpecial() const { return m_stats.withSpecial(); }
    // Kept sound: 0 ≤ cold < hot ≤ shown draws + 1.
    void setHeatThresholds(HeatThresholds thresholds);
    HeatThresholds heatThresholds() const { return m_heat; }

    int shownDraws() const { return m_stats.rows() - m_firstRow; }
    bool isFooterRow(int row) const { return row >= shownDraws(); }
    const Footers& footers() const { return m_footers; }

private:
    QVariant drawData(int row, int column, int role) const;
    QVariant footerData(int footer, int column, int role) const;
    Heat heatOf(int number) const;
    // The range or the switch changed: footers and default thresholds for what is shown.
    void showRange(int lastDraws);

    std::vector<ChartDraw> m_draws;
    TrendStats m_stats;
    int m_lastDraws = 0;
    int m_firstRow = 0;
    Footers m_footers{};
    HeatThresholds m_heat;
};

}  // namespace history
