// The things people make in the sample pictures: vehicles, buildings, furniture
// and toys.
#include "figures.h"

#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace sd {

void drawYarn(QPainter &p, QPointF c, double r, const QColor &col)
{
    QPainterPath thread;
    thread.moveTo(c.x() - r * 0.7, c.y() + r * 0.6);
    thread.cubicTo(c.x() - r * 2, c.y() + r * 1.4, c.x() - r * 2.5, c.y() + r * 0.2, c.x() - r * 3.4, c.y() + r * 0.9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(darker(col, 0.2), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(thread);
    QPainterPath ball;
    ball.addEllipse(c, r, r);
    shape(p, ball, col, 5);
    p.save();
    p.setClipPath(ball);
    p.setPen(QPen(darker(col, 0.25), 5));
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(c.x() - r * 0.9 + i * r * 0.3, c.y() - r * 0.2), r * 0.9, r * 1.6);
    p.restore();
}

void drawWheel(QPainter &p, QPointF c, double r, const QColor &rim)
{
    blob(p, c, r, r, QColor(70, 60, 70), 4);
    blob(p, c, r * 0.78, r * 0.78, rim, 3);
    p.setPen(inkPen(std::max(3.0, r * 0.09)));
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3;
        p.drawLine(c, QPointF(c.x() + r * 0.75 * std::cos(a), c.y() + r * 0.75 * std::sin(a)));
    }
    blob(p, c, r * 0.2, r * 0.2, QColor(255, 210, 60), 3);
}

void drawAnimalInWindow(QPainter &p, const QRectF &win, int kind)
{
    p.save();
    p.setClipRect(win);
    const QPointF c(win.center().x(), win.bottom() - win.height() * 0.28);
    const double r = win.width() * 0.3;
    QColor face = kind == 0 ? QColor(190, 130, 80) : kind == 1 ? QColor(255, 180, 190) : kind == 2 ? QColor(235, 235, 235) : QColor(255, 200, 90);
    if (kind == 0) { // bear
        blob(p, QPointF(c.x() - r * 0.8, c.y() - r * 0.8), r * 0.35, r * 0.35, face, 3);
        blob(p, QPointF(c.x() + r * 0.8, c.y() - r * 0.8), r * 0.35, r * 0.35, face, 3);
    } else if (kind == 1) { // pig
        shape(p, polygonPath({QPointF(c.x() - r * 0.9, c.y() - r * 0.4), QPointF(c.x() - r * 0.7, c.y() - r * 1.2), QPointF(c.x() - r * 0.2, c.y() - r * 0.8)}), face, 3);
        shape(p, polygonPath({QPointF(c.x() + r * 0.9, c.y() - r * 0.4), QPointF(c.x() + r * 0.7, c.y() - r * 1.2), QPointF(c.x() + r * 0.2, c.y() - r * 0.8)}), face, 3);
    } else if (kind == 2) { // bunny
        blob(p, QPointF(c.x() - r * 0.4, c.y() - r * 1.3), r * 0.22, r * 0.6, face, 3);
        blob(p, QPointF(c.x() + r * 0.4, c.y() - r * 1.3), r * 0.22, r * 0.6, face, 3);
    } else { // duckling
    }
    blob(p, c, r, r * 0.9, face, 3);
    blob(p, QPointF(c.x() - r * 0.35, c.y() - r * 0.15), r * 0.12, r * 0.14, kInk, 0);
    blob(p, QPointF(c.x() + r * 0.35, c.y() - r * 0.15), r * 0.12, r * 0.14, kInk, 0);
    if (kind == 1)
        blob(p, QPointF(c.x(), c.y() + r * 0.25), r * 0.3, r * 0.2, QColor(245, 140, 160), 2);
    else if (kind == 3)
        blob(p, QPointF(c.x(), c.y() + r * 0.25), r * 0.35, r * 0.15, QColor(255, 140, 40), 2);
    else
        blob(p, QPointF(c.x(), c.y() + r * 0.15), r * 0.12, r * 0.09, QColor(240, 100, 120), 0);
    drawSmile(p, QPointF(c.x(), c.y() + r * 0.35), r * 0.5, r * 0.12, 2.5);
    p.restore();
}

void drawCarriage(QPainter &p, const QRectF &box, const QColor &c, int firstAnimal)
{
    shape(p, roundRectPath(QRectF(box.left() - 12, box.top() - 26, box.width() + 24, 34), 12), darker(c, 0.35), 4);
    QPainterPath b = roundRectPath(box, 14);
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, lighter(c, 0.15));
    g.setColorAt(1, darker(c, 0.12));
    shape(p, b, QBrush(g), 5);
    p.save();
    p.setClipPath(b);
    drawPolkaDots(p, QRectF(box.left(), box.bottom() - 50, box.width(), 50), 26, 5, lighter(c, 0.45));
    p.restore();
    p.setPen(inkPen(3));
    p.drawLine(QPointF(box.left(), box.bottom() - 58), QPointF(box.right(), box.bottom() - 58));
    const double ww = (box.width() - 60) / 3;
    for (int i = 0; i < 3; ++i) {
        const QRectF win(box.left() + 15 + i * (ww + 15), box.top() + 22, ww, box.height() - 100);
        shape(p, roundRectPath(win, 10), QColor(190, 235, 255), 4);
        drawAnimalInWindow(p, win, (firstAnimal + i) % 4);
        outline(p, roundRectPath(win, 10), 4);
    }
    drawWheel(p, QPointF(box.left() + 55, box.bottom() + 12), 38, QColor(255, 215, 60));
    drawWheel(p, QPointF(box.right() - 55, box.bottom() + 12), 38, QColor(255, 215, 60));
}

void drawLocomotive(QPainter &p, QPointF base)
{
    const double x = base.x(), y = base.y(); // y is the rail top, x the back of the cab
    const QColor red(230, 50, 50), blue(50, 100, 200), yellow(255, 210, 50);
    // Cab.
    shape(p, roundRectPath(QRectF(x - 20, y - 380, 220, 40), 12), blue, 5);
    shape(p, roundRectPath(QRectF(x, y - 345, 180, 265), 10), red, 5);
    shape(p, roundRectPath(QRectF(x + 35, y - 315, 110, 90), 10), QColor(190, 235, 255), 4);
    // The driver: a smiling bear in a cap.
    p.save();
    p.setClipRect(QRectF(x + 35, y - 315, 110, 90));
    blob(p, QPointF(x + 90, y - 235), 34, 32, QColor(190, 130, 80), 3);
    blob(p, QPointF(x + 78, y - 245), 4, 5, kInk, 0);
    blob(p, QPointF(x + 102, y - 245), 4, 5, kInk, 0);
    drawSmile(p, QPointF(x + 90, y - 228), 18, 5, 2.5);
    shape(p, roundRectPath(QRectF(x + 58, y - 285, 64, 22), 8), blue, 3);
    p.restore();
    outline(p, roundRectPath(QRectF(x + 35, y - 315, 110, 90), 10), 4);
    // Boiler.
    QPainterPath boiler = roundRectPath(QRectF(x + 170, y - 250, 330, 150), 40);
    QLinearGradient g(0, y - 250, 0, y - 100);
    g.setColorAt(0, QColor(255, 110, 100));
    g.setColorAt(1, QColor(200, 35, 40));
    shape(p, boiler, QBrush(g), 5);
    for (double bx : {x + 240, x + 330, x + 420})
        shape(p, roundRectPath(QRectF(bx, y - 252, 18, 154), 6), yellow, 3);
    // Chimney, dome and bell.
    shape(p, polygonPath({QPointF(x + 400, y - 250), QPointF(x + 385, y - 350), QPointF(x + 470, y - 350), QPointF(x + 455, y - 250)}),
          QColor(60, 60, 75), 5);
    shape(p, roundRectPath(QRectF(x + 372, y - 372, 110, 30), 10), QColor(60, 60, 75), 5);
    blob(p, QPointF(x + 300, y - 255), 38, 32, yellow, 5);
    // Front: buffer beam, lamp and cow catcher.
    shape(p, roundRectPath(QRectF(x + 490, y - 230, 40, 110), 10), QColor(60, 60, 75), 4);
    blob(p, QPointF(x + 515, y - 270), 26, 24, yellow, 4);
    blob(p, QPointF(x + 515, y - 270), 13, 12, QColor(255, 250, 200), 0);
    shape(p, polygonPath({QPointF(x + 470, y - 100), QPointF(x + 560, y - 20), QPointF(x + 470, y - 20)}), QColor(255, 200, 60), 4);
    p.setPen(inkPen(3));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(x + 470 + i * 20, y - 100 + i * 18), QPointF(x + 470 + i * 20, y - 20));
    // Frame and wheels with a connecting rod.
    shape(p, roundRectPath(QRectF(x - 10, y - 110, 500, 40), 8), QColor(60, 60, 75), 4);
    drawWheel(p, QPointF(x + 90, y - 58), 58, yellow);
    drawWheel(p, QPointF(x + 230, y - 58), 58, yellow);
    drawWheel(p, QPointF(x + 380, y - 40), 38, yellow);
    shape(p, roundRectPath(QRectF(x + 80, y - 70, 165, 20), 8), QColor(180, 180, 195), 3);
}

