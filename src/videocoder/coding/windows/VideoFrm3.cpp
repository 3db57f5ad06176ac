#include "videocoder/coding/windows/VideoFrm3.h"

#include "platform/HandlerGuard.h"
#include "platform/qt/TextBridge.h"
#include "textfile/RunError.h"
#include "videocoder/coding/MediaWindowItems.h"
#include "videocoder/coding/OpenMedia.h"
#include "videocoder/coding/PlayerWait.h"
#include "videocoder/coding/windows/SeekSlider.h"
#include "videocoder/coding/windows/WindowPosition.h"
#include "videocoder/core/FileDialogs.h"
#include "videocoder/core/FileNames.h"
#include "videocoder/core/Settings.h"
#include "videocoder/core/TimeConversion.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolButton>

#include <filesystem>

namespace vc {

namespace {
const char* const kSpeedCaptions[] = {"33%", "50%", "75%", "Normal", "X2", "X3"};
constexpr int kStatusClockMs = 10;
constexpr int kSeekBarScale = 10000;

// The name a directory search returns: the file's own name as stored, or "" when there is none.
std::string foundFileName(const std::string& path) {
    std::error_code ignored;
    if (path.empty() || !std::filesystem::is_regular_file(path, ignored)) {
        return {};
    }
    return FileNameOf(path);
}
} // namespace

VideoFrm3::VideoFrm3(Globals& g, platform::Platform& p, const PlayerFactory& makePlayer, QWidget* parent)
    : PlayerWindow(g, p, makePlayer, parent) {
    setObjectName("VideoFrm3");
    buildMenus();
    placeSurface(buildTransportBar());
    Sb1Panel = new QLabel(this);
    statusBar()->addWidget(Sb1Panel, 1);
    Timer1.setInterval(kStatusClockMs);
    connect(&Timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1_Timer(); }); });
    resize(480, 420);
}

VideoFrm3::~VideoFrm3() = default;

void VideoFrm3::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    connect(file->addAction("Open..."), &QAction::triggered, this,
            [this] { guarded([this] { OpenMnu_Click(); }); });
    connect(file->addAction("Close"), &QAction::triggered, this,
            [this] { guarded([this] { CloseMnu_Click(); }); });
    file->addSeparator();
    connect(file->addAction("E&xit"), &QAction::triggered, this,
            [this] { guarded([this] { ExitMnu_Click(); }); });

    QMenu* control = menuBar()->addMenu("&Control");
    QAction* play = control->addAction("&Play");
    play->setShortcut(QKeySequence("Ctrl+D"));
    connect(play, &QAction::triggered, this, [this] { guarded([this] { PlayMnu_Click(); }); });
    QAction* stop = control->addAction("&Stop");
    stop->setShortcut(QKeySequence("Ctrl+F"));
    connect(stop, &QAction::triggered, this, [this] { guarded([this] { StopMnu_Click(); }); });
    control->addSeparator();
    MuteMnu = control->addAction("Mute");
    MuteMnu->setCheckable(true);
    // The handler inverts the check itself, as the menu item does not.
    connect(MuteMnu, &QAction::triggered, this, [this] {
        MuteMnu->setChecked(!MuteMnu->isChecked());
        guarded([this] { MuteMnu_Click(); });
    });
    control->addSeparator();
    QMenu* speeds = control->addMenu("Play Speed");
    for (int i = 0; i < 6; ++i) {
        speedMnu[i] = speeds->addAction(kSpeedCaptions[i]);
        speedMnu[i]->setCheckable(true);
        connect(speedMnu[i], &QAction::triggered, this,
                [this, i] { guarded([this, i] { speedMnu_Click(i); }); });
    }
    speedMnu[kMediaNormalRate]->setChecked(true);
    control->addSeparator();
    SizeMnu = control->addAction("Fit To Window");
    SizeMnu->setCheckable(true);
    connect(SizeMnu, &QAction::triggered, this, [this] {
        SizeMnu->setChecked(!SizeMnu->isChecked());
        guarded([this] { SizeMnu_Click(); });
    });
    control->addSeparator();
    connect(control->addAction("Go To Time..."), &QAction::triggered, this,
            [this] { guarded([this] { gotoMnu_Click(); }); });
}

