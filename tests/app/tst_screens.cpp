// The windows on real screen sizes: the scale chosen from the available area, the place
// of a window inside it, the program on chosen screens (in child processes) with large
// type and large taps in every window, and the toolkit's standard texts in Chinese.
#include "support/test_support.h"
#include "widgets/large_type.h"
#include "widgets/qt_chinese.h"
#include "screens/screen_fit.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <map>

class ScreensTest : public QObject {
    Q_OBJECT
private slots:
    void scaleFollowsTheTighterSide_data();
    void scaleFollowsTheTighterSide();
    void windowIsPlacedInside_data();
    void windowIsPlacedInside();
    void everythingReachableOnTheScreen_data();
    void everythingReachableOnTheScreen();
    void largeTypeAndLargeTaps_data();
    void largeTypeAndLargeTaps();
    void standardTextsAreChinese_data();
    void standardTextsAreChinese();
};

void ScreensTest::scaleFollowsTheTighterSide_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<double>("scale");
    const QSize need = screens::kDesignNeed;
    QTest::newRow("exactly the need") << need << 1.0;
    QTest::newRow("a large screen keeps the design") << QSize(3840, 2100) << 1.0;
    QTest::newRow("short screen") << QSize(need.width() * 2, need.height() * 9 / 10) << 0.9;
    QTest::newRow("narrow screen") << QSize(need.width() * 8 / 10, need.height() * 2) << 0.8;
    QTest::newRow("tiny screen stops at the legible floor") << QSize(400, 300)
                                                            << screens::kLegibleScale;
    QTest::newRow("an unknown screen keeps the design") << QSize(0, 0) << 1.0;
}

void ScreensTest::scaleFollowsTheTighterSide()
{
    QFETCH(QSize, available);
    QFETCH(double, scale);
    QCOMPARE(screens::scaleFor(available), scale);
}

void ScreensTest::windowIsPlacedInside_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("placed");
    // The available area: 1000×600 below a 40-pixel panel.
    QTest::newRow("inside stays") << QRect(100, 100, 400, 300) << QRect(100, 100, 400, 300);
    QTest::newRow("below the edge moves up") << QRect(100, 500, 400, 300)
                                             << QRect(100, 340, 400, 300);
    QTest::newRow("under the panel moves down") << QRect(100, 0, 400, 300)
                                                << QRect(100, 40, 400, 300);
    QTest::newRow("left of the screen moves right") << QRect(-50, 100, 400, 300)
                                                    << QRect(0, 100, 400, 300);
    QTest::newRow("too tall shrinks to the area") << QRect(100, 10, 400, 900)
                                                  << QRect(100, 40, 400, 600);
    QTest::newRow("too wide shrinks to the area") << QRect(300, 100, 1200, 300)
                                                  << QRect(0, 100, 1000, 300);
}

void ScreensTest::windowIsPlacedInside()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, placed);
    QCOMPARE(screens::fitInside(frame, QRect(0, 40, 1000, 600)), placed);
}

namespace {

struct ProbeResult {
    QRect screen;
    double scale = 1;
    int lines = 0;
    int checkMark = 0;
    std::map<QString, QRect> rects;     // every control and window the probe reported
    std::map<QString, double> points;   // the smallest text of each window
    std::map<QString, QSize> taps;      // the smallest tap of each window
    QString errors;
};

// Runs the probe on an offscreen screen of width×height device pixels at `factor`, with
// the reading type at `fontSize` percent.
ProbeResult probeOn(int width, int height, double factor, int fontSize = 100)
{
    ProbeResult result;
    const OnScreenRun run =
        runOnScreen(QStringLiteral(LOTTO_SCREEN_PROBE), {QStringLiteral("--font-size"), QString::number(fontSize)},
                    QSize(width, height), factor);
    result.errors = run.failure;
    const QStringList lines = run.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList f = line.split(QLatin1Char(' '));
        if (f[0] == QLatin1String("font") && f.size() >= 3)
            result.points[f[1]] = f[2].toDouble();
        else if (f[0] == QLatin1String("tap") && f.size() >= 4)
            result.taps[f[1]] = QSize(f[2].toInt(), f[3].toInt());
        else if (f.size() == 2 && f[0] == QLatin1String("scale"))
            result.scale = f[1].toDouble();
        else if (f.size() == 2 && f[0] == QLatin1String("checkmark"))
            result.checkMark = f[1].toInt();
        else if (f.size() == 2 && f[0] == QLatin1String("lines"))
            result.lines = f[1].toInt();
        else if (f.size() == 5 && f[0] == QLatin1String("screen"))
            result.screen = QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
        else if (f.size() == 5)
            result.rects[f[0]] = QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
    }
    return result;
}

}  // namespace

void ScreensTest::everythingReachableOnTheScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QSize>("logical");
    QTest::addColumn<int>("ticketLines");  // at least
    QTest::addColumn<QSize>("padButton");  // at least
    QTest::addColumn<int>("fontSize");
    const QSize shrunk(1, 1);
    const QSize design(72, 58);
    QTest::newRow("1366×768 ×1.0") << 1366 << 768 << 1.0 << QSize(1366, 768) << 3 << design << 100;
    QTest::newRow("1366×768 ×1.25") << 1366 << 768 << 1.25 << QSize(1093, 614) << 3 << shrunk << 100;
    QTest::newRow("1366×768 ×1.5") << 1366 << 768 << 1.5 << QSize(911, 512) << 3 << shrunk << 100;
    QTest::newRow("1920×1080 ×1.5") << 1920 << 1080 << 1.5 << QSize(1280, 720) << 3 << shrunk << 100;
    QTest::newRow("1920×1080 ×1.75") << 1920 << 1080 << 1.75 << QSize(1097, 617) << 3 << shrunk << 100;
    QTest::newRow("1280×720 ×1.0") << 1280 << 720 << 1.0 << QSize(1280, 720) << 3 << shrunk << 100;
    QTest::newRow("1024×576 ×1.0") << 1024 << 576 << 1.0 << QSize(1024, 576) << 3 << shrunk << 100;
    // The largest reading type on the smallest screens.
    QTest::newRow("1024×576 ×1.0 at 150%") << 1024 << 576 << 1.0 << QSize(1024, 576) << 2 << shrunk << 150;
    QTest::newRow("1366×768 ×1.25 at 150%") << 1366 << 768 << 1.25 << QSize(1093, 614) << 2 << shrunk << 150;
    // A large screen keeps the design's sizes and gives its height to the ticket box.
    QTest::newRow("1920×1080 ×1.0") << 1920 << 1080 << 1.0 << QSize(1920, 1080) << 10 << design << 100;
}

