#include "workstation/core/windows/frmOptions.h"

#include "platform/qt/NamedWidget.h"
#include "platform/qt/TextBridge.h"
#include "textfile/RunError.h"
#include "workstation/core/CodeSetFile.h"
#include "workstation/core/windows/CentreOnScreen.h"
#include "workstation/core/windows/DORUSettings.h"
#include "workstation/core/windows/FGCont.h"
#include "workstation/core/windows/ODFSettings.h"
#include "workstation/core/windows/VTRSSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace ws {

using platform::named;

namespace {

const char* const kRules[] = {
    "TALVOR can read in a comma seperated file of time marked continous variables and recode them into a "
    "TALVOR code.",
    "The first column must have the time mark in with straight time units (a number) or in HH:MM:SS(.SS) "
    "format.",
    "The CSV file can contain many columns. The columns are numbered starting at 1 for the time mark.",
    "The CSV file must be sorted by time.",
    "The TALVOR event codes must also be defined in the currently loaded code file.",
    "The CSV file must have the same base name as the TALVOR event, ODF, Vintro or DORU File, end in .csv, "
    "and be in "
    "the same folder.",
    "If the \"first time as zero\" box is checked. The minimum time in the CSV file is subtracted from all "
    "the other "
    "times.",
};

QCheckBox* checkBox(const char* caption, const QString& name, QWidget* parent) {
    return named(new QCheckBox(QString::fromLatin1(caption), parent), name);
}

QLabel* pathLabel(const char* caption, const QString& name, QWidget* parent) {
    auto* label = named(new QLabel(QString::fromLatin1(caption), parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

int checkValue(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

void setBoxText(QLineEdit* box, const std::string& text) {
    box->setText(platform::toDisplay(text));
    box->selectAll();
}

struct ChooseRequest {
    const char* title;
    const char* filter;
    bool programs;
};

// Programs here are executable files of any name, so the helper programs' choosers offer
// those first, then every file.
const char* const kProgramsFilter = "Programs (executable files)|*|All Files (*.*)|*.*";
const ChooseRequest kChoose[] = {
    {"Select the code file to use", "TALVOR/VTRS Code Files (*.cod)|*.cod|All Files (*.*)|*.*", false},
    {"Select the text editor executable to use", kProgramsFilter, true},
    {"Select the spreadsheet editor executable to use", kProgramsFilter, true},
};

} // namespace

frmOptions::frmOptions(Global& g, platform::Platform& p, std::function<void()> saveSettings, QWidget* parent)
    : QDialog(parent), g_(g), p_(p), saveSettings_(std::move(saveSettings)),
      vtrs_(std::make_unique<VTRSSettings>()), odf_(std::make_unique<ODFSettings>()),
      doru_(std::make_unique<DORUSettings>(p)) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("TALVOR Preferences"));
    setModal(true);
    buildControls();
    tbsOptions->installEventFilter(this);
}

frmOptions::~frmOptions() = default;

void frmOptions::buildControls() {
    tbsOptions = named(new QTabBar(this), "tbsOptions");
    // Only Ctrl+Tab changes tabs from the keyboard: the strip takes no focus, so its own
    // arrow keys never reach it.
    tbsOptions->setFocusPolicy(Qt::NoFocus);
    const struct {
        const char* caption;
        const char* key;
        const char* tip;
    } tabs[] = {{"General Options", "Group1", "Set Options Analyses"},
                {"Helper Files", "Helpers", "Set Helper Application Locations"},
                {"Windows Collector", "Collection", "Set Data Collection Options"},
                {"Continous Variables", "", ""}};
    for (const auto& tab : tabs) {
        const int index = tbsOptions->addTab(QString::fromLatin1(tab.caption));
        tbsOptions->setTabData(index, QString::fromLatin1(tab.key));
        tbsOptions->setTabToolTip(index, QString::fromLatin1(tab.tip));
    }

    picOptions = {buildGeneral(), buildHelpers(), buildCollector(), buildContinuous()};
    // The panels lie on top of each other; the dialog keeps the size of the largest, whichever shows.
    auto* panels = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        QWidget* panel = picOptions[static_cast<std::size_t>(i)];
        panel->setObjectName(QStringLiteral("picOptions_%1").arg(i));
        QSizePolicy policy = panel->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        panel->setSizePolicy(policy);
        panels->addWidget(panel, 0, 0);
    }

    cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdCancel = named(new QPushButton(QStringLiteral("Cancel"), this), "cmdCancel");
    cmdOK->setAutoDefault(false);
    cmdCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tbsOptions);
    layout->addLayout(panels);
    layout->addLayout(buttons);

