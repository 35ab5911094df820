#include "messages/speech_ui.h"

#include <QLocale>
#include <QTextToSpeech>
#include <QVoice>

Q_LOGGING_CATEGORY(lottoSpeech, "lotto.speech")

namespace speech {

namespace {

// The system's speech service through Qt; its engine is made at the first text, so that
// a program that never reads aloud never reaches for the service.
class SystemVoice final : public Voice {
public:
    SystemVoice() : m_engine(std::make_unique<QTextToSpeech>())
    {
        if (m_engine->state() == QTextToSpeech::Error)
            qCWarning(lottoSpeech).noquote() << "no speech service:" << m_engine->errorString();
        chooseMandarin();
    }

    void say(const QString& text, double rate) override
    {
        if (m_engine->state() == QTextToSpeech::Error)
            return;
        m_engine->setRate(rate);
        m_engine->say(text);
    }

    void stop() override
    {
        if (m_engine->state() != QTextToSpeech::Error)
            m_engine->stop();
    }

    bool hasChineseVoice() const override { return m_chinese; }

private:
    // A Chinese locale of the service (mainland China first); else a voice named Mandarin,
    // which espeak-ng lists under a language the toolkit does not know, so under the C
    // locale (its Cantonese is a language of its own, and no Mandarin).
    void chooseMandarin()
    {
        if (m_engine->state() == QTextToSpeech::Error)
            return;
        const QList<QLocale> locales = m_engine->availableLocales();
        QLocale chosen = QLocale::c();
        for (const QLocale& locale : locales) {
            if (locale.language() != QLocale::Chinese)
                continue;
            if (chosen.language() != QLocale::Chinese || locale.territory() == QLocale::China)
                chosen = locale;
        }
        m_chinese = chosen.language() == QLocale::Chinese;
        if (m_chinese) {
            m_engine->setLocale(chosen);
            return;
        }
        for (const QLocale& locale : locales) {
            if (locale.language() != QLocale::C)
                continue;
            m_engine->setLocale(locale);
            for (const QVoice& voice : m_engine->availableVoices()) {
                if (voice.name().contains(QLatin1String("Mandarin"), Qt::CaseInsensitive)) {
                    m_engine->setVoice(voice);
                    m_chinese = true;
                    qCInfo(lottoSpeech).noquote() << "voice:" << voice.name();
                    return;
                }
            }
        }
    }

    std::unique_ptr<QTextToSpeech> m_engine;
    bool m_chinese = true;
};

Voice*& replacement()
{
    static Voice* voice = nullptr;
    return voice;
}

}  // namespace

void setVoice(Voice* voice)
{
    replacement() = voice;
}

Speaker::Speaker(const QString& dataFolder, const archive::Settings& settings, QObject* parent)
    : QObject(parent), m_dataFolder(dataFolder), m_settings(settings)
{
}


Speaker::~Speaker() = default;

void Speaker::setEnabled(bool on)
{
    m_settings.readAloud = on;
    if (!on)
        stop();
    save();
}

void Speaker::setRate(int rate)
{
    m_settings.speechRate = qBound(archive::kSlowestRate, rate, archive::kFastestRate);
    save();
}

void Speaker::save()
{
    const auto own = [this](archive::Settings& settings) {
        settings.readAloud = m_settings.readAloud;
        settings.speechRate = m_settings.speechRate;
    };
    if (const QString failure = archive::updateSettings(m_dataFolder, own); !failure.isEmpty())
        emit notice(QStringLiteral("设置没有保存：") + failure);
}

Voice& Speaker::voice()
{
    if (replacement())
        return *replacement();
    if (!m_systemVoice)
        m_systemVoice = std::make_unique<SystemVoice>();
    return *m_systemVoice;
}

void Speaker::say(const QString& text)
{
    if (!enabled() || text.isEmpty())
        return;
    qCInfo(lottoSpeech).noquote() << text;
    Voice& v = voice();
    v.say(text, m_settings.speechRate / 100.0);
    if (!v.hasChineseVoice() && !m_toldNoChinese) {
        m_toldNoChinese = true;
        emit notice(QStringLiteral("朗读：没有找到中文语音，请安装中文语音"));
    }
}

void Speaker::stop()
{
    if (replacement() || m_systemVoice)
        voice().stop();
}

}  // namespace speech
