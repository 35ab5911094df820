// Cues heard on a real sound server: a private PulseAudio daemon with a null sink, whose
// monitor is recorded while the program's own player plays the start-up and prize cues.
// What is measured is the sound after the handler returned, so sound in it shows both
// that the cue plays and that the handler did not wait for it.
#include "private_service.h"

#include "app/main_window.h"
#include "messages/sound_cues_ui.h"
#include "support/test_support.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

const QString kSink = QStringLiteral("lotto_test");
constexpr int kRate = 16000;
constexpr int kRecordBytes = kRate * 2 * 3 / 2;  // 1.5 s of 16-bit mono
// A spoken cue measures far above this; the null sink's silence is exactly 0.
constexpr double kSoundRms = 0.01;


}  // namespace

class CuesHeardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void cuesPlayWithoutHoldingTheHandler_data();
    void cuesPlayWithoutHoldingTheHandler();

private:
    // Waits until nothing plays on the sink any more (at most ten seconds).
    bool waitForQuietSink();
    // The RMS of the 1.5 s the sink plays from now on; -1 when the recorder gave less.
    double rmsFromNow() { return ::rmsFromNow(*m_recorder, kRecordBytes, 10000); }

    std::unique_ptr<PrivateFolder> m_folder;
    std::unique_ptr<Daemon> m_server;
    std::unique_ptr<QProcess> m_recorder;
};

void CuesHeardTest::initTestCase()
{
    if (const QString tool = missingTool({"pulseaudio", "paplay", "parec", "pactl"}); !tool.isEmpty())
        SKIP_OR_FAIL_UNDER_CI(tool.toLocal8Bit() + " is not installed");
    m_folder = std::make_unique<PrivateFolder>();
    QString failure;
    m_server = startPrivatePulse(*m_folder, kSink, &failure);
    if (!m_server)
        SKIP_OR_FAIL_UNDER_CI("the private PulseAudio daemon did not start: " + failure.toLocal8Bit());
    m_recorder = recordSinkMonitor(kSink, kRate);
    QVERIFY2(m_recorder, "parec recorded nothing from the sink's monitor");
}

void CuesHeardTest::cleanupTestCase()
{
    if (m_recorder) {
        m_recorder->kill();
        m_recorder->waitForFinished(2000);
    }
    m_server.reset();
}

bool CuesHeardTest::waitForQuietSink()
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000) {
        const QString inputs = runTool(QStringLiteral("pactl"),
                                       {QStringLiteral("list"), QStringLiteral("short"),
                                        QStringLiteral("sink-inputs")}, 3000);
        if (!inputs.isNull() && inputs.trimmed().isEmpty())
            return true;
        QTest::qWait(100);
    }
    return false;
}

void CuesHeardTest::cuesPlayWithoutHoldingTheHandler_data()
{
    QTest::addColumn<bool>("withSoundFolder");
    QTest::newRow("sound folder") << true;
    QTest::newRow("no sound folder") << false;
}

void CuesHeardTest::cuesPlayWithoutHoldingTheHandler()
{
    QFETCH(bool, withSoundFolder);
    TestFolder folder;
    if (withSoundFolder) {
        QDir(folder.path()).mkdir(QStringLiteral("sound"));
        for (const QString& cue : QDir(QStringLiteral(LOTTO_SOUND_SOURCE)).entryList({"*.mp3"}))
            QVERIFY(QFile::copy(QStringLiteral(LOTTO_SOUND_SOURCE "/") + cue,
                                folder.filePath(QStringLiteral("sound/") + cue)));
    }
    QVERIFY(waitForQuietSink());

    // Start-up plays the welcome cue.
    QElapsedTimer clock;
    clock.start();
    auto form = std::make_unique<Form1>(folder.path());
    const qint64 startUpMs = clock.elapsed();
    const double welcome = rmsFromNow();

    // Two lines, one winning: the check plays the prize cue, then shows its report.
    QVERIFY(waitForQuietSink());
    ModalWatcher modals;
    form->Text0->setText(QStringLiteral("01 02 03 04 05 06 07 "));
    form->Text88->setCrlfText(QStringLiteral("01 02 03 04 05 06 07 \r\n08 09 10 11 12 13 14 "));
    clock.restart();
    click(form->Command1);
    const qint64 checkMs = clock.elapsed();
    const double prize = rmsFromNow();

    // One cue request on its own, as a handler makes it.
    clock.restart();
    cues::play(folder.path(), cues::kWelcome);
    const qint64 requestUs = clock.nsecsElapsed() / 1000;
    QVERIFY(waitForQuietSink());

    qInfo("%s: start-up %lld ms, welcome RMS %.4f; check %lld ms, prize RMS %.4f; "
          "one cue request %lld us",
          withSoundFolder ? "sound folder" : "no sound folder", startUpMs, welcome, checkMs,
          prize, requestUs);
    QVERIFY2(welcome >= 0 && prize >= 0, "parec recorded too little from the sink's monitor");
    QCOMPARE(modals.messages().size(), 1);
    QVERIFY(modals.messages().first().startsWith(QStringLiteral("中奖提示：")));
    if (withSoundFolder) {
        QVERIFY2(welcome > kSoundRms, "the welcome cue was not heard after start-up returned");
        QVERIFY2(prize > kSoundRms, "the prize cue was not heard after the check returned");
    } else {
        QCOMPARE(welcome, 0.0);
        QCOMPARE(prize, 0.0);
    }
    form->SaveOK = form->Text88->crlfText();
}

QTEST_MAIN(CuesHeardTest)
#include "tst_cues_heard.moc"
