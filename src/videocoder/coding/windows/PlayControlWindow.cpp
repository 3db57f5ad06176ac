#include "videocoder/coding/windows/PlayControlWindow.h"

#include "platform/HandlerGuard.h"
#include "platform/qt/TextBridge.h"
#include "textfile/Numeric.h"
#include "textfile/RunError.h"
#include "videocoder/coding/OpenMedia.h"
#include "videocoder/coding/PlayControl.h"
#include "videocoder/coding/PlayerWait.h"
#include "videocoder/coding/windows/ControlStrip.h"
#include "videocoder/coding/windows/SeekSlider.h"
#include "videocoder/coding/windows/WindowPosition.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/FileNames.h"
#include "videocoder/core/Settings.h"
#include "videocoder/core/TimeConversion.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace vc {

namespace {
const char* const kSizeCaptions[] = {"50%",           "100%",       "200%", "Stretch to window",
                                     "Fit to Window", "Full Screen"};
const char* const kSpeedCaptions[] = {"Quarter", "Half", "Three Quarter", "Normal", "Double", "Backwards"};
constexpr int kDisplayMs = 33;
constexpr int kButtonWidth = 435 / 15;
constexpr int kButtonHeight = 375 / 15;
// Wide enough to set the volume by hand in steps a person can tell apart.
constexpr int kVolumeSliderMinimum = 100;
} // namespace

PlayControlWindow::PlayControlWindow(PlayControlKind kind, Globals& g, platform::Platform& p,
                                     const PlayerFactory& makePlayer, QWidget* parent)
    : PlayerWindow(g, p, makePlayer, parent), kind_(kind) {
    setObjectName(kind == PlayControlKind::File ? "VideoFrm2" : "VideoFrmDVD");
    setMinimumWidth(kPlayControlMinimumWidth);
    buildMenus();
    placeSurface(buildControls());
    StatusPanel = new QLabel(this);
    statusBar()->addWidget(StatusPanel, 1);
    rstTimer1.setInterval(kDisplayMs);
    connect(&rstTimer1, &QTimer::timeout, this, [this] { rstTimer1_Timer(); });
    player_->setStateChangedHandler([this] { mmPlay_StateChanged(); });
    resize(kPlayControlMinimumWidth, 420);
}

PlayControlWindow::~PlayControlWindow() {
    player_->setStateChangedHandler(nullptr);
}

void PlayControlWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    if (kind_ == PlayControlKind::File) {
        OpenMnu = file->addAction("Open...");
        connect(OpenMnu, &QAction::triggered, this, [this] { reported([this] { OpenMnu_Click(); }); });
    }
    connect(file->addAction("Close"), &QAction::triggered, this,
            [this] { reported([this] { CloseMnu_Click(); }); });
    file->addSeparator();
    connect(file->addAction("E&xit"), &QAction::triggered, this, [this] { ExitMnu_Click(); });

    QMenu* control = menuBar()->addMenu("&Control");
    QAction* play = control->addAction("&Play");
    play->setShortcut(QKeySequence("Ctrl+D"));
    connect(play, &QAction::triggered, this, [this] { reported([this] { PlayMnu_Click(); }); });
    QAction* stop = control->addAction("&Stop");
    stop->setShortcut(QKeySequence("Ctrl+F"));
    connect(stop, &QAction::triggered, this, [this] { StopMnu_Click(); });
    MuteMnu = control->addAction("Mute");
    MuteMnu->setCheckable(true);
    connect(MuteMnu, &QAction::triggered, this, [this] {
        MuteMnu->setChecked(!MuteMnu->isChecked());
        reported([this] { MuteMnu_Click(); });
    });
    control->addSeparator();

    QMenu* size = menuBar()->addMenu("Size");
    for (int i = 0; i < 6; ++i) {
        PercentMenu[i] = size->addAction(kSizeCaptions[i]);
        PercentMenu[i]->setCheckable(true);
        connect(PercentMenu[i], &QAction::triggered, this,
                [this, i] { reported([this, i] { PercentMenu_Click(i); }); });
    }
    PercentMenu[1]->setChecked(true);
    // Switched off in the design: the person cannot choose it.
    PercentMenu[kFullScreenItem]->setVisible(false);

    QMenu* speed = menuBar()->addMenu("Speed");
    const int items = kind_ == PlayControlKind::Dvd ? 6 : 5;
    for (int i = 0; i < items; ++i) {
        QAction* item = speed->addAction(kSpeedCaptions[i]);
        item->setCheckable(true);
        if (i < 5) {
            item->setShortcut(QKeySequence(QString("Ctrl+F%1").arg(i + 1)));
        }
        connect(item, &QAction::triggered, this, [this, i] { reported([this, i] { spdmenu_Click(i); }); });
        spdmenu.push_back(item);
    }
    spdmenu[kNormalSpeedItem]->setChecked(true);
}

