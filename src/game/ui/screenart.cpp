#include "game/ui/screenart.h"

#include <QPainter>
#include <QPainterPath>

namespace ScreenArt {

namespace {

QPixmap transparentPixmap(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A jigsaw piece of side 1: a square with a knob on the right and on the top.
QPainterPath pieceOutline(double side)
{
    const double s = side * 0.7;
    const double x0 = side * 0.08;
    const double y0 = side * 0.22;
    const double knob = s * 0.3;
    QPainterPath path;
    path.moveTo(x0, y0);
    path.lineTo(x0 + s * 0.35, y0);
    path.arcTo(x0 + s * 0.5 - knob / 2, y0 - knob * 0.8, knob, knob, 230, -280);
    path.lineTo(x0 + s, y0);
    path.lineTo(x0 + s, y0 + s * 0.35);
    path.arcTo(x0 + s - knob * 0.2, y0 + s * 0.5 - knob / 2, knob, knob, 140, -280);
    path.lineTo(x0 + s, y0 + s);
    path.lineTo(x0, y0 + s);
    path.closeSubpath();
    return path;
}

void drawSmile(QPainter &painter, QPointF centre, double size)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 30, 60));
    const double eye = size * 0.12;
    painter.drawEllipse(QPointF(centre.x() - size * 0.22, centre.y() - size * 0.12), eye, eye * 1.3);
    painter.drawEllipse(QPointF(centre.x() + size * 0.22, centre.y() - size * 0.12), eye, eye * 1.3);
    QPen mouth(QColor(40, 30, 60), qMax(1.5, size * 0.09), Qt::SolidLine, Qt::RoundCap);
    painter.setPen(mouth);
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(centre.x() - size * 0.3, centre.y() - size * 0.15, size * 0.6, size * 0.45),
                    200 * 16, 140 * 16);
}

} // namespace

QPixmap puzzlePiece(int side)
{
    QPixmap pixmap = transparentPixmap(QSize(side, side));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPainterPath outline = pieceOutline(side);
    QLinearGradient fill(0, 0, side, side);
    fill.setColorAt(0.0, QColor(255, 200, 40));
    fill.setColorAt(1.0, QColor(255, 110, 60));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(120, 40, 160), qMax(1.0, side / 24.0)));
    painter.drawPath(outline);
    const QRectF body = outline.boundingRect();
    drawSmile(painter, QPointF(body.center().x() - side * 0.04, body.center().y() + side * 0.06), side * 0.45);
    return pixmap;
}

QIcon windowIcon()
{
    QIcon builtIn;
    for (int side : {16, 32, 48, 64})
        builtIn.addPixmap(puzzlePiece(side));
    return QIcon::fromTheme(QStringLiteral("org.vud.vud2"), builtIn);
}

QPixmap noticeFace(int side)
{
    QPixmap pixmap = transparentPixmap(QSize(side, side));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = side;

    QPainterPath heart;
    heart.moveTo(s * 0.5, s * 0.92);
    heart.cubicTo(s * 0.05, s * 0.62, s * 0.0, s * 0.3, s * 0.22, s * 0.14);
    heart.cubicTo(s * 0.36, s * 0.04, s * 0.48, s * 0.14, s * 0.5, s * 0.26);
    heart.cubicTo(s * 0.52, s * 0.14, s * 0.64, s * 0.04, s * 0.78, s * 0.14);
    heart.cubicTo(s * 1.0, s * 0.3, s * 0.95, s * 0.62, s * 0.5, s * 0.92);
    QRadialGradient glow(QPointF(s * 0.4, s * 0.35), s * 0.6);
    glow.setColorAt(0.0, QColor(255, 150, 190));
    glow.setColorAt(1.0, QColor(230, 40, 110));
    painter.setBrush(glow);
    painter.setPen(QPen(QColor(150, 20, 70), qMax(1.0, s / 28.0)));
    painter.drawPath(heart);
    drawSmile(painter, QPointF(s * 0.5, s * 0.46), s * 0.42);

    // The little gift it holds out: free to share.
    const QRectF box(s * 0.64, s * 0.58, s * 0.3, s * 0.26);
    painter.setPen(QPen(QColor(20, 90, 40), qMax(1.0, s / 40.0)));
    painter.setBrush(QColor(90, 210, 110));
    painter.drawRect(box);
    painter.setPen(QPen(QColor(255, 230, 60), qMax(1.5, s / 20.0)));
    painter.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
    painter.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
    return pixmap;
}

QPixmap pageArrow(Arrow direction, QSize size)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    if (direction == Arrow::Previous) {
        painter.translate(w, 0);
        painter.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(w * 0.06, h * 0.34);
    arrow.lineTo(w * 0.52, h * 0.34);
    arrow.lineTo(w * 0.52, h * 0.1);
    arrow.lineTo(w * 0.95, h * 0.5);
    arrow.lineTo(w * 0.52, h * 0.9);
    arrow.lineTo(w * 0.52, h * 0.66);
    arrow.lineTo(w * 0.06, h * 0.66);
    arrow.closeSubpath();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawPath(arrow.translated(w * 0.03, h * 0.05));
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, QColor(120, 230, 90));
    fill.setColorAt(1.0, QColor(20, 160, 60));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(10, 90, 30), qMax(1.5, h / 22.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(arrow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawEllipse(QPointF(w * 0.22, h * 0.43), w * 0.07, h * 0.05);
    return pixmap;
}

} // namespace ScreenArt
