// The animals of the sample pictures, the teddy bear among them.
#include "figures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace sd {

void drawCatFigure(QPainter &p, QPointF base)
{
    const double cx = base.x(), by = base.y();
    const QColor fur(250, 160, 60), furDark(215, 110, 30), cream(255, 235, 200);
    // Tail curling up behind the body.
    QPainterPath tail;
    tail.moveTo(cx + 120, by - 40);
    tail.cubicTo(cx + 300, by - 20, cx + 330, by - 200, cx + 270, by - 300);
    tail.cubicTo(cx + 240, by - 350, cx + 290, by - 380, cx + 320, by - 360);
    drawTube(p, tail, fur, 46, 5);
    p.save();
    p.setPen(QPen(furDark, 12, Qt::SolidLine, Qt::RoundCap));
    for (double t : {0.35, 0.55, 0.75}) {
        const QPointF q = tail.pointAtPercent(t);
        p.drawPoint(q);
    }
    p.restore();
    // Body with a cream belly and stripes.
    QPainterPath body;
    body.addEllipse(QPointF(cx, by - 190), 175, 200);
    shape(p, body, fur, 5);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(furDark, 16, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double y = by - 330 + i * 60;
        p.drawLine(QPointF(cx - 200, y), QPointF(cx - 120, y + 20));
        p.drawLine(QPointF(cx + 200, y), QPointF(cx + 120, y + 20));
    }
    p.restore();
    blob(p, QPointF(cx, by - 160), 95, 140, cream, 0);
    // Front legs and paws.
    for (int s : {-1, 1}) {
        shape(p, roundRectPath(QRectF(cx + s * 55 - 38, by - 190, 76, 185), 36), fur, 5);
        blob(p, QPointF(cx + s * 55, by - 12), 48, 28, cream, 5);
        p.setPen(inkPen(3));
        p.drawLine(QPointF(cx + s * 55 - 14, by - 4), QPointF(cx + s * 55 - 14, by - 22));
        p.drawLine(QPointF(cx + s * 55 + 14, by - 4), QPointF(cx + s * 55 + 14, by - 22));
    }
    // Head.
    const QPointF h(cx, by - 440);
    for (int s : {-1, 1}) {
        shape(p, polygonPath({QPointF(h.x() + s * 140, h.y() - 20), QPointF(h.x() + s * 135, h.y() - 190),
                              QPointF(h.x() + s * 30, h.y() - 120)}),
              fur, 5);
        shape(p, polygonPath({QPointF(h.x() + s * 118, h.y() - 50), QPointF(h.x() + s * 122, h.y() - 150),
                              QPointF(h.x() + s * 60, h.y() - 110)}),
              QColor(255, 160, 170), 0);
    }
    QPainterPath head;
    head.addEllipse(h, 165, 140);
    shape(p, head, fur, 5);
    p.save();
    p.setClipPath(head);
    p.setPen(QPen(furDark, 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(h.x(), h.y() - 140), QPointF(h.x(), h.y() - 85));
    p.drawLine(QPointF(h.x() - 40, h.y() - 135), QPointF(h.x() - 30, h.y() - 92));
    p.drawLine(QPointF(h.x() + 40, h.y() - 135), QPointF(h.x() + 30, h.y() - 92));
    p.drawLine(QPointF(h.x() - 170, h.y() + 10), QPointF(h.x() - 125, h.y() + 5));
    p.drawLine(QPointF(h.x() + 170, h.y() + 10), QPointF(h.x() + 125, h.y() + 5));
    p.restore();
    blob(p, QPointF(h.x(), h.y() + 55), 95, 65, cream, 0);
    // Big green eyes.
    for (int s : {-1, 1}) {
        const QPointF e(h.x() + s * 62, h.y() - 20);
        blob(p, e, 40, 46, QColor(250, 250, 250), 4);
        blob(p, QPointF(e.x() + 4, e.y() + 4), 30, 36, QColor(110, 200, 80), 0);
        blob(p, QPointF(e.x() + 4, e.y() + 4), 12, 28, QColor(40, 35, 45), 0);
        blob(p, QPointF(e.x() - 8, e.y() - 12), 9, 9, QColor(255, 255, 255), 0);
    }
    shape(p, polygonPath({QPointF(h.x() - 20, h.y() + 35), QPointF(h.x() + 20, h.y() + 35), QPointF(h.x(), h.y() + 55)}),
          QColor(255, 120, 150), 3);
    QPainterPath mouth;
    mouth.moveTo(h.x() - 36, h.y() + 68);
    mouth.quadTo(h.x() - 18, h.y() + 88, h.x(), h.y() + 58);
    mouth.quadTo(h.x() + 18, h.y() + 88, h.x() + 36, h.y() + 68);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(4));
    p.drawPath(mouth);
    p.drawLine(QPointF(h.x(), h.y() + 55), QPointF(h.x(), h.y() + 62));
    for (int s : {-1, 1})
        for (int k = -1; k <= 1; ++k)
            p.drawLine(QPointF(h.x() + s * 70, h.y() + 50 + k * 14), QPointF(h.x() + s * 185, h.y() + 40 + k * 26));
    drawCheeks(p, QPointF(h.x() - 105, h.y() + 40), QPointF(h.x() + 105, h.y() + 40), 20);
    // A red collar with a golden bell.
    QPainterPath collar;
    collar.moveTo(h.x() - 100, h.y() + 118);
    collar.quadTo(h.x(), h.y() + 160, h.x() + 100, h.y() + 118);
    drawTube(p, collar, QColor(230, 50, 60), 20, 4);
    blob(p, QPointF(h.x(), h.y() + 165), 22, 22, QColor(255, 205, 40), 4);
    p.setPen(inkPen(3));
    p.drawLine(QPointF(h.x() - 12, h.y() + 168), QPointF(h.x() + 12, h.y() + 168));
}