QToolButton* PlayControlWindow::addButton(QWidget* strip, const char* tip,
                                          void (PlayControlWindow::*handler)()) {
    auto* button = new QToolButton(strip);
    button->setToolTip(tip);
    button->setText(tip);
    button->setFixedSize(kButtonWidth * 2, kButtonHeight);
    connect(button, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    strip->layout()->addWidget(button);
    return button;
}

QWidget* PlayControlWindow::buildControls() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 2, 4, 2);
    PosSlider = new QSlider(Qt::Horizontal, panel);
    PosSlider->setRange(0, 10000);
    PosSlider->setSingleStep(1);
    PosSlider->setPageStep(500);
    PosSlider->setTickInterval(10000);
    PosSlider->setTickPosition(QSlider::TicksBelow);
    jumpToClicks(*PosSlider);
    // A move by the person seeks; the display setting the value does not.
    connect(PosSlider, &QSlider::actionTriggered, this,
            [this] { QTimer::singleShot(0, this, [this] { PosSlider_Change(); }); });
    column->addWidget(PosSlider);

    auto* strip = new ControlStrip(panel);
    QWidget* buttons = strip->buttons();
    btnPlay = addButton(buttons, "Play", &PlayControlWindow::btnPlay_Click);
    btnPause = addButton(buttons, "Pause", &PlayControlWindow::btnPause_Click);
    btnStart = addButton(buttons, "Seek Start", &PlayControlWindow::btnStart_Click);
    btnPrev = addButton(buttons, "Previous Frame", &PlayControlWindow::btnPrev_Click);
    btnNext = addButton(buttons, "Next Frame", &PlayControlWindow::btnNext_Click);
    btnEnd = addButton(buttons, "Seek End", &PlayControlWindow::btnEnd_Click);
    btnPlay->setText("\u25B6");
    btnPause->setText("\u2016");
    btnStart->setText("|\u25C0");
    btnPrev->setText("\u25C0|");
    btnNext->setText("|\u25B6");
    btnEnd->setText("\u25B6|");

    auto* volume = new QGroupBox("Volume", strip);
    auto* volumeRow = new QHBoxLayout(volume);
    volumeRow->setContentsMargins(4, 0, 4, 0);
    trkVolume = new QSlider(Qt::Horizontal, volume);
    trkVolume->setToolTip("Adjust Volume");
    trkVolume->setMinimumWidth(kVolumeSliderMinimum);
    trkVolume->setRange(-4000, 0);
    trkVolume->setSingleStep(100);
    trkVolume->setPageStep(400);
    connect(trkVolume, &QSlider::valueChanged, this, [this] { reported([this] { trkVolume_Scroll(); }); });
    // The labels keep their whole words however narrow the window gets.
    for (const char* end : {"Min", "Max"}) {
        auto* label = new QLabel(end, volume);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        volumeRow->addWidget(label);
        if (end == std::string("Min")) {
            volumeRow->addWidget(trkVolume, 1);
        }
    }
    strip->setSide(volume);
    column->addWidget(strip);
    return panel;
}

