#pragma once
// The splash window, also the About box: the program's title and version over our own
// picture. It closes itself two seconds after it loads, or at a key, or at a click on its face.

#include <QDialog>

class QFrame;
class QLabel;
class QTimer;

namespace vc {

class FrmSplash : public QDialog {
    Q_OBJECT

public:
    explicit FrmSplash(QWidget* parent = nullptr);

    QTimer* Timer1() const { return timer_; }
    QFrame* Frame1() const { return frame_; }
    QLabel* lblVersion() const { return version_; }
    QLabel* lblProductName() const { return productName_; }

    void Timer1_Timer();
    void Frame1_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer* timer_ = nullptr;
    QFrame* frame_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* productName_ = nullptr;
};

// "Version " and the program's major.minor.revision.
QString splashVersionText();

} // namespace vc
