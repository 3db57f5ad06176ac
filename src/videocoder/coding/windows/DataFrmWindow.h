#pragma once
// The coding window DataFrm, for now its grid FG1 alone: the rows of the open data file
// under the titles and hidden columns RefreshDataGrid gives them. It is the view behind
// CodingWindowModel; closing it ends the work on the data file as the core says, and it
// stays open when the data could not be saved.

#include "platform/Dialogs.h"
#include "videocoder/coding/windows/DataGridModel.h"
#include "videocoder/core/CoderLinks.h"
#include "videocoder/core/CodingWindow.h"
#include "videocoder/core/Globals.h"

#include <QWidget>

#include <functional>
#include <vector>

class QTableView;
class QTimer;
class QCloseEvent;

namespace vc {

class DataFrmWindow : public QWidget, public CodingWindowPort {
    Q_OBJECT

public:
    DataFrmWindow(Globals& g, platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // The links are built over this window, so they come after it.
    void attach(CoderLinks& links) { links_ = &links; }

    // The numbered command set; until the players are wired it says so.
    std::function<void(int)> controlSub;

    void load() override;
    void refresh() override;
    void autoSize(int first, int last) override;
    void setCodeList(const std::vector<std::string>& items) override;
    void setAutoSave(bool enabled, int milliseconds) override;
    void ControlSub(int command) override;
    void setCaption(const std::string& caption) override;
    void show() override;
    void unload() override;

    void AutoSaveTimer_Timer();

    QTableView* FG1() const { return grid_; }
    QTimer* AutoSaveTimer() const { return autoSaveTimer_; }
    DataGridModel* gridModel() const { return model_; }
    const std::vector<std::string>& codeList() const { return codeList_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void applyLayout();

    Globals& g_;
    platform::Dialogs& dialogs_;
    CoderLinks* links_ = nullptr;
    DataGridModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QTimer* autoSaveTimer_ = nullptr;
    std::vector<std::string> codeList_;
};

} // namespace vc
