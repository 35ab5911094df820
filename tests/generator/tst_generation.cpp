// The generation rules with scripted draws (formulas, rejection tests, redraws, nudges,
// clamp, budget), the captions, the reading of counts, and with a fixed seed the spread
// of the automatic mode.
#include "generator/generation.h"
#include "generator/settings.h"
#include "scripted_random.h"
#include "tickets/ticket_text.h"

#include <QTest>
#include <array>

using namespace generator;

namespace {

// The draw value that gives v from the row low..high, and the one that gives a step.
float rFor(int v, int low = 1, int high = 36) { return (v - low + 0.5f) / float(high - low + 1); }
float stepFor(int step) { return (step - 0.5f) / 4.0f; }

// The numbers of each line; fails the test on a line not in the ticket text's form.
QList<QList<int>> numbersOf(const QString& text)
{
    QList<QList<int>> out;
    for (const QString& line : tickets::splitLines(text)) {
        if (line.isEmpty())
            continue;
        QList<int> numbers;
        for (int i = 0; i < 7 && line.size() == 21; ++i)
            if (tickets::isNumberField(line.mid(i * 3, 2)) && line[i * 3 + 2] == ' ')
                numbers << line.mid(i * 3, 2).toInt();
        out << numbers;
    }
    return out;
}

}  // namespace

class TestGeneration : public QObject {
    Q_OBJECT
private slots:
    void formulas_data();
    void formulas();
    void rejectionTests_data();
    void rejectionTests();
    void customLine_data();
    void customLine();
    void captions();
    void lineCaptionMatchesLocale();
    void automaticLinesHaveDifferentNumbers();
    void automaticSpread();
    void countsBeyondTheRangeAreClamped_data();
    void countsBeyondTheRangeAreClamped();
};

void TestGeneration::formulas_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("low");   // 0: the nudge
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("expected");
    QTest::newRow("row 1-36, r 0") << 0.0f << 1 << 36 << 1;
    QTest::newRow("row 1-36 reaches its high bound") << kAlmostOne << 1 << 36 << 36;
    QTest::newRow("row 20-36 reaches 36") << kAlmostOne << 20 << 36 << 36;
    QTest::newRow("row 35-36, lower half") << 0.49f << 35 << 36 << 35;
    QTest::newRow("row 35-36, upper half") << 0.5f << 35 << 36 << 36;
    QTest::newRow("nudge, r 0") << 0.0f << 0 << 0 << 1;
    QTest::newRow("nudge, almost 1") << kAlmostOne << 0 << 0 << 4;
}

void TestGeneration::formulas()
{
    QFETCH(float, r);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, expected);
    QCOMPARE(low == 0 ? nudge(r) : customDraw(r, low, high), expected);
}

void TestGeneration::rejectionTests_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("neighbours");
    QTest::addColumn<int>("equals");
    QTest::addColumn<QString>("failed");
    QTest::newRow("defaults, apart") << 0 << 0 << 0 << 0 << "";
    QTest::newRow("A=0, one neighbour") << 0 << 0 << 1 << 0 << "T3";
    QTest::newRow("A=2, one neighbour") << 2 << 0 << 1 << 0 << "T1";
    QTest::newRow("A=3, one neighbour") << 3 << 0 << 1 << 0 << "";
    QTest::newRow("A=3, two neighbours") << 3 << 0 << 2 << 0 << "T1";
    QTest::newRow("A=4, three neighbours") << 4 << 0 << 3 << 0 << "T1";
    QTest::newRow("B=0, one equal") << 0 << 0 << 0 << 1 << "T4";
    QTest::newRow("B=2, one equal") << 0 << 2 << 0 << 1 << "T2";
    QTest::newRow("B=3, one equal") << 0 << 3 << 0 << 1 << "";
    QTest::newRow("B=3, two equal") << 0 << 3 << 0 << 2 << "T2";
    QTest::newRow("defaults, neighbour and equal") << 0 << 0 << 1 << 1 << "T3 T4";
    QTest::newRow("A=3 B=3, both over") << 3 << 3 << 2 << 2 << "T1 T2";
}

void TestGeneration::rejectionTests()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, neighbours);
    QFETCH(int, equals);
    QFETCH(QString, failed);
    const Rejections t = generator::rejectionTests(neighbours, equals, a, b);
    QStringList names;
    for (auto [on, name] : {std::pair{t.t1, "T1"}, {t.t2, "T2"}, {t.t3, "T3"}, {t.t4, "T4"}})
        if (on)
            names << name;
    QCOMPARE(names.join(' '), failed);
}

