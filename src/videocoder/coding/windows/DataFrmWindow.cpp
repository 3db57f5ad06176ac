#include "videocoder/coding/windows/DataFrmWindow.h"

#include "platform/qt/TextBridge.h"
#include "videocoder/core/CodingWindowClose.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace vc {

DataFrmWindow::DataFrmWindow(Globals& g, platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), g_(g), dialogs_(dialogs) {
    setObjectName("DataFrm");
    grid_ = new QTableView(this);
    grid_->setObjectName("FG1");
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);
    autoSaveTimer_ = new QTimer(this);
    autoSaveTimer_->setObjectName("AutoSaveTimer");
    connect(autoSaveTimer_, &QTimer::timeout, this, [this] { AutoSaveTimer_Timer(); });
    resize(800, 500);
}

void DataFrmWindow::load() {
    if (model_ != nullptr || links_ == nullptr) {
        return;
    }
    model_ = new DataGridModel(g_.data, links_->dataFrm.FG1, this);
    grid_->setModel(model_);
}

void DataFrmWindow::applyLayout() {
    if (links_ == nullptr) {
        return;
    }
    const GridLayout& layout = links_->dataFrm.FG1;
    for (int c = 0; c < model_->columnCount(); ++c) {
        grid_->setColumnHidden(c, layout[c].hidden);
    }
}

void DataFrmWindow::refresh() {
    load();
    if (model_ == nullptr) {
        return;
    }
    model_->reload();
    applyLayout();
}

void DataFrmWindow::autoSize(int first, int last) {
    if (model_ == nullptr) {
        return;
    }
    for (int c = first; c <= last && c < model_->columnCount(); ++c) {
        grid_->resizeColumnToContents(c);
    }
}

void DataFrmWindow::setCodeList(const std::vector<std::string>& items) {
    codeList_ = items;
}

void DataFrmWindow::setAutoSave(bool enabled, int milliseconds) {
    if (!enabled) {
        autoSaveTimer_->stop();
        return;
    }
    autoSaveTimer_->start(milliseconds);
}

void DataFrmWindow::ControlSub(int command) {
    if (controlSub) {
        controlSub(command);
        return;
    }
    dialogs_.messageBox("The media player window is not available yet.", kProgramTitle, platform::Buttons::OK,
                        platform::Icon::Information);
}

void DataFrmWindow::setCaption(const std::string& caption) {
    setWindowTitle(platform::toDisplay(caption));
}

void DataFrmWindow::show() {
    refresh();
    QWidget::show();
    raise();
    activateWindow();
}

void DataFrmWindow::unload() {
    autoSaveTimer_->stop();
    hide();
}

void DataFrmWindow::AutoSaveTimer_Timer() {
    if (links_ != nullptr) {
        vc::AutoSaveTimer_Timer(g_, *links_);
    }
}

void DataFrmWindow::closeEvent(QCloseEvent* event) {
    if (links_ == nullptr || !g_.open.gDataOpen || closeCodingWindow(g_, *links_)) {
        if (model_ != nullptr) {
            model_->reload();
        }
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace vc
