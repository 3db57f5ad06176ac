#include "videocoder/core/windows/CodeFrm.h"

#include "platform/HandlerGuard.h"
#include "platform/qt/CentreOnScreen.h"
#include "platform/qt/TextBridge.h"
#include "videocoder/core/windows/CodeFrmIcons.h"
#include "videocoder/core/windows/CodeFrmModels.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

namespace vc {
namespace {

constexpr double kTwipsPerPixel = 15;
constexpr int kCodeColumnTwips = 960;

int pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

double twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// The key code a classic key-down event gives for the keys the codes grid handles.
int keyCodeOf(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        return qtKey; // 65..90, as the classic codes
    }
    return qtKey == Qt::Key_Insert ? kEditorKeyInsert : 0;
}

int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) +
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) + (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

QTableView* makeGrid(QWidget* parent, const char* name) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    return grid;
}

} // namespace

CodeFrm::CodeFrm(CodeEditor& editor, platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), editor_(editor), dialogs_(dialogs) {
    setObjectName(QStringLiteral("CodeFrm"));
    setWindowTitle(QString::fromStdString(kCodeEditorCaption));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    buildMenus();
    layout->setMenuBar(menuBar_);
    buildToolbar();
    layout->addWidget(toolbar_);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("TabStrip1"));
    layout->addWidget(tabs_);

    codes_ = new CodeTableModel(editor_, this);
    fg2_ = makeGrid(tabs_, "Fg2");
    fg2_->setModel(codes_);
    auto* groupList = new GroupListDelegate(fg2_);
    groupList->setObjectName(QStringLiteral("groupColumnList"));
    fg2_->setItemDelegateForColumn(2, groupList);
    for (int column = 0; column < 3; ++column) {
        fg2_->setColumnWidth(column, pixels(kCodeColumnTwips));
    }
    // The description takes the room the window gives beyond the code and group.
    fg2_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    fg2_->installEventFilter(this);
    tabs_->addTab(fg2_, QStringLiteral("Codes"));

    groups_ = new GroupGridModel(editor_, this);
    fg3_ = makeGrid(tabs_, "Fg3");
    fg3_->setModel(groups_);
    fg3_->setColumnWidth(0, pixels(870));
    fg3_->setColumnWidth(1, pixels(1755));
    fg3_->horizontalHeader()->setStretchLastSection(true);
    fg3_->verticalHeader()->hide();
    // After the edit has finished: the redraw closes every editor of the grid.
    connect(
        groups_, &QAbstractItemModel::dataChanged, this,
        [this] { guarded([this] { editor_.Fg3_CellEdited(); }); }, Qt::QueuedConnection);
    tabs_->addTab(fg3_, QStringLiteral("Group Descriptions"));

    resize(420, 420);
}

CodeFrm::~CodeFrm() = default;

void CodeFrm::buildMenus() {
    menuBar_ = new QMenuBar(this);
    auto addItem = [this](QMenu* menu, const char* name, const char* caption, std::function<void()> handler) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, handler] { guarded(handler); });
        return action;
    };
    CodeEditor& e = editor_;
    QMenu* file = menuBar_->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("FileMnu"));
    addItem(file, "NewMnu", "New...", [&e] { e.NewMnu_Click(); });
    addItem(file, "OpenMnu", "&Open", [&e] { e.MenuAction(kOpenAction); });
    QAction* save = addItem(file, "SaveMnu", "&Save", [&e] { e.MenuAction(kSaveAction); });
    save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(file, "SaveAsMnu", "Save &As...", [&e] { e.MenuAction(kSaveAsAction); });
    addItem(file, "RevertMnu", "&Revert", [&e] { e.MenuAction(kRevertAction); });
    file->addSeparator()->setObjectName(QStringLiteral("s1"));
    addItem(file, "PrintMnu", "&Print...", [&e] { e.PrintMnu_Click(); });
    file->addSeparator()->setObjectName(QStringLiteral("s2"));
    QAction* exit = addItem(file, "ExitMnu", "E&xit", [&e] { e.ExitMnu_Click(); });
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* data = menuBar_->addMenu(QStringLiteral("&Data"));
    data->setObjectName(QStringLiteral("DateMnu"));
    addItem(data, "AddMnu", "Add Row", [&e] { e.MenuAction(kAddAction); });
    addItem(data, "InsertRowMnu", "Insert Row", [&e] { e.MenuAction(kInsertAction); });
    addItem(data, "DeleteRowMnu", "Delete Row", [&e] { e.MenuAction(kDeleteAction); });
    addItem(data, "MoveUpMnu", "Move Row Up", [&e] { e.MenuAction(kMoveUpAction); });
    addItem(data, "RowDownMnu", "Move Row Down", [&e] { e.MenuAction(kMoveDownAction); });
    // The shortcuts work wherever the focus is in the window, the grids included.
    for (QAction* action : findChildren<QAction*>()) {
        addAction(action);
    }
}

