#include "workstation/tools/windows/MergerFrm.h"

#include "platform/qt/TextBridge.h"
#include "textfile/TextForms.h"
#include "workstation/core/ProgramTitle.h"
#include "workstation/tools/windows/ToolWindowSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

namespace ws {
namespace {

using platform::Buttons;
using platform::Icon;

// The hourglass for as long as a run lasts, however it ends.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

MergerFrm::MergerFrm(Global& g, platform::Platform& p, QWidget* parent) : QDialog(parent), g_(g), p_(p) {
    setObjectName(QStringLiteral("MergerFrm"));
    setWindowTitle(QStringLiteral("Talvor File Merger..."));
    setModal(true);
    resize(760, 480);
    buildControls();
    Form_Load();
}

void MergerFrm::buildControls() {
    Drive1 = named(new QComboBox(this), "Drive1");
    std::set<QString> roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            roots.insert(volume.rootPath());
        }
    }
    roots.insert(QDir::homePath());
    for (const QString& root : roots) {
        Drive1->addItem(root);
    }

    dirModel_ = new QFileSystemModel(this);
    dirModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    dirModel_->setRootPath(QString());
    Dir1 = named(new QTreeView(this), "Dir1");
    Dir1->setModel(dirModel_);
    for (int column = 1; column < dirModel_->columnCount(); ++column) {
        Dir1->hideColumn(column);
    }
    Dir1->setHeaderHidden(true);

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files);
    File1 = named(new QListView(this), "File1");
    File1->setModel(fileModel_);
    File1->setDragEnabled(true);
    File1->setDragDropMode(QAbstractItemView::DragOnly);

    TreeView1 = named(new QTreeWidget(this), "TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setFrameShape(QFrame::Box);
    acceptRowDrops(*TreeView1->viewport(), *File1, [this] { Command1_Click(0); });

    auto* Label1 = named(new QLabel(QStringLiteral("Files to process..."), this), "Label1");
    Label2 = named(new QLabel(this), "Label2");
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);

    const auto button = [this](const char* name, const char* caption) {
        return named(new QPushButton(QString::fromLatin1(caption), this), name);
    };
    auto* buttons = new QHBoxLayout;
    const char* const captions[] = {"&Add", "&Del", "&New Output File...", "Move &Up", "Move &Dn"};
    for (int index = 0; index < 5; ++index) {
        QPushButton* b = button("Command1", captions[index]);
        b->setObjectName(QStringLiteral("Command1_%1").arg(index));
        connect(b, &QPushButton::clicked, this, [this, index] { Command1_Click(index); });
        buttons->addWidget(b);
    }
    QPushButton* DoIt = button("DoIt", "&Do it!");
    QPushButton* Quit = button("Quit", "&Quit");
    connect(DoIt, &QPushButton::clicked, this, [this] { DoIt_Click(); });
    connect(Quit, &QPushButton::clicked, this, [this] { Quit_Click(); });

    connect(Drive1, &QComboBox::currentTextChanged, this, [this] { Drive1_Change(); });
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { Dir1_Change(); });
    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (refreshing_) {
            return;
        }
        tree_.selected = item == nullptr ? -1 : item->data(0, Qt::UserRole).toInt();
    });

    auto* browse = new QVBoxLayout;
    browse->addWidget(Drive1);
    browse->addWidget(Dir1);
    browse->addWidget(File1);
    auto* groups = new QVBoxLayout;
    groups->addWidget(Label1);
    groups->addWidget(TreeView1);
    groups->addLayout(buttons);
    groups->addWidget(Label2);
    groups->addWidget(ProgressBar1);
    auto* run = new QHBoxLayout;
    run->addStretch();
    run->addWidget(DoIt);
    run->addWidget(Quit);
    groups->addLayout(run);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(browse, 1);
    layout->addLayout(groups, 2);
}

void MergerFrm::Form_Load() {
    centreOnScreen(*this);
    tree_.clear();
    refreshTree();
    const int home = Drive1->findText(QDir::homePath());
    if (home >= 0) {
        Drive1->setCurrentIndex(home);
    }
    Drive1_Change();
}

void MergerFrm::Drive1_Change() {
    const QModelIndex root = dirModel_->index(Drive1->currentText());
    Dir1->setCurrentIndex(root);
    Dir1->scrollTo(root);
    Dir1_Change();
}

void MergerFrm::Dir1_Change() {
    const QString folder = dirModel_->filePath(Dir1->currentIndex());
    if (!folder.isEmpty()) {
        setFilePath(platform::fromPath(folder));
    }
}

