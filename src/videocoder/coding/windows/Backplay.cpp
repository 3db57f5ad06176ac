#include "videocoder/coding/windows/Backplay.h"

#include "platform/qt/CentreOnScreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vc {

Backplay::Backplay(Globals& g, platform::Platform& p, const PlayerLinks& players, QWidget* parent)
    : QDialog(parent), g_(g), p_(p), players_(players) {
    setObjectName("Backplay");
    setWindowTitle("Playing Backwards");
    Label1 = new QLabel("Jumping Backwards by 0.1 Seconds", this);
    Command2 = new QPushButton("Play", this);
    Command1 = new QPushButton("Stop", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    Timer1.setInterval(kBackplayIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(this, &QDialog::finished, this, [this] { Timer1.stop(); });
}

platform::MediaPlayer* Backplay::player() {
    return players_.chosen(g_.settings);
}

void Backplay::run() {
    playFailure_ = nullptr;
    Form_Load();
    p_.dialogs.showModal(*this);
    Timer1.stop();
    if (playFailure_) {
        std::rethrow_exception(playFailure_);
    }
}

void Backplay::Form_Load() {
    platform::centreOnScreen(*this);
    Timer1.start();
}

void Backplay::Timer1_Timer() {
    stepper_.tick(player(), p_.dialogs, p_.clock);
}

void Backplay::Command2_Click() {
    try {
        if (platform::MediaPlayer* open = player()) {
            open->play();
        }
    } catch (...) {
        playFailure_ = std::current_exception();
    }
    Timer1.stop();
    accept();
}

void Backplay::Command1_Click() {
    Timer1.stop();
    accept();
}

} // namespace vc
