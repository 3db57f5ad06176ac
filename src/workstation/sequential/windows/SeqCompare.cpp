#include "workstation/sequential/windows/SeqCompare.h"

#include "platform/HandlerGuard.h"
#include "platform/qt/CentreOnScreen.h"
#include "platform/qt/TextBridge.h"
#include "textfile/Files.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "workstation/core/ShowOutput.h"
#include "workstation/sequential/SeqResampling.h"
#include "workstation/sequential/windows/CountGrid.h"

#include "platform/qt/NamedWidget.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdio>
#include <exception>

namespace ws {

using platform::named;
namespace {

using platform::Buttons;
using platform::Icon;

const std::string kTitle = "Sequential Comparisons";

QLabel* label(QWidget* parent, const char* name, const char* caption) {
    return named(new QLabel(QString::fromLatin1(caption), parent), QString::fromLatin1(name));
}

std::string clockTime(const platform::DateTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

// A table with its "Target", "Y"/"N" column labels and "Y"/"N" row labels.
QGridLayout* tableLayout(QWidget* parent, CountGrid* grid, const std::array<const char*, 5>& names) {
    auto* layout = new QGridLayout;
    layout->addWidget(label(parent, names[0], "Target"), 0, 1, 1, 2, Qt::AlignHCenter);
    layout->addWidget(label(parent, names[1], "Y"), 1, 1, Qt::AlignHCenter);
    layout->addWidget(label(parent, names[2], "N"), 1, 2, Qt::AlignHCenter);
    auto* rows = new QVBoxLayout;
    rows->addWidget(label(parent, names[3], "Y"));
    rows->addWidget(label(parent, names[4], "N"));
    layout->addLayout(rows, 2, 0);
    layout->addWidget(grid, 2, 1, 1, 2);
    return layout;
}

} // namespace

SeqCompare::SeqCompare(Global& g, platform::Platform& p, platform::Random& random, QWidget* parent)
    : QDialog(parent), g_(g), p_(p), random_(random) {
    setObjectName(QStringLiteral("SeqCompare"));
    setWindowTitle(QString::fromStdString(kTitle));
    setModal(true);
    buildControls();
}

void SeqCompare::buildControls() {
    Label1 = label(this, "Label1", "Matrix One");
    Label2 = label(this, "Label2", "Matrix Two");
    for (std::size_t k = 0; k < Fg1.size(); ++k) {
        Fg1[k] = named(new CountGrid(this), QStringLiteral("Fg1_%1").arg(k));
    }
    Label3 = label(this, "Label3", "Fill in the matricies and press recalc");
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    Frame1 = named(new QGroupBox(QStringLiteral("Statistics"), this), "Frame1");
    Label4 = label(Frame1, "Label4", "Yule's Q One:");
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Wide enough for the longest line the statistics can hold, so none is cut off.
    Label4->setMinimumWidth(
        Label4->fontMetrics().horizontalAdvance(QString::fromLatin1(ResampleUnfinishedLine)) +
        Label4->fontMetrics().averageCharWidth());
    (new QVBoxLayout(Frame1))->addWidget(Label4);
    Frame2 = named(new QGroupBox(QStringLiteral("Shuffle Iterations"), this), "Frame2");
    Option1[0] = named(new QRadioButton(QStringLiteral("1000"), Frame2), "Option1_0");
    Option1[1] = named(new QRadioButton(QStringLiteral("10000"), Frame2), "Option1_1");
    Option1[0]->setChecked(true);
    auto* options = new QVBoxLayout(Frame2);
    options->addWidget(Option1[0]);
    options->addWidget(Option1[1]);
    const std::array<const char*, 3> captions{"&ReCalc Stats", "&Make Report", "&Close"};
    for (std::size_t k = 0; k < Command1.size(); ++k) {
        Command1[k] = named(new QPushButton(QString::fromLatin1(captions[k]), this),
                            QStringLiteral("Command1_%1").arg(k));
        connect(Command1[k], &QPushButton::clicked, this,
                [this, k] { SeqCompare_Command1_Click(static_cast<int>(k)); });
    }

    auto* tables = new QVBoxLayout;
    tables->addWidget(Label1);
    tables->addLayout(tableLayout(this, Fg1[0], {"Label5", "Label7", "Label8", "Label9", "Label10"}));
    tables->addWidget(Label2);
    tables->addLayout(tableLayout(this, Fg1[1], {"Label6", "Label11", "Label12", "Label13", "Label14"}));
    tables->addWidget(Label3);
    tables->addWidget(ProgressBar1);
    auto* right = new QVBoxLayout;
    right->addWidget(Frame2);
    right->addStretch();
    for (QPushButton* button : Command1) {
        right->addWidget(button);
    }
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(tables);
    layout->addWidget(Frame1, 1);
    layout->addLayout(right);
}

void SeqCompare::SeqCompare_Form_Load() {
    platform::centreOnScreen(*this);
    statistics_.clear();
    Label4->clear();
}

void SeqCompare::SeqCompare_Command1_Click(int index) {
    platform::guardHandler(p_.dialogs, {kTitle + " Error"}, [this, index] {
        for (CountGrid* grid : Fg1) {
            grid->endEdit();
        }
        switch (index) {
        case 0:
            RecalcStats();
            break;
        case 1:
            if (RecalcStats()) {
                MakeReport();
            }
            break;
        default:
            done(QDialog::Rejected); // the owner lets the window go once it has closed
            break;
        }
    });
}

CompareCells SeqCompare::readCells() const {
    CompareCells cells{};
    for (std::size_t table = 0; table < 2; ++table) {
        for (int row = 0; row < 2; ++row) {
            for (int column = 0; column < 2; ++column) {
                const QTableWidgetItem* item = Fg1[table]->item(row, column);
                const std::string text =
                    item == nullptr ? std::string() : platform::fromDisplay(item->text());
                cells[table * 4 + static_cast<std::size_t>(row * 2 + column)] = textfile::leadingNumber(text);
            }
        }
    }
    return cells;
}

bool SeqCompare::RecalcStats() {
    const std::optional<CompareCounts> counts = compareCounts(readCells());
    if (!counts) {
        p_.dialogs.messageBox(
            "Each cell must hold a count of 0 or more, and the eight cells together no more "
            "than 2147483647.",
            kTitle, Buttons::OK, Icon::Exclamation);
        return false;
    }
    const CompareProgress progress{
        [this](int percent) { ProgressBar1->setValue(percent); },
        [this](const std::string& text) { Label3->setText(platform::toDisplay(text)); },
        [this] { repaint(); },
    };
    const int iterations = Option1[0]->isChecked() ? 1000 : 10000;
    statistics_ = compareStatistics(*counts, iterations, random_, progress);
    Label4->setText(platform::toDisplayLines(statistics_));
    return true;
}

void SeqCompare::MakeReport() {
    const platform::DateTime now = p_.clock.now();
    const std::string report = compareReport(
        readCells(), statistics_, textfile::reportDate(now.year, now.month, now.day), clockTime(now));
    try {
        textfile::saveFileAtomically(kCompareReportName, report);
    } catch (const textfile::RunError& error) {
        p_.dialogs.messageBox("The report " + kCompareReportName +
                                  " could not be written: " + error.description() + ".",
                              kTitle, Buttons::OK, Icon::Exclamation);
        return;
    }
    startHelper(p_, textEditorCommand(g_, kCompareReportName));
}

} // namespace ws
