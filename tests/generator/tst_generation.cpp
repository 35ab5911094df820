// The generation rules with scripted draws: the formulas, the rejection tests, redraws,
// nudges, the clamp and the budget; the captions; and, with a fixed seed, the spread of
// both modes.
#include "generator/generation.h"
#include "scripted_random.h"
#include "tickets/ticket_text.h"

#include <QTest>
#include <array>

using namespace generator;

namespace {

// A draw value that gives v from the row low..high.
float rFor(int v, int low = 1, int high = 36)
{
    return (float(v - low) + 0.5f) / float(high - low + 1);
}
// A draw value that gives the nudge step 1..4.
float stepFor(int step) { return (float(step) - 0.5f) / 4.0f; }

QList<int> numbersOf(const QString& line)
{
    QList<int> out;
    for (const QString& f : line.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << f.toInt();
    return out;
}

QStringList linesOf(const QString& text)
{
    QStringList lines = tickets::splitLines(text);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// A line in the ticket text's form: seven numbers of two digits, each followed by a space.
bool isTicketLine(const QString& line)
{
    if (line.size() != 21)
        return false;
    for (int i = 0; i < 7; ++i)
        if (!tickets::isNumberField(line.mid(i * 3, 2)) || line[i * 3 + 2] != QLatin1Char(' '))
            return false;
    return true;
}

}  // namespace

class TestGeneration : public QObject {
    Q_OBJECT
private slots:
    void customDraw_data();
    void customDraw();
    void nudge_data();
    void nudge();
    void rejectionTests_data();
    void rejectionTests();
    void customLine_data();
    void customLine();
    void customCaptions();
    void lineCaptionMatchesLocale_data();
    void lineCaptionMatchesLocale();
    void automaticPicksDifferentNumbers_data();
    void automaticPicksDifferentNumbers();
    void lineCounts_data();
    void lineCounts();
    void automaticSpread();
    void customDefaultsKeepNumbersApart();
};

void TestGeneration::customDraw_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("expected");
    QTest::newRow("row 1-36, r 0") << 0.0f << 1 << 36 << 1;
    QTest::newRow("row 1-36, middle") << 0.5f << 1 << 36 << 19;
    QTest::newRow("row 1-36 reaches its high bound") << kAlmostOne << 1 << 36 << 36;
    QTest::newRow("row 20-36, r 0") << 0.0f << 20 << 36 << 20;
    QTest::newRow("row 20-36 reaches 36") << kAlmostOne << 20 << 36 << 36;
    QTest::newRow("row 35-36, lower half") << 0.49f << 35 << 36 << 35;
    QTest::newRow("row 35-36, upper half") << 0.5f << 35 << 36 << 36;
}

void TestGeneration::customDraw()
{
    QFETCH(float, r);
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(int, expected);
    QCOMPARE(generator::customDraw(r, low, high), expected);
}

void TestGeneration::nudge_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("just below a quarter") << 0.2499f << 1;
    QTest::newRow("a quarter") << 0.25f << 2;
    QTest::newRow("a half") << 0.5f << 3;
    QTest::newRow("three quarters") << 0.75f << 4;
    QTest::newRow("almost 1") << kAlmostOne << 4;
}

