// Read aloud heard on a real speech service: a private speech-dispatcher with the espeak-ng
// module speaks into a private PulseAudio daemon's null sink, whose monitor is recorded.
#include "private_service.h"

#include "messages/speech_ui.h"
#include "support/test_support.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <memory>

namespace {

const QString kSink = QStringLiteral("lotto_speech");
constexpr int kRate = 16000;
constexpr int kRecordBytes = kRate * 2 * 8;  // 8 s of 16-bit mono: the module starts slowly
constexpr double kSoundRms = 0.01;           // speech measures far above; silence is 0


}  // namespace

class SpeechHeardTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void checkResultIsSpoken();

private:
    std::unique_ptr<PrivateFolder> m_folder;
    std::unique_ptr<Daemon> m_sound;
    std::unique_ptr<Daemon> m_speech;
    std::unique_ptr<QProcess> m_recorder;
};

void SpeechHeardTest::initTestCase()
{
    for (const char* tool : {"pulseaudio", "parec", "pactl", "speech-dispatcher"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            SKIP_OR_FAIL_UNDER_CI(QByteArray(tool) + " is not installed");
    m_folder = std::make_unique<PrivateFolder>();
    QString failure;
    m_sound = startPrivatePulse(*m_folder, kSink, &failure);
    if (!m_sound)
        SKIP_OR_FAIL_UNDER_CI("the private PulseAudio daemon did not start: " + failure.toLocal8Bit());

    // Its own configuration: the espeak-ng module, Chinese, sound to the private server.
    m_folder->makeFolder(QStringLiteral("speech/modules"));
    QVERIFY(m_folder->write(QStringLiteral("speech/modules/espeak-ng.conf"), QByteArray()));
    QVERIFY(m_folder->write(QStringLiteral("speech/speechd.conf"),
                            "AudioOutputMethod \"pulse\"\n"
                            "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n"
                            "DefaultModule espeak-ng\nDefaultLanguage \"zh\"\n"));
    const QString socket = m_folder->filePath(QStringLiteral("speech.sock"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    m_speech = std::make_unique<Daemon>(
        QStringLiteral("speech-dispatcher"),
        QStringList{QStringLiteral("-s"), QStringLiteral("-t"), QStringLiteral("0"),
                    QStringLiteral("-C"), m_folder->filePath(QStringLiteral("speech")),
                    QStringLiteral("-S"), socket, QStringLiteral("-L"), m_folder->path(),
                    QStringLiteral("-P"), m_folder->filePath(QStringLiteral("speech.pid"))},
        env);
    qputenv("SPEECHD_ADDRESS", QByteArray("unix_socket:") + socket.toLocal8Bit());
    if (!m_speech->waitUntil([socket] { return QFileInfo::exists(socket); }, 10000))
        SKIP_OR_FAIL_UNDER_CI("the private speech-dispatcher did not start: "
                              + m_speech->output().toLocal8Bit());

    m_recorder = std::make_unique<QProcess>();
    m_recorder->start(QStringLiteral("parec"),
                      {QStringLiteral("--device=") + kSink + QStringLiteral(".monitor"),
                       QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                       QStringLiteral("--rate=%1").arg(kRate), QStringLiteral("--channels=1"),
                       QStringLiteral("--latency-msec=50")});
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && m_recorder->bytesAvailable() == 0
           && m_recorder->state() != QProcess::NotRunning)
        m_recorder->waitForReadyRead(100);
    QVERIFY2(m_recorder->bytesAvailable() > 0, "parec recorded nothing from the sink's monitor");
}

void SpeechHeardTest::cleanupTestCase()
{
    if (m_recorder) {
        m_recorder->kill();
        m_recorder->waitForFinished(2000);
    }
    m_speech.reset();
    m_sound.reset();
}

void SpeechHeardTest::checkResultIsSpoken()
{
    TestFolder folder;
    speech::Speaker speaker(folder.path());
    QStringList notices;  // a missing Chinese voice would be said here
    connect(&speaker, &speech::Speaker::notice, this, [&notices](const QString& text) { notices << text; });
    speaker.setEnabled(true);
    m_recorder->readAllStandardOutput();
    speaker.say(QStringLiteral("共2行中奖。第3行，五等奖。第5行，一等奖。"));
    QByteArray pcm;
    QElapsedTimer clock;
    clock.start();
    while (pcm.size() < kRecordBytes && clock.elapsed() < 15000
           && m_recorder->state() != QProcess::NotRunning) {
        QTest::qWait(50);
        pcm += m_recorder->readAllStandardOutput();
    }
    QVERIFY2(pcm.size() >= kRecordBytes, "parec recorded too little from the sink's monitor");
    const double heard = rms(pcm.left(kRecordBytes));
    qInfo("speech RMS %.4f over 8 s", heard);
    QVERIFY2(notices.isEmpty(), qPrintable(notices.join(QLatin1Char('\n'))));
    QVERIFY2(heard > kSoundRms, qPrintable(QStringLiteral("nothing was heard; speech-dispatcher said: ")
                                           + m_speech->output()));
}

QTEST_MAIN(SpeechHeardTest)
#include "tst_speech_heard.moc"
