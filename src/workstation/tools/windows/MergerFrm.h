#pragma once
// The "Talvor File Merger..." window: drive, folder and file lists to pick inputs, the tree
// of output groups, and the run.

#include "platform/Platform.h"
#include "workstation/core/Global.h"
#include "workstation/tools/MergeTree.h"

#include <QDialog>

#include <string>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListView;
class QProgressBar;
class QTreeView;
class QTreeWidget;

namespace ws {

class MergerFrm : public QDialog {
    Q_OBJECT

public:
    MergerFrm(Global& g, platform::Platform& p, QWidget* parent = nullptr);

    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void Command1_Click(int index);
    void DoIt_Click();
    void Quit_Click();

    // The folder File1 lists, and the file chosen in it ("" for none).
    void setFilePath(const std::string& folder);
    std::string filePath() const;
    bool selectFile(const std::string& name);
    std::string selectedFile() const;
    // Selects the tree's node by its place in tree order (-1 for none).
    void selectNode(int index);
    const MergeTree& tree() const { return tree_; }

private:
    void buildControls();
    void addSelectedFile();
    void newOutputFile();
    void report(TreeEdit edit);
    void refreshTree();

    Global& g_;
    platform::Platform& p_;
    MergeTree tree_;
    bool refreshing_ = false;

    QComboBox* Drive1 = nullptr;
    QTreeView* Dir1 = nullptr;
    QListView* File1 = nullptr;
    QFileSystemModel* dirModel_ = nullptr;
    QFileSystemModel* fileModel_ = nullptr;
    QTreeWidget* TreeView1 = nullptr;
    QLabel* Label2 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
};

} // namespace ws
