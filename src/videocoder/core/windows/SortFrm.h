#pragma once
// The sort dialog: a first and a second key, each "Time" or one of the groups 0 to 9, each
// ascending or descending. OK puts the choice into gSortKey1 and gSortKey2; Cancel sets
// nothing, so keys left Empty by the caller mean the dialog was cancelled.

#include "videocoder/core/Globals.h"
#include "videocoder/core/windows/CentredDialog.h"

#include <array>

class QComboBox;
class QRadioButton;

namespace vc {

class SortFrm : public CentredDialog {
    Q_OBJECT

public:
    explicit SortFrm(CodingState& coding, QWidget* parent = nullptr);

    std::array<QComboBox*, 2> Combo1{};
    std::array<QRadioButton*, 4> Option1{}; // 0/1 the first key's, 2/3 the second key's

    void Command1_Click();
    void Command2_Click();

private:
    CodingState& coding_;
};

} // namespace vc
