#pragma once
// "Playing Backwards": while shown, once a second the open and chosen player steps 0.1 s
// back and shows the picture there.

#include "platform/Platform.h"
#include "videocoder/coding/BackplayStepper.h"
#include "videocoder/coding/PlayerLinks.h"
#include "videocoder/core/Globals.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

namespace vc {

class Backplay : public QDialog {
    Q_OBJECT
public:
    Backplay(Globals& g, platform::Platform& p, const PlayerLinks& players, QWidget* parent = nullptr);

    // Shows the window modally and returns when it has closed. A failure of "Play" comes
    // back from here to the command that showed it.
    void run();

    void Form_Load();
    void Timer1_Timer();
    void Command2_Click(); // "Play"
    void Command1_Click(); // "Stop"

    QLabel* Label1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer Timer1;

private:
    platform::MediaPlayer* player();

    Globals& g_;
    platform::Platform& p_;
    const PlayerLinks& players_;
    BackplayStepper stepper_;
    std::exception_ptr playFailure_;
};

} // namespace vc