template <class Handler> void PlayControlWindow::reported(Handler&& handler) {
    platform::guardHandler(p_.dialogs, {kErrorTitle, platform::Icon::Critical, kVideoControlErrorLead},
                           handler);
}

template <class Handler> void PlayControlWindow::ignored(Handler&& handler) {
    try {
        handler();
    } catch (const textfile::RunError&) {
    }
}

void PlayControlWindow::loadSteps() {
    clearForLoad();
    try {
        if (kind_ == PlayControlKind::File) {
            player_->openFile(g_.data.gVideoFileName);
        } else {
            player_->openDvd(g_.settings.DVDDrive);
        }
        // The control opened its media before going on: a failure shows here.
        if (!waitUntilOpened(*player_, p_.dialogs, p_.clock)) {
            throw textfile::RunError(textfile::kInvalidArgument, "The media could not be opened in time");
        }
    } catch (const textfile::RunError& e) {
        // Nothing of the media before stays to be taken for this one.
        setWindowTitle("Media: ");
        showMediaNote(e.description());
        throw;
    }
    player_->setSizeMode(platform::SizeMode::Normal);
    player_->stop();
    PosSlider->setRange(0, 10000);
    PosSlider->setSingleStep(1);
    PosSlider->setPageStep(500);
    PosSlider->setTickInterval(10000);
    setWindowTitle(platform::toDisplay(kind_ == PlayControlKind::File
                                           ? "Media: " + FileNameOf(g_.data.gVideoFileName)
                                           : std::string("Media: DVD")));
    applyStoredPosition(*this, g_.settings);
    update();
    mediaOpened();
    noteMissingVideo();
    PercentMenu_Click(textfile::toInt16(g_.settings.VidSize));
}

void PlayControlWindow::Form_Load() {
    loaded_ = true;
    rstTimer1.start();
    if (kind_ == PlayControlKind::File) {
        loadSteps();
        return;
    }
    try {
        loadSteps();
    } catch (const textfile::RunError& e) {
        p_.dialogs.messageBox(e.description(), kProgramTitle, platform::Buttons::OK, platform::Icon::None);
        close();
    }
}

void PlayControlWindow::checkOnly(const std::vector<QAction*>& items, int index) {
    for (QAction* item : items) {
        item->setChecked(false);
    }
    items[static_cast<std::size_t>(index)]->setChecked(true);
}

void PlayControlWindow::PercentMenu_Click(int index) {
    if (index < 0 || index > kFullScreenItem) {
        throw textfile::RunError(textfile::kSubscriptOutOfRange);
    }
    checkOnly({PercentMenu.begin(), PercentMenu.end()}, index);
    if (index == kFullScreenItem) {
        ignored([this] { player_->toggleFullScreen(); });
    } else {
        player_->setSizeMode(kSizeItemModes[static_cast<std::size_t>(index)]);
    }
    g_.settings.VidSize = index;
}

void PlayControlWindow::spdmenu_Click(int index) {
    checkOnly(spdmenu, index);
    frameBack_.stop();
    try {
        if (kind_ == PlayControlKind::File) {
            player_->setRate(kPlayControlSpeeds[static_cast<std::size_t>(index)]);
        } else if (index == kBackwardsItem) {
            try {
                player_->playBackwards(1.0);
            } catch (const textfile::RunError&) {
                frameBack_.start(*player_);
            }
        } else {
            player_->playForwards(kPlayControlSpeeds[static_cast<std::size_t>(index)]);
        }
    } catch (const textfile::RunError&) {
        p_.dialogs.messageBox(kRateRefusal, "Sorry", platform::Buttons::OK, platform::Icon::Information);
        checkOnly(spdmenu, kNormalSpeedItem);
        ignored([this] { player_->setRate(1.0); });
    }
}