void drawFish(QPainter &p, QPointF c, double s, const QColor &body, const QColor &fin, int pattern, bool faceLeft)
{
    p.save();
    p.translate(c);
    if (faceLeft)
        p.scale(-1, 1);
    const double ol = std::max(2.5, s * 0.035);
    shape(p, polygonPath({QPointF(-s * 0.7, 0), QPointF(-s * 1.15, -s * 0.45), QPointF(-s * 1.05, 0), QPointF(-s * 1.15, s * 0.45)}), fin, ol);
    shape(p, polygonPath({QPointF(-s * 0.3, -s * 0.35), QPointF(0, -s * 0.75), QPointF(s * 0.3, -s * 0.38)}), fin, ol);
    QPainterPath b;
    b.addEllipse(QPointF(0, 0), s * 0.8, s * 0.48);
    shape(p, b, body, ol);
    p.save();
    p.setClipPath(b);
    if (pattern == 0) { // white bands like a clownfish
        for (double x : {-0.45, 0.1})
            shape(p, roundRectPath(QRectF(x * s, -s, s * 0.18, s * 2), 6), QColor(250, 250, 250), ol);
    } else if (pattern == 1) { // spots
        drawPolkaDots(p, QRectF(-s, -s * 0.6, s * 1.6, s * 1.2), s * 0.22, s * 0.06, lighter(body, 0.5));
    } else if (pattern == 2) { // stripes along
        for (int i = -2; i <= 2; ++i) {
            p.setPen(QPen(darker(body, 0.2), s * 0.06));
            p.drawLine(QPointF(-s, i * s * 0.17), QPointF(s * 0.4, i * s * 0.17));
        }
    } else { // scales
        p.setPen(QPen(darker(body, 0.25), std::max(2.0, s * 0.025)));
        p.setBrush(Qt::NoBrush);
        for (double x = -s * 0.7; x < s * 0.3; x += s * 0.16)
            for (double y = -s * 0.5; y < s * 0.5; y += s * 0.16)
                p.drawArc(QRectF(x, y, s * 0.16, s * 0.16), 90 * 16, 180 * 16);
    }
    p.restore();
    p.save();
    p.translate(-s * 0.12, s * 0.18);
    p.rotate(-25);
    blob(p, QPointF(-s * 0.1, 0), s * 0.16, s * 0.08, fin, ol);
    p.restore();
    drawEye(p, QPointF(s * 0.42, -s * 0.1), s * 0.14, QPointF(0.4, 0));
    drawSmile(p, QPointF(s * 0.6, s * 0.15), s * 0.2, s * 0.05, ol);
    p.restore();
}

void drawStarfish(QPainter &p, QPointF c, double r, const QColor &col, double rot)
{
    QPainterPath s = starPath(c, r, r * 0.45, 5, rot);
    shape(p, s, col, 4);
    p.save();
    p.setClipPath(s);
    drawPolkaDots(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), r * 0.25, r * 0.05, lighter(col, 0.5));
    p.restore();
}

