#pragma once
// The comparison window: two two-by-two tables typed by hand, their Yule's Q, the shuffle
// test of the difference and a report opened in the text editor. It keeps nothing between
// openings; its owner makes a fresh one for each.

#include "platform/Platform.h"
#include "platform/Random.h"
#include "workstation/core/Global.h"
#include "workstation/sequential/SeqCompareStats.h"

#include <QDialog>

#include <array>
#include <string>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace ws {

class CountGrid;

class SeqCompare : public QDialog {
    Q_OBJECT

public:
    SeqCompare(Global& g, platform::Platform& p, platform::Random& random, QWidget* parent = nullptr);

    void SeqCompare_Form_Load();
    void SeqCompare_Command1_Click(int index);
    const std::string& statistics() const { return statistics_; }
    // False when the tables were refused: nothing was computed.
    bool RecalcStats();
    void MakeReport();

private:
    void buildControls();
    CompareCells readCells() const;

    Global& g_;
    platform::Platform& p_;
    platform::Random& random_;
    std::string statistics_; // the text Label4 shows, with its CR LF line ends

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<CountGrid*, 2> Fg1{};
    QLabel* Label3 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label4 = nullptr;
    QGroupBox* Frame2 = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    std::array<QPushButton*, 3> Command1{};
};

} // namespace ws
