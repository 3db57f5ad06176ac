#pragma once
// The filter dialog: a string, and whether the rows holding it are shown or hidden. OK puts
// the string (as typed, perhaps empty) into gFilterText and the choice into gFilterMode;
// Cancel empties gFilterText, which the filter takes as nothing to do.

#include "videocoder/core/Globals.h"
#include "videocoder/core/windows/CentredDialog.h"

#include <array>

class QLineEdit;
class QRadioButton;

namespace vc {

class FilterFrm : public CentredDialog {
    Q_OBJECT

public:
    explicit FilterFrm(CodingState& coding, QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;
    std::array<QRadioButton*, 2> Option1{}; // "Are shown", "Are not shown"

    void Command1_Click();
    void Command2_Click();

private:
    CodingState& coding_;
};

} // namespace vc