void drawSmokePuff(QPainter &p, QPointF c, double r)
{
    QPainterPath puff;
    puff.addEllipse(c, r, r * 0.85);
    puff.addEllipse(QPointF(c.x() - r * 0.7, c.y() + r * 0.2), r * 0.6, r * 0.55);
    puff.addEllipse(QPointF(c.x() + r * 0.7, c.y() + r * 0.15), r * 0.65, r * 0.6);
    QRadialGradient g(c.x() - r * 0.3, c.y() - r * 0.4, r * 1.6);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(195, 200, 215));
    p.setPen(QPen(QColor(140, 145, 165), 3));
    p.setBrush(g);
    p.drawPath(united(puff));
}

void drawRailway(QPainter &p, double y)
{
    fillVerticalGradient(p, QRectF(0, y - 30, kPictureWidth, 70), QColor(200, 170, 130), QColor(165, 130, 95));
    for (double x = -10; x < kPictureWidth; x += 50)
        shape(p, roundRectPath(QRectF(x, y - 12, 30, 46), 4), QColor(140, 90, 55), 3);
    for (double ry : {y - 2.0, y + 20.0})
        shape(p, roundRectPath(QRectF(-10, ry, kPictureWidth + 20, 12), 3), QColor(175, 180, 195), 3);
}

void drawTreasureChest(QPainter &p, QPointF base, double w)
{
    const QRectF box(base.x() - w / 2, base.y() - w * 0.5, w, w * 0.5);
    Rng wood(77);
    shape(p, roundRectPath(box, 8), QColor(170, 105, 55), 5);
    p.save();
    p.setClipRect(box.adjusted(3, 3, -3, -3));
    drawWoodPlanks(p, box, w * 0.12, QColor(170, 105, 55), wood, false);
    p.restore();
    // Open lid tipped back, gold and jewels peeking out.
    QPainterPath lid = polygonPath({QPointF(box.left(), box.top()), QPointF(box.left() + w * 0.08, box.top() - w * 0.38),
                                    QPointF(box.right() + w * 0.08, box.top() - w * 0.38), QPointF(box.right(), box.top())});
    shape(p, lid, QColor(150, 90, 45), 5);
    for (int i = 0; i < 7; ++i)
        blob(p, QPointF(box.left() + w * (0.15 + i * 0.12), box.top() - w * 0.02 - (i % 2) * w * 0.05), w * 0.07, w * 0.05,
             QColor(255, 210, 50), 3);
    drawStar(p, QPointF(box.left() + w * 0.35, box.top() - w * 0.08), w * 0.06, QColor(240, 80, 160), 3);
    drawStar(p, QPointF(box.left() + w * 0.7, box.top() - w * 0.1), w * 0.06, QColor(80, 200, 240), 3);
    for (double x : {0.12, 0.88})
        shape(p, rectPath(QRectF(box.left() + w * x - 8, box.top(), 16, box.height())),
              QColor(255, 200, 60), 3);
    blob(p, QPointF(box.center().x(), box.top() + w * 0.12), w * 0.06, w * 0.07, QColor(255, 200, 60), 3);
}

