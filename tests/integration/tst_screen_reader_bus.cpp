// The program as a screen reader finds it on a real accessibility bus: a private X server,
// a private session bus with the AT-SPI bus on it, the program in a folder of its own, and
// the AT-SPI client library reading its tree.
#include "private_service.h"

#include <QFileInfo>
#include <QTest>

class ScreenReaderBusTest : public QObject {
    Q_OBJECT
private slots:
    void namesReachTheBus();
};

namespace {

const QString kLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
const QString kPython = QStringLiteral("/usr/bin/python3");

}  // namespace

void ScreenReaderBusTest::namesReachTheBus()
{
    if (const QString tool = missingTool({"Xvfb", "dbus-daemon"}); !tool.isEmpty())
        SKIP_OR_FAIL_UNDER_CI(tool.toLocal8Bit() + " is not installed");
    if (!QFileInfo::exists(kLauncher))
        SKIP_OR_FAIL_UNDER_CI("at-spi-bus-launcher is not installed");
    QString error;
    if (runTool(kPython, {QStringLiteral("-c"), QStringLiteral("import pyatspi")}, 15000, &error).isNull())
        SKIP_OR_FAIL_UNDER_CI("the AT-SPI client library is missing: " + error.toLocal8Bit());

    PrivateFolder folder;
    QString display, failure;
    const auto x = startPrivateX(folder, QSize(1366, 768), &display, &failure);
    if (!x)
        SKIP_OR_FAIL_UNDER_CI(failure.toLocal8Bit());
    QProcessEnvironment env = folder.environment();
    env.insert(QStringLiteral("DISPLAY"), display);
    const QString busAddress = QStringLiteral("unix:path=") + folder.filePath(QStringLiteral("session-bus"));
    Daemon bus(QStringLiteral("dbus-daemon"),
               {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--address=") + busAddress},
               env);
    if (!bus.waitUntil([&] { return QFileInfo::exists(folder.filePath(QStringLiteral("session-bus"))); }, 10000))
        SKIP_OR_FAIL_UNDER_CI("the private session bus did not start: " + bus.output().toLocal8Bit());
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    Daemon launcher(kLauncher, {QStringLiteral("--launch-immediately")}, env);

    // The program runs portable from a copy of its build folder, with one ticket line in slot 0.
    const QString appFolder = folder.makeFolder(QStringLiteral("app"));
    QVERIFY(!runTool(QStringLiteral("cp"), {QStringLiteral("-r"), QFileInfo(QStringLiteral(LOTTO_PROGRAM)).path() + QStringLiteral("/."),
                                            appFolder}).isNull());
    QVERIFY(folder.write(QStringLiteral("app/Save00.txt"), "05 08 09 15 17 25 32 \r\n"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    allowXcbUnderSanitizer(env);
    Daemon program(appFolder + QStringLiteral("/lotto36x7"), {}, env);

    QProcess reader;
    reader.setProcessEnvironment(env);
    reader.start(kPython, {QStringLiteral(LOTTO_TREE_SCRIPT), QStringLiteral("lotto36x7")});
    QVERIFY(reader.waitForFinished(40000));
    const QString tree = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(reader.exitCode() == 0, qPrintable(QString::fromUtf8(reader.readAllStandardError()) + program.output()));
    for (const QString& line : {QStringLiteral("text | 开奖号码"), QStringLiteral("list | 彩票号码"),
                                QStringLiteral("list item | 第1行，05 08 09 15 17 25 32"),
                                QStringLiteral("push button | 号码05"), QStringLiteral("push button | 删除"),
                                QStringLiteral("push button | 清空开奖号码"),
                                QStringLiteral("push button | 检查中奖  保存数据")})
        QVERIFY2(tree.split(QLatin1Char('\n')).contains(line), qPrintable(line + QStringLiteral(" not in:\n") + tree));
}

QTEST_GUILESS_MAIN(ScreenReaderBusTest)
#include "tst_screen_reader_bus.moc"
