// "打印" in the main window: the messages, the status line and what reaches the word
// processor, recorded instead of printed.
#include "app/main_window.h"
#include "archive/date_time_text.h"
#include "printing/order_sheet.h"
#include "printing/word_processor_ui.h"
#include "support/test_support.h"
#include "widgets/ticket_box.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Records the operations in order; the text handed over is kept whole.
class RecordingProcessor final : public printing::WordProcessor {
public:
    RecordingProcessor() { printing::setWordProcessor(this); }
    ~RecordingProcessor() override { printing::setWordProcessor(nullptr); }

    void openVisible() override { calls << "openVisible"; }
    bool newDocument() override
    {
        calls << "newDocument";
        return true;
    }
    void setFontName(const QString& face) override { calls << "fontName " + face; }
    void setFontSize(double points) override { calls << "fontSize " + QString::number(points); }
    void setLeftAlignment() override { calls << "leftAlignment"; }
    void insertText(const QString& t) override
    {
        calls << "insertText";
        text += t;
    }
    void setCaption(const QString& caption) override { calls << "caption " + caption; }
    bool printDocument() override
    {
        calls << "print";
        return printerTookIt;
    }

    bool printerTookIt = true;
    QStringList calls;
    QString text;
};

const QString kNow = QStringLiteral("2026/12/7 20:15:03");

QString lines(int count)
{
    QStringList out;
    for (int n = 1; n <= count; ++n)
        out << QStringLiteral("01 02 03 04 05 %1 %2 ").arg(n + 5, 2, 10, QLatin1Char('0')).arg(36);
    return out.join(QStringLiteral("\r\n"));
}

}  // namespace

class PrintActionTest : public QObject {
    Q_OBJECT
private slots:
    void init() { archive::setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(20, 15, 3)); }); }
    void cleanup() { archive::setClock({}); }
    void handsTheSheetOver_data();
    void handsTheSheetOver();
    void outcomes_data();
    void outcomes();
};

void PrintActionTest::handsTheSheetOver_data()
{
    QTest::addColumn<bool>("printerTookIt");
    QTest::addColumn<QString>("status");
    QTest::newRow("printed") << true << "打印操作已执行..";
    QTest::newRow("no printer") << false << "打印未执行：没有找到打印机，可在打印窗口里导出PDF ..";
}

void PrintActionTest::handsTheSheetOver()
{
    QFETCH(bool, printerTookIt);
    QFETCH(QString, status);
    StartedForm app;
    Form1& form = app.start();
    RecordingProcessor processor;
    processor.printerTookIt = printerTookIt;
    ModalWatcher watcher;
    const QString box = lines(12) + QStringLiteral("←");
    form.Text88->setCrlfText(box);

    click(child(&form, QStringLiteral("Command13")));

    QCOMPARE(processor.calls,
             QStringList({"openVisible", "newDocument", "fontName 黑体", "fontSize 10", "leftAlignment",
                          "insertText", "caption 注意：彩票手动打印 Ctrl+P  关闭打印窗口不会保存文件 ...",
                          "print"}));
    QCOMPARE(processor.text, printing::documentText(printing::layOutSheet(box), kNow));
    QCOMPARE(form.Label9->text(), status);
    QCOMPARE(form.Text88->crlfText(), box);  // the ticket box is left as it was
}

void PrintActionTest::outcomes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<bool>("handedOver");

    QTest::newRow("empty box") << "" << false << false;
    QTest::newRow("marker only") << "←" << false << false;
    QTest::newRow("only bad lines") << "01 02 03 \r\n01 02 03 04 05 06 40 " << true << false;
    QTest::newRow("good and bad lines") << lines(3) + "\r\n01 02 03 04 05 06 40 " << true << true;
    QTest::newRow("one line without line breaks") << "01 02 03 04 05 06 07 ←" << false << true;
}

void PrintActionTest::outcomes()
{
    QFETCH(QString, box);
    QFETCH(bool, reported);
    QFETCH(bool, handedOver);
    StartedForm app;
    Form1& form = app.start();
    RecordingProcessor processor;
    ModalWatcher watcher;
    form.Text88->setCrlfText(box);

    click(form.Command13);

    const QStringList messages = watcher.messages();
    QCOMPARE(messages.size(), reported ? 2 : 1);
    QVERIFY(messages.first().startsWith(QStringLiteral("准备打印：(关闭本说明开始工作)\r\n")));
    if (reported)
        QVERIFY(messages.last().startsWith(QStringLiteral("错误报告：(被排除的有错的行)\r\n")));
    QCOMPARE(processor.calls.isEmpty(), !handedOver);
    QCOMPARE(form.Label9->text(), handedOver ? QStringLiteral("打印操作已执行..")
                                             : QStringLiteral("打印未执行，至少要1组格式正确的号码.."));
    QVERIFY(!processor.text.contains(QStringLiteral("←")));
}

QTEST_MAIN(PrintActionTest)
#include "tst_print_action.moc"
