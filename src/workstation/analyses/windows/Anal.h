#pragma once
// The analysis dialog: input (one data file or a list), report destination, and the
// pick button that runs the analysis its title names. While a run goes on it shows the
// progress the analyses report through AnalysisStatus.

#include "platform/Platform.h"
#include "workstation/analyses/AnalysisRoutes.h"
#include "workstation/analyses/AnalysisStatus.h"
#include "workstation/analyses/ReportRemoval.h"
#include "workstation/analyses/RunAnalysis.h"
#include "workstation/core/Global.h"

#include <QDialog>

#include <functional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace ws {

class Anal : public QDialog, public AnalysisStatus {
    Q_OBJECT

public:
    Anal(Global& g, platform::Platform& p, AnalysisRoutes& routes, QWidget* parent = nullptr);

    // The title that tells the runner which analysis to run (Label1).
    void setTitle(const std::string& text) { setLabel(text); }
    // What "Prefs..." opens (the options window, wired by the program).
    void setShowOptions(std::function<void()> showOptions) { showOptions_ = std::move(showOptions); }
    void setRemoveReport(RemoveReport removeReport) { removeReport_ = std::move(removeReport); }

    // What the controls say now, as the runner takes it.
    AnalysisChoices choices() const;

    void Form_Load();
    void Form_Unload();
    void Option1_GotFocus();
    void Option4_GotFocus();
    void Option5_GotFocus();
    void Option6_GotFocus();
    void Option7_GotFocus();
    void Option7_LostFocus();
    void OutPrefs_Click();
    void Doit_Btn_Click();
    void Cancel_Btn_Click();

    // AnalysisStatus
    void setLabel(const std::string& text) override;
    std::string label() const override;
    void redraw() override;
    void showProgress(bool visible) override;
    void setProgress(int percent) override;
    void enablePick(bool enabled) override;
    void setBusy(bool busy) override;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void keepFixedSize();
    // Closing the dialog keeps the object (a handler of it may still be running) and
    // puts its controls back as they are when it loads.
    void unload(int result);
    void resetControls();
    void hideNamedReport();

    Global& g_;
    platform::Platform& p_;
    AnalysisRoutes& routes_;
    std::function<void()> showOptions_;
    RemoveReport removeReport_ = removeReportFile;
    bool busy_ = false;

    QLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option4 = nullptr;
    QCheckBox* Check1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QRadioButton* Option5 = nullptr;
    QRadioButton* Option6 = nullptr;
    QRadioButton* Option7 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* OutPrefs = nullptr;
    QPushButton* Doit_Btn = nullptr;
    QPushButton* Cancel_Btn = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
};

} // namespace ws
