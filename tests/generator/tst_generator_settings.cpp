// The settings fields: refill of empty fields, repair of inverted ranges (both with the
// exclusion of the field being keyed), and the reading of field texts.
#include "generator/settings.h"

#include <QTest>

using namespace generator;

namespace {

QString& textOf(SettingsTexts& t, qint16 code)
{
    if (isLowField(code))
        return t.low[positionOf(code) - 1];
    if (isHighField(code))
        return t.high[positionOf(code) - 1];
    switch (code) {
    case kConsecutiveField:
        return t.consecutive;
    case kEqualField:
        return t.equal;
    case kBudgetField:
        return t.budget;
    default:
        return t.lineCount;
    }
}

}  // namespace

class TestGeneratorSettings : public QObject {
    Q_OBJECT
private slots:
    void refill_data();
    void refill();
    void repair_data();
    void repair();
    void readSetting_data();
    void readSetting();
};

void TestGeneratorSettings::refill_data()
{
    QTest::addColumn<int>("emptied");
    QTest::addColumn<int>("skip");
    QTest::addColumn<QString>("expected");
    QTest::newRow("line count") << 1 << 0 << "25";
    QTest::newRow("low bound") << 31 << 0 << "1";
    QTest::newRow("high bound") << 52 << 0 << "36";
    QTest::newRow("consecutive limit") << 200 << 0 << "0";
    QTest::newRow("equal limit") << 300 << 0 << "0";
    QTest::newRow("budget") << 400 << 0 << "100";
    QTest::newRow("the field being keyed stays empty") << 1 << 1 << "";
    QTest::newRow("keying the high bound does not hold the low one") << 31 << 32 << "1";
}

void TestGeneratorSettings::refill()
{
    QFETCH(int, emptied);
    QFETCH(int, skip);
    QFETCH(QString, expected);
    SettingsTexts t;
    textOf(t, qint16(emptied)).clear();
    refillDefaults(t, qint16(skip));
    QCOMPARE(textOf(t, qint16(emptied)), expected);
}

void TestGeneratorSettings::repair_data()
{
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<int>("skip");
    QTest::addColumn<QString>("expected");
    QTest::newRow("inverted") << "20" << "10" << 0 << "36";
    QTest::newRow("equal") << "35" << "35" << 0 << "36";
    QTest::newRow("in order") << "20" << "30" << 0 << "30";
    QTest::newRow("one-digit high below low") << "20" << "2" << 0 << "36";
    QTest::newRow("low box being keyed") << "20" << "10" << 21 << "10";
    QTest::newRow("high box being keyed") << "20" << "10" << 22 << "10";
    QTest::newRow("another row being keyed") << "20" << "10" << 31 << "36";
}

void TestGeneratorSettings::repair()
{
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(int, skip);
    QFETCH(QString, expected);
    SettingsTexts t;
    t.low[1] = low;
    t.high[1] = high;
    repairRanges(t, qint16(skip));
    QCOMPARE(t.high[1], expected);
    QCOMPARE(t.high[0], QStringLiteral("36"));
}

void TestGeneratorSettings::readSetting_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("clamped");
    QTest::newRow("empty") << "" << 0 << false;
    QTest::newRow("digits") << "25" << 25 << false;
    QTest::newRow("leading zeros") << "007" << 7 << false;
    QTest::newRow("largest") << "32767" << 32767 << false;
    QTest::newRow("one beyond") << "32768" << 32767 << true;
    QTest::newRow("far beyond") << "99999999999999999999999" << 32767 << true;
}

void TestGeneratorSettings::readSetting()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QFETCH(bool, clamped);
    bool wasClamped = false;
    QCOMPARE(int(generator::readSetting(text, &wasClamped)), value);
    QCOMPARE(wasClamped, clamped);

    SettingsTexts t;
    t.budget = text;
    bool settingsClamped = false;
    QCOMPARE(int(readSettings(t, &settingsClamped).attemptBudget), value);
    QCOMPARE(settingsClamped, clamped);
}

QTEST_MAIN(TestGeneratorSettings)
#include "tst_generator_settings.moc"
