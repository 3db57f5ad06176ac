#pragma once
// The video-coder import's settings: start and end times, seconds, scratch files and the
// groups to combine or ignore. Its OK only hides it; the options dialog reads it back.

#include "workstation/core/OptionsControls.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ws {

class VTRSSettings : public QDialog {
    Q_OBJECT

public:
    explicit VTRSSettings(QWidget* parent = nullptr);

    // Sets every control and rebuilds the tree, as loading the window does.
    void fill(const VTRSControls& c);
    VTRSControls read() const;

    void Form_Load();
    void CombineChk_Click();
    void IggyBtn_Click();
    void Command1_Click();

    std::array<QRadioButton*, 2> StartOpt{};
    std::array<QRadioButton*, 2> EndOpt{};
    std::array<QCheckBox*, 2> Check1{};
    QCheckBox* CombineChk = nullptr;
    QLabel* Label6 = nullptr;
    QTreeWidget* tView1 = nullptr;
    QPushButton* IggyBtn = nullptr;
    QPushButton* Command1 = nullptr;

private:
    static void markIgnored(QTreeWidgetItem& node, bool ignored);
    std::array<std::int16_t, kColumnGroupNodes> states_{};
};

} // namespace ws