    connect(tbsOptions, &QTabBar::currentChanged, this, [this] { tbsOptions_Click(); });
    connect(Check3, &QCheckBox::toggled, this, [this] { Check3_Click(); });
    connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
    for (QRadioButton* option : Option1) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) {
                Option1_Click();
            }
        });
    }
    connect(VTRSBtn, &QPushButton::clicked, this, [this] { VTRSBtn_Click(); });
    for (int i = 0; i < 3; ++i) {
        connect(Choose_Btn[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Choose_Btn_Click(i); });
    }
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    tbsOptions_Click();
}

QWidget* frmOptions::buildGeneral() {
    auto* panel = new QWidget(this);
    Check1 = checkBox("Display Startup &Box", "Check1", panel);
    Check3 = checkBox("&Read from the X'th digit Y characters (ODF and EVE files only)", "Check3", panel);
    Label1 = named(new QLabel(QStringLiteral("X="), panel), "Label1");
    Text2 = named(new QLineEdit(panel), "Text2");
    Label5 = named(new QLabel(QStringLiteral("Y="), panel), "Label5");
    Text3 = named(new QLineEdit(panel), "Text3");
    Label3 = named(new QLabel(QStringLiteral("Frequency IOA Window Size :"), panel), "Label3");
    Text1 = named(new QLineEdit(panel), "Text1");
    Frame2 = named(new QGroupBox(QStringLiteral("Input File Type"), panel), "Frame2");
    const char* const formats[] = {"&TALVOR (.eve)", "&Vintrosa (.qvd)", "&Observer (.odf)", "&Doru (.slt)"};
    auto* formatLayout = new QVBoxLayout(Frame2);
    for (int i = 0; i < 4; ++i) {
        Option1[static_cast<std::size_t>(i)] = named(
            new QRadioButton(QString::fromLatin1(formats[i]), Frame2), QStringLiteral("Option1_%1").arg(i));
        formatLayout->addWidget(Option1[static_cast<std::size_t>(i)]);
    }
    VTRSBtn = named(new QPushButton(QStringLiteral("TALVOR Settings"), panel), "VTRSBtn");
    VTRSBtn->setAutoDefault(false);
    formatLayout->addWidget(VTRSBtn);

    auto* cutOff = new QHBoxLayout;
    cutOff->addWidget(Label1);
    cutOff->addWidget(Text2);
    cutOff->addWidget(Label5);
    cutOff->addWidget(Text3);
    auto* window = new QHBoxLayout;
    window->addWidget(Label3);
    window->addWidget(Text1);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(Check1);
    layout->addWidget(Check3);
    layout->addLayout(cutOff);
    layout->addLayout(window);
    layout->addWidget(Frame2);
    return panel;
}

QWidget* frmOptions::buildHelpers() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    const struct {
        const char* frame;
        const char* frameName;
        const char* label;
        const char* labelName;
    } helpers[] = {{"Code File Selection...", "Frame1", "Code File:", "Label4"},
                   {"Text Editor Selection...", "Frame3", "Text Editor:", "Label6"},
                   {"Spreadsheet Editor Selection...", "Frame1", "Spreadsheet Editor:", "Label7"}};
    std::array<QLabel*, 3> labels{};
    for (int i = 0; i < 3; ++i) {
        auto* frame = named(new QGroupBox(QString::fromLatin1(helpers[i].frame), panel),
                            QString::fromLatin1(helpers[i].frameName));
        labels[static_cast<std::size_t>(i)] =
            pathLabel(helpers[i].label, QString::fromLatin1(helpers[i].labelName), frame);
        auto* button = named(new QPushButton(QStringLiteral("C&hoose..."), frame),
                             QStringLiteral("Choose_Btn_%1").arg(i));
        button->setAutoDefault(false);
        Choose_Btn[static_cast<std::size_t>(i)] = button;
        auto* row = new QHBoxLayout(frame);
        row->addWidget(labels[static_cast<std::size_t>(i)], 1);
        row->addWidget(button);
        layout->addWidget(frame);
    }
    Label4 = labels[0];
    Label6 = labels[1];
    Label7 = labels[2];
    return panel;
}

