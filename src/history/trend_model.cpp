#include "history/trend_model.h"

#include <QStringList>
#include <algorithm>

namespace history {

namespace {

std::vector<Draw> drawsOf(const std::vector<ChartDraw>& chart)
{
    std::vector<Draw> draws;
    draws.reserve(chart.size());
    for (const ChartDraw& c : chart)
        draws.push_back(c.draw);
    return draws;
}

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

// "01 02 03 04 05 06+07": the special number set apart.
QString chartNumbersText(const Draw& draw)
{
    QString text = draw.numbersText();
    text[text.size() - 3] = QLatin1Char('+');
    return text;
}

const QStringList kFooterNames = {QStringLiteral("出现次数"), QStringLiteral("平均遗漏"),
                                  QStringLiteral("最大遗漏"), QStringLiteral("最大连出"),
                                  QStringLiteral("当前遗漏")};

int footerValue(const NumberFooter& f, int footer)
{
    switch (footer) {
    case 0: return f.appearances;
    case 1: return f.averageOmission;
    case 2: return f.longestOmission;
    case 3: return f.longestRun;
    default: return f.currentOmission;
    }
}

const QString kHeatNames[] = {QStringLiteral("冷"), QStringLiteral("温"), QStringLiteral("热")};

}  // namespace

TrendModel::TrendModel(std::vector<ChartDraw> draws, QObject* parent)
    : QAbstractTableModel(parent), m_draws(std::move(draws)), m_stats(drawsOf(m_draws), true)
{
    showRange(0);
}

int TrendModel::numberOfColumn(int column)
{
    return column >= kFirstNumberColumn && column < kColumns ? column - kFirstNumberColumn + 1 : 0;
}

int TrendModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : shownDraws() + kFooterRows;
}

int TrendModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

namespace {

// A cell as a screen reader says it: "2026003期，01号，特别号" or "2026006期，36号，遗漏6期".
QString spokenCell(const QString& label, int number, const TrendCell& cell)
{
    const QString head = label + QStringLiteral("期，") + twoDigits(number) + QStringLiteral("号，");
    if (cell.drawn)
        return head + (cell.special ? QStringLiteral("特别号") : QStringLiteral("开出"));
    return head + QStringLiteral("遗漏%1期").arg(cell.omission);
}

}  // namespace

QVariant TrendModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int number = numberOfColumn(index.column());
    if (role == HeatRole)
        return number ? QVariant(int(heatOf(number))) : QVariant();
    if (role == FooterRole)
        return isFooterRow(index.row());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    if (isFooterRow(index.row()))
        return footerData(index.row() - shownDraws(), index.column(), role);
    return drawData(m_firstRow + index.row(), index.column(), role);
}

QVariant TrendModel::drawData(int row, int column, int role) const
{
    const int number = numberOfColumn(column);
    if (!number) {
        if (role != Qt::DisplayRole)
            return {};
        const ChartDraw& d = m_draws[size_t(row)];
        return column == kLabelColumn ? d.label : chartNumbersText(d.draw);
    }
    const TrendCell cell = m_stats.cell(row, number);
    switch (role) {
    case Qt::DisplayRole: return cell.drawn ? twoDigits(number) : QString::number(cell.omission);
    case DrawnRole: return cell.drawn;
    case SpecialRole: return cell.special;
    case Qt::AccessibleTextRole: return spokenCell(m_draws[size_t(row)].label, number, cell);
    default: return {};
    }
}

QVariant TrendModel::footerData(int footer, int column, int role) const
{
    if (role == DrawnRole || role == SpecialRole)
        return false;
    if (role != Qt::DisplayRole)
        return {};
    if (column == kNumbersColumn)
        return kFooterNames.at(footer);
    const int number = numberOfColumn(column);
    if (!number)
        return QString();
    return QString::number(footerValue(m_footers[size_t(number - 1)], footer));
}

QVariant TrendModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    const int number = numberOfColumn(section);
    if (role == HeatRole)
        return number ? QVariant(int(heatOf(number))) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    if (section == kLabelColumn)
        return QStringLiteral("期号");
    if (section == kNumbersColumn)
        return QStringLiteral("开奖号码");
    // The heat in words under the number, not by colour alone.
    return twoDigits(number) + QLatin1Char('\n') + kHeatNames[int(heatOf(number))];
}

void TrendModel::setLastDraws(int count)
{
    beginResetModel();
    showRange(count);
    endResetModel();
}

void TrendModel::setWithSpecial(bool withSpecial)
{
    if (withSpecial == m_stats.withSpecial())
        return;
    beginResetModel();
    m_stats = TrendStats(drawsOf(m_draws), withSpecial);
    showRange(m_lastDraws);
    endResetModel();
}

void TrendModel::showRange(int lastDraws)
{
    m_lastDraws = std::max(lastDraws, 0);
    m_firstRow = m_stats.firstRowOfLast(m_lastDraws);
    m_footers = m_stats.footers(m_firstRow);
    m_heat = defaultHeatThresholds(shownDraws(), m_stats.withSpecial());
}

void TrendModel::setHeatThresholds(HeatThresholds thresholds)
{
    // Beyond the shown draws no number could be hot.
    const int highest = shownDraws() + 1;
    thresholds.coldUpTo = std::clamp(thresholds.coldUpTo, 0, highest - 1);
    thresholds.hotFrom = std::clamp(thresholds.hotFrom, thresholds.coldUpTo + 1, highest);
    m_heat = thresholds;
    emit headerDataChanged(Qt::Horizontal, kFirstNumberColumn, kColumns - 1);
    emit dataChanged(index(0, kFirstNumberColumn), index(rowCount() - 1, kColumns - 1), {HeatRole});
}

Heat TrendModel::heatOf(int number) const
{
    return history::heatOf(m_footers[size_t(number - 1)].appearances, m_heat);
}

std::vector<ChartDraw> chartDraws(const History& history)
{
    std::vector<ChartDraw> out;
    out.reserve(size_t(history.drawCount()));
    for (const Entry& e : history.entries) {
        if (!e.draw)
            continue;
        const QString label = !e.issue.isEmpty()       ? e.issue
                              : e.drawDate.isValid() ? e.drawDate.toString(Qt::ISODate)
                                                     : e.dateTime.section(QLatin1Char(' '), 0, 0);
        out.push_back({label, *e.draw});
    }
    return out;
}

}  // namespace history
