// ShowText1: the one message window. ShowTextWord shows a "BR" text modally; Space, Esc,
// a double-click on the text or a tap on "关闭" hide the window (it keeps its text), the
// title bar's close button unloads it (the next use shows the usage text again).
#pragma once

#include "widgets/secondary_window.h"

#include <memory>

class QPlainTextEdit;
class QTextDocument;
class BackgroundDocument;
class QPushButton;
namespace speech {
class Speaker;
}

class ShowText1 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit ShowText1(const QString& dataFolder, QWidget* parent = nullptr);
    ~ShowText1() override;

    // Shows the message modally; on return TextWrod1 holds the converted text.
    // An empty message is not shown.
    void ShowTextWord(QString& TextWrod1);
    // Shows the window modally with whatever text it holds.
    void showCurrent();

    // The voice of "朗读" (SpeakButton), shown while read aloud is on; speaking stops
    // when the window closes.
    void setSpeaker(speech::Speaker* speaker) { m_speaker = speaker; }

    // Text1 holds the whole of the last text (a long one follows its first lines shortly).
    bool holdsWholeText() const { return !m_wholeText; }

    QPlainTextEdit* Text1 = nullptr;
    QString readme1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Space and Esc hide the window wherever the focus is.
    bool hidesOnKey(QKeyEvent* event);
    // Puts a text ("\n" between lines) into Text1. A long one shows its first lines at
    // once; the whole text follows from a worker thread a moment later.
    void setShownText(const QString& widgetText);
    // Makes `document` Text1's document, at the top or where the old one was scrolled to.
    void useDocument(QTextDocument* document, bool keepScroll);
    void useWholeText();
    // Shows the window modally, with "朗读" while read aloud is on.
    void run();
    void speakText();

    QString m_spokenSource;  // the message as given, "BR" and all
    speech::Speaker* m_speaker = nullptr;
    QPushButton* m_speakButton = nullptr;
    std::unique_ptr<BackgroundDocument> m_wholeText;  // the long text still being built
};
