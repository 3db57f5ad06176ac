#include "videocoder/coding/windows/DataFrmWindow.h"

#include "platform/qt/TextBridge.h"
#include "videocoder/coding/DataFrmMenus.h"
#include "videocoder/coding/windows/CoderKeyCodes.h"
#include "videocoder/coding/windows/GridKeyAdapter.h"
#include "videocoder/coding/windows/HeaderPanel.h"
#include "videocoder/coding/windows/PickListDelegate.h"
#include "videocoder/coding/windows/ToolbarIcons.h"
#include "videocoder/coding/windows/WindowPosition.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <cstdint>

namespace vc {
namespace {

inline constexpr int kHeaderPanel = 0;

// Mouse buttons: 1 left, 2 right, 4 middle.
int buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

} // namespace

DataFrmWindow::DataFrmWindow(Globals& g, platform::Platform& p, const PlayerLinks& players, QWidget* parent)
    : QMainWindow(parent), g_(g), controller_(g, p, players, *this) {
    setObjectName("DataFrm");
    auto* client = new QWidget(this);
    client->setObjectName("client");
    setCentralWidget(client);
    buildMenus();
    buildToolbar(client);
    buildPanels(client);
    wireHeader();
    autoSaveTimer_ = new QTimer(this);
    autoSaveTimer_->setObjectName("AutoSaveTimer");
    connect(autoSaveTimer_, &QTimer::timeout, this,
            [this] { run([this] { controller_.AutoSaveTimer_Timer(); }); });
    // One filter on the application sees the grid's keys and mouse, the header's clicks, and
    // keeps the window's shortcuts wherever the focus is in it: a field or a cell editor must
    // not take the window's keys for its own.
    qApp->installEventFilter(this);
    resize(820, 600);
}

DataFrmWindow::~DataFrmWindow() {
    qApp->removeEventFilter(this);
    // The grid outlives this part of the window and loses the focus as it goes: no key-up
    // may then reach handlers already gone.
    delete keyAdapter_;
}

void DataFrmWindow::attach(CoderLinks& links, CommandLinks commandLinks) {
    controller_.attach(links, std::move(commandLinks));
    keyAdapter_ = new GridKeyAdapter(*grid_, *this);
    delegate_ = new PickListDelegate(links.dataFrm.FG1, grid_);
    grid_->setItemDelegate(delegate_);
    connect(delegate_, &QAbstractItemDelegate::closeEditor, this,
            [this] { run([this] { controller_.FG1_CellEdited(row(), col()); }); });
}

void DataFrmWindow::run(const std::function<void()>& handler) {
    controller_.handle(handler);
}

void DataFrmWindow::buildMenus() {
    std::map<std::string, QMenu*> menus;
    for (const DataFrmMenu& m : dataFrmMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(m.caption));
        menu->setObjectName(QString::fromStdString(m.name));
        menu->menuAction()->setObjectName(QString::fromStdString(m.name));
        menu->menuAction()->setVisible(m.visible);
        menus[m.name] = menu;
    }
    for (const DataFrmMenuItem& item : dataFrmMenuItems()) {
        QMenu* parent = menus.at(item.submenu.empty() ? item.menu : item.submenu);
        const QString name = QString::fromStdString(item.name);
        const QString caption = QString::fromStdString(item.caption);
        QAction* action = nullptr;
        if (item.caption == "-") {
            action = parent->addSeparator();
        } else if (item.opensSubmenu) {
            QMenu* sub = parent->addMenu(caption);
            sub->setObjectName(name);
            menus[item.name] = sub;
            action = sub->menuAction();
        } else {
            action = parent->addAction(caption);
            if (!item.click) {
                action->setEnabled(false);
            } else {
                if (!item.shortcut.empty()) {
                    const QKeySequence keys(QString::fromStdString(item.shortcut));
                    action->setShortcut(keys);
                    shortcuts_.push_back(keys);
                }
                connect(action, &QAction::triggered, this,
                        [this, click = item.click] { run([this, &click] { click(controller_); }); });
            }
        }
        action->setObjectName(name);
        actions_[item.name] = action;
    }
}

