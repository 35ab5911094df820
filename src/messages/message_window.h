// ShowText1: the one message window. ShowTextWord shows a "BR" text modally; Space, Esc
// or a double-click on the text hide the window (it keeps its text), the close button
// unloads it (the next use shows the usage text again).
#pragma once

#include "widgets/widgets.h"

class QPlainTextEdit;

class ShowText1 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit ShowText1(const QString& dataFolder, QWidget* parent = nullptr);

    // Shows the message modally; on return TextWrod1 holds the converted text.
    // An empty message is not shown.
    void ShowTextWord(QString& TextWrod1);
    // Shows the window modally with whatever text it holds.
    void showCurrent();

    QPlainTextEdit* Text1 = nullptr;
    QString readme1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Space and Esc hide the window wherever the focus is.
    bool hidesOnKey(QKeyEvent* event);
};
