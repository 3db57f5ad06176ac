#pragma once
// The "File Recoder" window: the code set, the 'From' and 'To' lists, the mode, and the
// buttons that fill the lists and run FileRecode over them.

#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/tools/RecodeEvents.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace ws {

class Recode : public QDialog {
    Q_OBJECT

public:
    Recode(Global& g, platform::Platform& p, std::function<void(const std::string&)> showProgress,
           QWidget* parent = nullptr);

    // False when the window refused the run's list and unloaded itself.
    bool Form_Load();
    bool loaded() const { return loaded_; }
    // Whether "&Go for it!" ran since the window was last shown.
    void startShowing() { recodedThisShowing_ = false; }
    bool recodedThisShowing() const { return recodedThisShowing_; }

    void Command1_Click(); // "&1 Add"
    void Command2_Click(); // "&2 Del"
    void Command3_Click(); // "&3 Add"
    void Command4_Click(); // "&4 Del"
    void Command5_Click(); // "&Go for it!"
    void Command6_Click(); // "&Cancel"
    void Command7_Click(); // "Explain"
    void FileRecode();

    RecodeChoice choice() const;

private:
    void buildControls();
    void unload();
    void addSelectedCode(QListWidget& target);
    void deleteSelected(QListWidget& list);

    Global& g_;
    platform::Platform& p_;
    std::function<void(const std::string&)> showProgress_;
    bool loaded_ = false;
    bool recodedThisShowing_ = false;

    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QListWidget* List3 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command5 = nullptr;
};

} // namespace ws
