#include "workstation/analyses/windows/GraphDisplay.h"

#include "platform/qt/QtCanvas.h"
#include "platform/qt/TextBridge.h"
#include "textfile/Paths.h"
#include "textfile/RunError.h"
#include "workstation/analyses/SecBySecReader.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace ws {

// The drawing surface: draws the chart whenever it is painted.
class GraphPicture : public QWidget {
public:
    GraphPicture(const GraphInput& input, QWidget* parent) : QWidget(parent), input_(input) {
        setObjectName(QStringLiteral("Picture1"));
        setMinimumSize(640, 420);
        setAutoFillBackground(true);
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        platform::qt::QtCanvas canvas(painter, QSizeF(width(), height()));
        setPictureScale(canvas);
        DrawGraph(canvas, input_);
    }

private:
    const GraphInput& input_;
};

GraphDisplay::GraphDisplay(platform::Platform& p, QWidget* parent) : QDialog(parent), p_(p) {
    setObjectName(QStringLiteral("GraphDisplay"));
    setModal(true);
    Picture1 = new GraphPicture(input_, this);
    PrintBtn = new QPushButton(QStringLiteral("&Print"), this);
    PrintBtn->setObjectName(QStringLiteral("PrintBtn"));
    Command2 = new QPushButton(QStringLiteral("Print &Setup..."), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    CloseBtn = new QPushButton(QStringLiteral("&Close"), this);
    CloseBtn->setObjectName(QStringLiteral("CloseBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PrintBtn);
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Picture1, 1);
    layout->addLayout(buttons);
    connect(PrintBtn, &QPushButton::clicked, this, [this] { GraphDisplay_PrintBtn_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { GraphDisplay_Command2_Click(); });
    connect(CloseBtn, &QPushButton::clicked, this, [this] { GraphDisplay_CloseBtn_Click(); });
}

bool GraphDisplay::GraphDisplay_Form_Load(const MultilevModel& tree, const GraphFile& file) {
    input_ = GraphInput{};
    input_.title = textfile::FileNameOnly(file.path);
    setWindowTitle(platform::toDisplay("Current graph for " + input_.title));
    input_.codes = tickedGraphCodes(tree);
    input_.unitCount = file.unitCount;
    try {
        input_.records = ReadSecBySecFile(file.path, file.groupCount);
    } catch (const textfile::RunError& e) {
        p_.dialogs.messageBox(e.description() + ": " + file.path, "Error!", platform::Buttons::OK,
                              platform::Icon::None);
        input_ = GraphInput{};
        return false;
    }
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    Picture1->update();
    return true;
}

// One page in the page scale. A printer that fails says so and the run goes on; a cancelled
// set-up prints nothing.
void GraphDisplay::GraphDisplay_PrintBtn_Click() {
    p_.printer.beginRun();
    p_.printer.nameDocument(input_.title, platform::PageOrientation::PrinterDefault);
    if (platform::Canvas* page = p_.printer.drawingPage()) {
        setPageScale(*page);
        DrawGraph(*page, input_);
    }
    const platform::PrintOutcome outcome = p_.printer.endDoc();
    if (outcome.kind == platform::PrintOutcome::Kind::Failed) {
        p_.dialogs.messageBox("Could not print the graph of " + input_.title + "\r" + outcome.error, "Error!",
                              platform::Buttons::OK, platform::Icon::None);
    }
}

void GraphDisplay::GraphDisplay_Command2_Click() {
    p_.dialogs.printerSetup();
}

void GraphDisplay::GraphDisplay_CloseBtn_Click() {
    done(QDialog::Accepted);
    input_ = GraphInput{};
}

} // namespace ws