void drawBarn(QPainter &p, const QRectF &r, Rng &rng)
{
    const QColor red(210, 55, 50);
    QPainterPath body = polygonPath({QPointF(r.left(), r.bottom()), QPointF(r.left(), r.top() + r.height() * 0.35),
                                     QPointF(r.left() + r.width() * 0.18, r.top() + r.height() * 0.1), QPointF(r.center().x(), r.top()),
                                     QPointF(r.right() - r.width() * 0.18, r.top() + r.height() * 0.1),
                                     QPointF(r.right(), r.top() + r.height() * 0.35), QPointF(r.right(), r.bottom())});
    shape(p, body, red, 5);
    p.save();
    p.setClipPath(body);
    drawWoodPlanks(p, r, 34, red, rng, true);
    p.restore();
    // Roof trim.
    QPainterPath trim;
    trim.moveTo(r.left() - 20, r.top() + r.height() * 0.37);
    trim.lineTo(r.left() + r.width() * 0.18, r.top() + r.height() * 0.1);
    trim.lineTo(r.center().x(), r.top() - 6);
    trim.lineTo(r.right() - r.width() * 0.18, r.top() + r.height() * 0.1);
    trim.lineTo(r.right() + 20, r.top() + r.height() * 0.37);
    drawTube(p, trim, QColor(90, 80, 100), 22, 4);
    // Hay loft window and the big doors with white crosses.
    const QRectF loft(r.center().x() - 50, r.top() + r.height() * 0.17, 100, 90);
    shape(p, roundRectPath(loft, 6), QColor(250, 220, 120), 5);
    p.setPen(QPen(QColor(230, 180, 70), 4));
    for (int i = 0; i < 8; ++i)
        p.drawLine(QPointF(loft.left() + 8 + i * 12, loft.bottom() - 4), QPointF(loft.left() + 14 + i * 11, loft.top() + 30));
    const QRectF door(r.center().x() - r.width() * 0.28, r.bottom() - r.height() * 0.48, r.width() * 0.56, r.height() * 0.48);
    for (int half = 0; half < 2; ++half) {
        const QRectF d(door.left() + half * door.width() / 2, door.top(), door.width() / 2, door.height());
        shape(p, rectPath(d), QColor(190, 45, 45), 5);
        p.setPen(QPen(QColor(250, 245, 235), 14, Qt::SolidLine, Qt::SquareCap));
        p.drawRect(d.adjusted(10, 10, -10, -10));
        p.drawLine(d.topLeft() + QPointF(10, 10), d.bottomRight() - QPointF(10, 10));
        p.drawLine(d.topRight() + QPointF(-10, 10), d.bottomLeft() + QPointF(10, -10));
        p.setPen(inkPen(3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(d);
    }
    outline(p, body, 5);
}

void drawSilo(QPainter &p, const QRectF &r)
{
    QPainterPath s = roundRectPath(r, 6);
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, QColor(170, 180, 200));
    g.setColorAt(0.4, QColor(235, 240, 250));
    g.setColorAt(1, QColor(150, 160, 185));
    shape(p, s, QBrush(g), 5);
    p.setPen(QPen(QColor(120, 130, 160), 3));
    for (double y = r.top() + 30; y < r.bottom(); y += 36)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    QPainterPath dome;
    dome.moveTo(r.left() - 6, r.top());
    dome.cubicTo(r.left(), r.top() - r.width() * 0.7, r.right(), r.top() - r.width() * 0.7, r.right() + 6, r.top());
    dome.closeSubpath();
    shape(p, dome, QColor(90, 150, 220), 5);
}

void drawHayBale(QPainter &p, QPointF c, double r)
{
    blob(p, QPointF(c.x() - r * 0.6, c.y()), r * 0.9, r, QColor(240, 200, 90), 5);
    shape(p, roundRectPath(QRectF(c.x() - r * 0.6, c.y() - r, r * 1.4, r * 2), 4), QColor(240, 200, 90), 0);
    blob(p, QPointF(c.x() + r * 0.8, c.y()), r * 0.9, r, QColor(250, 215, 110), 5);
    p.setPen(QPen(QColor(200, 150, 50), 3));
    p.setBrush(Qt::NoBrush);
    for (double k = 0.2; k < 1; k += 0.2)
        p.drawEllipse(QPointF(c.x() + r * 0.8, c.y()), r * 0.9 * k, r * k);
    p.setPen(inkPen(5));
    p.drawLine(QPointF(c.x() - r * 0.6, c.y() - r), QPointF(c.x() + r * 0.8, c.y() - r));
    p.drawLine(QPointF(c.x() - r * 0.6, c.y() + r), QPointF(c.x() + r * 0.8, c.y() + r));
    p.setPen(QPen(QColor(200, 150, 50), 3));
    for (int i = 0; i < 10; ++i)
        p.drawLine(QPointF(c.x() - r * 0.9 + i * r * 0.14, c.y() - r * 0.7), QPointF(c.x() - r * 0.8 + i * r * 0.14, c.y() + r * 0.7));
}

void drawBalloon(QPainter &p, QPointF c, double r, int style, const QColor &a, const QColor &b)
{
    // Envelope: round top narrowing into a neck; ropes to a wicker basket.
    QPainterPath env;
    env.moveTo(c.x(), c.y() + r * 1.25);
    env.cubicTo(c.x() - r * 0.35, c.y() + r * 1.05, c.x() - r * 1.05, c.y() + r * 0.55, c.x() - r, c.y() - r * 0.1);
    env.cubicTo(c.x() - r * 0.95, c.y() - r * 1.25, c.x() + r * 0.95, c.y() - r * 1.25, c.x() + r, c.y() - r * 0.1);
    env.cubicTo(c.x() + r * 1.05, c.y() + r * 0.55, c.x() + r * 0.35, c.y() + r * 1.05, c.x(), c.y() + r * 1.25);
    env.closeSubpath();
    const QRectF basket(c.x() - r * 0.25, c.y() + r * 1.55, r * 0.5, r * 0.35);
    p.setPen(inkPen(std::max(2.0, r * 0.025)));
    for (int s : {-1, 1})
        p.drawLine(QPointF(c.x() + s * r * 0.22, c.y() + r * 1.15), QPointF(c.x() + s * r * 0.22, basket.top()));
    shape(p, env, a, std::max(3.0, r * 0.03));
    p.save();
    p.setClipPath(env);
    const double bw = r * 0.33;
    if (style == 0) {
        // Curved gores in two colours.
        for (int i = -3; i <= 3; i += 2) {
            QPainterPath g;
            g.moveTo(c.x() + i * bw * 0.4, c.y() - r * 1.3);
            g.cubicTo(c.x() + i * bw * 1.2, c.y() - r * 0.5, c.x() + i * bw * 1.2, c.y() + r * 0.3, c.x(), c.y() + r * 1.3);
            g.cubicTo(c.x() + (i + 1) * bw * 1.2, c.y() + r * 0.3, c.x() + (i + 1) * bw * 1.2, c.y() - r * 0.5, c.x() + (i + 1) * bw * 0.4, c.y() - r * 1.3);
            g.closeSubpath();
            shape(p, g, b, std::max(2.0, r * 0.015));
        }
    } else if (style == 1) {
        drawStripes(p, QRectF(c.x() - r * 1.1, c.y() - r * 1.3, r * 2.2, r * 2.6), r * 0.3, a, b, false);
        drawPolkaDots(p, QRectF(c.x() - r, c.y() - r * 0.95, r * 2, r * 0.3), r * 0.3, r * 0.06, QColor(250, 250, 250));
    } else {
        drawChecker(p, QRectF(c.x() - r * 1.1, c.y() - r * 1.3, r * 2.2, r * 2.6), r * 0.32, a, b);
    }
    // A zig-zag band round the middle and a shine.
    QPainterPath zig;
    zig.moveTo(c.x() - r * 1.1, c.y() + r * 0.1);
    for (int i = 0; i <= 12; ++i)
        zig.lineTo(c.x() - r * 1.1 + i * r * 0.185, c.y() + r * ((i % 2) ? 0.25 : 0.1));
    zig.lineTo(c.x() + r * 1.1, c.y() + r * 0.4);
    zig.lineTo(c.x() - r * 1.1, c.y() + r * 0.4);
    zig.closeSubpath();
    shape(p, zig, QColor(255, 225, 60), std::max(2.0, r * 0.015));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QPointF(c.x() - r * 0.45, c.y() - r * 0.55), r * 0.15, r * 0.3);
    p.restore();
    outline(p, env, std::max(3.0, r * 0.03));
    shape(p, roundRectPath(basket, r * 0.05), QColor(200, 140, 70), std::max(2.0, r * 0.025));
    p.save();
    p.setClipRect(basket);
    p.setPen(QPen(QColor(150, 95, 45), std::max(1.5, r * 0.015)));
    for (double x = basket.left(); x < basket.right(); x += r * 0.08)
        p.drawLine(QPointF(x, basket.top()), QPointF(x + r * 0.04, basket.bottom()));
    for (double y = basket.top(); y < basket.bottom(); y += r * 0.08)
        p.drawLine(QPointF(basket.left(), y), QPointF(basket.right(), y));
    p.restore();
}

