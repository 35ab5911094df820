// Multiple and banker tickets: the pad's toggle rule, counts against the closed forms,
// every built line valid, distinct and in canonical order, and the refusals.
#include "tickets/multi_ticket.h"
#include "tickets/ticket_text.h"

#include <QTest>

using namespace tickets;

Q_DECLARE_METATYPE(tickets::Picks)

namespace {
NumberSet setOf(const QString& numbers)
{
    NumberSet set = 0;
    for (const QString& n : numbers.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        set |= NumberSet(1) << n.toInt();
    return set;
}
// "a..b" as a set text.
QString range(int first, int last)
{
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << numberText(n);
    return out.join(QLatin1Char(' '));
}
Picks picks(const QString& bankers, const QString& pool, const QString& specials)
{
    return Picks{setOf(bankers), setOf(pool), setOf(specials)};
}
}  // namespace

class MultiTicketTest : public QObject {
    Q_OBJECT
private slots:
    void toggle_data();
    void toggle();
    void counts_data();
    void counts();
    void expansion_data();
    void expansion();
};

void MultiTicketTest::toggle_data()
{
    QTest::addColumn<QString>("taps");   // B banker, P pool, S special, then the number
    QTest::addColumn<QString>("picks");  // bankers | pool | specials
    QTest::addColumn<bool>("lastRefused");
    QTest::newRow("banker, then pool: moves") << "B5 P5" << "|05|" << false;
    QTest::newRow("pool, then banker: moves") << "P5 B5" << "05||" << false;
    QTest::newRow("twice: off") << "B5 B5 P7 P7 S9 S9" << "||" << false;
    QTest::newRow("special beside a banker") << "B5 S5 P6 S6" << "05|06|05 06" << false;
    QTest::newRow("a sixth banker refused") << "B1 B2 B3 B4 B5 B6" << "01 02 03 04 05||" << true;
    QTest::newRow("one off, then the sixth") << "B1 B2 B3 B4 B5 B1 B6" << "02 03 04 05 06||" << false;
    QTest::newRow("a banker of five into the pool") << "B1 B2 B3 B4 B5 P5" << "01 02 03 04|05|" << false;
    QTest::newRow("outside 1..36") << "B0 P37 S-1" << "||" << false;
}

void MultiTicketTest::toggle()
{
    QFETCH(QString, taps);
    QFETCH(QString, picks);
    QFETCH(bool, lastRefused);
    Picks p;
    bool refused = false;
    for (const QString& tap : taps.split(QLatin1Char(' '))) {
        const PickSet set = tap[0] == 'B' ? PickSet::Bankers : tap[0] == 'P' ? PickSet::Pool : PickSet::Specials;
        const PickToggle t = togglePick(p, set, tap.mid(1).toInt());
        refused = !t.refusal.isEmpty();
        QCOMPARE(t.picks == p, refused || tap.mid(1).toInt() < 1 || tap.mid(1).toInt() > 36);
        p = t.picks;
    }
    QCOMPARE(setText(p.bankers) + "|" + setText(p.pool) + "|" + setText(p.specials), picks);
    QCOMPARE(refused, lastRefused);
}

void MultiTicketTest::counts_data()
{
    QTest::addColumn<QString>("bankers");
    QTest::addColumn<QString>("pool");
    QTest::addColumn<QString>("specials");
    QTest::addColumn<qint64>("lines");  // the closed form, worked out
    QTest::newRow("one plain line") << "" << range(1, 6) << "07" << qint64(1);
    QTest::newRow("7 regular: C(7,6)") << "" << range(1, 7) << "08" << qint64(7);
    QTest::newRow("special in the pool: C(6,6)") << "" << range(1, 7) << "07" << qint64(1);
    QTest::newRow("both kinds: 1 + 7") << "" << range(1, 7) << "07 08" << qint64(8);
    QTest::newRow("2 bankers, 6 pool: C(6,4)") << "01 02" << range(3, 8) << "09" << qint64(15);
    QTest::newRow("special a banker: none") << "01 02" << range(3, 8) << "01" << qint64(0);
    QTest::newRow("banker, pool, outside: 0 + C(5,4) + C(6,4)") << "01 02" << range(3, 8) << "01 03 09" << qint64(20);
    QTest::newRow("5 bankers, 5 pool: C(5,1)") << range(1, 5) << range(6, 10) << "36" << qint64(5);
    QTest::newRow("5 bankers, 31 pool, 36 specials: 31 × C(30,1)") << range(1, 5) << range(6, 36) << range(1, 36) << qint64(930);
    QTest::newRow("12 pool, 24 specials: 24 × C(12,6)") << "" << range(1, 12) << range(13, 36) << qint64(22176);
    QTest::newRow("36 pool, 36 specials: 36 × C(35,6)") << "" << range(1, 36) << range(1, 36) << qint64(58433760);
    QTest::newRow("d + t = 5") << "01" << range(2, 5) << "07" << qint64(0);
    QTest::newRow("d + t = 6 with the special in the pool") << "01" << range(2, 6) << "06" << qint64(0);
    QTest::newRow("no special") << "" << range(1, 10) << "" << qint64(0);
}

void MultiTicketTest::counts()
{
    QFETCH(QString, bankers);
    QFETCH(QString, pool);
    QFETCH(QString, specials);
    QFETCH(qint64, lines);
    const Picks p = picks(bankers, pool, specials);
    QCOMPARE(lineCount(p), lines);
    if (lines > 100000)
        return;
    // Built: as many as counted, each valid, each after the one before in canonical order.
    LineExpander expander(p);
    std::array<int, 7> line{};
    std::array<int, 7> previous{};
    qint64 built = 0;
    while (expander.next(line)) {
        NumberSet regular = 0;
        for (int k = 0; k < 6; ++k) {
            QVERIFY(line[k] >= 1 && line[k] <= 36);
            QVERIFY(k == 0 || line[k] > line[k - 1]);
            regular |= NumberSet(1) << line[k];
        }
        QCOMPARE(regular & p.bankers, p.bankers);
        QCOMPARE(regular & ~(p.bankers | p.pool), NumberSet(0));
        QVERIFY(p.specials & (NumberSet(1) << line[6]));
        QVERIFY(!(regular & (NumberSet(1) << line[6])));
        QVERIFY(built == 0 || previous < line);
        previous = line;
        ++built;
    }
    QCOMPARE(built, lines);
}

void MultiTicketTest::expansion_data()
{
    QTest::addColumn<Picks>("picks");
    QTest::addColumn<int>("linesInBox");
    QTest::addColumn<QString>("countText");
    QTest::addColumn<QString>("text");     // the whole text, or its start followed by "…"
    QTest::addColumn<int>("textLines");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("5 bankers, a special in the pool")
        << picks(range(1, 5), "06 07", "06 08") << 0 << "共3注，6元"
        << "01 02 03 04 05 06 08 \r\n01 02 03 04 05 07 06 \r\n01 02 03 04 05 07 08 " << 3 << "";
    const Picks many = picks("", range(1, 12), range(13, 36));
    QTest::newRow("the box filled to the last line") << many << 10591 << "共22176注，44352元"
        << "01 02 03 04 05 06 13 \r\n01 02 03 04 05 06 14 \r\n…" << 22176 << "";
    QTest::newRow("one line beyond the box") << many << 10592 << "共22176注，44352元" << "" << 0
        << "错误提示：BR   展开后共22176注，彩票栏将有32768行，超过最多的32767行，请少选几个号码。";
    QTest::newRow("36 pool, 36 specials") << picks("", range(1, 36), range(1, 36)) << 0
        << "共58433760注，116867520元" << "" << 0
        << "错误提示：BR   展开后共58433760注，彩票栏将有58433760行，超过最多的32767行，请少选几个号码。";
    QTest::newRow("too few regular numbers") << picks("01", range(2, 5), "07") << 0 << "共0注，0元" << "" << 0
        << "错误提示：BR   胆码和拖码合计至少要选6个。";
    QTest::newRow("no special") << picks("", range(1, 6), "") << 0 << "共0注，0元" << "" << 0
        << "错误提示：BR   请至少选1个特别号。";
    QTest::newRow("every special in every line") << picks("01 02", range(3, 6), "01 03") << 0 << "共0注，0元"
        << "" << 0 << "错误提示：BR   所选的特别号每注都已是基本号码，展不出一注，请另选特别号。";
}

void MultiTicketTest::expansion()
{
    QFETCH(Picks, picks);
    QFETCH(int, linesInBox);
    QFETCH(QString, countText);
    QFETCH(QString, text);
    QFETCH(int, textLines);
    QFETCH(QString, refusal);
    const Expansion e = expandForBox(picks, linesInBox);
    QCOMPARE(tickets::countText(e.lines), countText);
    QCOMPARE(e.refusal, refusal);
    if (text.endsWith(QStringLiteral("…")))
        QVERIFY(e.text.startsWith(text.chopped(1)));
    else
        QCOMPARE(e.text, text);
    QCOMPARE(e.text.isEmpty() ? 0 : countLineBreaks(e.text) + 1, textLines);
}

QTEST_APPLESS_MAIN(MultiTicketTest)
#include "tst_multi_ticket.moc"