QWidget* frmOptions::buildCollector() {
    auto* panel = new QWidget(this);
    Check4 = checkBox("Collection Sounds &ON", "Check4", panel);
    Check2 = checkBox("&Fixed Digit Entry method", "Check2", panel);
    Label8 = named(new QLabel(QStringLiteral("Digits to Auto Enter:"), panel), "Label8");
    Text4 = named(new QLineEdit(panel), "Text4");
    Label2 = named(new QLabel(QStringLiteral("Session Duration (in seconds)"), panel), "Label2");
    Text5 = named(new QLineEdit(panel), "Text5");
    Check5 = checkBox("Times are in tenths of seconds", "Check5", panel);
    auto* autoEnter = new QHBoxLayout;
    autoEnter->addWidget(Label8);
    autoEnter->addWidget(Text4);
    auto* duration = new QHBoxLayout;
    duration->addWidget(Label2);
    duration->addWidget(Text5);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(Check4);
    layout->addWidget(Check2);
    layout->addLayout(autoEnter);
    layout->addLayout(duration);
    layout->addWidget(Check5);
    return panel;
}

QWidget* frmOptions::buildContinuous() {
    auto* panel = new QWidget(this);
    fraSample4 = named(new QGroupBox(QStringLiteral("Continous Variable Translation"), panel), "fraSample4");
    const char* const captions[] = {"Read a .csv file with a continous variable measures",
                                    "Insert an event only when the TALVOR code changes (just onsets)",
                                    "Use the first time as zero", "CSV Has a header line",
                                    "Save the merged files (.evm.eve)"};
    auto* layout = new QVBoxLayout(fraSample4);
    for (int i = 0; i < 5; ++i) {
        ContCheck[static_cast<std::size_t>(i)] =
            named(new QCheckBox(QString::fromLatin1(captions[i]), fraSample4),
                  QStringLiteral("ContCheck%1").arg(i + 1));
        layout->addWidget(ContCheck[static_cast<std::size_t>(i)]);
    }
    Command1 = named(new QPushButton(QStringLiteral("Explain the rules"), fraSample4), "Command1");
    Command1->setAutoDefault(false);
    layout->addWidget(Command1);
    FGCont = new ws::FGCont(fraSample4);
    layout->addWidget(FGCont);
    auto* outer = new QVBoxLayout(panel);
    outer->addWidget(fraSample4);
    return panel;
}

void frmOptions::showDialog() {
    Form_Load();
    p_.dialogs.showModal(*this);
}

void frmOptions::Form_Load() {
    // While the dialog is up it sees keys before its controls (a grid cell's editor included),
    // so no control can take Ctrl+Tab for itself.
    qApp->installEventFilter(this);
    // A fresh showing starts from an empty grid: rows a short rules file does not reach stay empty.
    FGCont->model().setCells({});
    centreOnScreen(*this);
    tbsOptions->setCurrentIndex(0);
    tbsOptions_Click();
    ShowOptions();
    Check5->setEnabled(true);
    Text5->setEnabled(true);
}

void frmOptions::fillControls(const OptionsControls& c) {
    Check1->setChecked(c.Check1 != 0);
    Check3->setChecked(c.Check3 != 0);
    setBoxText(Text2, c.Text2);
    setBoxText(Text3, c.Text3);
    setBoxText(Text1, c.Text1);
    if (c.fileFormat >= 0 && c.fileFormat < 4) {
        Option1[static_cast<std::size_t>(c.fileFormat)]->setChecked(true);
    }
    Option1_Click();
    Label4->setText(platform::toDisplay(c.Label4));
    Label6->setText(platform::toDisplay(c.Label6));
    Label7->setText(platform::toDisplay(c.Label7));
    Check4->setChecked(c.Check4 != 0);
    Check2->setChecked(c.Check2 != 0);
    setBoxText(Text4, c.Text4);
    setBoxText(Text5, c.Text5);
    Check5->setChecked(c.Check5 != 0);
    for (std::size_t i = 0; i < ContCheck.size(); ++i) {
        ContCheck[i]->setChecked(c.ContCheck[i] != 0);
    }
    Check2_Click();
    Check3_Click();
}