void drawCrab(QPainter &p, QPointF c, double s)
{
    const QColor red(240, 90, 70);
    p.setPen(inkPen(5));
    for (int side : {-1, 1})
        for (int k = 0; k < 3; ++k)
            p.drawLine(QPointF(c.x() + side * s * 0.4, c.y() + k * s * 0.1), QPointF(c.x() + side * s * 0.85, c.y() + s * 0.3 + k * s * 0.12));
    for (int side : {-1, 1}) {
        QPainterPath arm;
        arm.moveTo(c.x() + side * s * 0.35, c.y() - s * 0.1);
        arm.quadTo(c.x() + side * s * 0.75, c.y() - s * 0.3, c.x() + side * s * 0.7, c.y() - s * 0.6);
        drawTube(p, arm, red, s * 0.08, 4);
        shape(p, polygonPath({QPointF(c.x() + side * s * 0.7, c.y() - s * 0.55), QPointF(c.x() + side * s * 0.55, c.y() - s * 0.85),
                              QPointF(c.x() + side * s * 0.72, c.y() - s * 0.72), QPointF(c.x() + side * s * 0.9, c.y() - s * 0.85)}),
              red, 4);
    }
    blob(p, c, s * 0.5, s * 0.32, red, 5);
    for (int side : {-1, 1}) {
        p.setPen(inkPen(4));
        p.drawLine(QPointF(c.x() + side * s * 0.15, c.y() - s * 0.25), QPointF(c.x() + side * s * 0.18, c.y() - s * 0.45));
        drawEye(p, QPointF(c.x() + side * s * 0.18, c.y() - s * 0.5), s * 0.1);
    }
    drawSmile(p, QPointF(c.x(), c.y() + s * 0.02), s * 0.3, s * 0.08, 4);
}

