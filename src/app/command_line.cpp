#include "app/command_line.h"

#include "messages/version.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace commandLine {

namespace {

const QString kProgram = QStringLiteral("lotto36x7");

// The toolkit's own options that take a value, written with one dash.
const QStringList kToolkitOptionsWithValue = {
    QStringLiteral("-platform"), QStringLiteral("-platformpluginpath"),
    QStringLiteral("-platformtheme"), QStringLiteral("-plugin"), QStringLiteral("-display"),
    QStringLiteral("-session"), QStringLiteral("-style"), QStringLiteral("-stylesheet"),
    QStringLiteral("-qwindowgeometry"), QStringLiteral("-geometry"),
    QStringLiteral("-qwindowicon"), QStringLiteral("-qwindowtitle"), QStringLiteral("-name")};
const QStringList kToolkitFlags = {QStringLiteral("-reverse"), QStringLiteral("-widgetcount")};

Request answerWith(int exitCode, const QString& text)
{
    return {Action::Answer, exitCode, text};
}

Request refusal(const QString& what)
{
    return answerWith(2, kProgram + QStringLiteral("：") + what
                             + QStringLiteral("。\n用“lotto36x7 --help”查看可用的选项。\n"));
}

// The toolkit accepts its options with one dash or two.
QString toolkitSpelling(const QString& argument)
{
    return argument.startsWith(QLatin1String("--")) ? argument.mid(1) : argument;
}

bool hasDisplay(const DisplayEnvironment& env, const QString& platformArgument,
                const QString& displayArgument)
{
    if (!env.needsDisplay || !platformArgument.isEmpty() || !env.platform.isEmpty())
        return true;
    return !env.x11.isEmpty() || !env.wayland.isEmpty() || !displayArgument.isEmpty();
}

QtMessageHandler g_previousHandler = nullptr;

void windowSystemFailureHandler(QtMsgType type, const QMessageLogContext& context,
                                const QString& message)
{
    if (type != QtFatalMsg) {
        if (g_previousHandler)
            g_previousHandler(type, context, message);
        return;
    }
    std::fputs(noDisplayText().toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

DisplayEnvironment displayEnvironment()
{
    DisplayEnvironment env;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    env.needsDisplay = true;
#endif
    env.x11 = qEnvironmentVariable("DISPLAY");
    env.wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    env.platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    return env;
}

QStringList arguments(int argc, char* argv[])
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

Request parse(const QStringList& arguments, const DisplayEnvironment& display)
{
    bool help = false;
    bool version = false;
    bool folders = false;
    QString platform;
    QString displayName;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        const QString toolkit = toolkitSpelling(argument);
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            help = true;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            version = true;
        } else if (argument == QLatin1String("--folders")) {
            folders = true;
        } else if (kToolkitFlags.contains(toolkit)) {
            continue;  // the toolkit reads it
        } else if (kToolkitOptionsWithValue.contains(toolkit)) {
            if (i + 1 == arguments.size())
                return refusal(QStringLiteral("选项“%1”后面缺少它的值").arg(argument));
            const QString& value = arguments.at(++i);
            if (toolkit == QLatin1String("-platform"))
                platform = value;
            if (toolkit == QLatin1String("-display"))
                displayName = value;
        } else if (argument.startsWith(QLatin1Char('-'))) {
            return refusal(QStringLiteral("没有“%1”这个选项").arg(argument));
        } else {
            return refusal(QStringLiteral("不需要参数“%1”").arg(argument));
        }
    }
    if (help)
        return answerWith(0, helpText());
    if (version)
        return answerWith(0, versionText());
    if (folders)
        return {Action::ShowFolders, 0, QString()};
    if (!hasDisplay(display, platform, displayName))
        return answerWith(1, noDisplayText());
    return {Action::OpenWindow, 0, QString()};
}

QString helpText()
{
    return QStringLiteral(
               "用法：lotto36x7 [选项]\n"
               "彩票36选7对奖器：用大号数字按钮输入开奖号码和彩票号码，看每组号码中了几等奖。\n"
               "\n"
               "选项：\n"
               "  -h, --help     显示这段说明后退出\n"
               "  -v, --version  显示版本后退出\n"
               "  --folders      显示存档文件夹和声音文件夹后退出\n"
               "  也接受 Qt 的通用选项，例如 -platform、-display、-style。\n"
               "\n"
               "存档（Save00.txt … Save05.txt、t0.txt … t5.txt 和 draws.txt）保存在\n"
               "$XDG_DATA_HOME/lotto36x7，通常是 ~/.local/share/lotto36x7。\n"
               "程序所在的文件夹里有 sound 文件夹并且可以写入时（便携版），存档就在程序旁边。\n"
               "要用便携版的存档：在“打开存档”里点“从文件夹导入存档”，选便携版的文件夹。\n"
               "\n"
               "退出状态：0 正常，1 没有图形桌面，2 命令行有错。\n");
}

QString versionText()
{
    return kProgram + QLatin1Char(' ') + version::text() + QLatin1Char('\n')
           + version::programName() + QStringLiteral("，免费使用。\n");
}

QString noDisplayText()
{
    return kProgram
           + QStringLiteral("：需要图形桌面才能打开窗口，但连接不到显示"
                            "（DISPLAY 或 WAYLAND_DISPLAY）。请在桌面里启动本程序。\n");
}

int answer(const Request& request)
{
    std::FILE* stream = request.exitCode == 0 ? stdout : stderr;
    std::fputs(request.text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return request.exitCode;
}

void endCleanlyIfWindowSystemFails()
{
    g_previousHandler = qInstallMessageHandler(windowSystemFailureHandler);
}

void windowSystemStarted()
{
    qInstallMessageHandler(g_previousHandler);
}

}  // namespace commandLine
