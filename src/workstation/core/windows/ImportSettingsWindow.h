#pragma once
// What the ODF and DORU import windows share: an explanation, three check boxes (the first
// keeps the imported files) and an OK that only hides, so the options dialog reads the
// boxes back when it closes.

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace ws {

class ImportSettingsWindow : public QDialog {
    Q_OBJECT

public:
    void Form_Load();
    void Command2_Click();

    QCheckBox* Check3 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label1 = nullptr;

protected:
    ImportSettingsWindow(const char* name, const char* caption, const char* explanation, const char* check2,
                         const char* check1, QWidget* parent);
    // Makes the window tall enough for what its layout now shows at its width (rows shown
    // later must not squeeze the wrapped explanation). It never shrinks the window.
    void growToFit();
    // Label1, Check3, Check2, Check1, Command2 from the top.
    QVBoxLayout* layout_ = nullptr;
};

} // namespace ws