// Stands in for the control's own bar: play, pause, a seek bar and the volume. Its pause
// leaves a running replay alone, as the control's own button did.
QWidget* VideoFrm3::buildTransportBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    auto* play = new QToolButton(bar);
    play->setText("Play");
    play->setToolTip("Play");
    connect(play, &QToolButton::clicked, this, [this] { guarded([this] { player_->play(); }); });
    auto* pause = new QToolButton(bar);
    pause->setText("Pause");
    pause->setToolTip("Pause");
    connect(pause, &QToolButton::clicked, this, [this] { guarded([this] { player_->pause(); }); });
    seekBar = new QSlider(Qt::Horizontal, bar);
    seekBar->setRange(0, kSeekBarScale);
    seekBar->setToolTip("Seek");
    jumpToClicks(*seekBar);
    // A drag, a click on the groove or a key seeks, once the slider holds its new value;
    // the clock setting the value does not.
    connect(seekBar, &QSlider::actionTriggered, this, [this] {
        QTimer::singleShot(0, this,
                           [this] { guarded([this] { player_->setTrackingPosition(seekBar->value()); }); });
    });
    volumeBar = new QSlider(Qt::Horizontal, bar);
    volumeBar->setRange(-4000, 0);
    volumeBar->setMaximumWidth(90);
    volumeBar->setToolTip("Volume");
    connect(volumeBar, &QSlider::valueChanged, this,
            [this](int value) { guarded([this, value] { player_->setVolume(value); }); });
    row->addWidget(play);
    row->addWidget(pause);
    row->addWidget(seekBar, 1);
    row->addWidget(volumeBar);
    return bar;
}

// Menu handlers report what fails; the load's failures go to whoever showed the window.
template <class Handler> void VideoFrm3::guarded(Handler&& handler) {
    platform::guardHandler(p_.dialogs, {kErrorTitle, platform::Icon::Critical, kVideoControlErrorLead},
                           handler);
}

void VideoFrm3::setStretch(bool stretch) {
    player_->setSizeMode(stretch ? platform::SizeMode::FitToWindow : platform::SizeMode::Normal);
    SizeMnu->setChecked(stretch);
}

void VideoFrm3::Form_Load() {
    loaded_ = true;
    Timer1.start();
    clearForLoad();
    player_->openFile(g_.data.gVideoFileName);
    setWindowTitle(platform::toDisplay("Media: " + foundFileName(g_.data.gVideoFileName)));
    try {
        player_->stop();
        setStretch(g_.settings.VidSize == 1);
        applyStoredPosition(*this, g_.settings);
        player_->play();
        const bool playing = waitUntilPlaying(*player_, p_.dialogs, p_.clock);
        player_->pause();
        if (!playing) {
            throw textfile::RunError(textfile::kInvalidArgument, "The media did not start playing");
        }
    } catch (const textfile::RunError& e) {
        showMediaNote(e.description());
        throw;
    }
    mediaOpened();
    noteMissingVideo();
}

void VideoFrm3::OpenMnu_Click() {
    g_.data.gVideoFileName = askForMediaFile(p_.dialogs, g_.data.gVideoFileName);
    Form_Load();
}

void VideoFrm3::CloseMnu_Click() {
    closeMedia("Media Window");
}

void VideoFrm3::StopMnu_Click() {
    player_->pause();
}

void VideoFrm3::MuteMnu_Click() {
    MuteMnu->setChecked(!MuteMnu->isChecked());
    player_->setMuted(MuteMnu->isChecked());
}

void VideoFrm3::speedMnu_Click(int index) {
    for (QAction* item : speedMnu) {
        item->setChecked(false);
    }
    speedMnu[index]->setChecked(true);
    player_->setRate(kMediaWindowRates[index]);
}

void VideoFrm3::SizeMnu_Click() {
    const bool fit = !SizeMnu->isChecked();
    g_.settings.VidSize = fit ? 1 : 0;
    setStretch(fit);
    SaveSettings(g_.settings, p_.settings, p_.dialogs);
}

void VideoFrm3::gotoMnu_Click() {
    const auto answer = p_.dialogs.inputBox("Time to Find...", "Go To Time...", "");
    // Each step's failure is ignored.
    try {
        if (const auto seconds = goToTimeSeconds(answer, g_.settings)) {
            player_->setPosition(*seconds);
        }
    } catch (const textfile::RunError&) {
    }
    try {
        player_->play();
    } catch (const textfile::RunError&) {
    }
    try {
        player_->pause();
    } catch (const textfile::RunError&) {
    }
}

void VideoFrm3::Timer1_Timer() {
    Sb1Panel->setText(platform::toDisplay(SecondsToClockText(player_->position(), g_.settings)));
    MuteMnu->setChecked(player_->muted());
    if (!seekBar->isSliderDown()) {
        seekBar->setValue(player_->trackingPosition());
    }
}

} // namespace vc