void DataFrmWindow::buildToolbar(QWidget* client) {
    toolbar_ = new QToolBar(client);
    toolbar_->setObjectName("Tb1");
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(24, 24));
    for (const ToolbarButton& button : toolbarButtons()) {
        QAction* action = nullptr;
        if (button.caption.empty()) {
            action = toolbar_->addSeparator();
        } else {
            action = toolbar_->addAction(toolbarIcon(button.caption), QString::fromStdString(button.caption));
            action->setToolTip(QString::fromStdString(button.toolTip));
            const int index = button.index;
            connect(action, &QAction::triggered, this,
                    [this, index] { run([this, index] { controller_.Tb1_ButtonClick(index); }); });
        }
        action->setObjectName(QString("Tb1(%1)").arg(button.index));
        toolbarButtons_.push_back(action);
    }
    toolbar_->adjustSize();
}

void DataFrmWindow::buildPanels(QWidget* client) {
    tabs_ = new QTabWidget(client);
    tabs_->setObjectName("TS1");
    tabs_->addTab(new QWidget, "File Info");
    tabs_->addTab(new QWidget, "Data");
    tabs_->setTabToolTip(0, "Header information in the data file");
    tabs_->setTabToolTip(1, "Shows data in the file");
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int index) { run([this, index] { controller_.TS1_Click(index + 1); }); });

    header_ = new HeaderPanel(client);
    dataPanel_ = new QFrame(client);
    dataPanel_->setObjectName("Frame1(1)");
    grid_ = new QTableView(dataPanel_);
    grid_->setObjectName("FG1");
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    codeList_ = new QListWidget(dataPanel_);
    codeList_->setObjectName("List1");
    codeList_->setSelectionMode(QAbstractItemView::MultiSelection);
    connect(codeList_, &QListWidget::itemDoubleClicked, this,
            [this] { run([this] { controller_.List1_DblClick(); }); });
    addCode_ = new QPushButton("Add Code", dataPanel_);
    addCode_->setObjectName("AddCodeBtn");
    connect(addCode_, &QPushButton::clicked, this,
            [this] { run([this] { controller_.AddCodeBtn_Click(); }); });
    dataPanel_->hide();
    codeList_->hide();
    addCode_->hide();
}

void DataFrmWindow::wireHeader() {
    connect(header_, &HeaderPanel::edited, this, [this](int index) {
        run([this, index] {
            controller_.model().Text1.at(static_cast<std::size_t>(index)) = header_->fieldText(index);
        });
    });
    connect(header_->chkDVD(), &QCheckBox::clicked, this, [this](bool checked) {
        run([this, checked] {
            controller_.model().chkDVD = checked ? 1 : 0;
            controller_.chkDVD_Click();
        });
    });
    for (int i = 0; i < 2; ++i) {
        connect(header_->BrowseBtn(i), &QPushButton::clicked, this,
                [this, i] { run([this, i] { controller_.Browsebtn_Click(i); }); });
        connect(header_->Command1(i), &QPushButton::clicked, this,
                [this, i] { run([this, i] { controller_.Command1_Click(i); }); });
        connect(header_->SeekBtn(i), &QPushButton::clicked, this,
                [this, i] { run([this, i] { controller_.SeekBtn_Click(i); }); });
    }
}

QAction* DataFrmWindow::menuItem(const std::string& name) const {
    const auto found = actions_.find(name);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* DataFrmWindow::toolbarButton(int index) const {
    return toolbarButtons_.at(static_cast<std::size_t>(index - 1));
}

// ---- events ----

bool DataFrmWindow::mayOverrideShortcut(QObject* watched, QEvent* event) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return false;
    }
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    return std::find(shortcuts_.begin(), shortcuts_.end(), pressed) != shortcuts_.end();
}

