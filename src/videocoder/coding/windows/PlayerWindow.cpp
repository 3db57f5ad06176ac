#include "videocoder/coding/windows/PlayerWindow.h"

#include "platform/qt/OnScreen.h"
#include "platform/qt/TextBridge.h"
#include "textfile/RunError.h"
#include "videocoder/coding/OpenMedia.h"
#include "videocoder/coding/windows/WindowPosition.h"
#include "videocoder/core/Settings.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace vc {

PlayerWindow::PlayerWindow(Globals& g, platform::Platform& p, const PlayerFactory& makePlayer,
                           QWidget* parent)
    : QMainWindow(parent), g_(g), p_(p), player_(makePlayer()) {
    setWindowTitle("Media Window");
}

PlayerWindow::~PlayerWindow() = default;

void PlayerWindow::placeSurface(QWidget* controls) {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(player_->surface(), 1);
    mediaNote_ = new QLabel(central);
    mediaNote_->setObjectName("mediaNote");
    mediaNote_->setAlignment(Qt::AlignCenter);
    mediaNote_->hide();
    layout->addWidget(mediaNote_);
    layout->addWidget(controls);
    setCentralWidget(central);
}

void PlayerWindow::showWindow() {
    show();
    // Where the window manager first puts a tall window, its controls may fall below the screen.
    platform::qt::keepOnScreen(*this);
    raise();
    activateWindow();
    if (!loaded_) {
        Form_Load();
    }
}

void PlayerWindow::keepPosition(bool maximisedToo) {
    if (isMinimized() || (isMaximized() && !maximisedToo)) {
        return;
    }
    storePosition(*this, g_.settings);
    SaveSettings(g_.settings, p_.settings, p_.dialogs);
}

void PlayerWindow::Form_Unload() {
    if (!loaded_) {
        return;
    }
    displayTimer().stop();
    player_->close();
    loaded_ = false;
    mediaGone();
    g_.data.gVideoFileName.clear();
    keepPosition(false);
}

void PlayerWindow::closeEvent(QCloseEvent* event) {
    try {
        Form_Unload();
    } catch (const textfile::RunError& e) {
        showVideoControlError(p_.dialogs, e.description());
    }
    event->accept();
}

void PlayerWindow::closeMedia(const std::string& caption) {
    g_.data.gVideoFileName.clear();
    player_->close();
    mediaGone();
    mediaNote_->hide();
    setWindowTitle(platform::toDisplay(caption));
}

void PlayerWindow::mediaOpened() {
    holdsMedia_ = true;
    g_.open.gVideoOpen = kTrue;
}

void PlayerWindow::mediaGone() {
    holdsMedia_ = false;
    g_.open.gVideoOpen = othersHoldMedia && othersHoldMedia() ? kTrue : kFalse;
}

void PlayerWindow::showMediaNote(const std::string& note) {
    mediaNote_->setText(platform::toDisplay(note));
    mediaNote_->setVisible(!note.empty());
}

void PlayerWindow::noteMissingVideo() {
    const bool frames = player_->seekingCapabilities(platform::kFrameForward) & platform::kFrameForward;
    showMediaNote(frames ? "" : kNoVideoNote);
}

void PlayerWindow::clearForLoad() {
    player_->close();
    mediaGone();
    mediaNote_->hide();
}

void PlayerWindow::ExitMnu_Click() {
    close();
}

void PlayerWindow::PlayMnu_Click() {
    player_->play();
}

} // namespace vc