void frmOptions::ShowOptions() {
    const OptionsControls c = controlsFromSettings(g_);
    fillControls(c);
    vtrs_->fill(c.vtrs);
    doru_->fill(c.doru);
    odf_->fill(c.odf);
    ReadContGrid();
    if (saveSettings_) {
        saveSettings_();
    }
}

OptionsControls frmOptions::controls() const {
    OptionsControls c;
    c.Check1 = checkValue(Check1);
    c.Check3 = checkValue(Check3);
    c.Text2 = platform::fromDisplay(Text2->text());
    c.Text3 = platform::fromDisplay(Text3->text());
    c.Text1 = platform::fromDisplay(Text1->text());
    for (int i = 0; i < 4; ++i) {
        if (Option1[static_cast<std::size_t>(i)]->isChecked()) {
            c.fileFormat = i;
        }
    }
    c.Label4 = platform::fromDisplay(Label4->text());
    c.Label6 = platform::fromDisplay(Label6->text());
    c.Label7 = platform::fromDisplay(Label7->text());
    c.Check4 = checkValue(Check4);
    c.Check2 = checkValue(Check2);
    c.Text4 = platform::fromDisplay(Text4->text());
    c.Text5 = platform::fromDisplay(Text5->text());
    c.Check5 = checkValue(Check5);
    for (std::size_t i = 0; i < ContCheck.size(); ++i) {
        c.ContCheck[i] = checkValue(ContCheck[i]);
    }
    c.vtrs = vtrs_->read();
    c.odf = odf_->read();
    c.doru = doru_->read();
    return c;
}

bool frmOptions::ApplyOptions() {
    const OptionsControls c = controls();
    if (const std::optional<std::string> refusal = refusalOf(c)) {
        p_.dialogs.messageBox(*refusal, "TALVOR Preferences", platform::Buttons::OK,
                              platform::Icon::Exclamation);
        return false;
    }
    if (const std::optional<std::string> refusal = rulesRefusal(c)) {
        p_.dialogs.messageBox(*refusal + ".", "TALVOR Preferences", platform::Buttons::OK,
                              platform::Icon::Exclamation);
        return false;
    }
    copyControls(c, g_);
    // The code set is reopened first: a file it refuses is then neither stored as the code
    // set nor given the rules file, which lives beside the code set in use.
    OpenCodeFile(g_, p_);
    if (g_.gReadCont != 0) {
        SaveContGrid();
        // The merge counts by the rules as edited here from now on, not from the next showing.
        g_.ContGrid = FGCont->model().cells();
    }
    if (saveSettings_) {
        saveSettings_();
    }
    return true;
}

std::optional<std::string> frmOptions::rulesRefusal(const OptionsControls& c) const {
    if (c.ContCheck[0] == 0) {
        return std::nullopt; // the rules are not saved
    }
    if (std::optional<std::string> refusal = unsavableCell(FGCont->model().cells())) {
        return refusal;
    }
    // The rules go with the code set that OK opens, which the person may just have chosen.
    CodeSetReading chosen = readCodeSetFile(c.Label4);
    if (!chosen.read) {
        return ruleCodeRefusal(FGCont->model().cells(), g_);
    }
    CodeSet codeSet;
    useCodeSet(codeSet, std::move(chosen.contents));
    return ruleCodeRefusal(FGCont->model().cells(), codeSet);
}

void frmOptions::ReadContGrid() {
    // A rules file that cannot be read to its end keeps the cells read; the dialog shows.
    const auto readInto = [this](ContGridData& grid) {
        try {
            ws::ReadContGrid(grid, g_.Code_File);
        } catch (const textfile::RunError&) {
        }
    };
    ContGridData cells = FGCont->model().cells();
    readInto(cells);
    readInto(g_.ContGrid);
    FGCont->model().setCells(cells);
}

