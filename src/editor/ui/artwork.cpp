#include "editor/ui/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace Editor::Artwork {

namespace {

QPixmap blank(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// Drawing happens on a 100 x 100 canvas scaled to the pixmap.
void useUnitCanvas(QPainter &painter, QSize size)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / 100.0, size.height() / 100.0);
}

QPen outline(qreal width = 4)
{
    return QPen(QColor(60, 40, 40), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPixmap arrow(int size, bool pointsLeft)
{
    QPixmap pixmap = blank(QSize(size, size));
    QPainter painter(&pixmap);
    useUnitCanvas(painter, pixmap.size());
    if (pointsLeft) {
        painter.translate(100, 0);
        painter.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(12, 38);
    path.lineTo(52, 38);
    path.lineTo(52, 16);
    path.lineTo(90, 50);
    path.lineTo(52, 84);
    path.lineTo(52, 62);
    path.lineTo(12, 62);
    path.closeSubpath();
    painter.setPen(outline());
    painter.setBrush(QColor(70, 150, 240));
    painter.drawPath(path);
    return pixmap;
}

void drawStar(QPainter &painter, QPointF centre, qreal outer, qreal inner, QColor colour)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF p = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    painter.setBrush(colour);
    painter.drawPath(star);
}

} // namespace

QPixmap previousArrow(int size)
{
    return arrow(size, true);
}

QPixmap nextArrow(int size)
{
    return arrow(size, false);
}

QPixmap chooseDrawing(int size)
{
    QPixmap pixmap = blank(QSize(size * 2, size));
    QPainter painter(&pixmap);
    useUnitCanvas(painter, pixmap.size());
    // Work on a 200 x 100 canvas: a sun on the left, a heart on the right.
    painter.scale(0.5, 1);
    painter.setPen(QPen(QColor(240, 150, 0), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * M_PI / 4;
        painter.drawLine(QPointF(60 + 30 * qCos(angle), 50 + 30 * qSin(angle)),
                         QPointF(60 + 44 * qCos(angle), 50 + 44 * qSin(angle)));
    }
    painter.setPen(outline(3));
    painter.setBrush(QColor(255, 215, 40));
    painter.drawEllipse(QPointF(60, 50), 24, 24);
    painter.setBrush(QColor(60, 40, 40));
    painter.drawEllipse(QPointF(52, 45), 3, 3);
    painter.drawEllipse(QPointF(68, 45), 3, 3);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(48, 44, 24, 16), -20 * 16, -140 * 16);

    QPainterPath heart;
    heart.moveTo(150, 82);
    heart.cubicTo(110, 56, 118, 22, 140, 24);
    heart.cubicTo(146, 24, 150, 30, 150, 36);
    heart.cubicTo(150, 30, 154, 24, 160, 24);
    heart.cubicTo(182, 22, 190, 56, 150, 82);
    painter.setBrush(QColor(235, 60, 110));
    painter.drawPath(heart);
    return pixmap;
}

QPixmap clearPicture(int size)
{
    QPixmap pixmap = blank(QSize(size * 2, size));
    QPainter painter(&pixmap);
    useUnitCanvas(painter, pixmap.size());
    painter.scale(0.5, 1);
    painter.setPen(outline(3));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(40, 14, 90, 72));
    painter.setPen(QPen(QColor(120, 180, 240), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(52, 36), QPointF(104, 36));
    painter.drawLine(QPointF(52, 52), QPointF(92, 52));
    // The eraser, tilted over the sheet.
    painter.translate(128, 58);
    painter.rotate(-35);
    painter.setPen(outline(3));
    painter.setBrush(QColor(250, 120, 150));
    painter.drawRoundedRect(QRectF(-34, -14, 40, 28), 5, 5);
    painter.setBrush(QColor(90, 130, 230));
    painter.drawRoundedRect(QRectF(6, -14, 26, 28), 5, 5);
    return pixmap;
}

QPixmap savePuzzle(int size)
{
    QPixmap pixmap = blank(QSize(size, size));
    QPainter painter(&pixmap);
    useUnitCanvas(painter, pixmap.size());
    painter.setPen(outline(4));
    QPainterPath disk;
    disk.moveTo(14, 10);
    disk.lineTo(76, 10);
    disk.lineTo(90, 24);
    disk.lineTo(90, 90);
    disk.lineTo(14, 90);
    disk.closeSubpath();
    painter.setBrush(QColor(60, 120, 220));
    painter.drawPath(disk);
    painter.setBrush(QColor(220, 225, 235));
    painter.drawRect(QRectF(30, 10, 40, 26));
    painter.setBrush(QColor(60, 120, 220));
    painter.drawRect(QRectF(54, 15, 9, 16));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(24, 50, 56, 36), 4, 4);
    painter.setPen(outline(2));
    drawStar(painter, QPointF(52, 68), 15, 6, QColor(255, 200, 30));
    return pixmap;
}