void TestGeneration::nudge()
{
    QFETCH(float, r);
    QFETCH(int, expected);
    QCOMPARE(generator::nudge(r), expected);
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
    QTest::newRow("A=4, two neighbours") << 4 << 0 << 2 << 0 << "";
    QTest::newRow("A=4, three neighbours") << 4 << 0 << 3 << 0 << "T1";
    QTest::newRow("B=0, one equal") << 0 << 0 << 0 << 1 << "T4";
    QTest::newRow("B=2, one equal") << 0 << 2 << 0 << 1 << "T2";
    QTest::newRow("B=3, one equal") << 0 << 3 << 0 << 1 << "";
    QTest::newRow("B=3, two equal") << 0 << 3 << 0 << 2 << "T2";
    QTest::newRow("B=4, two equal") << 0 << 4 << 0 << 2 << "";
    QTest::newRow("B=4, three equal") << 0 << 4 << 0 << 3 << "T2";
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
    if (t.t1)
        names << "T1";
    if (t.t2)
        names << "T2";
    if (t.t3)
        names << "T3";
    if (t.t4)
        names << "T4";
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

    QTest::newRow("budget 0: no draw, every number clamped to 1")
        << 0 << 0 << 0 << QList<float>{} << "01 01 01 01 01 01 01 " << 0;
    // 11 neighbours 10 and the second 10 equals it: both drawn again; 21 neighbours 20.
    QTest::newRow("rejected draws are drawn again; 36 can be drawn")
        << 100 << 0 << 0
        << QList<float>{rFor(10), rFor(11), rFor(10), rFor(20), rFor(30), rFor(21), rFor(5),
                        rFor(1), rFor(36), rFor(3)}
        << "10 20 30 05 01 36 03 " << 10;
    // 11 after 10 and 12 has two neighbours; 13 and 14 have one each.
    QTest::newRow("A=3: one neighbour allowed, two not")
        << 100 << 3 << 0
        << QList<float>{rFor(10), rFor(12), rFor(11), rFor(13), rFor(14), rFor(1), rFor(3),
                        rFor(5)}
        << "10 12 13 14 01 03 05 " << 8;
    QTest::newRow("B=3: one repeat allowed, two not")
        << 100 << 0 << 3
        << QList<float>{rFor(10), rFor(10), rFor(10), rFor(20), rFor(30), rFor(1), rFor(3),
                        rFor(5)}
        << "10 10 20 30 01 03 05 " << 8;
    // Second 10: equal, lifted by 1 to 11 and kept though it neighbours 10. Then 11
    // equals 11 and neighbours 10: two failed tests, two steps (1 + 2).
    QTest::newRow("budget 1: one step per failed test, the lifted value kept")
        << 1 << 0 << 0
        << QList<float>{rFor(10), rFor(10), stepFor(1), rFor(11), stepFor(1), stepFor(2),
                        rFor(30), rFor(1), rFor(3), rFor(5)}
        << "10 11 14 30 01 03 05 " << 7;
    // The first attempt is already one of the last two: 36 again is lifted to 40, which
    // is not placed, so the second attempt draws anew.
    QTest::newRow("budget 2: a value lifted past 36 is drawn again")
        << 2 << 0 << 0
        << QList<float>{rFor(36), rFor(36), stepFor(4), rFor(1), rFor(5), rFor(10), rFor(15),
                        rFor(20), rFor(25)}
        << "36 01 05 10 15 20 25 " << 8;
    QTest::newRow("budget 1: a value lifted past 36 is clamped to 36")
        << 1 << 0 << 0
        << QList<float>{rFor(36), rFor(36), stepFor(4), rFor(35), stepFor(1), rFor(1), rFor(3),
                        rFor(5), rFor(7)}
        << "36 36 36 01 03 05 07 " << 7;
}

void TestGeneration::customLine()
{
    QFETCH(int, budget);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QList<float>, draws);
    QFETCH(QString, expected);
    QFETCH(int, attempts);
    Settings s;
    s.lineCount = 1;
    s.attemptBudget = qint16(budget);
    s.consecutiveLimit = qint16(a);
    s.equalLimit = qint16(b);
    ScriptedRandom random(draws);
    const Output out = generateCustom(s, random, nullptr);
    QCOMPARE(out.text, expected);
    QCOMPARE(out.attempts, attempts);
    QCOMPARE(out.lines, qint16(1));
    QCOMPARE(random.used, draws.size());
    QVERIFY(!random.exhausted);
}

void TestGeneration::customCaptions()
{
    QStringList captions;
    const CaptionSink sink = [&captions](const QString& c) { captions << c; };
    Settings s;
    s.lineCount = 1;
    UniformRandom random(7);
    const Output one = generateCustom(s, random, sink, QLocale::c());
    QCOMPARE(captions, QStringList({"正在生成 00%", "正在生成 10%", "正在生成 20%", "正在生成 30%",
                                    "正在生成 40%", "正在生成 50%", "正在生成 60%"}));
    QVERIFY(!one.text.contains(tickets::kCrLf));

    captions.clear();
    s.lineCount = 3;
    const Output three = generateCustom(s, random, sink, QLocale::c());
    QCOMPARE(captions, QStringList({"正在生成 33.33%", "正在生成 66.67%", "正在生成 100.00%"}));
    QCOMPARE(tickets::countLineBreaks(three.text), 3);
    QVERIFY(three.text.endsWith(tickets::kCrLf));

    captions.clear();
    generateCustom(s, random, sink, QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(captions, QStringList({"正在生成 33,33%", "正在生成 66,67%", "正在生成 100,00%"}));
}

void TestGeneration::lineCaptionMatchesLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::China);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("Arabic digits") << QLocale(QLocale::Arabic, QLocale::Egypt);
}

void TestGeneration::lineCaptionMatchesLocale()
{
    // The fast caption must read exactly as the locale formats the percentage, rounding
    // of exact halves (n = 800 gives 0.125, 0.375, …) included.
    QFETCH(QLocale, locale);
    const LineCaptions captions(locale);
    for (int n : {1, 2, 3, 7, 25, 99, 100, 365, 800, 1000, 32766, 32767}) {
        for (int k = 1; k <= n; ++k) {
            const QString expected = QStringLiteral("正在生成 ")
                                     + locale.toString(double(k) / double(n) * 100.0, 'f', 2)
                                     + QLatin1Char('%');
            if (captions.caption(k, n) != expected)
                QFAIL(qPrintable(QStringLiteral("k=%1 n=%2: %3, expected %4")
                                     .arg(k).arg(n).arg(captions.caption(k, n), expected)));
        }
    }
}