void frmOptions::SaveContGrid() {
    ws::SaveContGrid(FGCont->model().cells(), g_.Code_File, p_.dialogs);
}

void frmOptions::tbsOptions_Click() {
    const int selected = tbsOptions->currentIndex();
    for (int i = 0; i < static_cast<int>(picOptions.size()); ++i) {
        QWidget* panel = picOptions[static_cast<std::size_t>(i)];
        panel->setVisible(i == selected);
        panel->setEnabled(i == selected);
    }
}

void frmOptions::Check2_Click() {
    Label8->setVisible(Check2->isChecked());
    Text4->setVisible(Check2->isChecked());
}

void frmOptions::Check3_Click() {
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, Label5, Text2, Text3}) {
        w->setVisible(Check3->isChecked());
    }
}

void frmOptions::Option1_Click() {
    const char* caption = nullptr;
    if (Option1[3]->isChecked()) {
        caption = "Doru Settings";
    } else if (Option1[1]->isChecked()) {
        caption = "Vintro Settings";
    } else if (Option1[2]->isChecked()) {
        caption = "ODF Settings";
    }
    VTRSBtn->setVisible(caption != nullptr);
    if (caption != nullptr) {
        VTRSBtn->setText(QString::fromLatin1(caption));
    }
}

void frmOptions::VTRSBtn_Click() {
    const QString caption = VTRSBtn->text();
    if (caption == QStringLiteral("Vintro Settings")) {
        p_.dialogs.showModal(*vtrs_);
    } else if (caption == QStringLiteral("Doru Settings")) {
        p_.dialogs.showModal(*doru_);
    } else if (caption == QStringLiteral("ODF Settings")) {
        p_.dialogs.showModal(*odf_);
    }
}

void frmOptions::Choose_Btn_Click(int index) {
    if (index < 0 || index > 2) {
        return;
    }
    platform::FileDialogRequest request;
    request.title = kChoose[index].title;
    request.filter = kChoose[index].filter;
    request.programs = kChoose[index].programs;
    request.flags = platform::kHideReadOnly | platform::kFileMustExist;
    const std::string chosen = p_.dialogs.openFile(request);
    if (chosen.find_first_not_of(' ') == std::string::npos) {
        return;
    }
    // The choice is a setting at once, before OK, and stays if the dialog is cancelled. A code
    // set is read as it is chosen, so the setting never names one whose codes are not in use.
    if (index == 0 && !takeCodeFile(g_, p_.dialogs, chosen)) {
        return;
    }
    std::string* const settings[] = {&g_.Code_File, &g_.Text_Editor, &g_.Spreadsheet_Editor};
    QLabel* const labels[] = {Label4, Label6, Label7};
    *settings[index] = chosen;
    labels[index]->setText(platform::toDisplay(chosen));
}

void frmOptions::Command1_Click() {
    std::string text;
    for (const char* sentence : kRules) {
        text += std::string(sentence) + "\r\n\r\n";
    }
    text.resize(text.size() - 2);
    p_.dialogs.messageBox(text, "The Rules", platform::Buttons::OK, platform::Icon::None);
}

void frmOptions::cmdOK_Click() {
    if (!ApplyOptions()) {
        return;
    }
    unload(QDialog::Accepted);
    vtrs_->hide();
}

void frmOptions::cmdCancel_Click() {
    unload(QDialog::Rejected);
}

void frmOptions::unload(int result) {
    done(result);
}

void frmOptions::done(int result) {
    qApp->removeEventFilter(this);
    QDialog::done(result);
    hide();
}

bool frmOptions::formKeyDown(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Tab || event.modifiers() != Qt::ControlModifier) {
        return false;
    }
    tbsOptions->setCurrentIndex((tbsOptions->currentIndex() + 1) % tbsOptions->count());
    return true;
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::KeyPress && widget != nullptr && widget->window() == this &&
        formKeyDown(static_cast<const QKeyEvent&>(*event))) {
        return true;
    }
    // The strip's own arrow keys and wheel would change tabs behind the form's back.
    if (watched == tbsOptions && (event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel)) {
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::keyPressEvent(QKeyEvent* event) {
    if (!formKeyDown(*event)) {
        QDialog::keyPressEvent(event);
    }
}

} // namespace ws
