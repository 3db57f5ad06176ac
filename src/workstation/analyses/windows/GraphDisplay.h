#pragma once
// The graph window: one second-by-second file as a time chart, a band per ticked code.
// Close hides it and forgets the chart; the run goes on with the next file.

#include "platform/Platform.h"
#include "workstation/analyses/GraphDrawing.h"
#include "workstation/analyses/MultilevTree.h"

#include <QDialog>

class QPushButton;

namespace ws {

class GraphPicture;

class GraphDisplay : public QDialog {
    Q_OBJECT

public:
    explicit GraphDisplay(platform::Platform& p, QWidget* parent = nullptr);

    // Takes the file and the ticked codes of the tree. False, after an "Error!" box, when the
    // file cannot be read: the window is then not to be shown.
    bool GraphDisplay_Form_Load(const MultilevModel& tree, const GraphFile& file);
    void GraphDisplay_PrintBtn_Click();
    void GraphDisplay_Command2_Click();
    void GraphDisplay_CloseBtn_Click();

    const GraphInput& input() const { return input_; }
    void reject() override { GraphDisplay_CloseBtn_Click(); }

private:
    platform::Platform& p_;
    GraphInput input_;
    GraphPicture* Picture1 = nullptr;
    QPushButton* PrintBtn = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* CloseBtn = nullptr;
};

} // namespace ws