bool DataFrmWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == grid_ && (type == QEvent::KeyPress || type == QEvent::KeyRelease)) {
        return false; // the grid's key adapter has them
    }
    if (type == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == grid_ && isClipboardKey(classicKeyCode(*key), shiftState(key->modifiers()))) {
            return false; // the grid copies and pastes itself, ahead of the Edit menu's shortcuts
        }
        if (mayOverrideShortcut(watched, event)) {
            event->ignore();
            return true;
        }
        return false;
    }
    if (type != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const int button = buttonOf(mouse->button());
    const int shift = shiftState(mouse->modifiers());
    if (watched == grid_->viewport()) {
        run([this, button, shift] { controller_.FG1_MouseUp(button, shift); });
    } else if (watched == header_->Label2()) {
        run([this] { controller_.Label2_Click(); });
    } else {
        for (int i = 0; i < kHeaderFields; ++i) {
            if (watched == header_->Text1(i)) {
                run([this, i, button, shift] { controller_.Text1_MouseUp(i, button, shift); });
            }
        }
    }
    return false;
}

void DataFrmWindow::FG1_KeyDown(int keyCode, int shift) {
    run([&] { controller_.gridKeys().FG1_KeyDown(keyCode, shift); });
}

void DataFrmWindow::FG1_KeyPress(int& keyAscii) {
    run([&] { controller_.gridKeys().FG1_KeyPress(keyAscii); });
}

void DataFrmWindow::FG1_KeyUp(int keyCode, int shift) {
    run([&] { controller_.gridKeys().FG1_KeyUp(keyCode, shift); });
}

void DataFrmWindow::keepKeyUpMoment(bool keep) {
    run([&] { controller_.gridKeys().keepKeyUpMoment(keep); });
}

void DataFrmWindow::closeEvent(QCloseEvent* event) {
    closing_ = true;
    bool closed = false;
    run([&] { closed = controller_.Form_Unload(); });
    closing_ = false;
    if (closed) {
        event->accept();
    } else {
        event->ignore();
    }
}

void DataFrmWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    toolbar_->setGeometry(0, 0, centralWidget()->width(), toolbar_->sizeHint().height());
    run([this] { controller_.Form_Resize(); });
}

// ---- DataFrmView ----

void DataFrmWindow::showWindow() {
    QMainWindow::show();
    raise();
    activateWindow();
}

void DataFrmWindow::hideWindow() {
    // Closing hides the window itself once its handler accepted.
    if (!closing_) {
        hide();
    }
}

void DataFrmWindow::setCaption(const std::string& caption) {
    setWindowTitle(platform::toDisplay(caption));
}

void DataFrmWindow::setLeft(double value) {
    setLeftTwips(*this, value);
}

void DataFrmWindow::setTop(double value) {
    setTopTwips(*this, value);
}

void DataFrmWindow::setHeight(double value) {
    setHeightTwips(*this, value);
}

void DataFrmWindow::setWidth(double value) {
    setWidthTwips(*this, value);
}

TwipsRect DataFrmWindow::geometry() const {
    return {toTwips(x()), toTwips(y()), toTwips(width()), toTwips(height())};
}

