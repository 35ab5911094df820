// Form1's read-aloud entries of "功能及说明": the switch and the rate, both remembered.
#include "app/main_window.h"

#include "messages/speech_ui.h"

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
