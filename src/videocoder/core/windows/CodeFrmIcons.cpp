#include "videocoder/core/windows/CodeFrmIcons.h"

#include "videocoder/core/CodeEditor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vc {
namespace {

constexpr int kSize = 24;

void arrow(QPainter& p, bool up) {
    QPainterPath path;
    const double tip = up ? 3 : 21, base = up ? 12 : 12;
    path.moveTo(12, tip);
    path.lineTo(4, base);
    path.lineTo(20, base);
    path.closeSubpath();
    p.fillPath(path, QColor(40, 110, 200));
    p.fillRect(QRectF(9, up ? 12 : 4, 6, 8), QColor(40, 110, 200));
}

void rows(QPainter& p) {
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (int y = 4; y <= 20; y += 5) {
        p.drawRect(3, y, 18, 4);
    }
}

} // namespace

QIcon codeEditorIcon(int index) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(40, 40, 40);
    switch (index) {
    case kOpenAction: // a folder
        p.fillRect(QRectF(3, 8, 18, 12), QColor(230, 180, 60));
        p.fillRect(QRectF(3, 5, 8, 4), QColor(230, 180, 60));
        break;
    case kSaveAction: // a disk
    case kSaveAsAction:
        p.fillRect(QRectF(3, 3, 18, 18), QColor(60, 80, 160));
        p.fillRect(QRectF(7, 3, 10, 7), Qt::white);
        p.fillRect(QRectF(6, 14, 12, 7), QColor(200, 200, 200));
        if (index == kSaveAsAction) {
            p.setPen(QPen(QColor(200, 40, 40), 2));
            p.drawLine(14, 20, 22, 12);
        }
        break;
    case kDeleteAction: // a cross over rows
        rows(p);
        p.setPen(QPen(QColor(200, 40, 40), 3));
        p.drawLine(6, 6, 18, 18);
        p.drawLine(18, 6, 6, 18);
        break;
    case kMoveUpAction:
        arrow(p, true);
        break;
    case kMoveDownAction:
        arrow(p, false);
        break;
    case kAddAction:    // a plus below rows
    case kInsertAction: // a plus between rows
        rows(p);
        p.setPen(QPen(QColor(30, 150, 60), 3));
        p.drawLine(12, index == kAddAction ? 14 : 6, 12, index == kAddAction ? 22 : 18);
        p.drawLine(6, index == kAddAction ? 18 : 12, 18, index == kAddAction ? 18 : 12);
        break;
    case kRevertAction: // a turning arrow
        p.setPen(QPen(QColor(40, 110, 200), 3));
        p.drawArc(QRectF(5, 5, 14, 14), 90 * 16, 270 * 16);
        p.fillRect(QRectF(10, 2, 5, 5), QColor(40, 110, 200));
        break;
    case kEraseAllAction: // an emptied page
        p.setPen(QPen(ink, 1));
        p.drawRect(5, 3, 14, 18);
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawLine(3, 21, 21, 3);
        break;
    case kHelpAction: // a question mark
        p.setPen(ink);
        p.setFont(QFont(QStringLiteral("Sans"), 14, QFont::Bold));
        p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
        break;
    default:
        break;
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace vc
