#include "messages/message_window.h"

#include "messages/message_text.h"
#include "messages/speech_ui.h"
#include "messages/spoken_text.h"
#include "widgets/background_document.h"
#include "widgets/controls.h"
#include "widgets/fonts.h"
#include "widgets/reading_look.h"
#include "widgets/widget_text.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// Lines a text shows at once; the first screen of the window holds far fewer.
constexpr int kLinesAtOnce = 1000;

// The length of the first `lines` lines of a "\n" text (its whole length when shorter).
qsizetype lengthOfLines(const QString& text, int lines)
{
    qsizetype end = -1;
    for (int i = 0; i < lines; ++i) {
        end = text.indexOf(QLatin1Char('\n'), end + 1);
        if (end < 0)
            return text.size();
    }
    return end;
}

// The message text's type: 18 points (a question's size) times the reading size.
QFont readingFont()
{
    return look::readingFont(fonts::font(fonts::kSong, 18));
}

}  // namespace

ShowText1::ShowText1(const QString& dataFolder, QWidget* parent) : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("ShowText1"));
    setWindowTitle(QStringLiteral("HELP - (关闭:双击文字/ESC键/空格键)"));
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFont(readingFont());
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setPlainText(QStringLiteral("说明\n"));
    Text1->installEventFilter(this);
    Text1->viewport()->installEventFilter(this);
    // A tap on the large button hides the window, as Space does.
    auto* closeButton = makeButton(QStringLiteral("CloseButton"), QStringLiteral("关闭"),
                                   fonts::font(fonts::kSong, 18, true), this);
    closeButton->setMinimumSize(fonts::px(160), fonts::px(56));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    m_speakButton = makeButton(QStringLiteral("SpeakButton"), QStringLiteral("朗读"),
                               fonts::font(fonts::kSong, 18, true), this);
    m_speakButton->setMinimumSize(fonts::px(160), fonts::px(56));
    m_speakButton->setVisible(false);
    connect(m_speakButton, &QPushButton::clicked, this, &ShowText1::speakText);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(fonts::px(24));
    buttons->addStretch();
    buttons->addWidget(m_speakButton);
    buttons->addWidget(closeButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, fonts::px(8));
    layout->setSpacing(fonts::px(8));
    layout->addWidget(Text1, 1);
    layout->addLayout(buttons);
    resize(fonts::px(900), fonts::px(560));

    // Load step: the usage text, naming the default data file.
    readme1 = messages::usageText(dataFolder);
    m_spokenSource = readme1;
    Text1->setPlainText(toWidgetText(readme1));
}

ShowText1::~ShowText1() = default;

void ShowText1::ShowTextWord(QString& TextWrod1)
{
    if (TextWrod1.isEmpty())
        return;
    m_spokenSource = TextWrod1;
    // The window stays loaded between messages: the reading size may have changed since.
    if (const QFont reading = readingFont(); Text1->font() != reading)
        Text1->setFont(reading);
    TextWrod1 = messages::brToLineBreaks(TextWrod1);
    setShownText(toWidgetText(TextWrod1));
    run();
}

void ShowText1::setShownText(const QString& widgetText)
{
    m_wholeText.reset();  // a text still being built is not wanted any more
    const qsizetype head = lengthOfLines(widgetText, kLinesAtOnce);
    useDocument(makePlainDocument(widgetText.left(head), Text1->font()), false);
    if (head == widgetText.size())
        return;
    m_wholeText = std::make_unique<BackgroundDocument>([widgetText] { return widgetText; },
                                                       Text1->font());
    connect(m_wholeText.get(), &BackgroundDocument::ready, this, &ShowText1::useWholeText);
}

void ShowText1::useWholeText()
{
    if (!m_wholeText)
        return;
    QTextDocument* whole = m_wholeText->takeDocument();
    m_wholeText.reset();
    if (whole)
        useDocument(whole, true);
}

void ShowText1::useDocument(QTextDocument* document, bool keepScroll)
{
    const int top = keepScroll ? Text1->verticalScrollBar()->value() : 0;
    replaceDocument(Text1, document);
    Text1->verticalScrollBar()->setValue(top);
}

void ShowText1::showCurrent()
{
    run();
}

void ShowText1::run()
{
    m_speakButton->setVisible(m_speaker && m_speaker->enabled());
    exec();
}

void ShowText1::speakText()
{
    if (m_speaker)
        m_speaker->say(speech::messageText(m_spokenSource));
}

void ShowText1::hideEvent(QHideEvent* event)
{
    if (m_speaker)
        m_speaker->stop();
    SecondaryWindow::hideEvent(event);
}

bool ShowText1::hidesOnKey(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space && event->key() != Qt::Key_Escape)
        return false;
    hide();
    return true;
}

void ShowText1::keyPressEvent(QKeyEvent* event)
{
    if (!hidesOnKey(event))
        SecondaryWindow::keyPressEvent(event);
}

bool ShowText1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        if (hidesOnKey(static_cast<QKeyEvent*>(event)))
            return true;
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == Text1->viewport()) {
        hide();
        return true;
    }
    return SecondaryWindow::eventFilter(watched, event);
}