void drawSailboat(QPainter &p, QPointF c, double s)
{
    // Mast, two striped sails and a pennant.
    shape(p, roundRectPath(QRectF(c.x() - s * 0.025, c.y() - s * 1.3, s * 0.05, s * 1.3), s * 0.02), QColor(150, 95, 50), 4);
    QPainterPath main = polygonPath({QPointF(c.x() - s * 0.04, c.y() - s * 1.22), QPointF(c.x() - s * 0.04, c.y() - s * 0.12),
                                     QPointF(c.x() - s * 0.75, c.y() - s * 0.12)});
    QPainterPath jib = polygonPath({QPointF(c.x() + s * 0.04, c.y() - s * 1.15), QPointF(c.x() + s * 0.62, c.y() - s * 0.15),
                                    QPointF(c.x() + s * 0.04, c.y() - s * 0.15)});
    for (const QPainterPath *sail : {&main, &jib}) {
        shape(p, *sail, QColor(250, 248, 240), 5);
        p.save();
        p.setClipPath(*sail);
        drawStripes(p, QRectF(c.x() - s, c.y() - s * 1.3, s * 2, s * 1.2), s * 0.12,
                    sail == &main ? QColor(240, 70, 70) : QColor(60, 140, 230), QColor(250, 248, 240), false);
        p.restore();
        outline(p, *sail, 5);
    }
    shape(p, polygonPath({QPointF(c.x(), c.y() - s * 1.3), QPointF(c.x() + s * 0.2, c.y() - s * 1.24), QPointF(c.x(), c.y() - s * 1.18)}),
          QColor(255, 210, 50), 4);
    // Hull with portholes and a stripe.
    QPainterPath hull;
    hull.moveTo(c.x() - s * 0.85, c.y() - s * 0.1);
    hull.lineTo(c.x() + s * 0.9, c.y() - s * 0.1);
    hull.quadTo(c.x() + s * 0.7, c.y() + s * 0.28, c.x() + s * 0.5, c.y() + s * 0.28);
    hull.lineTo(c.x() - s * 0.55, c.y() + s * 0.28);
    hull.quadTo(c.x() - s * 0.75, c.y() + s * 0.2, c.x() - s * 0.85, c.y() - s * 0.1);
    hull.closeSubpath();
    shape(p, hull, QColor(60, 100, 200), 5);
    p.save();
    p.setClipPath(hull);
    p.fillRect(QRectF(c.x() - s, c.y() + s * 0.12, s * 2, s * 0.05), QColor(255, 210, 50));
    p.restore();
    for (int i = 0; i < 4; ++i)
        blob(p, QPointF(c.x() - s * 0.4 + i * s * 0.28, c.y() + s * 0.02), s * 0.045, s * 0.045, QColor(200, 235, 255), 3);
    // A little sailor waving from the deck.
    const QPointF h(c.x() - s * 0.45, c.y() - s * 0.33);
    shape(p, roundRectPath(QRectF(h.x() - s * 0.07, h.y() + s * 0.07, s * 0.14, s * 0.16), s * 0.03), QColor(250, 248, 240), 3);
    p.save();
    p.setClipRect(QRectF(h.x() - s * 0.07, h.y() + s * 0.07, s * 0.14, s * 0.16));
    drawStripes(p, QRectF(h.x() - s * 0.07, h.y() + s * 0.1, s * 0.14, s * 0.14), s * 0.025, QColor(60, 100, 200), QColor(250, 248, 240), false);
    p.restore();
    outline(p, roundRectPath(QRectF(h.x() - s * 0.07, h.y() + s * 0.07, s * 0.14, s * 0.16), s * 0.03), 3);
    p.setPen(inkPen(7));
    p.drawLine(QPointF(h.x() + s * 0.06, h.y() + s * 0.1), QPointF(h.x() + s * 0.15, h.y() - s * 0.04));
    blob(p, QPointF(h.x() + s * 0.155, h.y() - s * 0.05), s * 0.025, s * 0.025, QColor(255, 210, 170), 3);
    blob(p, h, s * 0.09, s * 0.09, QColor(255, 210, 170), 3);
    shape(p, roundRectPath(QRectF(h.x() - s * 0.085, h.y() - s * 0.11, s * 0.17, s * 0.06), s * 0.02), QColor(250, 248, 240), 3);
    shape(p, roundRectPath(QRectF(h.x() - s * 0.085, h.y() - s * 0.065, s * 0.17, s * 0.025), s * 0.01), QColor(60, 100, 200), 2);
    blob(p, QPointF(h.x() - s * 0.03, h.y() + s * 0.005), 4, 5, kInk, 0);
    blob(p, QPointF(h.x() + s * 0.03, h.y() + s * 0.005), 4, 5, kInk, 0);
    drawCheeks(p, QPointF(h.x() - s * 0.055, h.y() + s * 0.035), QPointF(h.x() + s * 0.055, h.y() + s * 0.035), 5);
    drawSmile(p, QPointF(h.x(), h.y() + s * 0.035), s * 0.06, s * 0.015, 3);
}

void drawRocket(QPainter &p, QPointF c, double s, double angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    // Flame.
    QPainterPath flame;
    flame.moveTo(-s * 0.22, s * 0.75);
    flame.quadTo(-s * 0.3, s * 1.15, 0, s * 1.55);
    flame.quadTo(s * 0.3, s * 1.15, s * 0.22, s * 0.75);
    flame.closeSubpath();
    shape(p, flame, QColor(255, 140, 40), 5);
    QPainterPath inner;
    inner.moveTo(-s * 0.12, s * 0.75);
    inner.quadTo(-s * 0.15, s * 1.0, 0, s * 1.25);
    inner.quadTo(s * 0.15, s * 1.0, s * 0.12, s * 0.75);
    inner.closeSubpath();
    shape(p, inner, QColor(255, 230, 90), 0);
    // Fins.
    for (int side : {-1, 1})
        shape(p, polygonPath({QPointF(side * s * 0.25, s * 0.1), QPointF(side * s * 0.6, s * 0.55), QPointF(side * s * 0.6, s * 0.85),
                              QPointF(side * s * 0.25, s * 0.65)}),
              QColor(235, 60, 60), 5);
    // Body.
    QPainterPath body;
    body.moveTo(0, -s * 1.1);
    body.cubicTo(s * 0.4, -s * 0.8, s * 0.38, s * 0.2, s * 0.3, s * 0.78);
    body.lineTo(-s * 0.3, s * 0.78);
    body.cubicTo(-s * 0.38, s * 0.2, -s * 0.4, -s * 0.8, 0, -s * 1.1);
    body.closeSubpath();
    QLinearGradient g(-s * 0.35, 0, s * 0.35, 0);
    g.setColorAt(0, QColor(210, 220, 235));
    g.setColorAt(0.45, QColor(250, 250, 252));
    g.setColorAt(1, QColor(190, 200, 220));
    shape(p, body, QBrush(g), 5);
    p.save();
    p.setClipPath(body);
    p.fillRect(QRectF(-s, -s * 1.2, 2 * s, s * 0.45), QColor(235, 60, 60));
    p.fillRect(QRectF(-s, s * 0.45, 2 * s, s * 0.08), QColor(60, 120, 220));
    p.fillRect(QRectF(-s, s * 0.6, 2 * s, s * 0.2), QColor(235, 60, 60));
    for (int i = 0; i < 5; ++i)
        blob(p, QPointF(-s * 0.22 + i * s * 0.11, s * 0.35), s * 0.02, s * 0.02, QColor(150, 160, 180), 0);
    p.restore();
    p.setPen(inkPen(4));
    p.drawLine(QPointF(-s * 0.35, -s * 0.75), QPointF(s * 0.35, -s * 0.75));
    outline(p, body, 5);
    shape(p, roundRectPath(QRectF(-s * 0.04, s * 0.2, s * 0.08, s * 0.7), s * 0.03), QColor(235, 60, 60), 4);
    // Porthole with a happy astronaut puppy.
    const QPointF w(0, -s * 0.2);
    blob(p, w, s * 0.24, s * 0.24, QColor(255, 210, 60), 5);
    blob(p, w, s * 0.18, s * 0.18, QColor(120, 200, 250), 4);
    p.save();
    QPainterPath win;
    win.addEllipse(w, s * 0.18, s * 0.18);
    p.setClipPath(win);
    blob(p, QPointF(w.x() - s * 0.12, w.y() - s * 0.02), s * 0.05, s * 0.09, QColor(150, 100, 60), 3);
    blob(p, QPointF(w.x() + s * 0.12, w.y() - s * 0.02), s * 0.05, s * 0.09, QColor(150, 100, 60), 3);
    blob(p, QPointF(w.x(), w.y() + s * 0.04), s * 0.12, s * 0.11, QColor(230, 190, 140), 3);
    blob(p, QPointF(w.x() - s * 0.045, w.y() + s * 0.01), s * 0.018, s * 0.022, kInk, 0);
    blob(p, QPointF(w.x() + s * 0.045, w.y() + s * 0.01), s * 0.018, s * 0.022, kInk, 0);
    blob(p, QPointF(w.x(), w.y() + s * 0.06), s * 0.03, s * 0.02, kInk, 0);
    drawSmile(p, QPointF(w.x(), w.y() + s * 0.08), s * 0.06, s * 0.02, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(w.x() - s * 0.08, w.y() - s * 0.1), s * 0.05, s * 0.03);
    p.restore();
    p.restore();
}