void drawCow(QPainter &p, QPointF c, double s)
{
    const QColor white(250, 250, 245), spot(60, 50, 60), pink(255, 175, 185);
    const double ol = 5;
    // Tail.
    QPainterPath tail;
    tail.moveTo(c.x() - s * 0.85, c.y() - s * 0.25);
    tail.quadTo(c.x() - s * 1.1, c.y(), c.x() - s * 1.0, c.y() + s * 0.3);
    drawTube(p, tail, white, s * 0.04, 3);
    blob(p, QPointF(c.x() - s * 1.0, c.y() + s * 0.33), s * 0.035, s * 0.06, spot, 3);
    // Back legs behind, front legs.
    for (double lx : {-0.65, -0.35, 0.35, 0.6}) {
        shape(p, roundRectPath(QRectF(c.x() + lx * s - s * 0.09, c.y() + s * 0.1, s * 0.18, s * 0.52), s * 0.06),
              lx == -0.35 || lx == 0.6 ? QColor(235, 235, 228) : white, ol);
        shape(p, roundRectPath(QRectF(c.x() + lx * s - s * 0.1, c.y() + s * 0.52, s * 0.2, s * 0.12), s * 0.04), spot, ol);
    }
    QPainterPath body = roundRectPath(QRectF(c.x() - s * 0.9, c.y() - s * 0.45, s * 1.75, s * 0.8), s * 0.35);
    shape(p, body, white, ol);
    p.save();
    p.setClipPath(body);
    for (const QPointF &d : {QPointF(-0.55, -0.25), QPointF(0.1, -0.4), QPointF(0.5, 0.05), QPointF(-0.2, 0.15), QPointF(-0.8, 0.2)}) {
        QPainterPath sp;
        sp.addEllipse(QPointF(c.x() + d.x() * s, c.y() + d.y() * s), s * 0.18, s * 0.13);
        sp.addEllipse(QPointF(c.x() + d.x() * s + s * 0.1, c.y() + d.y() * s + s * 0.06), s * 0.12, s * 0.1);
        shape(p, united(sp), spot, 0);
    }
    p.restore();
    outline(p, body, ol);
    blob(p, QPointF(c.x() + s * 0.05, c.y() + s * 0.35), s * 0.18, s * 0.1, pink, ol);
    // Head with horns, ears, big pink muzzle and a bell.
    const QPointF h(c.x() + s * 0.95, c.y() - s * 0.45);
    for (int side : {-1, 1}) {
        shape(p, polygonPath({QPointF(h.x() + side * s * 0.15, h.y() - s * 0.25), QPointF(h.x() + side * s * 0.25, h.y() - s * 0.48),
                              QPointF(h.x() + side * s * 0.28, h.y() - s * 0.2)}),
              QColor(250, 230, 170), ol);
        p.save();
        p.translate(h.x() + side * s * 0.38, h.y() - s * 0.12);
        p.rotate(side * 20);
        blob(p, QPointF(0, 0), s * 0.16, s * 0.08, white, ol);
        blob(p, QPointF(side * s * 0.02, 0), s * 0.09, s * 0.04, pink, 0);
        p.restore();
    }
    blob(p, h, s * 0.3, s * 0.32, white, ol);
    blob(p, QPointF(h.x() + s * 0.12, h.y() - s * 0.18), s * 0.12, s * 0.09, spot, 0);
    blob(p, QPointF(h.x(), h.y() + s * 0.2), s * 0.27, s * 0.17, pink, ol);
    blob(p, QPointF(h.x() - s * 0.1, h.y() + s * 0.2), s * 0.04, s * 0.05, darker(pink, 0.4), 0);
    blob(p, QPointF(h.x() + s * 0.1, h.y() + s * 0.2), s * 0.04, s * 0.05, darker(pink, 0.4), 0);
    drawEye(p, QPointF(h.x() - s * 0.12, h.y() - s * 0.05), s * 0.07, QPointF(0, 0.3));
    drawEye(p, QPointF(h.x() + s * 0.12, h.y() - s * 0.05), s * 0.07, QPointF(0, 0.3));
    drawSmile(p, QPointF(h.x(), h.y() + s * 0.29), s * 0.2, s * 0.03, 4);
    p.setPen(QPen(QColor(70, 120, 220), 10, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(h.x() - s * 0.25, h.y() + s * 0.05, s * 0.5, s * 0.4), 200 * 16, 140 * 16);
    shape(p, polygonPath({QPointF(h.x() - s * 0.06, h.y() + s * 0.45), QPointF(h.x() + s * 0.06, h.y() + s * 0.45),
                          QPointF(h.x() + s * 0.1, h.y() + s * 0.58), QPointF(h.x() - s * 0.1, h.y() + s * 0.58)}),
          QColor(255, 205, 40), 4);
}

void drawHen(QPainter &p, QPointF c, double s, bool faceLeft)
{
    p.save();
    p.translate(c);
    if (faceLeft)
        p.scale(-1, 1);
    p.setPen(inkPen(4));
    p.drawLine(QPointF(-s * 0.1, s * 0.35), QPointF(-s * 0.12, s * 0.6));
    p.drawLine(QPointF(s * 0.1, s * 0.35), QPointF(s * 0.12, s * 0.6));
    shape(p, polygonPath({QPointF(-s * 0.45, 0), QPointF(-s * 0.75, -s * 0.45), QPointF(-s * 0.5, -s * 0.1)}), QColor(200, 110, 50), 4);
    blob(p, QPointF(0, s * 0.05), s * 0.5, s * 0.38, QColor(245, 235, 215), 4);
    blob(p, QPointF(-s * 0.05, s * 0.05), s * 0.25, s * 0.16, QColor(230, 215, 190), 3);
    blob(p, QPointF(s * 0.4, -s * 0.3), s * 0.22, s * 0.22, QColor(245, 235, 215), 4);
    shape(p, polygonPath({QPointF(s * 0.3, -s * 0.5), QPointF(s * 0.35, -s * 0.65), QPointF(s * 0.45, -s * 0.52), QPointF(s * 0.53, -s * 0.63), QPointF(s * 0.52, -s * 0.45)}),
          QColor(230, 50, 50), 3);
    shape(p, polygonPath({QPointF(s * 0.58, -s * 0.33), QPointF(s * 0.78, -s * 0.27), QPointF(s * 0.58, -s * 0.2)}), QColor(255, 170, 30), 3);
    blob(p, QPointF(s * 0.46, -s * 0.35), s * 0.04, s * 0.05, kInk, 0);
    p.restore();
}

void drawPig(QPainter &p, QPointF c, double s)
{
    const QColor pink(255, 180, 190);
    for (double lx : {-0.35, -0.15, 0.2, 0.38})
        shape(p, roundRectPath(QRectF(c.x() + lx * s - s * 0.07, c.y() + s * 0.1, s * 0.14, s * 0.32), s * 0.05), pink, 4);
    QPainterPath tail;
    tail.moveTo(c.x() - s * 0.5, c.y() - s * 0.05);
    tail.cubicTo(c.x() - s * 0.7, c.y() - s * 0.2, c.x() - s * 0.55, c.y() - s * 0.35, c.x() - s * 0.65, c.y() - s * 0.3);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(4));
    p.drawPath(tail);
    blob(p, QPointF(c.x(), c.y()), s * 0.55, s * 0.35, pink, 4);
    const QPointF h(c.x() + s * 0.5, c.y() - s * 0.15);
    shape(p, polygonPath({QPointF(h.x() - s * 0.2, h.y() - s * 0.15), QPointF(h.x() - s * 0.15, h.y() - s * 0.4), QPointF(h.x(), h.y() - s * 0.2)}), pink, 4);
    shape(p, polygonPath({QPointF(h.x() + s * 0.2, h.y() - s * 0.15), QPointF(h.x() + s * 0.2, h.y() - s * 0.4), QPointF(h.x() + s * 0.02, h.y() - s * 0.22)}), pink, 4);
    blob(p, h, s * 0.28, s * 0.25, pink, 4);
    blob(p, QPointF(h.x() + s * 0.05, h.y() + s * 0.08), s * 0.12, s * 0.08, QColor(245, 140, 160), 3);
    blob(p, QPointF(h.x() + s * 0.01, h.y() + s * 0.08), s * 0.025, s * 0.03, kInk, 0);
    blob(p, QPointF(h.x() + s * 0.09, h.y() + s * 0.08), s * 0.025, s * 0.03, kInk, 0);
    blob(p, QPointF(h.x() - s * 0.1, h.y() - s * 0.08), s * 0.035, s * 0.04, kInk, 0);
    blob(p, QPointF(h.x() + s * 0.16, h.y() - s * 0.08), s * 0.035, s * 0.04, kInk, 0);
}

