#pragma once
// A small warning with a box to suppress further warnings.

#include "videocoder/core/Globals.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vc {

class Warningbox : public QDialog {
    Q_OBJECT
public:
    explicit Warningbox(CodingState& coding, QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();

    QLabel* Label1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;

private:
    CodingState& coding_;
};

} // namespace vc