void drawUfo(QPainter &p, QPointF c, double s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 255, 140, 110));
    p.drawPolygon(QPolygonF({QPointF(c.x() - s * 0.3, c.y() + s * 0.15), QPointF(c.x() + s * 0.3, c.y() + s * 0.15),
                             QPointF(c.x() + s * 0.6, c.y() + s * 1.0), QPointF(c.x() - s * 0.6, c.y() + s * 1.0)}));
    blob(p, QPointF(c.x(), c.y() - s * 0.15), s * 0.32, s * 0.3, QColor(190, 240, 255, 230), 4);
    // A little green alien waving inside the dome.
    blob(p, QPointF(c.x(), c.y() - s * 0.15), s * 0.14, s * 0.13, QColor(130, 220, 90), 3);
    p.setPen(inkPen(3));
    p.drawLine(QPointF(c.x() - s * 0.06, c.y() - s * 0.26), QPointF(c.x() - s * 0.1, c.y() - s * 0.38));
    p.drawLine(QPointF(c.x() + s * 0.06, c.y() - s * 0.26), QPointF(c.x() + s * 0.1, c.y() - s * 0.38));
    blob(p, QPointF(c.x() - s * 0.1, c.y() - s * 0.39), s * 0.03, s * 0.03, QColor(255, 120, 170), 2);
    blob(p, QPointF(c.x() + s * 0.1, c.y() - s * 0.39), s * 0.03, s * 0.03, QColor(255, 120, 170), 2);
    blob(p, QPointF(c.x(), c.y() - s * 0.17), s * 0.05, s * 0.05, QColor(250, 250, 250), 2);
    blob(p, QPointF(c.x(), c.y() - s * 0.17), s * 0.025, s * 0.025, kInk, 0);
    blob(p, c, s * 0.65, s * 0.18, QColor(170, 120, 230), 5);
    for (int i = -2; i <= 2; ++i)
        blob(p, QPointF(c.x() + i * s * 0.22, c.y() + s * 0.02), s * 0.05, s * 0.05, i % 2 ? QColor(255, 230, 80) : QColor(120, 240, 200), 3);
}

void drawWindow(QPainter &p, const QRectF &r, Rng &rng)
{
    shape(p, roundRectPath(r.adjusted(-20, -20, 20, 20), 10), QColor(250, 245, 235), 5);
    p.save();
    p.setClipRect(r);
    fillVerticalGradient(p, r, QColor(100, 180, 245), QColor(200, 235, 255));
    drawCloud(p, QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.3), r.width() * 0.45);
    drawSun(p, QPointF(r.right() - r.width() * 0.2, r.top() + r.height() * 0.22), r.width() * 0.1, false);
    drawHill(p, QRectF(r.left() - 10, r.bottom() - r.height() * 0.28, r.width() + 20, r.height() * 0.3),
             QColor(150, 215, 100), QColor(100, 180, 70), 30, 1.5, 0.3, rng, 3);
    drawTree(p, QPointF(r.left() + r.width() * 0.75, r.bottom() - 10), r.height() * 0.45, rng, true);
    p.restore();
    p.setPen(inkPen(12));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.setPen(QPen(QColor(250, 245, 235), 6));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    outline(p, roundRectPath(r, 4), 5);
    // Curtains with dots, tied back.
    for (int side : {-1, 1}) {
        const double x0 = side < 0 ? r.left() - 60 : r.right() + 60;
        QPainterPath cur;
        cur.moveTo(x0, r.top() - 50);
        cur.lineTo(x0 - side * 150, r.top() - 50);
        cur.quadTo(x0 - side * 60, r.center().y(), x0 - side * 110, r.bottom() + 60);
        cur.lineTo(x0, r.bottom() + 60);
        cur.closeSubpath();
        shape(p, cur, QColor(255, 150, 180), 5);
        p.save();
        p.setClipPath(cur);
        drawPolkaDots(p, cur.boundingRect(), 34, 7, QColor(255, 230, 240));
        p.restore();
        outline(p, cur, 5);
    }
    shape(p, roundRectPath(QRectF(r.left() - 90, r.top() - 70, r.width() + 180, 30), 15), QColor(170, 110, 60), 5);
}

void drawBookshelf(QPainter &p, const QRectF &r, Rng &rng)
{
    shape(p, roundRectPath(QRectF(r.left() - 10, r.bottom(), r.width() + 20, 26), 6), QColor(170, 110, 60), 5);
    double x = r.left() + 10;
    int i = 0;
    while (x < r.right() - 160) {
        const double w = rng.uniform(26, 44), h = rng.uniform(r.height() * 0.6, r.height() * 0.95);
        const QColor c = brightColour(i++ * 5);
        shape(p, roundRectPath(QRectF(x, r.bottom() - h, w, h), 4), c, 4);
        p.setPen(QPen(lighter(c, 0.5), 4));
        p.drawLine(QPointF(x + 5, r.bottom() - h + 18), QPointF(x + w - 5, r.bottom() - h + 18));
        p.drawLine(QPointF(x + 5, r.bottom() - 18), QPointF(x + w - 5, r.bottom() - 18));
        x += w + 2;
    }
    // A rubber duck sits on the shelf beside the books.
    const QPointF d(r.right() - 80, r.bottom() - 40);
    blob(p, d, 60, 38, QColor(255, 215, 40), 4);
    blob(p, QPointF(d.x() + 35, d.y() - 50), 32, 30, QColor(255, 215, 40), 4);
    shape(p, polygonPath({QPointF(d.x() + 62, d.y() - 52), QPointF(d.x() + 90, d.y() - 44), QPointF(d.x() + 62, d.y() - 36)}), QColor(255, 140, 40), 3);
    blob(p, QPointF(d.x() + 42, d.y() - 58), 5, 6, kInk, 0);
    p.setPen(inkPen(4));
    p.drawArc(QRectF(d.x() - 35, d.y() - 22, 50, 30), 200 * 16, 140 * 16);
}

void drawBalloonOnString(QPainter &p, QPointF c, double r, const QColor &col, QPointF anchor)
{
    QPainterPath string;
    string.moveTo(c.x(), c.y() + r * 1.2);
    string.cubicTo(c.x() - 30, c.y() + r * 2, anchor.x() + 30, anchor.y() - 100, anchor.x(), anchor.y());
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(3));
    p.drawPath(string);
    shape(p, polygonPath({QPointF(c.x(), c.y() + r * 1.08), QPointF(c.x() - 12, c.y() + r * 1.25), QPointF(c.x() + 12, c.y() + r * 1.25)}), col, 3);
    blob(p, c, r, r * 1.15, col, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 140));
    p.drawEllipse(QPointF(c.x() - r * 0.4, c.y() - r * 0.45), r * 0.15, r * 0.25);
}

void drawLetterBlock(QPainter &p, QPointF base, double s, const QColor &c, char letter, double angle)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    const QRectF front(-s / 2, -s, s, s);
    shape(p, polygonPath({front.topLeft(), QPointF(front.left() + s * 0.25, front.top() - s * 0.2), QPointF(front.right() + s * 0.25, front.top() - s * 0.2),
                          front.topRight()}),
          lighter(c, 0.3), 4);
    shape(p, polygonPath({front.topRight(), QPointF(front.right() + s * 0.25, front.top() - s * 0.2), QPointF(front.right() + s * 0.25, front.bottom() - s * 0.2),
                          front.bottomRight()}),
          darker(c, 0.2), 4);
    shape(p, roundRectPath(front, 4), c, 4);
    shape(p, roundRectPath(front.adjusted(s * 0.1, s * 0.1, -s * 0.1, -s * 0.1), 6), QColor(255, 250, 235), 3);
    drawLetter(p, front.adjusted(s * 0.22, s * 0.2, -s * 0.22, -s * 0.2), letter, c, s * 0.1);
    p.restore();
}

void drawRug(QPainter &p, QPointF c, double rx, double ry)
{
    static const QColor rings[] = {QColor(120, 190, 240), QColor(255, 220, 100), QColor(250, 150, 170), QColor(150, 220, 130),
                                   QColor(200, 160, 240), QColor(255, 190, 110)};
    for (int i = 0; i < 6; ++i)
        blob(p, c, rx * (1 - i * 0.15), ry * (1 - i * 0.15), rings[i], 4);
    p.setPen(inkPen(3));
    for (int i = 0; i < 40; ++i) {
        const double a = 2 * kPi * i / 40;
        const QPointF e(c.x() + rx * std::cos(a), c.y() + ry * std::sin(a));
        p.drawLine(e, QPointF(c.x() + (rx + 14) * std::cos(a), c.y() + (ry + 10) * std::sin(a)));
    }
}

