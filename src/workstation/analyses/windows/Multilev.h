#pragma once
// The multi-group dialog: the group tree with a box on every node, the frequency-only mark
// and the options of the run. "Go" only hides it: the run reads the tree as it was left,
// and the next run shows it again so, until Quit or a save of the settings unloads it.

#include "platform/Platform.h"
#include "workstation/analyses/MultilevTree.h"
#include "workstation/core/Global.h"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace ws {

class Multilev : public QDialog {
    Q_OBJECT

public:
    Multilev(Global& g, platform::Platform& p, QWidget* parent = nullptr);

    bool loaded() const { return loaded_; }
    // Loads the window when it is not: builds the tree afresh from the code set. A build that
    // fails shows its message, sets RunCancelled and keeps the nodes made so far.
    void Form_Load();
    // Hides the window and forgets the tree and the options; the next use loads it afresh.
    void unload();
    // The tree and options the run reads; touching them loads the window when it is not.
    const MultilevModel& tree();
    // The captions and controls that MultiLevSetup prepares before each showing.
    void prepareForRun();

    void TreeView1_NodeCheck(int index);
    void Freq_Only_Click();
    void Command1_Click();
    void GoForIt_Click();
    void Cancel_Click();

    // The close box: unloads without stopping the run.
    void reject() override;

private:
    void buildControls();
    void fillTree();
    void showChecks();
    void showOptions();
    int selectedNode() const;

    Global& g_;
    platform::Platform& p_;
    MultilevModel model_;
    bool loaded_ = false;
    bool showing_ = false; // the window itself is setting boxes: no NodeCheck
    std::vector<QTreeWidgetItem*> items_;

    QLabel* Label1 = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QPushButton* Freq_Only = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<QCheckBox*, 9> Check{}; // Check1..Check8 at their numbers
    QPushButton* GoForIt = nullptr;
    QPushButton* Cancel = nullptr;
};

} // namespace ws
