#include "game/ui/boardart.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace boardart {

namespace {

QPixmap canvas(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void begin(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
}

const QColor kInk(40, 40, 60);

// One puzzle piece outline with a knob on the right and one at the bottom.
QPainterPath pieceShape(QRectF r)
{
    QPainterPath path;
    path.addRoundedRect(r, 2, 2);
    const double k = r.width() * 0.22;
    path.addEllipse(QPointF(r.right(), r.center().y()), k, k);
    path.addEllipse(QPointF(r.center().x(), r.bottom()), k, k);
    return path.simplified();
}

} // namespace

QPixmap wholePicture()
{
    QPixmap pm = canvas(36);
    QPainter p(&pm);
    begin(p);
    // Frame.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(181, 110, 50));
    p.drawRoundedRect(QRectF(1.5, 4.5, 33, 27), 3, 3);
    // Sky, sun, hills.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 200, 255));
    p.drawRect(QRectF(5, 8, 26, 20));
    p.setBrush(QColor(255, 214, 0));
    p.drawEllipse(QPointF(24, 13), 3.5, 3.5);
    p.setBrush(QColor(70, 190, 70));
    QPainterPath hills;
    hills.moveTo(5, 28);
    hills.cubicTo(10, 16, 15, 18, 19, 24);
    hills.cubicTo(23, 19, 28, 19, 31, 24);
    hills.lineTo(31, 28);
    hills.closeSubpath();
    p.drawPath(hills);
    // A small white cloud.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 12), 3, 2);
    p.drawEllipse(QPointF(13, 11.5), 3, 2.2);
    return pm;
}

QPixmap placedPieces()
{
    QPixmap pm = canvas(32);
    QPainter p(&pm);
    begin(p);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(255, 90, 90));
    p.drawPath(pieceShape(QRectF(2, 2, 11, 11)));
    p.setBrush(QColor(80, 150, 255));
    p.drawPath(pieceShape(QRectF(17, 2, 11, 11)));
    p.setBrush(QColor(255, 200, 40));
    p.drawPath(pieceShape(QRectF(2, 17, 11, 11)));
    // The tick over the fourth place.
    p.setPen(QPen(QColor(0, 150, 40), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(16, 22);
    tick.lineTo(21, 28);
    tick.lineTo(30, 15);
    p.drawPath(tick);
    return pm;
}

QPixmap outlines()
{
    QPixmap pm = canvas(32);
    QPainter p(&pm);
    begin(p);
    p.setPen(Qt::NoPen);
    const QColor tiles[4] = {QColor(255, 120, 120), QColor(120, 200, 255), QColor(140, 220, 110),
                             QColor(255, 210, 90)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(tiles[i]);
        p.drawRect(QRectF(3 + (i % 2) * 11, 3 + (i / 2) * 11, 11, 11));
    }
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 3, 22, 22));
    p.drawLine(QPointF(14, 3), QPointF(14, 25));
    p.drawLine(QPointF(3, 14), QPointF(25, 14));
    // A pencil drawing the lines.
    p.save();
    p.translate(24, 24);
    p.rotate(-45);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(255, 170, 0));
    p.drawRect(QRectF(0, -2.5, 10, 5));
    p.setBrush(QColor(255, 130, 170));
    p.drawRect(QRectF(10, -2.5, 2.5, 5));
    p.setBrush(QColor(240, 210, 160));
    QPolygonF tip;
    tip << QPointF(0, -2.5) << QPointF(-4.5, 0) << QPointF(0, 2.5);
    p.drawPolygon(tip);
    p.restore();
    return pm;
}

QPixmap choosePicture()
{
    QPixmap pm = canvas(32);
    QPainter p(&pm);
    begin(p);
    const QColor fills[4] = {QColor(255, 140, 60), QColor(90, 170, 255), QColor(120, 210, 90),
                             QColor(230, 110, 220)};
    p.setPen(QPen(kInk, 1.2));
    for (int i = 0; i < 4; ++i) {
        const QRectF r(2 + (i % 2) * 15, 2 + (i / 2) * 15, 13, 13);
        p.setBrush(Qt::white);
        p.drawRoundedRect(r, 2, 2);
        p.setBrush(fills[i]);
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 1, 1);
    }
    // A small star on the chosen one.
    p.setBrush(QColor(255, 230, 0));
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double rad = (i % 2) ? 2.6 : 6.0;
        star << QPointF(24 + rad * qCos(a), 24 + rad * qSin(a));
    }
    p.drawPolygon(star);
    return pm;
}

QPixmap clock()
{
    QPixmap pm = canvas(42);
    QPainter p(&pm);
    begin(p);
    // Bells and feet.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(QPointF(9, 9), 5.5, 5.5);
    p.drawEllipse(QPointF(33, 9), 5.5, 5.5);
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 34), QPointF(8, 39));
    p.drawLine(QPointF(30, 34), QPointF(34, 39));
    // Body and face.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(240, 60, 60));
    p.drawEllipse(QPointF(21, 23), 16, 16);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(21, 23), 12, 12);
    p.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int h = 0; h < 12; h += 3) {
        const double a = h * M_PI / 6;
        p.drawLine(QPointF(21 + 9.5 * qSin(a), 23 - 9.5 * qCos(a)),
                   QPointF(21 + 11 * qSin(a), 23 - 11 * qCos(a)));
    }
    p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 23), QPointF(21, 15));
    p.setPen(QPen(QColor(0, 120, 220), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 23), QPointF(27, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(21, 23), 1.6, 1.6);
    return pm;
}

QPixmap moves()
{
    QPixmap pm = canvas(32);
    QPainter p(&pm);
    begin(p);
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(QColor(255, 120, 40));
    p.drawRoundedRect(QRectF(2, 17, 12, 12), 2, 2);
    p.setBrush(QColor(60, 160, 255));
    p.drawRoundedRect(QRectF(18, 3, 12, 12), 2, 2);
    // Two curved arrows: the pieces trade places.
    p.setPen(QPen(QColor(0, 140, 60), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath up;
    up.moveTo(6, 14);
    up.quadTo(6, 5, 14, 6);
    p.drawPath(up);
    QPainterPath down;
    down.moveTo(26, 18);
    down.quadTo(26, 27, 18, 26);
    p.drawPath(down);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 140, 60));
    p.drawPolygon(QPolygonF({QPointF(17, 6), QPointF(12, 2.5), QPointF(12, 9.5)}));
    p.drawPolygon(QPolygonF({QPointF(15, 26), QPointF(20, 22.5), QPointF(20, 29.5)}));
    return pm;
}

QPixmap exitDoor()
{
    QPixmap pm = canvas(32);
    QPainter p(&pm);
    begin(p);
    // Door frame, open door and its knob.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(255, 250, 200));
    p.drawRect(QRectF(6, 3, 16, 26));
    p.setBrush(QColor(170, 90, 40));
    QPolygonF door;
    door << QPointF(6, 3) << QPointF(15, 6) << QPointF(15, 31) << QPointF(6, 29);
    p.drawPolygon(door);
    p.setBrush(QColor(255, 215, 0));
    p.drawEllipse(QPointF(12.5, 18), 1.4, 1.4);
    // The arrow out.
    p.setPen(QPen(QColor(220, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18, 16), QPointF(27, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawPolygon(QPolygonF({QPointF(31, 16), QPointF(25, 11), QPointF(25, 21)}));
    return pm;
}

} // namespace boardart
