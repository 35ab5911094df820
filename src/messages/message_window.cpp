#include "messages/message_window.h"

#include "messages/message_text.h"
#include "widgets/fonts.h"

#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ShowText1::ShowText1(const QString& dataFolder, QWidget* parent) : SecondaryWindow(parent)
{
    setObjectName(QStringLiteral("ShowText1"));
    setWindowTitle(QStringLiteral("HELP - (关闭:双击文字/ESC键/空格键)"));
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setFont(fonts::font(fonts::kSong, 18));
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setPlainText(QStringLiteral("说明\n"));
    Text1->installEventFilter(this);
    Text1->viewport()->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text1);
    resize(fonts::px(900), fonts::px(560));

    // Load step: the usage text, naming the default data file.
    readme1 = messages::usageText(dataFolder);
    Text1->setPlainText(toWidgetText(readme1));
}

void ShowText1::ShowTextWord(QString& TextWrod1)
{
    if (TextWrod1.isEmpty())
        return;
    TextWrod1 = messages::brToLineBreaks(TextWrod1);
    Text1->setPlainText(toWidgetText(TextWrod1));
    exec();
}

void ShowText1::showCurrent()
{
    exec();
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
