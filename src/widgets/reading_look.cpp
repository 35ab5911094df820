#include "widgets/reading_look.h"

#include <QApplication>
#include <QPalette>
#include <cmath>
#include <optional>

namespace look {

namespace {

struct State {
    bool highContrast = false;
    int readingPercent = 100;
    std::optional<QPalette> systemPalette;  // kept at the first switch, to switch back
};

State& state()
{
    static State s;
    return s;
}

// Black on white; the disabled texts stay at 7:1 on white and on the button face.
QPalette highContrastPalette()
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor dimmed(0x4D, 0x4D, 0x4D);
    QPalette p;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::AlternateBase,
                                               QPalette::Button, QPalette::ToolTipBase, QPalette::Light})
            p.setColor(group, role, white);
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                               QPalette::ToolTipText})
            p.setColor(group, role, disabled ? dimmed : black);
        for (const QPalette::ColorRole role : {QPalette::Dark, QPalette::Shadow, QPalette::Mid, QPalette::Highlight})
            p.setColor(group, role, black);
        p.setColor(group, QPalette::Midlight, QColor(0xE0, 0xE0, 0xE0));
        p.setColor(group, QPalette::HighlightedText, white);
        p.setColor(group, QPalette::BrightText, white);
        p.setColor(group, QPalette::PlaceholderText, dimmed);
        p.setColor(group, QPalette::Link, QColor(0x00, 0x00, 0x8B));
        p.setColor(group, QPalette::LinkVisited, QColor(0x4B, 0x00, 0x82));
    }
    return p;
}

}  // namespace

void setHighContrast(bool on)
{
    State& s = state();
    if (!s.systemPalette)
        s.systemPalette = QApplication::palette();
    s.highContrast = on;
    QApplication::setPalette(on ? highContrastPalette() : *s.systemPalette);
}

bool highContrast()
{
    return state().highContrast;
}

QColor textColour(const QColor& normal)
{
    return highContrast() ? QColor(Qt::black) : normal;
}

QColor backgroundColour(const QColor& normal)
{
    return highContrast() ? QColor(Qt::white) : normal;
}

void setReadingPercent(int percent)
{
    state().readingPercent = percent;
}

int readingPercent()
{
    return state().readingPercent;
}

QFont readingFont(QFont font)
{
    if (readingPercent() != 100)
        font.setPointSizeF(font.pointSizeF() * readingPercent() / 100.0);
    return font;
}

int readingWidth(int width)
{
    return int(std::lround(width * readingPercent() / 100.0));
}

}  // namespace look