void PlayControlWindow::OpenMnu_Click() {
    g_.data.gVideoFileName = askForMediaFile(p_.dialogs, g_.data.gVideoFileName);
    keepPosition(true);
    Form_Load();
}

void PlayControlWindow::CloseMnu_Click() {
    frameBack_.stop();
    closeMedia("Media: ");
}

void PlayControlWindow::StopMnu_Click() {
    frameBack_.stop();
    if (kind_ == PlayControlKind::Dvd) {
        ignored([this] { player_->pause(); });
    } else {
        reported([this] { player_->pause(); });
    }
}

void PlayControlWindow::MuteMnu_Click() {
    MuteMnu->setChecked(!MuteMnu->isChecked());
    player_->setMuted(MuteMnu->isChecked());
}

void PlayControlWindow::btnPlay_Click() {
    frameBack_.stop();
    Transport{*player_, g_, p_.dialogs}.btnPlay_Click();
}

void PlayControlWindow::btnPause_Click() {
    frameBack_.stop();
    if (kind_ == PlayControlKind::Dvd) {
        ignored([this] { Transport{*player_, g_, p_.dialogs}.btnPause_Click(); });
    } else {
        reported([this] { Transport{*player_, g_, p_.dialogs}.btnPause_Click(); });
    }
}

void PlayControlWindow::btnStart_Click() {
    reported([this] { Transport{*player_, g_, p_.dialogs}.btnStart_Click(); });
}

void PlayControlWindow::btnEnd_Click() {
    reported([this] { Transport{*player_, g_, p_.dialogs}.btnEnd_Click(); });
}

void PlayControlWindow::btnPrev_Click() {
    reported([this] { Transport{*player_, g_, p_.dialogs}.btnPrev_Click(); });
}

void PlayControlWindow::btnNext_Click() {
    reported([this] { Transport{*player_, g_, p_.dialogs}.btnNext_Click(); });
}

void PlayControlWindow::PosSlider_Change() {
    try {
        player_->setTrackingPosition(PosSlider->value());
        if (const auto text = sliderPanelText(*player_, g_.settings)) {
            StatusPanel->setText(platform::toDisplay(*text));
        }
    } catch (const textfile::RunError& e) {
        if (kind_ == PlayControlKind::Dvd) {
            p_.dialogs.messageBox(e.description(), kProgramTitle, platform::Buttons::OK,
                                  platform::Icon::None);
        } else {
            showVideoControlError(p_.dialogs, e.description());
        }
    }
}

void PlayControlWindow::trkVolume_Scroll() {
    player_->setVolume(trkVolume->value());
}

void PlayControlWindow::showPosition() {
    if (const auto text = positionPanelText(*player_, g_.settings)) {
        StatusPanel->setText(platform::toDisplay(*text));
    }
    if (!PosSlider->isSliderDown()) {
        const QSignalBlocker quiet(PosSlider);
        PosSlider->setValue(player_->trackingPosition());
    }
}

void PlayControlWindow::rstTimer1_Timer() {
    frameBack_.tick(*player_);
    ignored([this] { showPosition(); });
}

void PlayControlWindow::mmPlay_StateChanged() {
    if (!loaded_ || inStateChanged_) {
        return;
    }
    inStateChanged_ = true;
    try {
        // A player still loading its media (its pause is set before the media is there) has
        // nothing to show yet, and no frame numbers to judge the file by.
        if (player_->state() != platform::PlayerState::NotReady) {
            showPosition();
        }
    } catch (const textfile::RunError&) {
        if (fallBackToSeconds(g_.settings)) {
            SaveSettings(g_.settings, p_.settings, p_.dialogs);
            p_.dialogs.messageBox(kFramesRefusal, "Error", platform::Buttons::OK,
                                  platform::Icon::Information);
        }
    }
    inStateChanged_ = false;
}

} // namespace vc