QPixmap exitDoor(int size)
{
    QPixmap pixmap = blank(QSize(size * 2, size));
    QPainter painter(&pixmap);
    useUnitCanvas(painter, pixmap.size());
    painter.scale(0.5, 1);
    painter.setPen(outline(3));
    painter.setBrush(QColor(255, 245, 220));
    painter.drawRect(QRectF(30, 12, 56, 80));
    QPainterPath door;
    door.moveTo(30, 12);
    door.lineTo(66, 22);
    door.lineTo(66, 100);
    door.lineTo(30, 92);
    door.closeSubpath();
    painter.setBrush(QColor(170, 100, 50));
    painter.drawPath(door);
    painter.setBrush(QColor(255, 215, 40));
    painter.drawEllipse(QPointF(58, 58), 4, 4);
    // The arrow that leaves through the door.
    QPainterPath arrow;
    arrow.moveTo(100, 44);
    arrow.lineTo(140, 44);
    arrow.lineTo(140, 30);
    arrow.lineTo(170, 52);
    arrow.lineTo(140, 74);
    arrow.lineTo(140, 60);
    arrow.lineTo(100, 60);
    arrow.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    return pixmap;
}

QPixmap titlePicture(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter painter(&pixmap);
    useUnitCanvas(painter, pixmap.size());
    painter.setPen(outline(2.5));
    // Easel legs.
    painter.setPen(QPen(QColor(140, 80, 30), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(30, 60), QPointF(18, 96));
    painter.drawLine(QPointF(70, 60), QPointF(82, 96));
    painter.drawLine(QPointF(50, 60), QPointF(50, 92));
    // The canvas with a little landscape.
    painter.setPen(outline(2.5));
    painter.setBrush(QColor(150, 210, 255));
    painter.drawRect(QRectF(12, 10, 76, 54));
    painter.setBrush(QColor(110, 200, 90));
    QPainterPath hill;
    hill.moveTo(12, 64);
    hill.cubicTo(30, 38, 52, 40, 88, 56);
    hill.lineTo(88, 64);
    hill.closeSubpath();
    painter.drawPath(hill);
    painter.setBrush(QColor(255, 215, 40));
    painter.drawEllipse(QPointF(70, 24), 8, 8);
    drawStar(painter, QPointF(32, 28), 10, 4, QColor(235, 60, 110));
    // A brush leaning on the canvas.
    painter.translate(78, 74);
    painter.rotate(-50);
    painter.setBrush(QColor(230, 60, 60));
    painter.drawRoundedRect(QRectF(-4, -30, 8, 36), 3, 3);
    painter.setBrush(QColor(70, 150, 240));
    painter.drawEllipse(QRectF(-4, 4, 8, 14));
    return pixmap;
}

QIcon editorIcon()
{
    QIcon builtIn;
    for (int side : {16, 32, 48, 64})
        builtIn.addPixmap(titlePicture(QSize(side, side)));
    return QIcon::fromTheme(QStringLiteral("org.vud.vudeditor"), builtIn);
}

} // namespace Editor::Artwork
