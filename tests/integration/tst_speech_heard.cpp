// Read aloud heard on a real speech service: a private speech-dispatcher with the espeak-ng
// module speaks into a private PulseAudio daemon's null sink, whose monitor is recorded.
#include "private_service.h"

#include "messages/speech_ui.h"
#include "support/test_support.h"

#include <QFileInfo>
#include <QTest>
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
    if (const QString tool = missingTool({"pulseaudio", "parec", "pactl", "speech-dispatcher"}); !tool.isEmpty())
        SKIP_OR_FAIL_UNDER_CI(tool.toLocal8Bit() + " is not installed");
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

    m_recorder = recordSinkMonitor(kSink, kRate);
    QVERIFY2(m_recorder, "parec recorded nothing from the sink's monitor");
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
    speech::Speaker speaker(folder.path(), archive::Settings());
    QStringList notices;  // a missing Chinese voice would be said here
    connect(&speaker, &speech::Speaker::notice, this, [&notices](const QString& text) { notices << text; });
    speaker.setEnabled(true);
    m_recorder->readAllStandardOutput();
    speaker.say(QStringLiteral("共2行中奖。第3行，五等奖。第5行，一等奖。"));
    const double heard = rmsFromNow(*m_recorder, kRecordBytes, 15000);
    QVERIFY2(heard >= 0, "parec recorded too little from the sink's monitor");
    qInfo("speech RMS %.4f over 8 s", heard);
    QVERIFY2(notices.isEmpty(), qPrintable(notices.join(QLatin1Char('\n'))));
    QVERIFY2(heard > kSoundRms, qPrintable(QStringLiteral("nothing was heard; speech-dispatcher said: ")
                                           + m_speech->output()));
}

QTEST_MAIN(SpeechHeardTest)
#include "tst_speech_heard.moc"