void drawDolphin(QPainter &p, QPointF c, double s)
{
    QPainterPath d;
    d.moveTo(c.x() - s * 0.8, c.y() + s * 0.2);
    d.cubicTo(c.x() - s * 0.5, c.y() - s * 0.5, c.x() + s * 0.4, c.y() - s * 0.6, c.x() + s * 0.8, c.y() - s * 0.05);
    d.lineTo(c.x() + s * 1.05, c.y() + s * 0.02);
    d.lineTo(c.x() + s * 0.78, c.y() + s * 0.1);
    d.cubicTo(c.x() + s * 0.3, c.y() - s * 0.15, c.x() - s * 0.3, c.y() - s * 0.1, c.x() - s * 0.65, c.y() + s * 0.35);
    d.closeSubpath();
    shape(p, polygonPath({QPointF(c.x() - s * 0.72, c.y() + s * 0.25), QPointF(c.x() - s * 1.0, c.y() + s * 0.2), QPointF(c.x() - s * 0.85, c.y() + s * 0.5),
                          QPointF(c.x() - s * 0.7, c.y() + s * 0.55)}),
          QColor(110, 150, 220), 4);
    shape(p, polygonPath({QPointF(c.x() - s * 0.05, c.y() - s * 0.38), QPointF(c.x() - s * 0.2, c.y() - s * 0.65), QPointF(c.x() + s * 0.2, c.y() - s * 0.42)}),
          QColor(110, 150, 220), 4);
    shape(p, d, QColor(130, 170, 235), 4);
    blob(p, QPointF(c.x() + s * 0.55, c.y() - s * 0.2), s * 0.04, s * 0.05, kInk, 0);
}

void drawTeddy(QPainter &p, QPointF c, double s)
{
    const QColor fur(190, 125, 70), light(240, 200, 150), dark(150, 90, 50);
    // Legs sticking forward, arms, body, head.
    for (int side : {-1, 1}) {
        blob(p, QPointF(c.x() + side * s * 0.42, c.y() + s * 0.62), s * 0.3, s * 0.24, fur, 5);
        blob(p, QPointF(c.x() + side * s * 0.45, c.y() + s * 0.66), s * 0.15, s * 0.14, light, 4);
        for (int k = -1; k <= 1; ++k)
            blob(p, QPointF(c.x() + side * s * 0.45 + k * s * 0.08, c.y() + s * 0.5), s * 0.04, s * 0.035, light, 3);
    }
    blob(p, QPointF(c.x(), c.y() + s * 0.2), s * 0.5, s * 0.55, fur, 5);
    blob(p, QPointF(c.x(), c.y() + s * 0.28), s * 0.3, s * 0.35, light, 4);
    // A sewn patch on the tummy.
    shape(p, roundRectPath(QRectF(c.x() + s * 0.05, c.y() + s * 0.25, s * 0.18, s * 0.16), 6), QColor(120, 180, 240), 3);
    p.setPen(QPen(kInk, 2, Qt::DashLine));
    p.drawRect(QRectF(c.x() + s * 0.07, c.y() + s * 0.27, s * 0.14, s * 0.12));
    for (int side : {-1, 1}) {
        p.save();
        p.translate(c.x() + side * s * 0.5, c.y() + s * 0.05);
        p.rotate(side * -35);
        blob(p, QPointF(0, s * 0.18), s * 0.16, s * 0.3, fur, 5);
        blob(p, QPointF(0, s * 0.36), s * 0.1, s * 0.1, light, 3);
        p.restore();
    }
    const QPointF h(c.x(), c.y() - s * 0.55);
    for (int side : {-1, 1}) {
        blob(p, QPointF(h.x() + side * s * 0.38, h.y() - s * 0.32), s * 0.17, s * 0.17, fur, 5);
        blob(p, QPointF(h.x() + side * s * 0.38, h.y() - s * 0.32), s * 0.09, s * 0.09, light, 0);
    }
    blob(p, h, s * 0.5, s * 0.44, fur, 5);
    blob(p, QPointF(h.x(), h.y() + s * 0.14), s * 0.22, s * 0.16, light, 4);
    blob(p, QPointF(h.x(), h.y() + s * 0.07), s * 0.08, s * 0.06, dark, 3);
    drawSmile(p, QPointF(h.x(), h.y() + s * 0.15), s * 0.16, s * 0.05, 4);
    drawEye(p, QPointF(h.x() - s * 0.18, h.y() - s * 0.1), s * 0.07, QPointF(0, 0.3));
    drawEye(p, QPointF(h.x() + s * 0.18, h.y() - s * 0.1), s * 0.07, QPointF(0, 0.3));
    drawCheeks(p, QPointF(h.x() - s * 0.3, h.y() + s * 0.1), QPointF(h.x() + s * 0.3, h.y() + s * 0.1), s * 0.06);
    // Red polka-dot bow tie.
    for (int side : {-1, 1}) {
        QPainterPath wing = polygonPath({QPointF(h.x(), h.y() + s * 0.42), QPointF(h.x() + side * s * 0.25, h.y() + s * 0.3),
                                         QPointF(h.x() + side * s * 0.25, h.y() + s * 0.56)});
        shape(p, wing, QColor(230, 50, 60), 4);
        p.save();
        p.setClipPath(wing);
        drawPolkaDots(p, QRectF(h.x() - s * 0.3, h.y() + s * 0.25, s * 0.6, s * 0.35), s * 0.07, s * 0.018, QColor(255, 230, 230));
        p.restore();
        outline(p, wing, 4);
    }
    blob(p, QPointF(h.x(), h.y() + s * 0.43), s * 0.06, s * 0.06, QColor(230, 50, 60), 4);
}

