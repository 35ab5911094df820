// High contrast and the reading type's size: what the main window shows with them, and
// that they are remembered for the next start.
#include "app/main_window.h"
#include "generator/generator_window.h"
#include "messages/message_window.h"
#include "support/test_support.h"
#include "widgets/fonts.h"
#include "widgets/pad_line_edit.h"
#include "widgets/ticket_box.h"

#include <QAbstractButton>
#include <QAction>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <cmath>

class ReadingLookTest : public QObject {
    Q_OBJECT
private slots:
    void highContrastTextsAtSevenToOne();
    void remembered_data();
    void remembered();
};

namespace {

double luminance(QRgb rgb)
{
    auto channel = [](int c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text drawn in `rect`: its most common colour is the background, the
// colour farthest from it is the text (the inside of a stroke, never smoothed at 14 pt).
double textContrast(const QImage& image, const QRect& rect)
{
    QHash<QRgb, int> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            most = it.value(), background = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrast(background, it.key()));
    return best;
}

// A text to read: a letter or digit (a lone dash is a thin rule, never solid ink).
bool readable(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

// Every visible text control of `window` as drawn: text against its ground at 7:1 or more.
void requireSevenToOne(QWidget* window)
{
    const QImage image = window->grab().toImage();
    int texts = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const auto* field = qobject_cast<QLineEdit*>(w);
        const bool text = (label && readable(label->text())) || (button && readable(button->text()))
                          || (field && readable(field->text()));
        if (!text || !w->isVisibleTo(window))
            continue;
        ++texts;
        const QRect rect(w->mapTo(window, QPoint(0, 0)) * image.devicePixelRatio(),
                         w->size() * image.devicePixelRatio());
        const double ratio = textContrast(image, rect.adjusted(2, 2, -2, -2));
        QVERIFY2(ratio >= 7, qPrintable(QStringLiteral("%1: %2").arg(w->objectName()).arg(ratio)));
    }
    QVERIFY(texts > 10);
}

}  // namespace

void ReadingLookTest::highContrastTextsAtSevenToOne()
{
    StartedForm started;
    Form1& form = started.start();
    form.highContrast->trigger();
    form.Text0->setText(QStringLiteral("01 02 03 04 05 06 07 "));
    form.Text88->setCrlfText(QStringLiteral("01 02 03 04 10 11 07 \r\n01 02 03 04 05 06 08 \r\n20 21 22 "));
    ModalWatcher watcher;
    form.Command1_Click();
    requireSevenToOne(&form);
    // A secondary window with colours of its own.
    AutoCode1& generator = form.generatorWindow();
    generator.setModal(false);
    generator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&generator));
    requireSevenToOne(&generator);
    // The marks: each selection's text against its own background.
    int marked = 0;
    for (const QTextEdit::ExtraSelection& s : form.Text88->extraSelections()) {
        if (!s.format.hasProperty(QTextFormat::ForegroundBrush))
            continue;
        ++marked;
        QVERIFY(contrast(s.format.foreground().color().rgb(), s.format.background().color().rgb()) >= 7);
    }
    QCOMPARE(marked, 11);
}

void ReadingLookTest::remembered_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("highContrast");
    QTest::addColumn<int>("percent");
    QTest::newRow("none yet") << "" << false << 100;
    QTest::newRow("both chosen") << "highContrast=1\r\nfontSize=150\r\n" << true << 150;
}

void ReadingLookTest::remembered()
{
    QFETCH(QString, settings);
    QFETCH(bool, highContrast);
    QFETCH(int, percent);
    const double designPoints = [] {
        StartedForm plain;
        return plain.start().Text88->font().pointSizeF();
    }();
    StartedForm started;
    started.folder.write(QStringLiteral("settings.txt"), settings);
    Form1& form = started.start();
    QCOMPARE(form.highContrast->isChecked(), highContrast);
    QCOMPARE(form.centralWidget()->palette().color(QPalette::Window) == Qt::white, highContrast);
    QCOMPARE(qRound(form.Text88->font().pointSizeF() * 100 / designPoints), percent);
    QCOMPARE(qRound(form.Text0->font().pointSizeF() * 100 / 18 / fonts::scale()), percent);
    QVERIFY(form.findChild<QAction*>(QStringLiteral("fontSize%1").arg(percent))->isChecked());
    // Switched over, both are written for the next start; the message window, kept loaded,
    // takes the new size at its next message.
    ModalWatcher watcher;
    form.session().showMessage(QStringLiteral("中奖提示：BR共检查1行"));
    form.highContrast->trigger();
    form.fontSizeChoice[1]->trigger();
    form.session().showMessage(QStringLiteral("中奖提示：BR共检查1行"));
    QCOMPARE(qRound(form.messageWindow().Text1->font().pointSizeF() * 100 / 18 / fonts::scale()), 125);
    const QString written = started.folder.read(QStringLiteral("settings.txt"));
    QVERIFY(written.contains(QStringLiteral("fontSize=125")));
    QVERIFY(written.contains(highContrast ? QStringLiteral("highContrast=0") : QStringLiteral("highContrast=1")));
}

QTEST_MAIN(ReadingLookTest)
#include "tst_reading_look.moc"
