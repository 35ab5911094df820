// The settings file: what is read from its bytes, and that a save reads back.
#include "archive/settings_file.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(archive::Settings)

class SettingsFileTest : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void savedSettingsReadBack();
};

namespace {

archive::Settings settings(bool readAloud, int rate, bool highContrast = false, int fontSize = 100)
{
    archive::Settings s;
    s.readAloud = readAloud;
    s.speechRate = rate;
    s.highContrast = highContrast;
    s.fontSize = fontSize;
    return s;
}

}  // namespace

void SettingsFileTest::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<archive::Settings>("expected");
    QTest::newRow("empty") << QByteArray() << settings(false, -30);
    QTest::newRow("as written") << QByteArray("readAloud=1\r\nspeechRate=-50\r\n") << settings(true, -50);
    QTest::newRow("spaces and LF") << QByteArray(" readAloud = 1 \nspeechRate= 20") << settings(true, 20);
    QTest::newRow("garbled values keep defaults")
        << QByteArray("readAloud=yes\r\nspeechRate=fast\r\n") << settings(false, -30);
    QTest::newRow("rate out of range") << QByteArray("speechRate=500") << settings(false, -30);
    QTest::newRow("binary") << QByteArray("\x00\xff=\x01\n=1\nreadAloud", 17) << settings(false, -30);
    QTest::newRow("contrast and type")
        << QByteArray("highContrast=1\r\nfontSize=150\r\n") << settings(false, -30, true, 150);
    QTest::newRow("a size not offered") << QByteArray("fontSize=130") << settings(false, -30);
    QTest::newRow("unknown names ignored") << QByteArray("x=1\nreadAloud=1") << settings(true, -30);
}

void SettingsFileTest::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(archive::Settings, expected);
    QCOMPARE(archive::parseSettings(bytes), expected);
}

void SettingsFileTest::savedSettingsReadBack()
{
    QTemporaryDir dir;
    QCOMPARE(archive::loadSettings(dir.path()), archive::Settings());
    QCOMPARE(archive::saveSettings(dir.path(), settings(true, 40)), QString());
    QCOMPARE(archive::loadSettings(dir.path()), settings(true, 40));
    // An update changes its own setting and keeps the others.
    QCOMPARE(archive::updateSettings(dir.path(), [](archive::Settings& s) { s.fontSize = 125; }), QString());
    QCOMPARE(archive::loadSettings(dir.path()), settings(true, 40, false, 125));
}

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settings_file.moc"
