// What the command line asks for, and whether a window can be opened at all.
#include "app/command_line.h"

#include <QTest>

using commandLine::Action;

Q_DECLARE_METATYPE(commandLine::Action)

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void request_data();
    void request();
};

void CommandLineTest::request_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("environment");  // "x11", "wayland", "offscreen" or "" (none)
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("named");  // a text the answer holds

    const QString help = QStringLiteral("用法：");
    const QString noDisplay = QStringLiteral("需要图形桌面");
    QTest::newRow("window on X11") << QStringList() << "x11" << Action::OpenWindow << 0 << "";
    QTest::newRow("window on Wayland") << QStringList() << "wayland" << Action::OpenWindow << 0 << "";
    QTest::newRow("platform chosen in the environment")
        << QStringList() << "offscreen" << Action::OpenWindow << 0 << "";
    QTest::newRow("no display") << QStringList() << "" << Action::Answer << 1 << noDisplay;
    QTest::newRow("platform chosen on the command line")
        << QStringList{"-platform", "offscreen"} << "" << Action::OpenWindow << 0 << "";
    QTest::newRow("toolkit option with two dashes")
        << QStringList{"--platform", "offscreen"} << "" << Action::OpenWindow << 0 << "";
    QTest::newRow("display on the command line")
        << QStringList{"-display", ":1"} << "" << Action::OpenWindow << 0 << "";
    QTest::newRow("session restore, style, reverse")
        << QStringList{"-session", "1234", "-style", "fusion", "-reverse"} << "x11"
        << Action::OpenWindow << 0 << "";
    QTest::newRow("help without a display") << QStringList{"--help"} << "" << Action::Answer << 0 << help;
    QTest::newRow("short help") << QStringList{"-h"} << "x11" << Action::Answer << 0 << help;
    QTest::newRow("version without a display")
        << QStringList{"--version"} << "" << Action::Answer << 0 << "lotto36x7 1.";
    QTest::newRow("help before version") << QStringList{"-v", "-h"} << "" << Action::Answer << 0 << help;
    QTest::newRow("folders without a display")
        << QStringList{"--folders"} << "" << Action::ShowFolders << 0 << "";
    QTest::newRow("unknown option") << QStringList{"--bogus"} << "x11" << Action::Answer << 2 << "“--bogus”";
    QTest::newRow("unknown option beside help")
        << QStringList{"--help", "-x"} << "x11" << Action::Answer << 2 << "“-x”";
    QTest::newRow("a file name") << QStringList{"Save00.txt"} << "x11" << Action::Answer << 2
                                 << "“Save00.txt”";
    QTest::newRow("toolkit option without its value")
        << QStringList{"-platform"} << "x11" << Action::Answer << 2 << "“-platform”";
    QTest::newRow("a value is not read as an option")
        << QStringList{"-qwindowtitle", "--help"} << "x11" << Action::OpenWindow << 0 << "";
}

void CommandLineTest::request()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, environment);
    QFETCH(Action, action);
    QFETCH(int, exitCode);
    QFETCH(QString, named);
    commandLine::DisplayEnvironment env;
    env.needsDisplay = true;
    if (environment == QLatin1String("x11"))
        env.x11 = QStringLiteral(":0");
    if (environment == QLatin1String("wayland"))
        env.wayland = QStringLiteral("wayland-0");
    if (environment == QLatin1String("offscreen"))
        env.platform = QStringLiteral("offscreen");

    const commandLine::Request request = commandLine::parse(arguments, env);
    QCOMPARE(request.action, action);
    QCOMPARE(request.exitCode, exitCode);
    QVERIFY2(request.text.contains(named), qPrintable(request.text));
}

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
