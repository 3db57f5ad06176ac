#include "videocoder/core/windows/FrmSplash.h"

#include "videocoder/core/Globals.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

namespace vc {
namespace {

inline constexpr int kSplashMilliseconds = 2000;

// A strip of film with a play mark: drawn here, so the program ships no picture file.
QPixmap logoPicture() {
    QPixmap picture(96, 96);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(40, 60, 90));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(4, 12, 88, 72, 8, 8);
    painter.setBrush(Qt::white);
    for (int x = 10; x < 90; x += 16) {
        painter.drawRect(x, 16, 8, 6);
        painter.drawRect(x, 74, 8, 6);
    }
    painter.setBrush(QColor(240, 180, 40));
    const QPointF play[] = {{38, 32}, {38, 64}, {66, 48}};
    painter.drawPolygon(play, 3);
    return picture;
}

} // namespace

QString splashVersionText() {
    return QStringLiteral("Version %1.%2.%3")
        .arg(SUITE_VERSION_MAJOR)
        .arg(SUITE_VERSION_MINOR)
        .arg(SUITE_VERSION_PATCH);
}

FrmSplash::FrmSplash(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    frame_ = new QFrame(this);
    frame_->setObjectName("Frame1");
    frame_->setFrameShape(QFrame::Box);
    frame_->installEventFilter(this);

    auto* logo = new QLabel(frame_);
    logo->setObjectName("imgLogo");
    logo->setPixmap(logoPicture());
    productName_ = new QLabel(QString::fromStdString(kProgramTitle), frame_);
    productName_->setObjectName("lblProductName");
    QFont big = productName_->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    productName_->setFont(big);
    version_ = new QLabel(splashVersionText(), frame_);
    version_->setObjectName("lblVersion");

    const char* const fixedTexts[] = {
        "The video coder",
        "Codes behaviour in video files and on DVDs,",
        "row by row, stamped with the player's time.",
        "Data files (*.qvd) open in the workstation.",
        "Press a key or click to continue.",
    };
    auto* layout = new QGridLayout(frame_);
    layout->addWidget(logo, 0, 0, 3, 1);
    layout->addWidget(productName_, 0, 1);
    layout->addWidget(version_, 1, 1);
    int row = 3;
    int number = 1;
    for (const char* text : fixedTexts) {
        auto* label = new QLabel(QString::fromLatin1(text), frame_);
        label->setObjectName(QStringLiteral("Label%1").arg(number++));
        layout->addWidget(label, row++, 0, 1, 2);
    }
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame_);

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &FrmSplash::Timer1_Timer);
    timer_->start(kSplashMilliseconds);
}

void FrmSplash::Timer1_Timer() {
    close();
}

void FrmSplash::Frame1_Click() {
    close();
}

void FrmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    close();
}

bool FrmSplash::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::MouseButtonPress) {
        Frame1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vc
