#pragma once
// The sequential settings window: the givens and targets, event lags and their count, the
// direction, grouping and the within-level comparison. Its handlers go to SequenceSession,
// which runs the pairings, the search and the setup files; after a run or Cancel it is
// hidden, not unloaded, so the next sequential analysis finds its lists as they were.

#include "platform/Platform.h"
#include "platform/Random.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/core/Global.h"
#include "workstation/sequential/SequenceSession.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace ws {

class Sequence : public QDialog, private SequenceView {
    Q_OBJECT

public:
    // `anal` is the analysis dialog that shows the run's status; `unloadAnal` closes it.
    Sequence(Global& g, platform::Platform& p, platform::Random& random, AnalysisStatus& anal,
             std::function<void()> unloadAnal, QWidget* parent = nullptr);

    // What the analysis runner calls: loads the window on its first showing, starts a run
    // by itself where a list of lists repeats it, else shows the window modally.
    void showForRun();
    // A new analysis begins: no run or search may start by itself from an earlier one.
    void newAnalysis();
    // Hides the window and puts its controls back as they are before it loads.
    void unload();
    bool loaded() const { return loaded_; }

    // Returns false when the window refused the list and unloaded itself.
    bool Form_Load();
    void Add1_Click();
    void Add2_Click();
    void Del1_Click();
    void Del2_Click();
    void List2_DblClick() { Add1_Click(); }
    void List3_DblClick() { Add2_Click(); }
    void SwapBtn_Click();
    void Check4_Click();
    void Check5_Click();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void GoForIt_Click();
    void GoForIt_GotFocus();
    void SearchBtn_GotFocus();
    void Cancel_Click();
    void SearchBtn_Click();
    void NewFile_Click();
    void FileOpen_Click();
    void FileSave_Click();
    void FileSaveAs_Click();
    void FileExit_Click();

    const SequentialRun& run() const { return session_.run(); }
    const SequenceSession& session() const { return session_; }

    void reject() override; // Escape: the Cancel button

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QMenuBar* buildFileMenu();
    void resetControls();
    void addTo(QListWidget& destination);
    void removeFrom(QListWidget& destination);
    // SequenceView
    SequenceControls controls() const override;
    void clearLists() override;
    void showSetup(const SeqSetup& setup) override;
    // Runs a handler of the person's, telling them of any failure instead of ending.
    template <class Handler> void guarded(Handler&& handler);

    Global& g_;
    platform::Platform& p_;
    AnalysisStatus& anal_;
    std::function<void()> unloadAnal_;
    SequenceSession session_;
    bool loaded_ = false;
    std::int16_t goForItFocus_ = 0;
    std::int16_t searchFocus_ = 0;
    bool hiddenByGoForIt_ = false; // the focus was on "&Go For It!" when the window was hidden

    QLabel* Label4 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* GivenLabel = nullptr;
    QListWidget* List2 = nullptr;
    QLabel* TargLabel = nullptr;
    QListWidget* List3 = nullptr;
    QPushButton* Add1 = nullptr;
    QPushButton* Del1 = nullptr;
    QPushButton* Add2 = nullptr;
    QPushButton* Del2 = nullptr;
    QPushButton* SwapBtn = nullptr;
    QPushButton* SearchBtn = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check6 = nullptr;
    QCheckBox* Check4 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QCheckBox* Check5 = nullptr;
    QComboBox* Combo1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLabel* Label3 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 3> Option5{};
    std::array<QCheckBox*, 6> Check7{};
    QPushButton* GoForIt = nullptr;
    QPushButton* Cancel = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* DragLabel = nullptr;
};

} // namespace ws