void TestGeneration::automaticPicksDifferentNumbers_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("expected");
    QTest::newRow("always 0") << 0.0f << "01 36 35 34 33 32 31 ";
    QTest::newRow("always almost 1") << kAlmostOne << "36 35 34 33 32 31 30 ";
}

void TestGeneration::automaticPicksDifferentNumbers()
{
    // Even a source that repeats itself gives seven different numbers.
    QFETCH(float, r);
    QFETCH(QString, expected);
    ScriptedRandom random(QList<float>(7, r));
    QStringList captions;
    const Output out = generateAutomatic(1, random, [&](const QString& c) { captions << c; });
    QCOMPARE(out.text, expected);
    QCOMPARE(captions, QStringList({"正在生成 10%", "正在生成 20%", "正在生成 30%", "正在生成 40%",
                                    "正在生成 50%", "正在生成 60%", "正在生成 70%"}));
    QVERIFY(!random.exhausted);
}

void TestGeneration::lineCounts_data()
{
    QTest::addColumn<bool>("custom");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("breaks");
    for (bool custom : {false, true}) {
        const char* mode = custom ? "custom" : "automatic";
        QTest::addRow("%s, one line, no break", mode) << custom << 1 << 1 << 0;
        QTest::addRow("%s, none for 0", mode) << custom << 0 << 0 << 0;
        QTest::addRow("%s, none below 0", mode) << custom << -4 << 0 << 0;
        QTest::addRow("%s, 2 lines, each ends with a break", mode) << custom << 2 << 2 << 2;
        QTest::addRow("%s, 25 lines", mode) << custom << 25 << 25 << 25;
    }
}

void TestGeneration::lineCounts()
{
    QFETCH(bool, custom);
    QFETCH(int, n);
    QFETCH(int, lines);
    QFETCH(int, breaks);
    UniformRandom random(99);
    Settings s;
    s.lineCount = qint16(n);
    const Output out = custom ? generateCustom(s, random, nullptr)
                              : generateAutomatic(s.lineCount, random, nullptr);
    QCOMPARE(out.lines, qint16(lines));
    QCOMPARE(tickets::countLineBreaks(out.text), breaks);
    const QStringList all = linesOf(out.text);
    QCOMPARE(all.size(), lines);
    for (const QString& line : all)
        QVERIFY2(isTicketLine(line), qPrintable(line));
}

void TestGeneration::automaticSpread()
{
    // A fixed seed: the result is the same on every run. 20,000 lines give 140,000
    // numbers; a fair spread over 36 values has a chi-square near 35 (35 degrees of
    // freedom), and above 80 only with a chance below one in 100,000.
    constexpr int kLines = 20000;
    UniformRandom random(20240607);
    const Output out = generateAutomatic(kLines, random, nullptr);
    const QStringList lines = linesOf(out.text);
    QCOMPARE(lines.size(), kLines);
    std::array<int, 37> count{};
    std::array<std::array<int, 37>, 7> byPosition{};
    for (const QString& line : lines) {
        QVERIFY2(isTicketLine(line), qPrintable(line));
        const QList<int> numbers = numbersOf(line);
        for (int j = 0; j < 7; ++j) {
            QVERIFY(numbers[j] >= 1 && numbers[j] <= 36);
            QVERIFY2(numbers.count(numbers[j]) == 1, qPrintable(line));
            ++count[numbers[j]];
            ++byPosition[j][numbers[j]];
        }
    }
    const double expected = kLines * 7.0 / 36.0;
    double chi2 = 0;
    for (int v = 1; v <= 36; ++v)
        chi2 += (count[v] - expected) * (count[v] - expected) / expected;
    QVERIFY2(chi2 < 80, qPrintable(QString::number(chi2)));
    for (int j = 0; j < 7; ++j)
        for (int v = 1; v <= 36; ++v)
            QVERIFY2(byPosition[j][v] > 0, qPrintable(QStringLiteral("%1 never at %2").arg(v).arg(j + 1)));
}

void TestGeneration::customDefaultsKeepNumbersApart()
{
    // With the default budget a nudge would need 98 rejections in a row, so every line
    // keeps its numbers apart, and the inclusive rows reach 36.
    UniformRandom random(31337);
    Settings s;
    s.lineCount = 5000;
    const Output out = generateCustom(s, random, nullptr);
    std::array<int, 37> count{};
    for (const QString& line : linesOf(out.text)) {
        const QList<int> numbers = numbersOf(line);
        QCOMPARE(numbers.size(), 7);
        for (int j = 0; j < 7; ++j) {
            ++count[numbers[j]];
            for (int i = 0; i < j; ++i)
                QVERIFY2(std::abs(numbers[j] - numbers[i]) > 1, qPrintable(line));
        }
    }
    for (int v = 1; v <= 36; ++v)
        QVERIFY2(count[v] > 0, qPrintable(QString::number(v)));
}

QTEST_MAIN(TestGeneration)
#include "tst_generation.moc"
