#pragma once
// The options dialog "Vintrosa Options": three tab pages of check boxes, option buttons, text
// boxes and labels over the OptionsForm logic, which holds their values and rules.

#include "videocoder/core/OptionsForm.h"

#include <QDialog>

#include <map>

class QAbstractButton;
class QButtonGroup;
class QTabWidget;

namespace vc {

class frmOptions : public QDialog {
    Q_OBJECT
public:
    frmOptions(OptionsForm& form, platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // Loads the form and shows its values (before each showing).
    void Form_Load();
    // The widgets show the form's values, visibility and tab.
    void showControls();
    // The form takes the widgets' values.
    void takeControls();

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void clicked(const std::string& control);
    void guarded(const std::function<void()>& handler);

    OptionsForm& form_;
    platform::Dialogs& dialogs_;
    QTabWidget* tabs_ = nullptr;
    std::map<std::string, QWidget*> widgets_;     // by control name
    std::map<std::string, QButtonGroup*> arrays_; // option arrays by name
};

} // namespace vc
