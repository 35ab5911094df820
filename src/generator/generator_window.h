// AutoCode1: the random ticket generator. Its fields hold the settings of one run and are
// keyed through its own digit pad; a one-second timer refills emptied fields and repairs
// inverted ranges while the user keys. "生成随机号码" replaces the main window's tickets
// with the new lines, saves them into the current slot and hides the window.
#pragma once

#include "generator/field_input.h"
#include "generator/generation.h"
#include "generator/settings.h"
#include "widgets/pad_line_edit.h"
#include "widgets/secondary_window.h"

#include <QElapsedTimer>
#include <array>
#include <memory>

class DigitPad;
class Session;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

class AutoCode1 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit AutoCode1(Session& session, QWidget* parent = nullptr);
    ~AutoCode1() override;

    // Code of the field being keyed (see generator/settings.h); 0 = none.
    qint16 ToText1 = 0;

    // ---- controls ----
    QLabel* Label1 = nullptr;
    QLabel* Label21 = nullptr;
    QLabel* Label2 = nullptr;
    PadLineEdit* AllBuy1 = nullptr;
    QLabel* Label3 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 8> rowLabel{};    // Label4, Label6, … Label16 at 1..7
    std::array<PadLineEdit*, 8> lowBox{};  // Text11 … Text71 at 1..7
    std::array<QLabel*, 8> dashLabel{};   // Label5, Label7, … Label17 at 1..7
    std::array<PadLineEdit*, 8> highBox{}; // Text12 … Text72 at 1..7
    std::array<QCheckBox*, 7> C1{};
    QLabel* Label18 = nullptr;
    PadLineEdit* NumSet1 = nullptr;
    QLabel* Label19 = nullptr;
    PadLineEdit* NumSet2 = nullptr;
    QLabel* Label22 = nullptr;
    PadLineEdit* ErrForNum = nullptr;
    QLabel* Label20 = nullptr;
    DigitPad* Frame2 = nullptr;
    std::array<QPushButton*, 10> Command3{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command4 = nullptr;
    QTimer* Timer1 = nullptr;

    // ---- handlers ----
    void Form_Load();
    void Command1_Click();   // generate
    void Command2_Click();   // restore defaults
    void Command4_Click();   // select-all "加强打散"
    void Timer1_Timer();
    void Command3_Click(int Index);
    void Field_Click(qint16 code);
    void AllBuy1_KeyDown();
    void Field_KeyDown();

    // The field with this code (nullptr for none).
    PadLineEdit* field(qint16 code) const;
    // Replaces the random source of the runs (tests use a scripted or seeded one).
    void setRandomSource(std::unique_ptr<generator::RandomSource> source);

protected:
    // The close button unloads the window, except while a run is painting its progress.
    void closeEvent(QCloseEvent* event) override;
    // The window stays loaded while hidden: its own text colours follow high contrast
    // each time it shows.
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void applyTextColours();
    void layoutControls();
    void connectHandlers();

    generator::SettingsTexts settingsTexts() const;
    void setSettingsTexts(const generator::SettingsTexts& texts);
    void noteClampedValue(qint16 code);

    void clearMainWindow();
    void runAutomatic(const generator::Settings& settings);
    void runCustom(const generator::Settings& settings);
    // Saves the lines, puts them into the main window and writes the status line;
    // returns whether they were saved.
    bool handOver(const generator::Output& out, const QString& savedLead,
                  const QString& unsavedLead);
    // Sets a progress caption; now and then lets the windows paint (no user input).
    void showProgress(const QString& caption);

    Session& m_session;
    QButtonGroup* m_modes = nullptr;
    std::unique_ptr<generator::RandomSource> m_random;
    bool m_running = false;
    QElapsedTimer m_paintClock;
};