// Soft beams of light from the lamp of a lighthouse standing at base, h high,
// fading out over the sea and the land.
void drawLighthouseBeams(QPainter &p, QPointF base, double h)
{
    const QPointF lamp(base.x(), base.y() - h * 1.1);
    for (int side : {-1, 1}) {
        QLinearGradient g(lamp, QPointF(lamp.x() + side * h * 0.9, lamp.y()));
        g.setColorAt(0, QColor(255, 250, 170, 170));
        g.setColorAt(1, QColor(255, 250, 170, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPolygon(QPolygonF({lamp, QPointF(lamp.x() + side * h * 0.9, lamp.y() - h * 0.16), QPointF(lamp.x() + side * h * 0.9, lamp.y() + h * 0.1)}));
    }
}

void drawLighthouse(QPainter &p, QPointF base, double h)
{
    const double wb = h * 0.28, wt = h * 0.18;
    const double top = base.y() - h;
    QPainterPath tower = polygonPath({QPointF(base.x() - wb / 2, base.y()), QPointF(base.x() - wt / 2, top), QPointF(base.x() + wt / 2, top),
                                      QPointF(base.x() + wb / 2, base.y())});
    shape(p, tower, QColor(250, 248, 240), 5);
    p.save();
    p.setClipPath(tower);
    for (int i = 0; i < 5; i += 2)
        p.fillRect(QRectF(base.x() - wb, top + h * i / 5.0, wb * 2, h / 5.0), QColor(230, 60, 60));
    QLinearGradient shine(base.x() - wb / 2, 0, base.x() + wb / 2, 0);
    shine.setColorAt(0, QColor(0, 0, 0, 0));
    shine.setColorAt(1, QColor(0, 0, 60, 50));
    p.fillRect(QRectF(base.x() - wb, top, wb * 2, h), shine);
    p.restore();
    outline(p, tower, 5);
    // Windows and door.
    for (int i = 0; i < 3; ++i)
        shape(p, roundRectPath(QRectF(base.x() - h * 0.025, top + h * (0.25 + i * 0.22), h * 0.05, h * 0.07), h * 0.02), QColor(120, 190, 240), 4);
    shape(p, roundRectPath(QRectF(base.x() - h * 0.05, base.y() - h * 0.13, h * 0.1, h * 0.13), h * 0.04), QColor(70, 120, 200), 4);
    // Gallery, lantern and cap.
    shape(p, roundRectPath(QRectF(base.x() - wt * 0.8, top - h * 0.03, wt * 1.6, h * 0.035), 4), QColor(60, 60, 80), 4);
    p.setPen(inkPen(3));
    for (int i = 0; i <= 8; ++i)
        p.drawLine(QPointF(base.x() - wt * 0.75 + i * wt * 0.1875, top - h * 0.03), QPointF(base.x() - wt * 0.75 + i * wt * 0.1875, top - h * 0.07));
    p.drawLine(QPointF(base.x() - wt * 0.75, top - h * 0.07), QPointF(base.x() + wt * 0.75, top - h * 0.07));
    shape(p, rectPath(QRectF(base.x() - wt * 0.4, top - h * 0.17, wt * 0.8, h * 0.14)), QColor(255, 235, 110), 5);
    blob(p, QPointF(base.x(), top - h * 0.1), wt * 0.2, wt * 0.2, QColor(255, 250, 210), 0);
    p.setPen(inkPen(3));
    p.drawLine(QPointF(base.x() - wt * 0.13, top - h * 0.17), QPointF(base.x() - wt * 0.13, top - h * 0.03));
    p.drawLine(QPointF(base.x() + wt * 0.13, top - h * 0.17), QPointF(base.x() + wt * 0.13, top - h * 0.03));
    shape(p, polygonPath({QPointF(base.x() - wt * 0.55, top - h * 0.17), QPointF(base.x(), top - h * 0.27), QPointF(base.x() + wt * 0.55, top - h * 0.17)}),
          QColor(230, 60, 60), 5);
    blob(p, QPointF(base.x(), top - h * 0.28), h * 0.015, h * 0.015, QColor(255, 210, 60), 3);
}

void drawBucket(QPainter &p, QPointF base, double s)
{
    shape(p, polygonPath({QPointF(base.x() - s * 0.4, base.y() - s), QPointF(base.x() + s * 0.4, base.y() - s), QPointF(base.x() + s * 0.3, base.y()),
                          QPointF(base.x() - s * 0.3, base.y())}),
          QColor(60, 150, 240), 5);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(5));
    p.drawArc(QRectF(base.x() - s * 0.4, base.y() - s * 1.4, s * 0.8, s * 0.8), 0, 180 * 16);
    shape(p, rectPath(QRectF(base.x() - s * 0.37, base.y() - s * 0.7, s * 0.74, s * 0.12)), QColor(255, 210, 60), 3);
    // A spade leaning on it.
    shape(p, roundRectPath(QRectF(base.x() + s * 0.5, base.y() - s * 1.2, s * 0.08, s * 0.9), 4), QColor(240, 70, 70), 4);
    shape(p, polygonPath({QPointF(base.x() + s * 0.38, base.y() - s * 0.35), QPointF(base.x() + s * 0.7, base.y() - s * 0.35), QPointF(base.x() + s * 0.62, base.y()),
                          QPointF(base.x() + s * 0.46, base.y())}),
          QColor(240, 70, 70), 4);
}

void drawToyCar(QPainter &p, QPointF base, double s, const QColor &c)
{
    QPainterPath body;
    body.moveTo(base.x() - s * 0.9, base.y() - s * 0.15);
    body.lineTo(base.x() - s * 0.9, base.y() - s * 0.45);
    body.lineTo(base.x() - s * 0.45, base.y() - s * 0.5);
    body.lineTo(base.x() - s * 0.25, base.y() - s * 0.85);
    body.lineTo(base.x() + s * 0.35, base.y() - s * 0.85);
    body.lineTo(base.x() + s * 0.55, base.y() - s * 0.5);
    body.lineTo(base.x() + s * 0.9, base.y() - s * 0.45);
    body.lineTo(base.x() + s * 0.9, base.y() - s * 0.15);
    body.closeSubpath();
    shape(p, body, c, 5);
    shape(p, polygonPath({QPointF(base.x() - s * 0.2, base.y() - s * 0.78), QPointF(base.x() + s * 0.03, base.y() - s * 0.78), QPointF(base.x() + s * 0.03, base.y() - s * 0.52),
                          QPointF(base.x() - s * 0.35, base.y() - s * 0.52)}),
          QColor(190, 235, 255), 4);
    shape(p, polygonPath({QPointF(base.x() + s * 0.1, base.y() - s * 0.78), QPointF(base.x() + s * 0.3, base.y() - s * 0.78), QPointF(base.x() + s * 0.45, base.y() - s * 0.52),
                          QPointF(base.x() + s * 0.1, base.y() - s * 0.52)}),
          QColor(190, 235, 255), 4);
    blob(p, QPointF(base.x() + s * 0.85, base.y() - s * 0.36), s * 0.06, s * 0.06, QColor(255, 230, 90), 3);
    for (double wx : {-0.5, 0.5}) {
        blob(p, QPointF(base.x() + wx * s, base.y() - s * 0.1), s * 0.2, s * 0.2, QColor(60, 60, 75), 5);
        blob(p, QPointF(base.x() + wx * s, base.y() - s * 0.1), s * 0.08, s * 0.08, QColor(200, 200, 215), 3);
    }
    drawStar(p, QPointF(base.x() - s * 0.5, base.y() - s * 0.32), s * 0.1, QColor(255, 230, 90), 3);
}

void drawDrum(QPainter &p, QPointF c, double r)
{
    const QRectF side(c.x() - r, c.y(), 2 * r, r * 0.9);
    QPainterPath body;
    body.moveTo(side.topLeft());
    body.lineTo(side.bottomLeft());
    body.arcTo(QRectF(c.x() - r, side.bottom() - r * 0.3, 2 * r, r * 0.6), 180, 180);
    body.lineTo(side.topRight());
    body.closeSubpath();
    shape(p, body, QColor(240, 70, 70), 5);
    p.save();
    p.setClipPath(body);
    p.setPen(QPen(QColor(255, 220, 80), 6));
    for (int i = 0; i < 7; ++i) {
        const double x = c.x() - r + i * r / 3;
        p.drawLine(QPointF(x, c.y() + r * 0.1), QPointF(x + r / 6, c.y() + r * 0.95));
        p.drawLine(QPointF(x + r / 3, c.y() + r * 0.1), QPointF(x + r / 6, c.y() + r * 0.95));
    }
    p.restore();
    blob(p, c, r, r * 0.3, QColor(250, 240, 220), 5);
    p.setPen(inkPen(8));
    p.drawLine(QPointF(c.x() - r * 0.2, c.y() - r * 0.1), QPointF(c.x() + r * 0.9, c.y() - r * 0.9));
    p.drawLine(QPointF(c.x() + r * 0.2, c.y() - r * 0.05), QPointF(c.x() + r * 1.1, c.y() - r * 0.6));
    blob(p, QPointF(c.x() + r * 0.9, c.y() - r * 0.9), r * 0.1, r * 0.1, QColor(255, 210, 60), 4);
    blob(p, QPointF(c.x() + r * 1.1, c.y() - r * 0.6), r * 0.1, r * 0.1, QColor(255, 210, 60), 4);
}

void drawSpinningTop(QPainter &p, QPointF tip, double s)
{
    QPainterPath top;
    top.moveTo(tip);
    top.lineTo(tip.x() - s * 0.6, tip.y() - s * 0.6);
    top.quadTo(tip.x(), tip.y() - s * 1.1, tip.x() + s * 0.6, tip.y() - s * 0.6);
    top.closeSubpath();
    shape(p, top, QColor(255, 210, 60), 5);
    p.save();
    p.setClipPath(top);
    drawStripes(p, QRectF(tip.x() - s, tip.y() - s * 1.2, s * 2, s * 1.2), s * 0.15, QColor(255, 210, 60), QColor(90, 180, 240), true);
    p.restore();
    outline(p, top, 5);
    shape(p, roundRectPath(QRectF(tip.x() - s * 0.06, tip.y() - s * 1.1, s * 0.12, s * 0.25), 4), QColor(240, 70, 70), 4);
}

void drawRobot(QPainter &p, QPointF base, double s)
{
    const QColor metal(160, 200, 230);
    for (int side : {-1, 1})
        shape(p, roundRectPath(QRectF(base.x() + side * s * 0.2 - s * 0.09, base.y() - s * 0.45, s * 0.18, s * 0.45), 6), metal, 5);
    shape(p, roundRectPath(QRectF(base.x() - s * 0.4, base.y() - s * 1.1, s * 0.8, s * 0.7), 14), metal, 5);
    for (int i = 0; i < 3; ++i)
        blob(p, QPointF(base.x() - s * 0.2 + i * s * 0.2, base.y() - s * 0.75), s * 0.06, s * 0.06, brightColour(i * 3), 3);
    shape(p, roundRectPath(QRectF(base.x() - s * 0.25, base.y() - s * 0.62, s * 0.5, s * 0.12), 5), QColor(255, 230, 90), 3);
    for (int side : {-1, 1})
        shape(p, roundRectPath(QRectF(base.x() + side * s * 0.5 - s * 0.08, base.y() - s * 1.05, s * 0.16, s * 0.5), 8), metal, 5);
    shape(p, roundRectPath(QRectF(base.x() - s * 0.32, base.y() - s * 1.6, s * 0.64, s * 0.48), 14), metal, 5);
    p.setPen(inkPen(4));
    p.drawLine(QPointF(base.x(), base.y() - s * 1.6), QPointF(base.x(), base.y() - s * 1.78));
    blob(p, QPointF(base.x(), base.y() - s * 1.8), s * 0.05, s * 0.05, QColor(240, 70, 70), 3);
    drawEye(p, QPointF(base.x() - s * 0.13, base.y() - s * 1.4), s * 0.08);
    drawEye(p, QPointF(base.x() + s * 0.13, base.y() - s * 1.4), s * 0.08);
    drawSmile(p, QPointF(base.x(), base.y() - s * 1.27), s * 0.22, s * 0.04, 4);
}

void drawKite(QPainter &p, QPointF c, double s)
{
    QPainterPath k = polygonPath({QPointF(c.x(), c.y() - s), QPointF(c.x() + s * 0.6, c.y() - s * 0.2), QPointF(c.x(), c.y() + s), QPointF(c.x() - s * 0.6, c.y() - s * 0.2)});
    shape(p, k, QColor(255, 120, 170), 5);
    shape(p, polygonPath({QPointF(c.x(), c.y() - s), QPointF(c.x() + s * 0.6, c.y() - s * 0.2), QPointF(c.x(), c.y() - s * 0.2)}), QColor(255, 220, 80), 0);
    shape(p, polygonPath({QPointF(c.x(), c.y() - s * 0.2), QPointF(c.x() - s * 0.6, c.y() - s * 0.2), QPointF(c.x(), c.y() + s)}), QColor(100, 190, 240), 0);
    outline(p, k, 5);
    p.setPen(inkPen(3));
    p.drawLine(QPointF(c.x(), c.y() - s), QPointF(c.x(), c.y() + s));
    p.drawLine(QPointF(c.x() - s * 0.6, c.y() - s * 0.2), QPointF(c.x() + s * 0.6, c.y() - s * 0.2));
    QPainterPath tail;
    tail.moveTo(c.x(), c.y() + s);
    tail.cubicTo(c.x() - s * 0.4, c.y() + s * 1.5, c.x() + s * 0.4, c.y() + s * 1.8, c.x(), c.y() + s * 2.3);
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);
    for (int i = 1; i <= 4; ++i) {
        const QPointF q = tail.pointAtPercent(i / 4.5);
        shape(p, polygonPath({QPointF(q.x() - 18, q.y() - 10), QPointF(q.x(), q.y()), QPointF(q.x() - 18, q.y() + 10)}), brightColour(i * 3), 3);
        shape(p, polygonPath({QPointF(q.x() + 18, q.y() - 10), QPointF(q.x(), q.y()), QPointF(q.x() + 18, q.y() + 10)}), brightColour(i * 3), 3);
    }
}

