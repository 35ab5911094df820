// Form1's entries of "功能及说明" for users who see or read badly: read aloud and its rate,
// high contrast and the reading type's size, all remembered.
#include "app/main_window.h"

#include "archive/settings_file.h"
#include "messages/speech_ui.h"
#include "widgets/reading_look.h"

#include <QAction>
#include <QLabel>

namespace {

constexpr int kRateStep = 20;

}  // namespace

void Form1::readAloud_Click()
{
    speech::Speaker& speaker = m_session.speaker();
    speaker.setEnabled(readAloud->isChecked());
    Label9->setText(speaker.enabled() ? QStringLiteral("朗读结果：已打开") : QStringLiteral("朗读结果：已关闭"));
    speaker.say(QStringLiteral("朗读已打开"));
}

void Form1::speechSlower_Click()
{
    speech::Speaker& speaker = m_session.speaker();
    speaker.setRate(speaker.rate() - kRateStep);
    Label9->setText(QStringLiteral("朗读语速：%1").arg(speaker.rate()));
    speaker.say(QStringLiteral("这是现在的语速"));
}

void Form1::speechFaster_Click()
{
    speech::Speaker& speaker = m_session.speaker();
    speaker.setRate(speaker.rate() + kRateStep);
    Label9->setText(QStringLiteral("朗读语速：%1").arg(speaker.rate()));
    speaker.say(QStringLiteral("这是现在的语速"));
}

template <class Change>
void Form1::rememberSetting(Change change)
{
    if (const QString failure = archive::updateSettings(m_session.dataFolder(), change); !failure.isEmpty())
        Label9->setText(QStringLiteral("设置没有保存：") + failure);
}

void Form1::highContrast_Click()
{
    const bool on = highContrast->isChecked();
    look::setHighContrast(on);
    applyLook();
    Label9->setText(on ? QStringLiteral("高对比度：已打开") : QStringLiteral("高对比度：已关闭"));
    rememberSetting([on](archive::Settings& settings) { settings.highContrast = on; });
}

void Form1::fontSize_Click(int percent)
{
    look::setReadingPercent(percent);
    applyLook();
    Label9->setText(QStringLiteral("字体大小：%1%").arg(percent));
    rememberSetting([percent](archive::Settings& settings) { settings.fontSize = percent; });
}