void drawLongNeck(QPainter &p, QPointF c, double s)
{
    const QColor green(110, 200, 90), belly(200, 240, 150), dark(70, 160, 70);
    // Tail and far legs first.
    QPainterPath tail;
    tail.moveTo(c.x() - s * 0.45, c.y() - s * 0.1);
    tail.cubicTo(c.x() - s * 0.9, c.y() + s * 0.0, c.x() - s * 1.1, c.y() + s * 0.2, c.x() - s * 1.35, c.y() + s * 0.05);
    tail.lineTo(c.x() - s * 1.3, c.y() + s * 0.12);
    tail.cubicTo(c.x() - s * 1.0, c.y() + s * 0.35, c.x() - s * 0.7, c.y() + s * 0.25, c.x() - s * 0.4, c.y() + s * 0.2);
    tail.closeSubpath();
    shape(p, tail, green, 5);
    for (double lx : {-0.25, 0.4})
        shape(p, roundRectPath(QRectF(c.x() + lx * s - s * 0.1, c.y(), s * 0.2, s * 0.5), s * 0.08), dark, 5);
    // Neck up to a friendly head.
    QPainterPath neck;
    neck.moveTo(c.x() + s * 0.25, c.y() - s * 0.3);
    neck.cubicTo(c.x() + s * 0.55, c.y() - s * 0.6, c.x() + s * 0.5, c.y() - s * 1.0, c.x() + s * 0.7, c.y() - s * 1.25);
    neck.lineTo(c.x() + s * 0.9, c.y() - s * 1.18);
    neck.cubicTo(c.x() + s * 0.75, c.y() - s * 0.95, c.x() + s * 0.8, c.y() - s * 0.4, c.x() + s * 0.55, c.y() - s * 0.05);
    neck.closeSubpath();
    // Orange plates along the back.
    for (int i = 0; i < 9; ++i) {
        const double t = i / 8.0;
        const QPointF q(c.x() - s * 0.45 + t * s * 0.85, c.y() - s * 0.38 - std::sin(t * kPi) * s * 0.22);
        shape(p, polygonPath({QPointF(q.x() - s * 0.06, q.y() + s * 0.05), QPointF(q.x(), q.y() - s * 0.1), QPointF(q.x() + s * 0.06, q.y() + s * 0.05)}),
              QColor(255, 160, 50), 4);
    }
    shape(p, neck, green, 5);
    QPainterPath body;
    body.addEllipse(QPointF(c.x(), c.y() - s * 0.1), s * 0.6, s * 0.4);
    shape(p, body, green, 5);
    p.save();
    p.setClipPath(body);
    blob(p, QPointF(c.x() + s * 0.05, c.y() + s * 0.2), s * 0.45, s * 0.18, belly, 4);
    for (const QPointF &d : {QPointF(-0.3, -0.25), QPointF(-0.05, -0.35), QPointF(0.2, -0.22), QPointF(-0.4, -0.02), QPointF(0.35, -0.35)})
        blob(p, QPointF(c.x() + d.x() * s, c.y() + d.y() * s), s * 0.06, s * 0.045, dark, 0);
    p.restore();
    outline(p, body, 5);
    p.save();
    p.setClipPath(neck);
    for (int i = 1; i < 6; ++i) {
        const QPointF q = neck.pointAtPercent(i * 0.07);
        blob(p, q, s * 0.04, s * 0.03, dark, 0);
    }
    p.restore();
    for (double lx : {-0.35, 0.3}) {
        shape(p, roundRectPath(QRectF(c.x() + lx * s - s * 0.11, c.y() + s * 0.05, s * 0.22, s * 0.5), s * 0.08), green, 5);
        for (int k = -1; k <= 1; ++k)
            blob(p, QPointF(c.x() + lx * s + k * s * 0.06, c.y() + s * 0.53), s * 0.03, s * 0.025, QColor(250, 240, 210), 3);
    }
    const QPointF h(c.x() + s * 0.88, c.y() - s * 1.28);
    blob(p, h, s * 0.22, s * 0.15, green, 5);
    drawEye(p, QPointF(h.x() + s * 0.02, h.y() - s * 0.06), s * 0.06, QPointF(0.3, 0));
    blob(p, QPointF(h.x() + s * 0.18, h.y() - s * 0.02), s * 0.015, s * 0.015, kInk, 0);
    drawSmile(p, QPointF(h.x() + s * 0.1, h.y() + s * 0.05), s * 0.15, s * 0.03, 4);
    drawCheeks(p, QPointF(h.x() - s * 0.08, h.y() + s * 0.04), QPointF(h.x() - s * 0.08, h.y() + s * 0.04), s * 0.035);
}

