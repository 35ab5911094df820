// Read aloud: a Mandarin voice of the system's speech service says what the program
// shows, when the user has switched it on. Every request is logged to "lotto.speech" (the
// text as its message), spoken or not; with no speech service nothing is said and nothing
// fails. The switch and the rate are kept in the settings file beside the slots.
#pragma once

#include "archive/settings_file.h"

#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lottoSpeech)

namespace speech {

// Says texts; implementations never block and never throw.
class Voice {
public:
    virtual ~Voice() = default;
    virtual void say(const QString& text, double rate) = 0;
    virtual void stop() = 0;
    // False once the service is known to have no Chinese voice.
    virtual bool hasChineseVoice() const { return true; }
};

// Replaces the system voice for the whole program (tests install a recorder); nullptr
// restores it. The caller keeps ownership.
void setVoice(Voice* voice);

class Speaker : public QObject {
    Q_OBJECT
public:
    // `settings` as read from the folder's settings file at start-up.
    Speaker(const QString& dataFolder, const archive::Settings& settings, QObject* parent = nullptr);
    ~Speaker() override;

    bool enabled() const { return m_settings.readAloud; }
    int rate() const { return m_settings.speechRate; }
    // Both are remembered at once; a failed write is said through notice().
    void setEnabled(bool on);
    void setRate(int rate);

    // Says the text when read aloud is on (an empty text says nothing).
    void say(const QString& text);
    void stop();

signals:
    // For the status line: a missing Chinese voice (said once), a setting not saved.
    void notice(const QString& text);

private:
    Voice& voice();
    void save();

    QString m_dataFolder;
    archive::Settings m_settings;
    std::unique_ptr<Voice> m_systemVoice;  // made at the first text said
    bool m_toldNoChinese = false;
};

}  // namespace speech
