#pragma once
// The player's row of buttons with one more part (the volume) beside them where the window
// is wide enough and on a row of its own below them where it is not, so that part keeps a
// usable width at the window's narrowest.

#include <QWidget>

class QGridLayout;
class QHBoxLayout;

namespace vc {

class ControlStrip : public QWidget {
public:
    explicit ControlStrip(QWidget* parent);

    // Where the buttons go, one after another.
    QWidget* buttons() const { return buttons_; }
    // The part placed beside or below the buttons; it never gets narrower than its minimum.
    void setSide(QWidget* side);
    bool sideBeside() const { return beside_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place(int width);

    QGridLayout* grid_;
    QWidget* buttons_;
    QWidget* side_ = nullptr;
    bool beside_ = false;
};

} // namespace vc
