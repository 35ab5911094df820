// DrawHistory1: the draws the user has checked with or imported, newest first. A draw can
// be put back into the draw line or deleted; the ticket box can be checked against every
// ticked draw at once, one grid row per winning line and one column per draw. Past draws
// are pasted or read from a text file, and the history is exported as text.
#pragma once

#include "history/draw_history.h"
#include "history/multi_draw_check.h"
#include "widgets/secondary_window.h"

#include <vector>

class Session;
class QModelIndex;
class QPlainTextEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class ResultGridModel;

class DrawHistory1 : public SecondaryWindow {
    Q_OBJECT
public:
    explicit DrawHistory1(Session& session, QWidget* parent = nullptr);

    // What the user must be told about the file as it was read ("" for nothing).
    QString loadMessage() const { return m_loadMessage; }

    QTableView* DrawList = nullptr;
    QPushButton* UseDraw = nullptr;
    QPushButton* DeleteDraw = nullptr;
    QPushButton* CheckDraws = nullptr;
    QPushButton* CloseHistory = nullptr;
    QPushButton* PasteDraws = nullptr;
    QPushButton* ImportDraws = nullptr;
    QPushButton* ExportDraws = nullptr;
    QPushButton* PrizeAmounts = nullptr;
    QTableView* ResultGrid = nullptr;
    QPlainTextEdit* ResultSummary = nullptr;

    // What the import and export buttons do once the file is chosen.
    void importFile(const QString& path);
    void exportTo(const QString& path);

private:
    void buildControls();
    void fillDrawList();
    void DrawList_Click(const QModelIndex& index);
    void UseDraw_Click();
    void DeleteDraw_Click();
    void CheckDraws_Click();
    void PasteDraws_Click();
    void ImportDraws_Click();
    void ExportDraws_Click();
    void PrizeAmounts_Click();
    void importText(const QString& text);

    // The history entry of the current row, or -1 (after telling the user) when none.
    int currentEntry();
    void clearResult();
    void sizeResultColumns();

    Session& m_session;
    history::History m_history;
    bool m_writable = true;      // false when the file exists but could not be read
    QString m_loadMessage;
    std::vector<int> m_rowEntry;  // history entry of each list row
    QStandardItemModel* m_drawModel = nullptr;
    ResultGridModel* m_resultModel = nullptr;
};

namespace history {
// Adds the main window's draw line to the history after a check; a failed write is
// reported to the user and changes nothing else. `atCheck` is the history as
// historyAtCheck read it when the check began.
void rememberCheckedDraw(Session& session, LoadResult atCheck);
// The history a check reads once, for the draw's announced amounts and to remember the
// draw; nothing is read when the draw line holds no complete draw.
LoadResult historyAtCheck(const Session& session);
}  // namespace history
