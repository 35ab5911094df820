// Sheets printed through a real print queue: a private CUPS scheduler with a cups-pdf
// queue as its default. "打印" prints the twelve-line example, the queue writes a PDF,
// and pdftotext reads the sheet back. Without a queue the status line says no printer
// took the sheet.
//
// cups-pdf reads its settings only from the system folder; the scheduler therefore runs in
// a private mount namespace in which the test's own settings file is mounted over the
// system one. The machine's file and printers are never changed, and the PDF lands in the
// temporary folder.
//
// On its way to cups-pdf the sheet passes through PostScript, which drops the fonts'
// Unicode names: pdftotext returns stand-in symbols for the queue's PDF. The text is
// therefore read from the document the scheduler received (kept in its spool), and the
// queue's PDF is checked for its page.
#include "private_service.h"

#include "app/main_window.h"
#include "archive/date_time_text.h"
#include "printing/document_window.h"
#include "printing/order_sheet.h"
#include "support/test_support.h"
#include "widgets/ticket_box.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <memory>
#include <sys/stat.h>

namespace {

const QString kQueue = QStringLiteral("lotto_test");
const QString kSystemSettings = QStringLiteral("/etc/cups/cups-pdf.conf");
const QString kPdfDriver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
const QString kPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");

// Twelve lines of seven numbers: two blocks, the second with two rows.
QString twelveLines()
{
    QStringList lines;
    for (int n = 1; n <= 12; ++n)
        lines << QStringLiteral("%1 05 12 19 23 30 36 ").arg(n, 2, 10, QLatin1Char('0'));
    return lines.join(QStringLiteral("\r\n"));
}

QString withoutSpaces(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

void closeDocumentWindows()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<DocumentWindow*>(w))
            delete w;
}

}  // namespace

class SheetPrintedTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup()
    {
        closeDocumentWindows();
        archive::setClock({});
    }
    void statusTellsWhetherAPrinterTookTheSheet();

private:
    bool writeSettings();
    // Prints the example through "打印"; the status line afterwards.
    QString printExample();
    // The first PDF in the output folder, waiting for it at most `ms`.
    QString waitForPdf(int ms);

    std::unique_ptr<PrivateFolder> m_folder;
    std::unique_ptr<Daemon> m_scheduler;
    QHash<QString, QString> m_tools;  // name → path
};

bool SheetPrintedTest::writeSettings()
{
    const QString root = m_folder->path();
    for (const char* name : {"etc/ppd", "spool", "tmp", "cache", "cups-state", "log", "pdf",
                             "pdf-spool"})
        m_folder->makeFolder(QString::fromLatin1(name));
    // Filters run as another user and keep their temporary files here.
    ::chmod(QFile::encodeName(m_folder->filePath(QStringLiteral("tmp"))).constData(), 01777);
    const QByteArray r = root.toLocal8Bit();
    return m_folder->write(QStringLiteral("etc/cupsd.conf"),
                           "Listen " + r + "/cups.sock\n"
                           "LogLevel info\nPreserveJobFiles Yes\nWebInterface No\nBrowsing No\nDefaultAuthType None\n"
                           "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                           "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n"
                           "</Policy>\n")
           && m_folder->write(QStringLiteral("etc/cups-files.conf"),
                              "ServerRoot " + r + "/etc\nRequestRoot " + r + "/spool\n"
                              "TempDir " + r + "/tmp\nCacheDir " + r + "/cache\n"
                              "StateDir " + r + "/cups-state\nErrorLog " + r + "/log/error_log\n"
                              "AccessLog " + r + "/log/access_log\nPageLog " + r + "/log/page_log\n"
                              "Printcap " + r + "/printcap\nServerKeychain " + r + "/ssl\n"
                              "Sandboxing Relaxed\n")
           && m_folder->write(QStringLiteral("cups-pdf.conf"),
                              "Out " + r + "/pdf\nAnonDirName " + r + "/pdf\nSpool " + r
                                  + "/pdf-spool\nLog " + r + "/log\nGrp root\nUserUMask 0022\n");
}

void SheetPrintedTest::initTestCase()
{
    // The administration tools live in sbin, which a user's PATH may lack.
    const QStringList toolFolders = {"/usr/sbin", "/usr/bin", "/sbin", "/bin"};
    for (const char* tool : {"cupsd", "lpadmin", "lpstat", "unshare", "mount", "pdftotext", "pdfinfo"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool), toolFolders);
        if (path.isEmpty())
            SKIP_OR_FAIL_UNDER_CI(QByteArray(tool) + " is not installed");
        m_tools[QString::fromLatin1(tool)] = path;
    }
    for (const QString& file : {kSystemSettings, kPdfDriver, kPdfBackend})
        if (!QFile::exists(file))
            SKIP_OR_FAIL_UNDER_CI(file.toLocal8Bit() + " is missing (printer-driver-cups-pdf)");
    m_folder = std::make_unique<PrivateFolder>();
    QVERIFY(writeSettings());
    const QString socket = m_folder->filePath(QStringLiteral("cups.sock"));
    m_folder->applyToThisProcess();
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    // The mount is private to the scheduler's namespace; exec keeps the scheduler the
    // process this test stops.
    m_scheduler = std::make_unique<Daemon>(
        m_tools[QStringLiteral("unshare")],
        QStringList{QStringLiteral("--mount"), QStringLiteral("--propagation"), QStringLiteral("private"),
                    QStringLiteral("sh"), QStringLiteral("-c"),
                    QStringLiteral("\"$5\" --bind \"$1\" \"$2\" && exec \"$6\" -f -c \"$3\" -s \"$4\""),
                    QStringLiteral("sh"), m_folder->filePath(QStringLiteral("cups-pdf.conf")),
                    kSystemSettings, m_folder->filePath(QStringLiteral("etc/cupsd.conf")),
                    m_folder->filePath(QStringLiteral("etc/cups-files.conf")),
                    m_tools[QStringLiteral("mount")], m_tools[QStringLiteral("cupsd")]},
        m_folder->environment());
    const bool ready = m_scheduler->waitUntil(
        [this] {
            return runTool(m_tools[QStringLiteral("lpstat")], {QStringLiteral("-r")}, 3000)
                .contains(QStringLiteral("scheduler is running"));
        },
        10000);
    if (!ready)
        SKIP_OR_FAIL_UNDER_CI("the private CUPS scheduler did not start: "
                              + m_scheduler->output().toLocal8Bit());
}

