// Screenshots of every window for people to look at (./dev shot, under Xvfb).
// Each subsystem adds its windows in its own file.
#pragma once

#include <QString>
#include <functional>

class Form1;
class QWidget;

struct ShotContext {
    QString outFolder;  // where the PNG files go
    QString appFolder;  // the program's folder for this run (temporary, with sample slots)
    // Writes a PNG of the window (shown, laid out, painted) as outFolder/name.png.
    std::function<void(QWidget* window, const QString& name)> shoot;
    // Shows a modal window from `open`, shoots the active modal window as `name`, closes it.
    std::function<void(const QString& name, const std::function<void()>& open)> shootModal;
};

void shootMainWindows(Form1& form, ShotContext& ctx);      // main window, message window
void shootArchiveWindows(Form1& form, ShotContext& ctx);   // Load2 in both modes
void shootGeneratorWindows(Form1& form, ShotContext& ctx); // AutoCode1
void shootEditingWindows(Form1& form, ShotContext& ctx);   // editX1, editLV
void shootPrintingWindows(Form1& form, ShotContext& ctx);  // the document window
void shootScreenSizes(Form1& form, ShotContext& ctx);      // the main window on a scaled laptop
void shootIcon(Form1& form, ShotContext& ctx);              // the program's icon, 256 pixels
void shootQuestions(Form1& form, ShotContext& ctx);        // Yes/No questions on unsaved lines
void shootPrintViews(Form1& form, ShotContext& ctx);       // zoomed document, print preview
void shootHistoryWindows(Form1& form, ShotContext& ctx);   // DrawHistory1 with a filled grid
void shootRefusedSlot(Form1& form, ShotContext& ctx);       // a slot file that is not text
void shootTicketMarks(Form1& form, ShotContext& ctx);       // the box after checks: rows and marks
void shootDataFolderQuestions(Form1& form, ShotContext& ctx); // a second copy; slots beside the program
void shootTrendChart(Form1& form, ShotContext& ctx);          // the trend chart: 30 draws; 500, and scrolled right
void shootMultiTicket(Form1& form, ShotContext& ctx);         // a banker ticket; its lines checked, with their money
