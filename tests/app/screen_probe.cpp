// Starts the program as main() does, on whatever screen the platform gives it, opens its
// windows in turn and prints where they and the controls a user must reach lie:
//   screen X Y W H          the available area
//   scale S                 the scale of fonts and pixel sizes chosen for the screen
//   NAME X Y W H            a control or window, in screen coordinates
//   lines N                 whole lines the ticket box shows
//   font WINDOW PT WHAT     the smallest text a user reads in a window, in points
//   tap WINDOW W H WHAT     the smallest control a user taps in a window, in pixels
//   checkmark N             the size of a check box's mark, in pixels
// With "--frames" it also prints "window NAME ID" for each window once the window manager
// has framed it, and waits for a line on standard input before it goes on. With
// "--pictures FOLDER" it writes a picture of the whole screen, frames included, for each
// window into FOLDER (NAME.png). Any other argument names a PNG file for a picture of the
// main window.
#include "app/main_window.h"
#include "app/session_ticket_feed.h"
#include "archive/archive_window.h"
#include "bench/bench_support.h"
#include "editing/count_dialog_window.h"
#include "editing/row_editor_window.h"
#include "generator/generator_window.h"
#include "history/draw_history_window.h"
#include "history/trend_chart_window.h"
#include "messages/message_window.h"
#include "printing/document_window.h"
#include "printing/order_sheet.h"
#include "support/test_support.h"
#include "tickets/multi_ticket_window.h"
#include "widgets/fonts.h"
#include "widgets/qt_chinese.h"
#include "widgets/screen_placement.h"
#include "widgets/ticket_box.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStandardItemModel>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTextEdit>
#include <QTextStream>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <functional>
#include <limits>
#include <optional>

namespace {

QTextStream out(stdout);
bool g_frames = false;
QString g_pictures;  // folder for pictures of the screen, or empty

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void report(const QString& name, const QRect& r)
{
    out << name << ' ' << r.x() << ' ' << r.y() << ' ' << r.width() << ' ' << r.height() << '\n';
}

void reportWidget(QWidget* w)
{
    report(w->objectName(), QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

QString describe(const QWidget* w)
{
    const QString name = w->objectName();
    return QString::fromLatin1(w->metaObject()->className())
           + (name.isEmpty() ? QString() : QLatin1Char('/') + name);
}

double pointsOf(const QFont& font, const QWidget* w)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() * 72.0 / w->logicalDpiY();
}

// The font of the text a widget shows, if it shows any.
std::optional<QFont> shownFont(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text().trimmed().isEmpty() ? std::nullopt : std::optional(w->font());
    if (const auto* tool = qobject_cast<const QToolButton*>(w))
        return tool->toolButtonStyle() == Qt::ToolButtonIconOnly || tool->text().isEmpty()
                   ? std::nullopt : std::optional(w->font());
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text().trimmed().isEmpty() ? std::nullopt : std::optional(w->font());
    if (const auto* edit = qobject_cast<const QTextEdit*>(w))
        return edit->document()->defaultFont();
    if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
        if (qobject_cast<const QHeaderView*>(w))
            return w->font();
        return view->model() && view->model()->rowCount(view->rootIndex()) > 0
                   ? std::optional(w->font()) : std::nullopt;
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title().isEmpty() ? std::nullopt : std::optional(w->font());
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QComboBox*>(w) || qobject_cast<const QPlainTextEdit*>(w)
        || qobject_cast<const QMenuBar*>(w) || qobject_cast<const QMenu*>(w)
        || qobject_cast<const QTabBar*>(w))
        return w->font();
    return std::nullopt;
}

bool insideCompound(const QWidget* w)
{
    const QWidget* p = w->parentWidget();
    return p && (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p));
}

// The places a user taps on a widget.
QList<QSize> tapSizes(const QWidget* w)
{
    QList<QSize> sizes;
    if (const auto* bar = qobject_cast<const QMenuBar*>(w)) {
        for (QAction* a : bar->actions())
            if (a->isVisible())
                sizes << bar->actionGeometry(a).size();
    } else if (const auto* menu = qobject_cast<const QMenu*>(w)) {
        for (QAction* a : menu->actions())
            if (a->isVisible() && !a->isSeparator() && a->isEnabled())
                sizes << menu->actionGeometry(a).size();
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i)
            sizes << tabs->tabRect(i).size();
    } else if (const auto* header = qobject_cast<const QHeaderView*>(w)) {
        if (header->sectionsClickable() && header->count() > 0)
            sizes << QSize(header->sectionSize(header->logicalIndex(0)), header->height());
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
        const QModelIndex first =
            view->model() ? view->model()->index(0, 0, view->rootIndex()) : QModelIndex();
        if (first.isValid())
            sizes << QSize(view->viewport()->width(), view->visualRect(first).height());
    } else if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w)
               || qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QScrollBar*>(w)
               || qobject_cast<const QSlider*>(w)
               || (qobject_cast<const QLineEdit*>(w) && !insideCompound(w))) {
        sizes << w->size();
    }
    return sizes;
}