void SheetPrintedTest::cleanupTestCase()
{
    closeDocumentWindows();
    m_scheduler.reset();
}

QString SheetPrintedTest::printExample()
{
    StartedForm app;
    Form1& form = app.start();
    ModalWatcher modals;
    form.Text88->setCrlfText(twelveLines());
    click(form.Command13);
    return form.Label9->text();
}

QString SheetPrintedTest::waitForPdf(int ms)
{
    const QDir out(m_folder->filePath(QStringLiteral("pdf")));
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        const QStringList pdfs = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        // cups-pdf writes the file and then sets its mode: a finished job leaves the queue.
        if (!pdfs.isEmpty()
            && runTool(m_tools[QStringLiteral("lpstat")], {QStringLiteral("-o")}, 3000).trimmed().isEmpty())
            return out.filePath(pdfs.first());
        QTest::qWait(50);
    }
    return QString();
}

void SheetPrintedTest::statusTellsWhetherAPrinterTookTheSheet()
{
    archive::setClock([] { return QDateTime(QDate(2026, 12, 7), QTime(20, 15, 3)); });
    QCOMPARE(printExample(), printing::kNoPrinterStatus);
    closeDocumentWindows();

    QString error;
    QVERIFY2(!runTool(m_tools[QStringLiteral("lpadmin")],
                      {QStringLiteral("-p"), kQueue, QStringLiteral("-E"), QStringLiteral("-v"),
                       QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), kPdfDriver},
                      15000, &error)
                  .isNull(),
             qPrintable(error));
    QVERIFY2(!runTool(m_tools[QStringLiteral("lpadmin")], {QStringLiteral("-d"), kQueue}, 15000, &error).isNull(),
             qPrintable(error));

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(printExample(), printing::kPrintedStatus);
    const QString pdf = waitForPdf(30000);
    const qint64 jobMs = clock.elapsed();
    if (pdf.isEmpty()) {
        QFile log(m_folder->filePath(QStringLiteral("log/error_log")));
        log.open(QIODevice::ReadOnly);
        qInfo().noquote() << "scheduler log:\n" << log.readAll().right(3000)
                          << runTool(m_tools[QStringLiteral("lpstat")], {QStringLiteral("-l"), QStringLiteral("-o")});
        QFAIL("the queue wrote no PDF within 30 s");
    }

    const QString info = runTool(m_tools[QStringLiteral("pdfinfo")], {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))
                 && info.contains(QStringLiteral("595 x 842")),
             qPrintable(info));  // one A4 page

    const QStringList received = QDir(m_folder->filePath(QStringLiteral("spool")))
                                     .entryList({QStringLiteral("d*")}, QDir::Files);
    QCOMPARE(received.size(), 1);
    const QString text = runTool(m_tools[QStringLiteral("pdftotext")],
                                 {QStringLiteral("-layout"),
                                  m_folder->filePath(QStringLiteral("spool/") + received.first()),
                                  QStringLiteral("-")});
    QVERIFY2(!text.isEmpty(), "pdftotext could not read the document the scheduler received");
    const QString document = printing::documentText(printing::layOutSheet(twelveLines()),
                                                    QStringLiteral("2026/12/7 20:15:03"));
    const QStringList documentLines = document.split(QStringLiteral("\r\n"));
    const QString flat = withoutSpaces(text);
    const QStringList expected = {
        documentLines.first(),                                  // header
        QStringLiteral("┗━━━━━━ 03.━━━━━━┻━━━━━━ 04.━━━━━━┛"),  // closing footer
        documentLines.last(),                                   // credit line
    };
    for (const QString& part : expected)
        QVERIFY2(flat.contains(withoutSpaces(part)), qPrintable(part + " missing from:\n" + text));

    // Every "┃" of every row stands in the same column.
    QList<int> columns;
    int rows = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QChar(0x2503)))
            continue;
        QList<int> rules;
        for (int i = line.indexOf(QChar(0x2503)); i >= 0; i = line.indexOf(QChar(0x2503), i + 1))
            rules << i;
        if (columns.isEmpty())
            columns = rules;
        QCOMPARE(rules, columns);
        ++rows;
    }
    QStringList shown;
    for (int c : columns)
        shown << QString::number(c);
    qInfo("click to PDF %lld ms; %d rows, every row's rules at columns %s", jobMs, rows,
          qPrintable(shown.join(QLatin1Char(' '))));
    QCOMPARE(rows, 7);
    QCOMPARE(columns.size(), 3);
}

QTEST_MAIN(SheetPrintedTest)
#include "tst_sheet_printed.moc"
