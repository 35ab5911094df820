// The trend chart window: its controls, the range buttons, the special number switch and
// the PDF over several pages. The chart's cells and footers are the model's test.
#include "history/trend_chart_window.h"
#include "widgets/fonts.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using history::ChartDraw;
using history::TrendModel;

namespace {

// Draw i holds the seven numbers from i % 30 + 1 on, the last of them special.
std::vector<ChartDraw> draws(int count)
{
    std::vector<ChartDraw> out;
    for (int i = 0; i < count; ++i) {
        ChartDraw d{QString::number(2026001 + i), {}};
        for (int k = 0; k < 7; ++k)
            d.draw.numbers[size_t(k)] = i % 30 + 1 + k;
        out.push_back(d);
    }
    return out;
}

int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

}  // namespace

class TrendChartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { fonts::installSubstitutions(); }
    void opensOnTheNewestDraw();
    void ranges_data();
    void ranges();
    void specialSwitch();
    void pdf();
};

void TrendChartWindowTest::opensOnTheNewestDraw()
{
    TrendChart1 window(draws(120));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"TrendTable", "Last30", "Last50", "Last100", "AllDraws", "WithSpecial",
                             "CloseChart", "HotFromUp", "HotFromDown", "ColdUpToUp", "ColdUpToDown",
                             "ZoomInChart", "ZoomOutChart", "PrintChart", "ExportChartPdf"}) {
        auto* w = window.findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(w, name);
        if (qobject_cast<QPushButton*>(w))
            QVERIFY2(w->width() >= 44 && w->height() >= 44, name);
    }
    // Every control within reach on the smallest screen, 1024×576 less a window frame.
    QVERIFY(window.minimumSizeHint().width() <= 1016);
    QVERIFY(window.minimumSizeHint().height() <= 540);
    const QScrollBar* bar = window.TrendTable->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
}

void TrendChartWindowTest::ranges_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("rows");  // draws and five footers
    QTest::newRow("30") << "Last30" << 35;
    QTest::newRow("50") << "Last50" << 55;
    QTest::newRow("100") << "Last100" << 105;
    QTest::newRow("all") << "AllDraws" << 125;
}

void TrendChartWindowTest::ranges()
{
    QFETCH(QString, button);
    TrendChart1 window(draws(120));
    window.Last30->click();
    window.findChild<QPushButton*>(button)->click();
    QTEST(window.TrendTable->model()->rowCount(), "rows");
    QVERIFY(window.findChild<QPushButton*>(button)->isChecked());
}

void TrendChartWindowTest::specialSwitch()
{
    TrendChart1 window(draws(3));
    // The newest draw's special number is 09.
    const QModelIndex special = window.TrendTable->model()->index(2, TrendModel::kFirstNumberColumn + 8);
    QVERIFY(window.WithSpecial->isChecked());
    QCOMPARE(special.data().toString(), QStringLiteral("09"));
    window.WithSpecial->click();
    QCOMPARE(special.data().toString(), QStringLiteral("3"));  // never counted before
    QCOMPARE(special.data(TrendModel::SpecialRole).toBool(), true);
}

void TrendChartWindowTest::pdf()
{
    QTemporaryDir dir;
    const QString shortChart = dir.filePath(QStringLiteral("30.pdf"));
    const QString longChart = dir.filePath(QStringLiteral("300.pdf"));
    TrendChart1 window(draws(300));
    QVERIFY(window.exportPdf(longChart));
    window.Last30->click();
    QVERIFY(window.exportPdf(shortChart));
    QVERIFY(pdfPages(shortChart) >= 1);
    QVERIFY(pdfPages(longChart) > pdfPages(shortChart) + 4);
    // A file that cannot be written is said so, never reported as exported.
    QVERIFY(!window.exportPdf(dir.filePath(QStringLiteral("missing/chart.pdf"))));
    QVERIFY(window.chartStatus->text().contains(QStringLiteral("未能写入")));
}

QTEST_MAIN(TrendChartWindowTest)
#include "tst_trend_chart_window.moc"