// The smallest text and the smallest tap of a window, over its visible widgets.
void surveyWindow(QWidget* window, const QString& name)
{
    double points = std::numeric_limits<double>::max();
    QString fontWhat;
    QSize tap;
    QString tapWhat;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisible() || w->width() <= 0 || w->height() <= 0)
            continue;
        if (w != window && w->isWindow())
            continue;
        if (const std::optional<QFont> font = shownFont(w)) {
            const double p = pointsOf(*font, w);
            if (p < points) {
                points = p;
                fontWhat = describe(w);
            }
        }
        for (const QSize& s : tapSizes(w)) {
            if (tapWhat.isEmpty() || std::min(s.width(), s.height()) < std::min(tap.width(), tap.height())) {
                tap = s;
                tapWhat = describe(w);
            }
        }
    }
    if (!fontWhat.isEmpty())
        out << "font " << name << ' ' << QString::number(points, 'f', 2) << ' ' << fontWhat << '\n';
    if (!tapWhat.isEmpty())
        out << "tap " << name << ' ' << tap.width() << ' ' << tap.height() << ' ' << tapWhat << '\n';
}

// Under a window manager: waits until it has framed the window (at most three seconds)
// and the program has had its chance to place the frame.
void waitForFrame(QWidget* window)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000 && window->frameGeometry() == window->geometry())
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QElapsedTimer rest;
    rest.start();
    while (rest.elapsed() < 300)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// Reports a shown window; with --frames, names its native window and waits for the go-ahead.
void visit(QWidget* window, const QString& name)
{
    settle();
    if (g_frames || !g_pictures.isEmpty())
        waitForFrame(window);
    if (!g_pictures.isEmpty())
        window->screen()->grabWindow(0).save(QDir(g_pictures).filePath(name + QStringLiteral(".png")));
    report(name, QRect(window->mapToGlobal(QPoint(0, 0)), window->size()));
    surveyWindow(window, name);
    if (g_frames && window->windowType() != Qt::Popup) {
        out << "window " << name << ' ' << window->winId() << '\n';
        out.flush();
        QTextStream(stdin).readLine();
    }
    out.flush();
}

// Shows a window as its opener would (without waiting in it), reports it, hides it.
void reportShown(QWidget* window, const QString& name)
{
    window->show();
    visit(window, name);
    window->hide();
}

// Reports the modal window `open` shows, then hides it (which answers a question with No).
void reportModal(const QString& name, const std::function<void()>& open)
{
    QTimer::singleShot(0, [name] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            visit(w, name);
            w->hide();
        }
    });
    open();
}

void reportMenus(Form1& form)
{
    QMenuBar* bar = form.menuBar();
    for (QAction* entry : bar->actions()) {
        QMenu* menu = entry->menu();
        if (!menu)
            continue;
        menu->popup(bar->mapToGlobal(bar->actionGeometry(entry).bottomLeft()));
        visit(menu, QStringLiteral("menu-") + menu->objectName());
        menu->hide();
    }
}

void reportDrawHistory(Form1& form, const TestFolder& folder)
{
    folder.write(QStringLiteral("draws.txt"),
                 QStringLiteral("05 08 09 15 17 25 31 2026/11/24 21:32:10\r\n"
                                "01 07 14 25 29 31 32 2026/11/27 21:40:55\r\n"));
    auto* window = new DrawHistory1(form.session(), &form);
    window->setModal(false);
    window->show();
    auto* model = qobject_cast<QStandardItemModel*>(window->DrawList->model());
    model->item(0, 0)->setData(Qt::Checked, Qt::CheckStateRole);
    window->CheckDraws->click();
    visit(window, QStringLiteral("DrawHistory1"));
    window->close();
}

