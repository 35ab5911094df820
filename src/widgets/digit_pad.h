// The on-screen digit pad of the windows that take numbers.
#pragma once

#include "tickets/digit_set.h"

#include <QFont>
#include <QFrame>
#include <QSize>
#include <QString>
#include <array>

class QPushButton;

// How a pad looks. The standard look (standardDigitPadLook) is the one of the row editor,
// the counter dialog and the prize amounts; the generator keeps its own smaller keys and
// has no delete key, since its fields take one digit each.
struct DigitPadLook {
    QString frameName;
    QFont digitFont;
    QSize digitSize;         // design pixels
    bool eraseKey = true;    // "Command4" ("←") after the digits
    int spacing = 4;
    bool stretchDigits = false;  // the digits share the pad's width
};
DigitPadLook standardDigitPadLook();

// A frame with the buttons "Command3(0)" … "Command3(9)" in a row and, in the standard
// look, the delete key "Command4". The buttons never take the focus, so the field being
// filled keeps its caret.
class DigitPad : public QFrame {
    Q_OBJECT
public:
    explicit DigitPad(QWidget* parent);
    DigitPad(const DigitPadLook& look, QWidget* parent);

    const std::array<QPushButton*, 10>& digitKeys() const { return m_digits; }
    // The delete key; nullptr in a look without one.
    QPushButton* eraseKey() const { return m_erase; }

    // Enables the digit keys that `offered` holds, and disables the others.
    void offer(const tickets::DigitSet& offered);
    // The digit keys enabled now.
    tickets::DigitSet offered() const;

signals:
    void digitPressed(int digit);
    void erasePressed();

private:
    std::array<QPushButton*, 10> m_digits{};
    QPushButton* m_erase = nullptr;
};
