// Draws read into the history: what is added, what is there already (and gains its 期号
// or date), what is refused, where the added draws stand, and the export reading back.
#include "archive/archive_files.h"
#include "history/history_import.h"

#include <QTest>

using namespace history;

namespace {
const QString kNow = QStringLiteral("2026/12/8 21:30:05");
QString historyAfter(const QString& file, const QString& pasted, ImportReport& report)
{
    History h = parseHistory(archive::textLines(file));
    report = importIntoHistory(h, pasted, kNow);
    return historyText(h);
}
}  // namespace

class HistoryImportTest : public QObject {
    Q_OBJECT
private slots:
    void import_data();
    void import();
    void exportReadsBack();
    void reportFitsTheMessageWindow();
};

void HistoryImportTest::import_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QList<int>>("addedThereRefused");
    QTest::addColumn<QString>("reason");  // of the first refused line
    const QString checked = QStringLiteral("01 02 03 04 05 06 07 2026/12/8 20:00:00\r\n");
    QTest::newRow("into an empty history")
        << "" << "2026140 2026-12-01 01 02 03 04 05 06 07"
        << "01 02 03 04 05 06 07 2026/12/8 21:30:05 2026140 2026-12-01\r\n" << QList<int>{1, 0, 0} << "";
    QTest::newRow("a checked draw gains its 期号 and date")
        << checked << "第2026140期 开奖日期：2026-12-01 开奖号码：01 02 03 04 05 06 特别号：07"
        << "01 02 03 04 05 06 07 2026/12/8 20:00:00 2026140 2026-12-01\r\n" << QList<int>{0, 1, 0} << "";
    QTest::newRow("the numbers in another order are the same draw")
        << checked << "06 05 04 03 02 01 07" << checked << QList<int>{0, 1, 0} << "";
    QTest::newRow("a 期号 held with other numbers is refused")
        << "01 02 03 04 05 06 07 2026/12/8 20:00:00 2026140\r\n" << "2026140期 11,12,13,14,15,16+17"
        << "01 02 03 04 05 06 07 2026/12/8 20:00:00 2026140\r\n" << QList<int>{0, 0, 1}
        << "第2026140期已在开奖记录里，号码是01 02 03 04 05 06 07";
    QTest::newRow("the same draw twice in the text")
        << "" << "2026139 11 12 13 14 15 16 17\n2026139 11 12 13 14 15 16 17"
        << "11 12 13 14 15 16 17 2026/12/8 21:30:05 2026139\r\n" << QList<int>{1, 1, 0} << "";
    QTest::newRow("older draws stand before the checked one, by date")
        << checked << "2026/11/29 21 22 23 24 25 26 27\n2026.11.27 11 12 13 14 15 16 17"
        << "11 12 13 14 15 16 17 2026/12/8 21:30:05 2026-11-27\r\n"
           "21 22 23 24 25 26 27 2026/12/8 21:30:05 2026-11-29\r\n" + checked
        << QList<int>{2, 0, 0} << "";
    QTest::newRow("undated draws of one day by 期号, unreadable lines in place")
        << "看不懂\r\n" << "2026141 21 22 23 24 25 26 27\n2026139 11 12 13 14 15 16 17"
        << "看不懂\r\n11 12 13 14 15 16 17 2026/12/8 21:30:05 2026139\r\n"
           "21 22 23 24 25 26 27 2026/12/8 21:30:05 2026141\r\n"
        << QList<int>{2, 0, 0} << "";
    QTest::newRow("headers skipped, a bad line refused, nothing else changed")
        << checked << "期号 开奖号码\n\n2026140 01 02 03 04 05 06 37" << checked << QList<int>{0, 0, 1}
        << "号码37不在01到36之间";
}

void HistoryImportTest::import()
{
    QFETCH(QString, file);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(QList<int>, addedThereRefused);
    QFETCH(QString, reason);
    ImportReport report;
    QCOMPARE(historyAfter(file, pasted, report), after);
    QCOMPARE((QList<int>{report.added, report.alreadyThere, int(report.refused.size())}), addedThereRefused);
    QCOMPARE(report.refused.empty() ? QString() : report.refused.front().reason, reason);
}

void HistoryImportTest::exportReadsBack()
{
    const QString file = QStringLiteral("01 02 03 04 05 06 07 2026/12/8 20:00:00 2026140 2026-12-01\r\n"
                                        "看不懂\r\n"
                                        "11 12 13 14 15 16 17 2026/12/8 20:00:00 2026-12-03\r\n"
                                        "21 22 23 24 25 26 27 2026/12/8 21:00:00\r\n");
    const History h = parseHistory(archive::textLines(file));
    const QString exported = exportHistoryText(h);
    QCOMPARE(exported, QStringLiteral("2026140 2026-12-01 01 02 03 04 05 06 07\r\n"
                                      "2026-12-03 11 12 13 14 15 16 17\r\n"
                                      "21 22 23 24 25 26 27\r\n"));
    History empty;
    const ImportReport report = importIntoHistory(empty, exported, kNow);
    QCOMPARE(report.added, 3);
    QCOMPARE(exportHistoryText(empty), exported);
}

void HistoryImportTest::reportFitsTheMessageWindow()
{
    QString pasted;
    for (int i = 0; i < 100000; ++i)
        pasted += QStringLiteral("%1 01 02 03 04 05 06 99 %2\n").arg(i).arg(QString(300, QLatin1Char('x')));
    History h;
    const ImportReport report = importIntoHistory(h, pasted, kNow);
    QCOMPARE(int(report.refused.size()), 100000);
    const QString text = importReportText(report);
    QVERIFY2(text.size() < 6000, qPrintable(QString::number(text.size())));
    QVERIFY(text.endsWith(QStringLiteral("……另有99980行没有导入。")));
}

QTEST_GUILESS_MAIN(HistoryImportTest)
#include "tst_history_import.moc"