void drawToyChest(QPainter &p, const QRectF &box, Rng &rng)
{
    // Lid standing open behind the box.
    QPainterPath lid = roundRectPath(QRectF(box.left() + 20, box.top() - box.height() * 0.75, box.width() - 40, box.height() * 0.7), 20);
    shape(p, lid, QColor(110, 170, 230), 5);
    p.save();
    p.setClipPath(lid);
    drawPolkaDots(p, lid.boundingRect(), 60, 12, QColor(170, 215, 250));
    p.restore();
    outline(p, lid, 5);
    // Toys sticking out of the top.
    const QPointF ball(box.left() + box.width() * 0.25, box.top() - 20);
    QPainterPath b;
    b.addEllipse(ball, 80, 80);
    shape(p, b, QColor(250, 250, 245), 5);
    p.save();
    p.setClipPath(b);
    for (int i = 0; i < 4; ++i)
        shape(p, polygonPath({ball, QPointF(ball.x() + 120 * std::cos(i * kPi / 2), ball.y() + 120 * std::sin(i * kPi / 2)),
                              QPointF(ball.x() + 120 * std::cos(i * kPi / 2 + 0.8), ball.y() + 120 * std::sin(i * kPi / 2 + 0.8))}),
              brightColour(i * 3), 3);
    p.restore();
    outline(p, b, 5);
    // A toy giraffe head peeking out.
    const QPointF g(box.left() + box.width() * 0.55, box.top() - 110);
    shape(p, roundRectPath(QRectF(g.x() - 25, g.y(), 50, 130), 20), QColor(255, 205, 80), 5);
    blob(p, QPointF(g.x() + 10, g.y() - 20), 55, 40, QColor(255, 205, 80), 5);
    for (const QPointF &d : {QPointF(-10, 40), QPointF(12, 80), QPointF(-8, 105), QPointF(30, -30), QPointF(-20, -10)})
        blob(p, QPointF(g.x() + d.x(), g.y() + d.y()), 8, 6, QColor(200, 130, 50), 0);
    p.setPen(inkPen(4));
    p.drawLine(QPointF(g.x() - 10, g.y() - 55), QPointF(g.x() - 15, g.y() - 80));
    p.drawLine(QPointF(g.x() + 15, g.y() - 55), QPointF(g.x() + 20, g.y() - 80));
    blob(p, QPointF(g.x() - 15, g.y() - 82), 7, 7, QColor(200, 130, 50), 3);
    blob(p, QPointF(g.x() + 20, g.y() - 82), 7, 7, QColor(200, 130, 50), 3);
    drawEye(p, QPointF(g.x() + 18, g.y() - 30), 9, QPointF(0.3, 0));
    blob(p, QPointF(g.x() + 55, g.y() - 10), 4, 3, kInk, 0);
    drawSmile(p, QPointF(g.x() + 40, g.y()), 20, 4, 3);
    // Trumpet.
    shape(p, roundRectPath(QRectF(box.right() - 220, box.top() - 70, 130, 24), 10), QColor(255, 200, 50), 4);
    shape(p, polygonPath({QPointF(box.right() - 95, box.top() - 65), QPointF(box.right() - 40, box.top() - 100), QPointF(box.right() - 40, box.top() - 15),
                          QPointF(box.right() - 95, box.top() - 50)}),
          QColor(255, 200, 50), 4);
    // The chest itself: planks, painted stars and metal corners.
    QPainterPath chest = roundRectPath(box, 14);
    shape(p, chest, QColor(210, 140, 80), 5);
    p.save();
    p.setClipPath(chest);
    drawWoodPlanks(p, box, 60, QColor(215, 145, 85), rng, false);
    p.restore();
    outline(p, chest, 5);
    for (int i = 0; i < 4; ++i)
        drawStar(p, QPointF(box.left() + box.width() * (0.16 + i * 0.23), box.center().y() + (i % 2 ? -25 : 25)), 40, brightColour(i * 3 + 1), 4, 0.1 * i);
    for (const QPointF &corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
        blob(p, corner, 22, 22, QColor(255, 210, 60), 4);
}

void drawBunting(QPainter &p, QPointF from, QPointF to, double sag, double flag, int colourOffset)
{
    // The string follows a parabola; the flags hang straight down from it.
    auto at = [&](double t) {
        return QPointF(from.x() + (to.x() - from.x()) * t,
                       from.y() + (to.y() - from.y()) * t + sag * 4 * t * (1 - t));
    };
    QPainterPath string;
    string.moveTo(from);
    for (int i = 1; i <= 40; ++i)
        string.lineTo(at(i / 40.0));
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(3));
    p.drawPath(string);
    const double len = std::hypot(to.x() - from.x(), to.y() - from.y());
    const int n = std::max(2, int(len / (flag * 1.25)));
    for (int i = 0; i < n; ++i) {
        const QPointF a = at((i + 0.1) / n), b = at((i + 0.9) / n);
        const QPointF tip((a.x() + b.x()) / 2, (a.y() + b.y()) / 2 + flag * 1.1);
        const QColor c = brightColour(i + colourOffset);
        shape(p, polygonPath({a, b, tip}), c, 3);
        blob(p, QPointF((a.x() + b.x() + tip.x()) / 3, (a.y() + b.y() + tip.y()) / 3 - flag * 0.05), flag * 0.1,
             flag * 0.1, lighter(c, 0.6), 0);
    }
}