bool DataFrmWindow::minimisedOrMaximised() const {
    return (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != 0;
}

bool DataFrmWindow::dialogOpen() const {
    return QApplication::activeModalWidget() != nullptr;
}

double DataFrmWindow::toolbarHeight() const {
    return toTwips(toolbar_->sizeHint().height());
}

double DataFrmWindow::buttonHeight() const {
    return toTwips(addCode_->sizeHint().height());
}

QWidget* DataFrmWindow::widgetOf(DataFrmControl control) const {
    switch (control) {
    case DataFrmControl::TS1:
        return tabs_;
    case DataFrmControl::HeaderPanel:
        return header_;
    case DataFrmControl::DataPanel:
        return dataPanel_;
    case DataFrmControl::FG1:
        return grid_;
    case DataFrmControl::List1:
        return codeList_;
    case DataFrmControl::AddCodeBtn:
        return addCode_;
    }
    return nullptr;
}

void DataFrmWindow::place(DataFrmControl control, const TwipsRect& rect) {
    widgetOf(control)->setGeometry(toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                                   toPixels(rect.height));
}

void DataFrmWindow::setControlVisible(DataFrmControl control, bool visible) {
    widgetOf(control)->setVisible(visible);
}

void DataFrmWindow::setPanelVisible(int panel, bool visible) {
    QWidget* frame = panel == kHeaderPanel ? static_cast<QWidget*>(header_) : dataPanel_;
    frame->setVisible(visible);
    if (visible) {
        frame->raise();
    }
}

void DataFrmWindow::selectTab(int tab) {
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(tab - 1);
}

void DataFrmWindow::showHeader() {
    if (controller_.attached()) {
        header_->showModel(controller_.model());
    }
}

void DataFrmWindow::setLengthCaption(const std::string& caption) {
    header_->Label2()->setText(platform::toDisplay(caption));
}

void DataFrmWindow::bindGrid() {
    if (model_ != nullptr) {
        return;
    }
    model_ = new DataGridModel(g_.data, controller_.model().FG1, this);
    grid_->setModel(model_);
}

// Shows gData as it is now, keeping the current cell where the rows allow.
void DataFrmWindow::redrawGrid() {
    if (model_ == nullptr) {
        return;
    }
    const int r = row();
    const int c = std::max(0, col());
    model_->reload();
    const GridLayout& layout = controller_.model().FG1;
    for (int column = 0; column < model_->columnCount(); ++column) {
        grid_->setColumnHidden(column, layout[column].hidden);
    }
    const int rows = model_->rowCount();
    for (int r = 0; r < rows; ++r) {
        grid_->setRowHidden(r, layout.rowHidden(r + 1));
    }
    if (rows > 0 && !grid_->currentIndex().isValid()) {
        const int kept = r < 1 ? 1 : std::min(r, rows);
        grid_->selectionModel()->setCurrentIndex(
            model_->index(kept - 1, std::min(c, model_->columnCount() - 1)), QItemSelectionModel::NoUpdate);
    }
}

void DataFrmWindow::redrawRow(int value) {
    if (model_ == nullptr) {
        return;
    }
    if (!model_->reloadRow(value - 1)) {
        redrawGrid();
    }
}

void DataFrmWindow::autoSize(int first, int last) {
    if (model_ == nullptr) {
        return;
    }
    for (int c = std::max(0, first); c <= last && c < model_->columnCount(); ++c) {
        grid_->resizeColumnToContents(c);
    }
}

int DataFrmWindow::row() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.row() + 1 : -1;
}

int DataFrmWindow::col() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.column() : -1;
}

void DataFrmWindow::setRow(int value) {
    if (model_ == nullptr) {
        return;
    }
    if (value < 1 || value > model_->rowCount()) {
        grid_->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
        return;
    }
    grid_->selectionModel()->setCurrentIndex(model_->index(value - 1, std::max(0, col())),
                                             QItemSelectionModel::ClearAndSelect);
}

void DataFrmWindow::setCol(int value) {
    if (model_ == nullptr || value < 0 || value >= model_->columnCount() || row() < 1) {
        return;
    }
    grid_->selectionModel()->setCurrentIndex(model_->index(row() - 1, value),
                                             QItemSelectionModel::ClearAndSelect);
}

