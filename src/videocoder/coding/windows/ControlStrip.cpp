#include "videocoder/coding/windows/ControlStrip.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QResizeEvent>

namespace vc {

ControlStrip::ControlStrip(QWidget* parent) : QWidget(parent) {
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    buttons_ = new QWidget(this);
    auto* row = new QHBoxLayout(buttons_);
    row->setContentsMargins(0, 0, 0, 0);
    grid_->addWidget(buttons_, 0, 0, Qt::AlignLeft);
}

void ControlStrip::setSide(QWidget* side) {
    side_ = side;
    beside_ = true;
    grid_->addWidget(side_, 0, 1);
    grid_->setColumnStretch(1, 1);
    place(width());
}

void ControlStrip::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    place(event->size().width());
}

void ControlStrip::place(int width) {
    if (side_ == nullptr) {
        return;
    }
    const int needed =
        buttons_->sizeHint().width() + grid_->horizontalSpacing() + side_->minimumSizeHint().width();
    const bool beside = width >= needed;
    if (beside == beside_) {
        return;
    }
    beside_ = beside;
    grid_->removeWidget(side_);
    if (beside) {
        grid_->addWidget(side_, 0, 1);
    } else {
        grid_->addWidget(side_, 1, 0, 1, 2);
    }
}

} // namespace vc
