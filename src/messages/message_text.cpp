#include "messages/message_text.h"

#include "tickets/ticket_text.h"

#include <QDir>

namespace messages {

namespace {

// Fences text put in with asWritten(): it stands around the text and between the letters
// of each "BR" in it, so that no "BR" forms inside it or across its edges. A character
// of the private use area, which no message of ours contains; the conversion drops it.
constexpr QChar kAsWrittenMark(0xE000);

}  // namespace

QString brToLineBreaks(QString text)
{
    text.replace(QStringLiteral("BR"), tickets::kCrLf);
    return text.remove(kAsWrittenMark);
}

QString asWritten(const QString& text)
{
    QString fenced = text;
    fenced.replace(QStringLiteral("BR"), QStringLiteral("B") + kAsWrittenMark + QStringLiteral("R"));
    return kAsWrittenMark + fenced + kAsWrittenMark;
}

QString quotedLine(const QString& line)
{
    if (line.size() <= kQuotedLineLength)
        return asWritten(line);
    // A character outside the basic plane is never cut in half.
    const int cut = line[kQuotedLineLength - 1].isHighSurrogate() ? kQuotedLineLength - 1
                                                                  : kQuotedLineLength;
    return asWritten(line.left(cut)) + QStringLiteral("…");
}

QString pathText(const QString& path)
{
    return asWritten(QDir::toNativeSeparators(path));
}

QString shownPath(const QString& folder, const QString& fileName)
{
    return pathText(QDir(folder).filePath(fileName));
}

QString writableFolderAdvice(const QString& dataFolder)
{
    return QStringLiteral("请检查文件夹 ") + pathText(dataFolder) + QStringLiteral(" 是否可写、磁盘是否已满。");
}

QString usageText(const QString& dataFolder)
{
    QString text = QStringLiteral(
        "使用说明：BR    本软件用了大字体，照顾视力不好的中老年用户使用，年轻人可能觉得字太大了点；"
        "部分需要输入数据的地方都设有数字按钮，方便一些懒人和无键盘的触摸屏笔记本电脑使用。原规正传，"
        "比如你买了很多36选7的彩票，可以找空先把所有的票上的号码在这里填好，7个两位的数字占一行，"
        "换行分隔，填写就点右下角“检查中奖 保存数据”按钮保存数据到文本文件(默认")
        + shownPath(dataFolder, QStringLiteral("Save00.txt"))
        + QStringLiteral(
            ")，到了开奖日，一般是每周一、三、五，点查询找到官网上最新的开奖号码，"
            "填上开奖号码即可方便地进行快速对奖，中奖立刻知道，不用怕一时不小心把中奖的看漏了，"
            "买得越多，本软件越实用。如果中奖了请找出那张彩票来并再次人工校对确认，软件校对要依靠数据进行，"
            "不排除会有错，万一软件造成您的任何损失，您也要自己承担所有责任，本软件是免费使用的正版软件，"
            "作者不可能承担任何责任，必须声明一下，再次谢谢使用Orvane软件。");
    text += QStringLiteral(
        "BR    推荐本软件提供的随机生成号码功能，购彩点的随机码太多废码，号码不分散，中率太低，"
        "只好自己做随机功能。这个随机码分散，命中率更高，生成的码打印好拿去购彩门店照单买，"
        "麻烦也是营业员麻烦点，开奖您填上开奖码就直接对奖(数据已保存了嘛)，免去手动输入之苦。");
    text += QStringLiteral(
        "BR    如果您需要订制一些特别的小软件，我们帮您制作，按复杂程度付费，50元起，努力打工，多劳多得，"
        "虽然软件不能像市场上青菜那样论斤称，但制作一个这样的软件也几乎要十几二十天，天天写七八小时，"
        "还要熬夜，电费都几十元了。");
    return brToLineBreaks(text);
}

}  // namespace messages
