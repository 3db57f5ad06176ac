#pragma once
// The video coder's small choice dialogs: named as the handlers know them, centred on the
// screen each time they show, their frames above an OK (Command1) and a Cancel (Command2).

#include <QDialog>

class QPushButton;
class QVBoxLayout;

namespace vc {

class CentredDialog : public QDialog {
    Q_OBJECT

public:
    QPushButton* Command1 = nullptr; // OK, the default button
    QPushButton* Command2 = nullptr; // Cancel

protected:
    CentredDialog(const QString& name, const QString& caption, QWidget* parent);
    // Where the frames go, above the buttons.
    QVBoxLayout* frames() const { return frames_; }
    void showEvent(QShowEvent* event) override;

private:
    QVBoxLayout* frames_ = nullptr;
};

} // namespace vc