void TestGeneration::customLine_data()
{
    QTest::addColumn<int>("budget");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("broken");  // the line keeps a number that fails a test
    QTest::newRow("budget 0: no draw, every number clamped to 1")
        << 0 << 0 << 0 << QList<float>{} << "01 01 01 01 01 01 01 " << 0 << 1;
    // 11 neighbours 10 and the second 10 equals it: both drawn again; 21 neighbours 20.
    QTest::newRow("rejected draws are drawn again; 36 can be drawn")
        << 100 << 0 << 0
        << QList<float>{rFor(10), rFor(11), rFor(10), rFor(20), rFor(30), rFor(21), rFor(5),
                        rFor(1), rFor(36), rFor(3)}
        << "10 20 30 05 01 36 03 " << 10 << 0;
    // 11 after 10 and 12 has two neighbours; 13 and 14 have one each.
    QTest::newRow("A=3: one neighbour allowed, two not")
        << 100 << 3 << 0
        << QList<float>{rFor(10), rFor(12), rFor(11), rFor(13), rFor(14), rFor(1), rFor(3), rFor(5)}
        << "10 12 13 14 01 03 05 " << 8 << 0;
    QTest::newRow("B=3: one repeat allowed, two not")
        << 100 << 0 << 3
        << QList<float>{rFor(10), rFor(10), rFor(10), rFor(20), rFor(30), rFor(1), rFor(3), rFor(5)}
        << "10 10 20 30 01 03 05 " << 8 << 0;
    // Second 10: equal, lifted by 1 to 11 and kept though it neighbours 10. Then 11
    // equals 11 and neighbours 10: two failed tests, two steps (1 + 2).
    QTest::newRow("budget 1: one step per failed test, the lifted value kept")
        << 1 << 0 << 0
        << QList<float>{rFor(10), rFor(10), stepFor(1), rFor(11), stepFor(1), stepFor(2),
                        rFor(30), rFor(1), rFor(3), rFor(5)}
        << "10 11 14 30 01 03 05 " << 7 << 1;
    // The first attempt is already one of the last two: 36 again is lifted to 40, which
    // is not placed, so the second attempt draws anew.
    QTest::newRow("budget 2: a value lifted past 36 is drawn again")
        << 2 << 0 << 0
        << QList<float>{rFor(36), rFor(36), stepFor(4), rFor(1), rFor(5), rFor(10), rFor(15),
                        rFor(20), rFor(25)}
        << "36 01 05 10 15 20 25 " << 8 << 0;
    QTest::newRow("budget 1: a value lifted past 36 is clamped to 36")
        << 1 << 0 << 0
        << QList<float>{rFor(36), rFor(36), stepFor(4), rFor(35), stepFor(1), rFor(1), rFor(3),
                        rFor(5), rFor(7)}
        << "36 36 36 01 03 05 07 " << 7 << 1;
}

void TestGeneration::customLine()
{
    QFETCH(int, budget);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QList<float>, draws);
    QFETCH(QString, expected);
    QFETCH(int, attempts);
    QFETCH(int, broken);
    Settings s;
    s.lineCount = 1;
    s.attemptBudget = qint16(budget);
    s.consecutiveLimit = qint16(a);
    s.equalLimit = qint16(b);
    ScriptedRandom random(draws);
    const Output out = generateCustom(s, random, nullptr);
    QCOMPARE(out.text, expected);
    QCOMPARE(out.attempts, attempts);
    QCOMPARE(int(out.brokenLines), broken);
    QCOMPARE(random.used, draws.size());
    QVERIFY(!random.exhausted);
}

