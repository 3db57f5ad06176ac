#pragma once
// "TALVOR Preferences": the settings on four tabs, the code set and helper programs, the
// input format and its import settings, the continuous-variable rules. Hidden and reset when
// closed, never destroyed, so a handler of it may still be running.

#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/core/OptionsControls.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace ws {

class VTRSSettings;
class ODFSettings;
class DORUSettings;
class FGCont;

class frmOptions : public QDialog {
    Q_OBJECT

public:
    // saveSettings stores every setting (with the main window's placement); unset, nothing is stored.
    frmOptions(Global& g, platform::Platform& p, std::function<void()> saveSettings,
               QWidget* parent = nullptr);
    ~frmOptions() override;

    // Loads the dialog afresh and shows it modally; returns when it has closed.
    void showDialog();

    void Form_Load();
    void ShowOptions();
    // False, with a message naming the box, when a number does not fit; nothing is copied then.
    bool ApplyOptions();
    // The rules file beside the code set into the grid and into the rules the merge uses.
    void ReadContGrid();
    // The grid into the rules file; a failed save says so and nothing else happens.
    void SaveContGrid();
    void tbsOptions_Click();
    void Check2_Click();
    void Check3_Click();
    void Option1_Click();
    void VTRSBtn_Click();
    void Choose_Btn_Click(int index);
    void Command1_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    OptionsControls controls() const;
    VTRSSettings& vtrsSettings() { return *vtrs_; }
    ODFSettings& odfSettings() { return *odf_; }
    DORUSettings& doruSettings() { return *doru_; }

    QTabBar* tbsOptions = nullptr;
    std::array<QWidget*, 4> picOptions{};
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check3 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Text1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 4> Option1{};
    QPushButton* VTRSBtn = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    std::array<QPushButton*, 3> Choose_Btn{};
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check2 = nullptr;
    QLabel* Label8 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text5 = nullptr;
    QCheckBox* Check5 = nullptr;
    QGroupBox* fraSample4 = nullptr;
    std::array<QCheckBox*, 5> ContCheck{};
    QPushButton* Command1 = nullptr;
    ws::FGCont* FGCont = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Hides and resets; the dialog is never destroyed under its own handlers.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    QWidget* buildGeneral();
    QWidget* buildHelpers();
    QWidget* buildCollector();
    QWidget* buildContinuous();
    void fillControls(const OptionsControls& c);
    // Why OK cannot save the rules: a cell the file cannot carry, or a rule whose code the
    // code set to be opened lacks.
    std::optional<std::string> rulesRefusal(const OptionsControls& c) const;
    // Ctrl+Tab alone: the next tab, the first after the last. True when handled.
    bool formKeyDown(const QKeyEvent& event);
    void unload(int result);

    Global& g_;
    platform::Platform& p_;
    std::function<void()> saveSettings_;
    std::unique_ptr<VTRSSettings> vtrs_;
    std::unique_ptr<ODFSettings> odf_;
    std::unique_ptr<DORUSettings> doru_;
};

} // namespace ws