std::vector<int> DataFrmWindow::selectedRows() const {
    std::vector<int> rows;
    if (model_ == nullptr) {
        return rows;
    }
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) {
        rows.push_back(index.row() + 1);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

GridRange DataFrmWindow::selection() const {
    GridRange range{row(), col(), row(), col()};
    if (model_ == nullptr) {
        return range;
    }
    const QModelIndexList chosen = grid_->selectionModel()->selectedIndexes();
    if (chosen.isEmpty()) {
        return range;
    }
    range = {chosen.front().row() + 1, chosen.front().column(), chosen.front().row() + 1,
             chosen.front().column()};
    for (const QModelIndex& index : chosen) {
        range.row1 = std::min(range.row1, index.row() + 1);
        range.row2 = std::max(range.row2, index.row() + 1);
        range.col1 = std::min(range.col1, index.column());
        range.col2 = std::max(range.col2, index.column());
    }
    return range;
}

void DataFrmWindow::select(int value, int column) {
    if (model_ == nullptr || value < 1 || value > model_->rowCount() || column < 0 ||
        column >= model_->columnCount()) {
        return;
    }
    grid_->selectionModel()->setCurrentIndex(model_->index(value - 1, column),
                                             QItemSelectionModel::ClearAndSelect);
}

std::string DataFrmWindow::clip() const {
    const GridRange range = selection();
    std::string text;
    if (model_ == nullptr || range.row1 < 1) {
        return text;
    }
    for (int r = range.row1; r <= range.row2; ++r) {
        if (r > range.row1) {
            text += '\r';
        }
        for (int c = range.col1; c <= range.col2; ++c) {
            if (c > range.col1) {
                text += '\t';
            }
            text += platform::fromDisplay(model_->index(r - 1, c).data(Qt::EditRole).toString());
        }
    }
    return text;
}

void DataFrmWindow::setClip(const std::string& text) {
    const GridRange range = selection();
    if (model_ == nullptr || range.row1 < 1) {
        return;
    }
    int r = range.row1;
    int c = range.col1;
    std::string cell;
    auto put = [&] {
        if (r <= range.row2 && c <= range.col2) {
            model_->setData(model_->index(r - 1, c), platform::toDisplay(cell), Qt::EditRole);
        }
        cell.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\t') {
            put();
            ++c;
        } else if (ch == '\r' || ch == '\n') {
            put();
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            ++r;
            c = range.col1;
        } else {
            cell += ch;
        }
    }
    if (!cell.empty() || (!text.empty() && text.back() == '\t')) {
        put();
    }
}

// Hidden rows are kept with the grid's layout, so that every redraw hides them again.
void DataFrmWindow::setRowHidden(int value, bool hidden) {
    if (model_ != nullptr && value >= 1 && value <= model_->rowCount()) {
        controller_.model().FG1.setRowHidden(value, hidden);
        grid_->setRowHidden(value - 1, hidden);
    }
}

bool DataFrmWindow::rowHidden(int value) const {
    return model_ != nullptr && value >= 1 && value <= model_->rowCount() && grid_->isRowHidden(value - 1);
}

void DataFrmWindow::setSelectionMode(int mode) {
    selectionMode_ = mode;
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    switch (mode) {
    case 3:
        grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
        break;
    case 2:
        grid_->setSelectionBehavior(QAbstractItemView::SelectColumns);
        break;
    default:
        grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    }
}

int DataFrmWindow::selectionMode() const {
    return selectionMode_;
}

void DataFrmWindow::setCodeList(const std::vector<std::string>& items) {
    codeList_->clear();
    for (const std::string& item : items) {
        codeList_->addItem(platform::toDisplay(item));
    }
}

std::vector<int> DataFrmWindow::selectedCodeItems() const {
    std::vector<int> items;
    for (int i = 0; i < codeList_->count(); ++i) {
        if (codeList_->item(i)->isSelected()) {
            items.push_back(i);
        }
    }
    return items;
}

void DataFrmWindow::deselectCodeItem(int item) {
    if (QListWidgetItem* entry = codeList_->item(item)) {
        entry->setSelected(false);
    }
}

std::string DataFrmWindow::menuCaption(const std::string& item) const {
    const QAction* action = menuItem(item);
    return action == nullptr ? std::string() : action->text().toStdString();
}

void DataFrmWindow::setMenuCaption(const std::string& item, const std::string& caption) {
    if (QAction* action = menuItem(item)) {
        action->setText(QString::fromStdString(caption));
    }
}

void DataFrmWindow::setMenuChecked(const std::string& item, bool checked) {
    if (QAction* action = menuItem(item)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

bool DataFrmWindow::menuChecked(const std::string& item) const {
    const QAction* action = menuItem(item);
    return action != nullptr && action->isChecked();
}

void DataFrmWindow::setAutoSave(bool enabled, int milliseconds) {
    if (!enabled) {
        autoSaveTimer_->stop();
        return;
    }
    autoSaveTimer_->start(milliseconds);
}

} // namespace vc