void ScreensTest::everythingReachableOnTheScreen()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, factor);
    QFETCH(QSize, logical);
    QFETCH(int, ticketLines);
    QFETCH(QSize, padButton);
    QFETCH(int, fontSize);
    const ProbeResult probe = probeOn(width, height, factor, fontSize);
    QVERIFY2(!probe.rects.empty(), qPrintable(probe.errors));
    QCOMPARE(probe.screen.size(), logical);
    QStringList expected = {"Command5", "Command1", "Text88", "ShowText1", "Load2",
                            "AutoCode1", "editX1", "editLV", "DrawHistory1", "ExitGuard",
                            "PrintDocument", "PrintPreview", "PrintDialog", "FileDialog"};
    for (int i = 1; i <= 36; ++i)
        expected << QStringLiteral("num1(%1)").arg(i);
    for (const QString& name : expected) {
        const auto it = probe.rects.find(name);
        QVERIFY2(it != probe.rects.end(), qPrintable(name + " not reported"));
        QVERIFY2(!it->second.isEmpty() && probe.screen.contains(it->second),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4×%5 leaves the screen")
                                .arg(name)
                                .arg(it->second.x())
                                .arg(it->second.y())
                                .arg(it->second.width())
                                .arg(it->second.height())));
    }
    QVERIFY2(probe.lines >= ticketLines, qPrintable(QString::number(probe.lines)));
    const QSize button = probe.rects.at(QStringLiteral("num1(1)")).size();
    QVERIFY(button.width() >= padButton.width() && button.height() >= padButton.height());
}

void ScreensTest::largeTypeAndLargeTaps_data()
{
    QTest::addColumn<double>("factor");
    // At 1.25 the windows are shrunk to fit: every size shrinks by the same scale.
    QTest::newRow("1366×768 ×1.0") << 1.0;
    QTest::newRow("1366×768 ×1.25") << 1.25;
}

void ScreensTest::largeTypeAndLargeTaps()
{
    QFETCH(double, factor);
    const ProbeResult probe = probeOn(1366, 768, factor);
    QVERIFY2(!probe.points.empty(), qPrintable(probe.errors));
    const double s = probe.scale;
    const QStringList windows = {"Form1", "menu-F234", "menu-H3453", "ShowText1", "Load2", "AutoCode1",
                                 "editX1", "editLV", "DrawHistory1", "ExitGuard", "PrintDocument",
                                 "PrintPreview", "PrintDialog", "FileDialog"};
    for (const QString& window : windows) {
        QVERIFY2(probe.points.count(window) && probe.taps.count(window), qPrintable(window));
        const double smallest = window == QLatin1String("ExitGuard") ? largeType::kQuestionPoints
                                                                     : largeType::kSmallestPoints;
        QVERIFY2(probe.points.at(window) >= smallest * s - 0.01,
                 qPrintable(QStringLiteral("%1: text of %2 pt").arg(window).arg(probe.points.at(window))));
        const QSize tap = probe.taps.at(window);
        const int least = qRound(largeType::kSmallestTap * s) - 1;  // rounding of the scaled sizes
        QVERIFY2(tap.width() >= least && tap.height() >= least,
                 qPrintable(QStringLiteral("%1: a tap of %2×%3").arg(window).arg(tap.width()).arg(tap.height())));
    }
    QVERIFY(probe.points.at(QStringLiteral("ToolTip")) >= largeType::kSmallestPoints * s - 0.01);
    QVERIFY(probe.checkMark >= qRound(largeType::kCheckMark * s) - 1);
}

void ScreensTest::standardTextsAreChinese_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("chinese");
    QTest::newRow("message box Yes") << "message box" << "Yes" << "是";
    QTest::newRow("message box No") << "message box" << "No" << "否";
    QTest::newRow("print dialog Print") << "print dialog" << "Print" << "打印";
    QTest::newRow("print dialog Cancel") << "print dialog" << "Cancel" << "取消";
}

void ScreensTest::standardTextsAreChinese()
{
    QFETCH(QString, dialog);
    QFETCH(QString, english);
    QFETCH(QString, chinese);
    QVERIFY(qtChinese::install());
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    QPrinter printer;
    QPrintDialog print(&printer);
    QWidget* shown = dialog == QLatin1String("message box") ? static_cast<QWidget*>(&box)
                                                             : static_cast<QWidget*>(&print);
    QStringList texts;
    for (QAbstractButton* b : shown->findChildren<QAbstractButton*>())
        texts << b->text();
    const QString all = texts.join(QLatin1Char('|'));
    QVERIFY2(all.contains(chinese), qPrintable(all));
    QVERIFY2(!texts.contains(english) && !texts.contains(QLatin1Char('&') + english), qPrintable(all));
}

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