void MergerFrm::setFilePath(const std::string& folder) {
    File1->setRootIndex(fileModel_->setRootPath(platform::toPath(folder)));
}

std::string MergerFrm::filePath() const {
    return platform::fromPath(fileModel_->rootPath());
}

bool MergerFrm::selectFile(const std::string& name) {
    const QModelIndex index =
        fileModel_->index(QDir(fileModel_->rootPath()).filePath(platform::toPath(name)));
    if (!index.isValid()) {
        return false;
    }
    File1->setCurrentIndex(index);
    return true;
}

std::string MergerFrm::selectedFile() const {
    const QModelIndex index = File1->currentIndex();
    return index.isValid() ? platform::fromPath(fileModel_->fileName(index)) : std::string();
}

void MergerFrm::selectNode(int index) {
    tree_.selected = index;
    refreshTree();
}

void MergerFrm::refreshTree() {
    refreshing_ = true;
    TreeView1->clear();
    QTreeWidgetItem* group = nullptr;
    QTreeWidgetItem* current = nullptr;
    const auto& nodes = tree_.nodes();
    for (int i = 0; i < static_cast<int>(nodes.size()); ++i) {
        const MergeNode& node = nodes[static_cast<std::size_t>(i)];
        QTreeWidgetItem* item = nullptr;
        if (node.isGroup() || group == nullptr) {
            item = new QTreeWidgetItem(TreeView1);
            group = item;
        } else {
            item = new QTreeWidgetItem(group);
        }
        item->setText(0, platform::toDisplay(node.text));
        item->setData(0, Qt::UserRole, i);
        if (i == tree_.selected) {
            current = item;
        }
    }
    TreeView1->expandAll();
    TreeView1->setCurrentItem(current);
    refreshing_ = false;
}

void MergerFrm::report(TreeEdit edit) {
    switch (edit) {
    case TreeEdit::Done:
        break;
    case TreeEdit::Refused:
        p_.dialogs.beep();
        break;
    case TreeEdit::NoSelection:
        p_.dialogs.messageBox("Can't add, output file not definded or selected.", "Sorry Quillan",
                              Buttons::OK, Icon::Information);
        break;
    }
    refreshTree();
}

void MergerFrm::addSelectedFile() {
    const std::string name = selectedFile();
    if (name.empty()) {
        return;
    }
    std::string folder = filePath();
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    report(tree_.addFile(folder + name));
}

void MergerFrm::newOutputFile() {
    platform::FileDialogRequest request;
    request.title = "Name an output file...";
    request.filter = "Event Files (*.eve)|*.eve";
    std::string folder = filePath();
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    request.fileName = folder; // the dialog opens in File1's folder
    request.flags = platform::kHideReadOnly | platform::kOverwritePrompt;
    const std::string chosen = p_.dialogs.saveFile(request);
    if (chosen.empty()) {
        return;
    }
    g_.OutputFileName = chosen;
    report(tree_.newGroup(chosen));
}

void MergerFrm::Command1_Click(int index) {
    guardedHandler(p_.dialogs, [&] {
        switch (index) {
        case 0:
            addSelectedFile();
            break;
        case 1:
            report(tree_.nodes().empty() ? TreeEdit::Done : tree_.removeSelected());
            break;
        case 2:
            newOutputFile();
            break;
        case 3:
            report(tree_.moveUp());
            break;
        case 4:
            report(tree_.moveDown());
            break;
        default:
            break;
        }
    });
}

void MergerFrm::DoIt_Click() {
    guardedHandler(p_.dialogs, [this] {
        if (tree_.nodes().empty()) {
            p_.dialogs.messageBox(std::string("Nothing to do.") + "\r" +
                                      "You need to add some output file groups.",
                                  kProgramTitle, Buttons::OK, Icon::Question);
            return;
        }
        BusyCursor busy;
        MergeProgress progress;
        progress.label = [this](const std::string& text) {
            Label2->setText(platform::toDisplay(text));
            Label2->repaint();
        };
        progress.percent = [this](int percent) {
            ProgressBar1->setValue(percent);
            ProgressBar1->repaint();
        };
        int written = 0;
        if (MergeGroups(tree_.groups(), p_, progress, written)) {
            p_.dialogs.messageBox(textfile::joinedNumber(written) + " Groups Processed", kProgramTitle,
                                  Buttons::OK, Icon::None);
        }
        Label2->clear();
        ProgressBar1->setValue(0);
    });
}

void MergerFrm::Quit_Click() {
    QDialog::reject();
}

} // namespace ws
