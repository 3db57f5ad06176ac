#include "videocoder/coding/windows/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace vc {
namespace {

constexpr int kSide = 24;

using Drawing = std::function<void(QPainter&)>;

void floppy(QPainter& p) {
    p.setBrush(QColor(40, 80, 160));
    p.drawRoundedRect(3, 3, 18, 18, 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(7, 3, 10, 7);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(6, 13, 12, 8);
}

void arrowOut(QPainter& p) {
    p.setBrush(QColor(230, 230, 230));
    p.drawRect(3, 8, 12, 13);
    p.setBrush(QColor(30, 140, 60));
    QPainterPath arrow;
    arrow.moveTo(10, 12);
    arrow.lineTo(16, 12);
    arrow.lineTo(16, 8);
    arrow.lineTo(22, 14);
    arrow.lineTo(16, 20);
    arrow.lineTo(16, 16);
    arrow.lineTo(10, 16);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

void film(QPainter& p) {
    p.setBrush(QColor(50, 50, 50));
    p.drawRect(2, 5, 20, 14);
    p.setBrush(Qt::white);
    for (int x = 4; x < 21; x += 4) {
        p.drawRect(x, 6, 2, 2);
        p.drawRect(x, 16, 2, 2);
    }
    p.setBrush(QColor(120, 170, 230));
    p.drawRect(5, 9, 14, 6);
}

void replay(QPainter& p) {
    QPen pen(QColor(30, 100, 190), 3);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(4, 4, 16, 16, 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 100, 190));
    p.drawPolygon(QPolygon({QPoint(14, 1), QPoint(20, 5), QPoint(13, 8)}));
}

void seek(QPainter& p) {
    QPen pen(QColor(60, 60, 60), 2);
    p.setPen(pen);
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(3, 3, 13, 13);
    pen.setWidth(4);
    p.setPen(pen);
    p.drawLine(15, 15, 21, 21);
}

void cross(QPainter& p) {
    QPen pen(QColor(200, 40, 40), 4);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(6, 6, 18, 18);
    p.drawLine(18, 6, 6, 18);
}

void rows(QPainter& p, bool insert) {
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(2, 3, 20, 5);
    p.drawRect(2, 16, 20, 5);
    p.setPen(QPen(QColor(30, 140, 60), 3));
    const int y = insert ? 12 : 18;
    p.drawLine(12, y - 5, 12, y + 5);
    p.drawLine(7, y, 17, y);
}

void flag(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.drawLine(6, 3, 6, 22);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 120, 20));
    p.drawPolygon(QPolygon({QPoint(7, 3), QPoint(20, 7), QPoint(7, 12)}));
}

const std::map<std::string, Drawing>& drawings() {
    static const std::map<std::string, Drawing> all = {
        {"Save", floppy},
        {"Export", arrowOut},
        {"Media", film},
        {"Replay", replay},
        {"Seek", seek},
        {"Delete", cross},
        {"Insert", [](QPainter& p) { rows(p, true); }},
        {"Mark", flag},
        {"Add Row", [](QPainter& p) { rows(p, false); }},
    };
    return all;
}

} // namespace

QIcon toolbarIcon(const std::string& caption) {
    QPixmap picture(kSide, kSide);
    picture.fill(Qt::transparent);
    const auto found = drawings().find(caption);
    if (found != drawings().end()) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(40, 40, 40), 1));
        found->second(painter);
    }
    return QIcon(picture);
}

} // namespace vc