void TestGeneration::captions()
{
    QStringList seen;
    const CaptionSink sink = [&seen](const QString& c) { seen << c; };
    UniformRandom random(7);
    Settings s;
    s.lineCount = 1;
    QCOMPARE(generateCustom(s, random, sink, QLocale::c()).lines, qint16(1));
    QCOMPARE(seen, QStringList({"正在生成 00%", "正在生成 10%", "正在生成 20%", "正在生成 30%",
                                "正在生成 40%", "正在生成 50%", "正在生成 60%"}));
    seen.clear();
    s.lineCount = 3;
    QCOMPARE(tickets::countLineBreaks(generateCustom(s, random, sink, QLocale::c()).text), 3);
    generateCustom(s, random, sink, QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(seen, QStringList({"正在生成 33.33%", "正在生成 66.67%", "正在生成 100.00%",
                                "正在生成 33,33%", "正在生成 66,67%", "正在生成 100,00%"}));
    seen.clear();
    QCOMPARE(generateAutomatic(3, random, sink).lines, qint16(3));
    QVERIFY(seen.isEmpty());  // a run of several lines keeps its first caption
    for (qint16 none : {0, -4}) {
        const Output empty = generateAutomatic(none, random, sink);
        QVERIFY(empty.text.isEmpty() && empty.lines == 0 && seen.isEmpty());
    }
}

void TestGeneration::lineCaptionMatchesLocale()
{
    // The fast caption reads exactly as the locale formats the percentage, including
    // the exact halves that n = 800 gives (0.125, 0.375, …) and non-Latin digits.
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::Arabic, QLocale::Egypt)}) {
        const LineCaptions captions(locale);
        for (int n : {1, 3, 7, 99, 365, 800, 32766, 32767}) {
            for (int k = 1; k <= n; ++k) {
                const double percent = double(k) / n * 100;
                const QString expected = "正在生成 " + locale.toString(percent, 'f', 2) + '%';
                if (captions.caption(k, n) != expected)
                    QFAIL(qPrintable(QStringLiteral("%1/%2: %3, expected %4")
                                         .arg(k).arg(n).arg(captions.caption(k, n), expected)));
            }
        }
    }
}

void TestGeneration::automaticLinesHaveDifferentNumbers()
{
    // Even a source that repeats itself gives seven different numbers; one line has
    // no break and shows its progress number by number.
    ScriptedRandom random(QList<float>(7, 0.0f));
    QStringList seen;
    const Output out = generateAutomatic(1, random, [&](const QString& c) { seen << c; });
    QCOMPARE(out.text, QStringLiteral("01 36 35 34 33 32 31 "));
    QCOMPARE(seen.first(), QStringLiteral("正在生成 10%"));
    QCOMPARE(seen.last(), QStringLiteral("正在生成 70%"));
    QCOMPARE(seen.size(), 7);
}

void TestGeneration::automaticSpread()
{
    // A fixed seed, so the result is the same on every run. 140,000 numbers over 36
    // values: a fair spread has a chi-square near 35, above 80 with a chance below 1e-5.
    constexpr int kLines = 20000;
    UniformRandom random(20240607);
    const QList<QList<int>> lines = numbersOf(generateAutomatic(kLines, random, nullptr).text);
    QCOMPARE(lines.size(), kLines);
    std::array<int, 37> count{};
    std::array<std::array<int, 37>, 7> byPosition{};
    for (const QList<int>& line : lines) {
        QCOMPARE(line.size(), 7);
        for (int j = 0; j < 7; ++j) {
            QVERIFY(line[j] >= 1 && line[j] <= 36);
            QCOMPARE(line.count(line[j]), 1);
            ++count[line[j]];
            ++byPosition[j][line[j]];
        }
    }
    const double expected = kLines * 7.0 / 36.0;
    double chi2 = 0;
    for (int v = 1; v <= 36; ++v) {
        chi2 += (count[v] - expected) * (count[v] - expected) / expected;
        for (int j = 0; j < 7; ++j)
            QVERIFY(byPosition[j][v] > 0);
    }
    QVERIFY2(chi2 < 80, qPrintable(QString::number(chi2)));
}

void TestGeneration::countsBeyondTheRangeAreClamped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("clamped");
    QTest::newRow("leading zeros") << "007" << 7 << false;
    QTest::newRow("largest") << "32767" << 32767 << false;
    QTest::newRow("one beyond") << "32768" << 32767 << true;
    QTest::newRow("far beyond") << "99999999999999999999999" << 32767 << true;
}

void TestGeneration::countsBeyondTheRangeAreClamped()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, clamped);
    SettingsTexts t;
    t.lineCount = text;
    bool wasClamped = false;
    QCOMPARE(int(readSettings(t, &wasClamped).lineCount), value);
    QCOMPARE(wasClamped, clamped);
}

QTEST_GUILESS_MAIN(TestGeneration)
#include "tst_generation.moc"