void reportTrendChart(Form1& form)
{
    QRandomGenerator random(36);
    std::vector<history::ChartDraw> draws;
    for (const history::Draw& d : bench::randomDraws(40, random))
        draws.push_back({QString::number(2026001 + int(draws.size())), d});
    auto* window = new TrendChart1(std::move(draws), &form);
    window->setModal(false);
    window->show();
    visit(window, QStringLiteral("TrendChart1"));
    window->close();
}

void reportMultiTicket(Form1& form)
{
    SessionTicketFeed feed(form.session());
    QPointer<MultiTicket1> window = new MultiTicket1(feed, &form);
    window->setModal(false);
    window->show();
    visit(window, QStringLiteral("MultiTicket1"));
    delete window;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    qtChinese::install();
    screens::fitWindowsToScreen();
    QString picture;
    QString fontSize;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--frames") == 0)
            g_frames = true;
        else if (qstrcmp(argv[i], "--pictures") == 0 && i + 1 < argc)
            g_pictures = QString::fromLocal8Bit(argv[++i]);
        else if (qstrcmp(argv[i], "--font-size") == 0 && i + 1 < argc)
            fontSize = QString::fromLocal8Bit(argv[++i]);
        else
            picture = QString::fromLocal8Bit(argv[i]);
    }

    StartedForm started;
    started.folder.write(QStringLiteral("Save00.txt"),
                 QStringLiteral("05 08 09 15 17 25 32 \r\n01 07 14 25 29 31 32 \r\n"
                                "01 18 24 25 26 28 29 \r\n01 02 07 15 21 33 34 \r\n"));
    if (!fontSize.isEmpty())
        started.folder.write(QStringLiteral("settings.txt"), QStringLiteral("fontSize=%1\r\n").arg(fontSize));
    Form1& form = started.start();
    settle();

    report(QStringLiteral("screen"), form.screen()->availableGeometry());
    out << "scale " << fonts::scale() << '\n';
    for (int i = 1; i <= 36; ++i)
        reportWidget(form.num1[i]);
    for (QWidget* w : {static_cast<QWidget*>(form.Command5), static_cast<QWidget*>(form.Command1),
                       static_cast<QWidget*>(form.Text88)})
        reportWidget(w);
    out << "lines " << form.Text88->viewport()->height() / form.Text88->fontMetrics().lineSpacing()
        << '\n';
    if (!picture.isEmpty())
        form.grab().save(picture);
    visit(&form, QStringLiteral("Form1"));
    reportMenus(form);

    reportShown(&form.messageWindow(), QStringLiteral("ShowText1"));
    reportShown(&form.archiveWindow(), QStringLiteral("Load2"));
    reportShown(&form.generatorWindow(), QStringLiteral("AutoCode1"));
    reportShown(&form.rowEditorWindow(), QStringLiteral("editX1"));
    reportShown(&form.countDialog(), QStringLiteral("editLV"));
    reportDrawHistory(form, started.folder);
    reportTrendChart(form);
    reportMultiTicket(form);

    // One more number than the slot holds: the exit asks first.
    const QString saved = form.Text88->crlfText();
    form.Text88->setCrlfText(saved + QStringLiteral("\r\n09 "));
    reportModal(QStringLiteral("ExitGuard"), [&] { form.close(); });
    form.Text88->setCrlfText(saved);

    // The print's document window as a print opens it, above the main window; with
    // --frames the main window is raised first, which must leave it below.
    DocumentWindow document(&form);
    document.show();
    document.setInsertionFontName(printing::kSheetFace);
    document.setInsertionFontSize(printing::kSheetPoints);
    document.insertText(printing::documentText(printing::layOutSheet(saved),
                                               QStringLiteral("2026/12/8 9:30:00")));
    if (g_frames || !g_pictures.isEmpty()) {
        waitForFrame(&document);
        form.raise();
        form.activateWindow();
    }
    visit(&document, QStringLiteral("PrintDocument"));
    reportModal(QStringLiteral("PrintPreview"), [&] { document.showPreview(); });
    QPrinter printer;
    QPrintDialog printDialog(&printer, &document);
    reportShown(&printDialog, QStringLiteral("PrintDialog"));
    QFileDialog fileDialog(&document, QStringLiteral("导出PDF"));
    reportShown(&fileDialog, QStringLiteral("FileDialog"));
    document.hide();
    out << "font ToolTip " << QString::number(pointsOf(QToolTip::font(), &form), 'f', 2)
        << " QToolTip\n";
    out << "checkmark " << form.style()->pixelMetric(QStyle::PM_IndicatorWidth) << '\n';

    form.SaveOK = form.Text88->crlfText();  // no exit question
    out.flush();
    return 0;
}