void CodeFrm::buildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setIconSize(QSize(24, 24));
    for (const CodeEditorButton& button : kCodeEditorToolbar) {
        if (button.tooltip == nullptr) {
            toolbar_->addSeparator()->setObjectName(QStringLiteral("Button%1").arg(button.index));
            continue;
        }
        QAction* action = toolbar_->addAction(codeEditorIcon(button.index), QString());
        action->setObjectName(QStringLiteral("Button%1").arg(button.index));
        action->setToolTip(QString::fromLatin1(button.tooltip));
        const int index = button.index;
        connect(action, &QAction::triggered, this,
                [this, index] { guarded([this, index] { editor_.Toolbar1_ButtonClick(index); }); });
    }
}

void CodeFrm::guarded(const std::function<void()>& handler) {
    platform::guardHandler(dialogs_, {"Error!"}, handler);
    // Whatever the handler did to the table, the grid shows it.
    refreshCodes();
}

int CodeFrm::currentRow() const {
    const QModelIndex current = fg2_->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

int CodeFrm::currentField() const {
    const QModelIndex current = fg2_->currentIndex();
    return current.isValid() ? current.column() + 1 : 0;
}

void CodeFrm::setCurrentRow(int row) {
    const int column = std::max(0, fg2_->currentIndex().column());
    fg2_->setCurrentIndex(codes_->index(row - 1, column));
}

void CodeFrm::commitEdit() {
    // The cell editor open in either grid puts its text into the table and closes.
    for (QTableView* grid : {fg2_, fg3_}) {
        const QModelIndex current = grid->currentIndex();
        QWidget* editor = current.isValid() ? grid->indexWidget(current) : nullptr;
        if (editor == nullptr) {
            continue;
        }
        QAbstractItemDelegate* delegate = grid->itemDelegateForIndex(current);
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor);
    }
}

void CodeFrm::refreshCodes() {
    const int row = currentRow();
    const int column = std::max(0, fg2_->currentIndex().column());
    codes_->reload();
    if (row > 0) {
        fg2_->setCurrentIndex(codes_->index(std::min(row, codes_->rowCount()) - 1, column));
    }
}

void CodeFrm::refreshGroups() {
    groups_->reload();
}

void CodeFrm::setCaption(const std::string& caption) {
    setWindowTitle(platform::toDisplay(caption));
}

void CodeFrm::dressGrids(const std::array<std::string, 3>& headers, const std::string& groupList) {
    codes_->setHeaders(headers);
    auto* list = static_cast<GroupListDelegate*>(fg2_->itemDelegateForColumn(2));
    list->setEntries(platform::toDisplay(groupList).split(QLatin1Char('|')));
}

void CodeFrm::place(const EditorGeometry& g) {
    if (g.left != 0) {
        move(pixels(g.left), y());
    }
    if (g.top != 0) {
        move(x(), pixels(g.top));
    }
    if (g.height != 0) {
        resize(width(), pixels(g.height));
    }
    if (g.width != 0) {
        resize(pixels(g.width), height());
    }
}

void CodeFrm::centre() {
    platform::centreOnScreen(*this);
}

EditorGeometry CodeFrm::geometry() const {
    return {twips(x()), twips(y()), twips(width()), twips(height())};
}

bool CodeFrm::normalState() const {
    return !isMinimized() && !isMaximized();
}

void CodeFrm::closeWindow() {
    close();
}

void CodeFrm::reject() {
    close();
}

void CodeFrm::closeEvent(QCloseEvent* event) {
    commitEdit();
    bool unloaded = false;
    guarded([&] { unloaded = editor_.Form_Unload(); });
    if (!unloaded) {
        event->ignore();
        return;
    }
    event->accept();
    QDialog::done(QDialog::Rejected);
}

bool CodeFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fg2_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = keyCodeOf(key->key());
        bool handled = false;
        if (code != 0) {
            guarded([&] { handled = editor_.Fg2_KeyDown(code, shiftStateOf(key->modifiers())); });
        }
        return handled;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vc