void drawPicketFence(QPainter &p, double left, double right, double top, double bottom, double picket, bool pastel)
{
    const double railH = (bottom - top) * 0.12;
    for (double y : {top + (bottom - top) * 0.3, top + (bottom - top) * 0.7})
        shape(p, roundRectPath(QRectF(left, y, right - left, railH), 4), QColor(225, 195, 150), 3);
    int i = 0;
    for (double x = left; x < right; x += picket * 1.45, ++i) {
        QPainterPath pk = polygonPath({QPointF(x, bottom), QPointF(x, top + picket * 0.5), QPointF(x + picket / 2, top),
                                       QPointF(x + picket, top + picket * 0.5), QPointF(x + picket, bottom)});
        const QColor c = pastel ? lighter(brightColour(i), 0.45) : QColor(245, 235, 215);
        shape(p, pk, c, 3);
        blob(p, QPointF(x + picket / 2, top + (bottom - top) * 0.36), 3, 3, darker(c, 0.4), 0);
        blob(p, QPointF(x + picket / 2, top + (bottom - top) * 0.76), 3, 3, darker(c, 0.4), 0);
    }
}

void drawHouse(QPainter &p, const QRectF &wall, const QColor &wallColour, const QColor &roof, Rng &rng)
{
    shape(p, rectPath(wall), wallColour, 4);
    p.save();
    p.setClipRect(wall);
    drawBricks(p, wall.adjusted(2, 2, -2, -2), 44, 22, wallColour, darker(wallColour, 0.12), rng);
    p.restore();
    p.setPen(inkPen(4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(wall);
    const double oh = wall.width() * 0.1;
    QPainterPath r = polygonPath({QPointF(wall.left() - oh, wall.top()), QPointF(wall.center().x(), wall.top() - wall.height() * 0.7),
                                  QPointF(wall.right() + oh, wall.top())});
    shape(p, r, roof, 4);
    p.save();
    p.setClipPath(r);
    p.setPen(QPen(darker(roof, 0.25), 3));
    for (double y = wall.top() - wall.height() * 0.7; y < wall.top(); y += 20) {
        p.drawLine(QPointF(wall.left() - oh, y), QPointF(wall.right() + oh, y));
        for (double x = wall.left() - oh + (int(y) % 40 < 20 ? 0 : 15); x < wall.right() + oh; x += 30)
            p.drawLine(QPointF(x, y), QPointF(x, y + 20));
    }
    p.restore();
    outline(p, r, 4);
    // Chimney, door and a window with a flower box.
    const double w = wall.width();
    shape(p, roundRectPath(QRectF(wall.left() + w * 0.42, wall.bottom() - wall.height() * 0.55, w * 0.2, wall.height() * 0.55), 8),
          QColor(70, 140, 220), 4);
    blob(p, QPointF(wall.left() + w * 0.57, wall.bottom() - wall.height() * 0.27), 5, 5, QColor(255, 215, 60), 2);
    const QRectF win(wall.left() + w * 0.1, wall.top() + wall.height() * 0.18, w * 0.24, wall.height() * 0.32);
    shape(p, roundRectPath(win, 4), QColor(170, 225, 255), 4);
    p.setPen(inkPen(3));
    p.drawLine(QPointF(win.center().x(), win.top()), QPointF(win.center().x(), win.bottom()));
    p.drawLine(QPointF(win.left(), win.center().y()), QPointF(win.right(), win.center().y()));
    shape(p, roundRectPath(QRectF(win.left() - 6, win.bottom(), win.width() + 12, 16), 3), QColor(170, 100, 60), 3);
    for (int i = 0; i < 4; ++i)
        drawFlower(p, QPointF(win.left() + 4 + i * win.width() / 3.3, win.bottom() - 4), 9, brightColour(i * 2), 5);
    const QRectF win2(wall.right() - w * 0.28, wall.top() + wall.height() * 0.18, w * 0.2, wall.height() * 0.32);
    shape(p, roundRectPath(win2, 4), QColor(170, 225, 255), 4);
    p.setPen(inkPen(3));
    p.drawLine(QPointF(win2.center().x(), win2.top()), QPointF(win2.center().x(), win2.bottom()));
}

} // namespace sd