void drawPterodactyl(QPainter &p, QPointF c, double s)
{
    const QColor col(170, 120, 220);
    shape(p, polygonPath({QPointF(c.x() - s * 0.05, c.y()), QPointF(c.x() - s * 0.8, c.y() - s * 0.35), QPointF(c.x() - s * 0.55, c.y() + s * 0.05)}), col, 4);
    shape(p, polygonPath({QPointF(c.x() + s * 0.05, c.y()), QPointF(c.x() + s * 0.8, c.y() - s * 0.35), QPointF(c.x() + s * 0.55, c.y() + s * 0.05)}), col, 4);
    blob(p, c, s * 0.14, s * 0.2, lighter(col, 0.2), 4);
    blob(p, QPointF(c.x(), c.y() - s * 0.22), s * 0.12, s * 0.1, lighter(col, 0.2), 4);
    shape(p, polygonPath({QPointF(c.x() + s * 0.08, c.y() - s * 0.24), QPointF(c.x() + s * 0.35, c.y() - s * 0.2), QPointF(c.x() + s * 0.08, c.y() - s * 0.16)}),
          QColor(255, 200, 60), 3);
    blob(p, QPointF(c.x() + s * 0.02, c.y() - s * 0.25), 3, 3, kInk, 0);
}

void drawSeagull(QPainter &p, QPointF c, double s)
{
    QPainterPath wing;
    wing.moveTo(c.x() - s, c.y() - s * 0.3);
    wing.quadTo(c.x() - s * 0.5, c.y() - s * 0.7, c.x(), c.y());
    wing.quadTo(c.x() + s * 0.5, c.y() - s * 0.7, c.x() + s, c.y() - s * 0.3);
    wing.quadTo(c.x() + s * 0.5, c.y() - s * 0.4, c.x(), c.y() + s * 0.15);
    wing.quadTo(c.x() - s * 0.5, c.y() - s * 0.4, c.x() - s, c.y() - s * 0.3);
    shape(p, wing, QColor(250, 250, 250), 3);
    shape(p, polygonPath({QPointF(c.x() + s * 0.05, c.y()), QPointF(c.x() + s * 0.22, c.y() + s * 0.05), QPointF(c.x() + s * 0.05, c.y() + s * 0.1)}),
          QColor(255, 180, 40), 2);
}

void drawBird(QPainter &p, QPointF c, double s)
{
    QPainterPath path;
    path.moveTo(c.x() - s, c.y() - s * 0.2);
    path.quadTo(c.x() - s * 0.5, c.y() - s * 0.75, c.x(), c.y());
    path.quadTo(c.x() + s * 0.5, c.y() - s * 0.75, c.x() + s, c.y() - s * 0.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(std::max(2.0, s * 0.16)));
    p.drawPath(path);
}

void drawButterfly(QPainter &p, QPointF c, double s, const QColor &upper, const QColor &lower, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const double ol = std::max(1.5, s * 0.04);
    for (int side = -1; side <= 1; side += 2) {
        blob(p, QPointF(side * s * 0.42, -s * 0.25), s * 0.42, s * 0.36, upper, ol);
        blob(p, QPointF(side * s * 0.32, s * 0.28), s * 0.28, s * 0.25, lower, ol);
        blob(p, QPointF(side * s * 0.5, -s * 0.3), s * 0.14, s * 0.14, lighter(lower, 0.4), ol * 0.7);
        blob(p, QPointF(side * s * 0.32, s * 0.3), s * 0.08, s * 0.08, lighter(upper, 0.5), ol * 0.6);
    }
    blob(p, QPointF(0, 0), s * 0.09, s * 0.45, QColor(80, 55, 70), ol);
    blob(p, QPointF(0, -s * 0.5), s * 0.11, s * 0.11, QColor(80, 55, 70), ol);
    p.setPen(inkPen(ol));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(-s * 0.05, -s * 0.58), QPointF(-s * 0.22, -s * 0.82));
    p.drawLine(QPointF(s * 0.05, -s * 0.58), QPointF(s * 0.22, -s * 0.82));
    blob(p, QPointF(-s * 0.22, -s * 0.84), s * 0.04, s * 0.04, kInk, 0);
    blob(p, QPointF(s * 0.22, -s * 0.84), s * 0.04, s * 0.04, kInk, 0);
    p.restore();
}

void drawLadybird(QPainter &p, QPointF c, double s, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const double ol = std::max(1.5, s * 0.06);
    blob(p, QPointF(0, -s * 0.5), s * 0.28, s * 0.24, QColor(50, 40, 50), ol);
    blob(p, QPointF(0, 0), s * 0.5, s * 0.55, QColor(230, 40, 40), ol);
    p.setPen(inkPen(ol));
    p.drawLine(QPointF(0, -s * 0.55), QPointF(0, s * 0.55));
    for (const QPointF &d : {QPointF(-0.25, -0.2), QPointF(0.25, -0.2), QPointF(-0.28, 0.2),
                             QPointF(0.28, 0.2), QPointF(0, 0.35)})
        blob(p, QPointF(d.x() * s, d.y() * s), s * 0.1, s * 0.1, QColor(50, 40, 50), 0);
    blob(p, QPointF(-s * 0.12, -s * 0.58), s * 0.06, s * 0.06, QColor(250, 250, 250), 0);
    blob(p, QPointF(s * 0.12, -s * 0.58), s * 0.06, s * 0.06, QColor(250, 250, 250), 0);
    p.restore();
}

void drawBee(QPainter &p, QPointF c, double s)
{
    const double ol = std::max(1.5, s * 0.05);
    QColor wing(210, 235, 255, 220);
    blob(p, QPointF(c.x() - s * 0.15, c.y() - s * 0.45), s * 0.22, s * 0.3, wing, ol);
    blob(p, QPointF(c.x() + s * 0.18, c.y() - s * 0.42), s * 0.2, s * 0.27, wing, ol);
    blob(p, c, s * 0.5, s * 0.35, QColor(255, 205, 40), ol);
    p.save();
    QPainterPath body;
    body.addEllipse(c, s * 0.5, s * 0.35);
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 45, 50));
    for (int i = -1; i <= 1; ++i)
        p.drawRect(QRectF(c.x() + i * s * 0.28 - s * 0.06, c.y() - s, s * 0.12, s * 2));
    p.restore();
    blob(p, QPointF(c.x() + s * 0.5, c.y() - s * 0.05), s * 0.22, s * 0.22, QColor(255, 205, 40), ol);
    blob(p, QPointF(c.x() + s * 0.56, c.y() - s * 0.1), s * 0.05, s * 0.05, kInk, 0);
}

void drawSnail(QPainter &p, QPointF c, double s, const QColor &shell)
{
    const double ol = std::max(1.5, s * 0.04);
    QPainterPath foot;
    foot.moveTo(c.x() - s * 0.6, c.y() + s * 0.3);
    foot.lineTo(c.x() + s * 0.5, c.y() + s * 0.3);
    foot.quadTo(c.x() + s * 0.75, c.y() + s * 0.28, c.x() + s * 0.7, c.y() - s * 0.2);
    foot.lineTo(c.x() + s * 0.55, c.y() - s * 0.1);
    foot.lineTo(c.x() + s * 0.5, c.y() + s * 0.12);
    foot.lineTo(c.x() - s * 0.6, c.y() + s * 0.14);
    foot.closeSubpath();
    shape(p, foot, QColor(190, 230, 140), ol);
    p.setPen(inkPen(ol));
    p.drawLine(QPointF(c.x() + s * 0.62, c.y() - s * 0.15), QPointF(c.x() + s * 0.6, c.y() - s * 0.45));
    p.drawLine(QPointF(c.x() + s * 0.68, c.y() - s * 0.15), QPointF(c.x() + s * 0.8, c.y() - s * 0.42));
    blob(p, QPointF(c.x() + s * 0.6, c.y() - s * 0.47), s * 0.05, s * 0.05, kInk, 0);
    blob(p, QPointF(c.x() + s * 0.8, c.y() - s * 0.44), s * 0.05, s * 0.05, kInk, 0);
    blob(p, QPointF(c.x() - s * 0.05, c.y() - s * 0.15), s * 0.4, s * 0.38, shell, ol);
    QPainterPath spiral;
    const QPointF sc(c.x() - s * 0.05, c.y() - s * 0.15);
    for (int i = 0; i <= 60; ++i) {
        const double a = i * 0.22;
        const double r = s * 0.32 * (1 - i / 66.0);
        const QPointF pt(sc.x() + r * std::cos(a), sc.y() + r * std::sin(a));
        if (i == 0)
            spiral.moveTo(pt);
        else
            spiral.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(darker(shell, 0.35), ol));
    p.drawPath(spiral);
}

} // namespace sd
