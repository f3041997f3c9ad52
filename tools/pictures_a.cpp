// Outdoor scenes: the cat's garden, the train, the fish tank, the farm, the
// balloons and the sailing boat. Coordinates are in pixels of the 1600 x 1200
// picture. Every part of each scene carries some detail so that the pieces of
// a cut-up puzzle can be told apart.
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace sd {

namespace {

constexpr double kPi = 3.14159265358979323846;

} // namespace

// ---------------------------------------------------------------- the cat

namespace {

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

} // namespace

// The cat sitting in the grass.
void paintCatSubject(QPainter &p)
{
    drawCatFigure(p, QPointF(700, 1070));
}

void paintCat(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    drawSky(p, kPictureWidth, 620, rng, {QPointF(250, 190), QPointF(700, 120), QPointF(1040, 250), QPointF(480, 360)});
    drawSun(p, QPointF(1390, 165), 85, true);
    for (const QPointF &b : {QPointF(860, 330), QPointF(905, 300), QPointF(1180, 110), QPointF(120, 390), QPointF(1250, 400)})
        drawBird(p, b, 22);
    drawBunting(p, QPointF(-10, 20), QPointF(1610, 30), 70, 46);
    drawHill(p, QRectF(-10, 420, 1620, 300), QColor(160, 220, 110), QColor(110, 190, 80), 90, 1.3, 1.0, rng, 7);
    drawTree(p, QPointF(160, 560), 300, rng, true);
    drawPine(p, QPointF(1020, 520), 160);
    drawHouse(p, QRectF(1160, 400, 330, 230), QColor(255, 220, 150), QColor(225, 80, 70), rng);
    drawPicketFence(p, -20, 1620, 560, 730, 44, true);
    drawMeadow(p, QRectF(0, 700, kPictureWidth, 500), rng, 1100);
    // A flower bed along the fence.
    for (int i = 0; i < 17; ++i) {
        const double x = 30 + i * 95 + rng.uniform(-15, 15);
        if (i % 3 == 0)
            drawTulip(p, QPointF(x, 760), rng.uniform(110, 150), brightColour(i));
        else
            drawStemFlower(p, QPointF(x, 770), rng.uniform(90, 150), 26, brightColour(i + 3), 6 + i % 3);
    }
    paintCatSubject(p);
    drawYarn(p, QPointF(1080, 1040), 70, QColor(80, 140, 235));
    drawMushroom(p, QPointF(1380, 1100), 80);
    drawMushroom(p, QPointF(1460, 1060), 55);
    drawSnail(p, QPointF(230, 1050), 110, QColor(240, 170, 90));
    drawLadybird(p, QPointF(1250, 900), 36, 30);
    drawLadybird(p, QPointF(330, 860), 28, -20);
    drawButterfly(p, QPointF(1270, 720), 60, QColor(250, 120, 190), QColor(140, 100, 230), 15);
    drawButterfly(p, QPointF(90, 760), 48, QColor(255, 200, 50), QColor(255, 130, 40), -10);
    drawBee(p, QPointF(1500, 820), 36);
}

// ---------------------------------------------------------------- the train

namespace {

void wheel(QPainter &p, QPointF c, double r, const QColor &rim)
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

void animalInWindow(QPainter &p, const QRectF &win, int kind)
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

void carriage(QPainter &p, const QRectF &box, const QColor &c, int firstAnimal)
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
        animalInWindow(p, win, (firstAnimal + i) % 4);
        outline(p, roundRectPath(win, 10), 4);
    }
    wheel(p, QPointF(box.left() + 55, box.bottom() + 12), 38, QColor(255, 215, 60));
    wheel(p, QPointF(box.right() - 55, box.bottom() + 12), 38, QColor(255, 215, 60));
}

void locomotive(QPainter &p, QPointF base)
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
    wheel(p, QPointF(x + 90, y - 58), 58, yellow);
    wheel(p, QPointF(x + 230, y - 58), 58, yellow);
    wheel(p, QPointF(x + 380, y - 40), 38, yellow);
    shape(p, roundRectPath(QRectF(x + 80, y - 70, 165, 20), 8), QColor(180, 180, 195), 3);
}

void smokePuff(QPainter &p, QPointF c, double r)
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

void railway(QPainter &p, double y)
{
    fillVerticalGradient(p, QRectF(0, y - 30, kPictureWidth, 70), QColor(200, 170, 130), QColor(165, 130, 95));
    for (double x = -10; x < kPictureWidth; x += 50)
        shape(p, roundRectPath(QRectF(x, y - 12, 30, 46), 4), QColor(140, 90, 55), 3);
    for (double ry : {y - 2.0, y + 20.0})
        shape(p, roundRectPath(QRectF(-10, ry, kPictureWidth + 20, 12), 3), QColor(175, 180, 195), 3);
}

} // namespace

// The whole train: three carriages and the engine.
namespace {

// The train's parts are laid out for a train 1540 pixels long, longer than
// every board shows: it is painted at 94 % of that, centred across the
// picture, its wheels still on the rails at y = 900.
void placeTrain(QPainter &p)
{
    p.translate(kPictureWidth / 2.0, 900);
    p.scale(0.94, 0.94);
    p.translate(-779, -900);
}

} // namespace

void paintTrainSubject(QPainter &p)
{
    p.save();
    placeTrain(p);
    carriage(p, QRectF(20, 690, 290, 190), QColor(70, 150, 235), 0);
    carriage(p, QRectF(340, 690, 290, 190), QColor(255, 195, 50), 1);
    carriage(p, QRectF(660, 690, 290, 190), QColor(110, 200, 90), 2);
    for (double cx : {310.0, 630.0, 950.0})
        shape(p, roundRectPath(QRectF(cx - 6, 845, 42, 14), 6), QColor(60, 60, 75), 3);
    locomotive(p, QPointF(990, 900));
    p.restore();
}

void paintTrain(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    drawSky(p, kPictureWidth, 650, rng, {QPointF(620, 120), QPointF(1000, 90), QPointF(1450, 230), QPointF(180, 330), QPointF(1330, 70)});
    drawSun(p, QPointF(180, 150), 90, true);
    for (const QPointF &b : {QPointF(450, 260), QPointF(495, 232), QPointF(1180, 330), QPointF(800, 260), QPointF(1510, 130), QPointF(1555, 160)})
        drawBird(p, b, 24);
    // Snowy mountains far away.
    for (int i = 0; i < 5; ++i) {
        const double mx = 100 + i * 360 + rng.uniform(-40, 40);
        const double h = rng.uniform(220, 300);
        QPainterPath m = polygonPath({QPointF(mx - 260, 560), QPointF(mx, 560 - h), QPointF(mx + 260, 560)});
        shape(p, m, mix(QColor(140, 150, 210), QColor(120, 170, 200), i / 4.0), 4);
        shape(p, polygonPath({QPointF(mx - 75, 560 - h * 0.72), QPointF(mx, 560 - h), QPointF(mx + 75, 560 - h * 0.72),
                              QPointF(mx + 35, 560 - h * 0.78), QPointF(mx, 560 - h * 0.68), QPointF(mx - 35, 560 - h * 0.78)}),
              QColor(250, 250, 255), 3);
    }
    drawHill(p, QRectF(-10, 470, 1620, 300), QColor(170, 225, 110), QColor(100, 180, 70), 80, 2.0, 0.5, rng, 10);
    for (const double tx : {90.0, 380.0, 1230.0, 1500.0})
        drawTree(p, QPointF(tx, 700), rng.uniform(170, 230), rng, rng.chance(0.5));
    for (const double tx : {700.0, 930.0, 1380.0})
        drawPine(p, QPointF(tx, 680), rng.uniform(120, 160));
    drawMeadow(p, QRectF(0, 690, kPictureWidth, 510), rng, 900);
    railway(p, 900);
    // Smoke rising from the chimney back over the carriages.
    for (int i = 0; i < 6; ++i)
        smokePuff(p, QPointF(1380 - i * 110 - i * i * 6, 430 - i * 55 - i * i * 4), 42 + i * 10);
    paintTrainSubject(p);
    for (int i = 0; i < 14; ++i) {
        const double x = 40 + i * 115 + rng.uniform(-20, 20);
        drawStemFlower(p, QPointF(x, 1190), rng.uniform(120, 190), rng.uniform(24, 34), brightColour(i * 5 + 1), 5 + i % 3);
    }
    drawButterfly(p, QPointF(1480, 1000), 55, QColor(100, 180, 250), QColor(250, 130, 200), 10);
    drawSnail(p, QPointF(700, 1080), 80, QColor(250, 120, 150));
    drawLadybird(p, QPointF(1150, 1110), 30, 60);
    // A railway sign at the side.
    p.setPen(inkPen(5));
    shape(p, roundRectPath(QRectF(1535, 620, 16, 260), 6), QColor(240, 240, 240), 4);
    shape(p, polygonPath({QPointF(1543, 560), QPointF(1598, 650), QPointF(1488, 650)}), QColor(255, 210, 60), 5);
    shape(p, polygonPath({QPointF(1543, 590), QPointF(1575, 638), QPointF(1511, 638)}), QColor(230, 60, 60), 0);
}

// ---------------------------------------------------------------- the fish tank

namespace {

void fish(QPainter &p, QPointF c, double s, const QColor &body, const QColor &fin, int pattern, bool faceLeft)
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

void bubbles(QPainter &p, QPointF from, int n, double r)
{
    for (int i = 0; i < n; ++i) {
        const QPointF c(from.x() + std::sin(i * 1.3) * 14, from.y() - i * r * 3.2);
        const double rr = r * (1 + i * 0.15);
        p.setPen(QPen(QColor(255, 255, 255, 220), 2.5));
        p.setBrush(QColor(200, 240, 255, 70));
        p.drawEllipse(c, rr, rr);
        blob(p, QPointF(c.x() - rr * 0.35, c.y() - rr * 0.35), rr * 0.2, rr * 0.2, QColor(255, 255, 255), 0);
    }
}

void seaweed(QPainter &p, QPointF base, double h, const QColor &c, double phase)
{
    QPainterPath w;
    w.moveTo(base);
    const int n = 6;
    for (int i = 1; i <= n; ++i) {
        const double y = base.y() - h * i / n;
        const double x = base.x() + std::sin(phase + i * 1.1) * 30;
        w.lineTo(x, y);
    }
    drawTube(p, w, c, 26, 4);
    p.setPen(QPen(lighter(c, 0.4), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(w);
}

void coral(QPainter &p, QPointF base, double h, const QColor &c)
{
    auto branch = [&](QPointF a, QPointF b) {
        QPainterPath path;
        path.moveTo(a);
        path.lineTo(b);
        drawTube(p, path, c, h * 0.12, 4);
    };
    const QPointF top(base.x(), base.y() - h * 0.55);
    branch(base, top);
    branch(top, QPointF(base.x() - h * 0.35, base.y() - h * 0.95));
    branch(top, QPointF(base.x() + h * 0.3, base.y() - h));
    branch(QPointF(base.x(), base.y() - h * 0.3), QPointF(base.x() + h * 0.45, base.y() - h * 0.6));
    branch(QPointF(base.x(), base.y() - h * 0.25), QPointF(base.x() - h * 0.45, base.y() - h * 0.5));
    p.setPen(Qt::NoPen);
    for (const QPointF &d : {QPointF(-0.35, -0.95), QPointF(0.3, -1.0), QPointF(0.45, -0.6), QPointF(-0.45, -0.5)})
        blob(p, QPointF(base.x() + d.x() * h, base.y() + d.y() * h), h * 0.04, h * 0.04, lighter(c, 0.5), 0);
}

void starfish(QPainter &p, QPointF c, double r, const QColor &col, double rot)
{
    QPainterPath s = starPath(c, r, r * 0.45, 5, rot);
    shape(p, s, col, 4);
    p.save();
    p.setClipPath(s);
    drawPolkaDots(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), r * 0.25, r * 0.05, lighter(col, 0.5));
    p.restore();
}

void shell(QPainter &p, QPointF c, double r, const QColor &col)
{
    QPainterPath s;
    s.moveTo(c.x(), c.y() + r * 0.4);
    s.lineTo(c.x() - r, c.y() - r * 0.1);
    s.quadTo(c.x() - r, c.y() - r, c.x(), c.y() - r);
    s.quadTo(c.x() + r, c.y() - r, c.x() + r, c.y() - r * 0.1);
    s.closeSubpath();
    shape(p, s, col, 3);
    p.setPen(QPen(darker(col, 0.3), 2.5));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(c.x(), c.y() + r * 0.35), QPointF(c.x() + i * r * 0.38, c.y() - r * 0.85));
}

void treasureChest(QPainter &p, QPointF base, double w)
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

void crab(QPainter &p, QPointF c, double s)
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

} // namespace

// The big orange fish.
void paintFishTankSubject(QPainter &p)
{
    fish(p, QPointF(560, 460), 190, QColor(255, 140, 40), QColor(255, 110, 30), 0, false);
}

void paintFishTank(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    fillVerticalGradient(p, QRectF(0, 0, kPictureWidth, kPictureHeight), QColor(90, 210, 240), QColor(25, 95, 180));
    // Rays of light falling through the water.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        const double x = 80 + i * 240 + rng.uniform(-40, 40);
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawPolygon(QPolygonF({QPointF(x, 0), QPointF(x + 90, 0), QPointF(x + 330, 1000), QPointF(x + 160, 1000)}));
    }
    // Wavy surface with the light ripples.
    QPainterPath surface;
    surface.moveTo(0, 0);
    for (int x = 0; x <= kPictureWidth; x += 20)
        surface.lineTo(x, 55 + 12 * std::sin(x * 0.025));
    surface.lineTo(kPictureWidth, 0);
    surface.closeSubpath();
    shape(p, surface, QColor(190, 240, 255), 4);
    p.setPen(QPen(QColor(255, 255, 255, 120), 4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 60; ++i) {
        const double x = rng.uniform(0, kPictureWidth), y = rng.uniform(90, 420);
        p.drawArc(QRectF(x, y, rng.uniform(30, 60), 14), 20 * 16, 140 * 16);
    }
    // Distant rocks and a little castle.
    for (int i = 0; i < 6; ++i)
        drawRock(p, QPointF(120 + i * 280 + rng.uniform(-30, 30), 985), rng.uniform(200, 300), rng.uniform(90, 160),
                 QColor(110, 130, 170), rng);
    {
        const QRectF tower(1240, 720, 140, 260);
        shape(p, rectPath(tower), QColor(250, 180, 120), 5);
        p.save();
        p.setClipRect(tower.adjusted(3, 3, -3, -3));
        drawBricks(p, tower, 46, 24, QColor(250, 180, 120), QColor(220, 140, 100), rng);
        p.restore();
        for (int i = 0; i < 4; ++i)
            shape(p, rectPath(QRectF(tower.left() + i * 40 - 4, tower.top() - 28, 28, 28)),
                  QColor(250, 180, 120), 4);
        shape(p, roundRectPath(QRectF(1285, 880, 50, 100), 24), QColor(80, 60, 90), 4);
        shape(p, roundRectPath(QRectF(1292, 770, 36, 50), 17), QColor(80, 60, 90), 4);
        shape(p, polygonPath({QPointF(1310, 692), QPointF(1310, 630), QPointF(1360, 645), QPointF(1310, 660)}), QColor(240, 60, 80), 3);
    }
    // Sandy bottom.
    QPainterPath sand;
    sand.moveTo(0, kPictureHeight);
    for (int x = 0; x <= kPictureWidth; x += 20)
        sand.lineTo(x, 960 + 25 * std::sin(x * 0.008 + 1) + 10 * std::sin(x * 0.03));
    sand.lineTo(kPictureWidth, kPictureHeight);
    sand.closeSubpath();
    QLinearGradient sg(0, 940, 0, kPictureHeight);
    sg.setColorAt(0, QColor(250, 225, 160));
    sg.setColorAt(1, QColor(225, 185, 120));
    shape(p, sand, QBrush(sg), 5);
    p.save();
    p.setClipPath(sand);
    drawPebbles(p, QRectF(0, 960, kPictureWidth, 240), rng, 160, QColor(210, 170, 120));
    p.setPen(QPen(QColor(200, 160, 100), 3));
    for (int i = 0; i < 40; ++i) {
        const double x = rng.uniform(0, kPictureWidth), y = rng.uniform(990, 1190);
        p.drawArc(QRectF(x, y, 40, 12), 0, 180 * 16);
    }
    p.restore();
    // Plants.
    for (int i = 0; i < 9; ++i) {
        const double x = 40 + i * 185 + rng.uniform(-30, 30);
        seaweed(p, QPointF(x, 1010 + rng.uniform(0, 40)), rng.uniform(260, 560), i % 2 ? QColor(60, 180, 80) : QColor(110, 200, 70), i * 0.9);
    }
    coral(p, QPointF(330, 1060), 230, QColor(255, 110, 140));
    coral(p, QPointF(1080, 1080), 200, QColor(255, 150, 70));
    coral(p, QPointF(1520, 1050), 190, QColor(190, 110, 230));
    treasureChest(p, QPointF(640, 1110), 230);
    starfish(p, QPointF(170, 1120), 55, QColor(255, 140, 60), 0.3);
    starfish(p, QPointF(1420, 1140), 45, QColor(250, 90, 120), -0.2);
    shell(p, QPointF(880, 1150), 35, QColor(255, 200, 210));
    shell(p, QPointF(1220, 1130), 30, QColor(255, 225, 170));
    crab(p, QPointF(940, 1060), 120);
    // The fish, big and small, swimming both ways.
    paintFishTankSubject(p);
    fish(p, QPointF(1150, 300), 140, QColor(60, 130, 240), QColor(255, 215, 50), 1, true);
    fish(p, QPointF(260, 200), 100, QColor(255, 215, 50), QColor(60, 180, 230), 2, false);
    fish(p, QPointF(1200, 620), 120, QColor(240, 90, 160), QColor(150, 90, 230), 3, true);
    fish(p, QPointF(220, 720), 90, QColor(120, 210, 90), QColor(255, 180, 40), 1, false);
    fish(p, QPointF(860, 780), 80, QColor(160, 110, 240), QColor(250, 120, 180), 2, true);
    fish(p, QPointF(1460, 460), 70, QColor(255, 120, 90), QColor(255, 200, 60), 0, true);
    fish(p, QPointF(760, 170), 60, QColor(40, 200, 190), QColor(250, 240, 90), 3, false);
    for (const QPointF &b : {QPointF(790, 420), QPointF(960, 300), QPointF(80, 620), QPointF(1530, 880), QPointF(450, 880),
                             QPointF(1000, 900), QPointF(1400, 240)})
        bubbles(p, b, 5, rng.uniform(6, 11));
}

// ---------------------------------------------------------------- the farm

namespace {

void barn(QPainter &p, const QRectF &r, Rng &rng)
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

void silo(QPainter &p, const QRectF &r)
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

void cow(QPainter &p, QPointF c, double s)
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

void hen(QPainter &p, QPointF c, double s, bool faceLeft)
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

void pig(QPainter &p, QPointF c, double s)
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

void hayBale(QPainter &p, QPointF c, double r)
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

} // namespace

// The cow.
void paintFarmSubject(QPainter &p)
{
    cow(p, QPointF(900, 880), 360);
}

void paintFarm(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    drawSky(p, kPictureWidth, 560, rng, {QPointF(700, 120), QPointF(1100, 200), QPointF(260, 330), QPointF(1500, 380), QPointF(190, 100), QPointF(930, 60)});
    drawSun(p, QPointF(1400, 130), 80, true);
    for (const QPointF &b : {QPointF(520, 230), QPointF(560, 205), QPointF(900, 330), QPointF(130, 110)})
        drawBird(p, b, 22);
    // A patchwork of fields on the hills.
    drawHill(p, QRectF(-10, 360, 1620, 300), QColor(200, 225, 110), QColor(160, 200, 90), 100, 1.2, 2.4, rng, 0);
    p.save();
    QPainterPath field = polygonPath({QPointF(900, 470), QPointF(1610, 420), QPointF(1610, 640), QPointF(800, 640)});
    p.setClipPath(field);
    drawStripes(p, QRectF(800, 400, 810, 260), 22, QColor(240, 200, 80), QColor(220, 170, 60), false);
    p.restore();
    outline(p, field, 4);
    drawHill(p, QRectF(-10, 500, 1620, 200), QColor(150, 215, 100), QColor(110, 190, 80), 60, 1.7, 0.3, rng, 6);
    silo(p, QRectF(90, 330, 110, 330));
    barn(p, QRectF(200, 280, 420, 420), rng);
    drawTree(p, QPointF(1420, 720), 380, rng, true);
    drawMeadow(p, QRectF(0, 680, kPictureWidth, 520), rng, 1000);
    drawPicketFence(p, 620, 1620, 640, 760, 34, false);
    hayBale(p, QPointF(720, 760), 70);
    hayBale(p, QPointF(120, 830), 80);
    paintFarmSubject(p);
    pig(p, QPointF(380, 1010), 200);
    hen(p, QPointF(150, 1080), 110, false);
    hen(p, QPointF(1380, 1060), 100, true);
    hen(p, QPointF(1500, 950), 80, true);
    // Little yellow chicks following their mother.
    for (int i = 0; i < 3; ++i) {
        const QPointF c(1250 - i * 70, 1110 + (i % 2) * 20);
        blob(p, c, 24, 20, QColor(255, 225, 60), 3);
        blob(p, QPointF(c.x() - 18, c.y() - 20), 14, 14, QColor(255, 225, 60), 3);
        blob(p, QPointF(c.x() - 22, c.y() - 23), 2.5, 3, kInk, 0);
        shape(p, polygonPath({QPointF(c.x() - 30, c.y() - 22), QPointF(c.x() - 40, c.y() - 18), QPointF(c.x() - 30, c.y() - 14)}), QColor(255, 150, 30), 2);
    }
    drawBush(p, QPointF(1550, 1200), 140, QColor(70, 170, 70), rng, true);
    drawButterfly(p, QPointF(620, 920), 40, QColor(255, 200, 50), QColor(240, 110, 60), 20);
}

// ---------------------------------------------------------------- the balloons

namespace {

void balloon(QPainter &p, QPointF c, double r, int style, const QColor &a, const QColor &b)
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

} // namespace

// The big red balloon.
void paintBalloonsSubject(QPainter &p)
{
    balloon(p, QPointF(820, 440), 230, 0, QColor(240, 70, 70), QColor(255, 180, 40));
}

void paintBalloons(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    drawSky(p, kPictureWidth, kPictureHeight, rng,
                  {QPointF(180, 120), QPointF(1180, 110), QPointF(620, 610), QPointF(1450, 560), QPointF(300, 700)},
                  QColor(80, 165, 240), QColor(255, 215, 190));
    drawRainbow(p, QPointF(820, 1000), 720, 34);
    drawSun(p, QPointF(720, 110), 70, true);
    drawScatteredStars(p, QRectF(0, 0, kPictureWidth, 600), rng, 40, 3, 7);
    for (const QPointF &b : {QPointF(420, 90), QPointF(460, 118), QPointF(980, 330), QPointF(1300, 800), QPointF(90, 480)})
        drawBird(p, b, 22);
    // Countryside far below.
    drawHill(p, QRectF(-10, 930, 1620, 270), QColor(160, 215, 110), QColor(100, 180, 80), 70, 2.2, 1.0, rng, 10);
    for (int i = 0; i < 6; ++i) {
        const double x = 130 + i * 260 + rng.uniform(-40, 40);
        drawHouse(p, QRectF(x, 1060, 100, 70), brightColour(i * 3 + 2), brightColour(i * 3), rng);
    }
    for (int i = 0; i < 8; ++i)
        drawPine(p, QPointF(60 + i * 210 + rng.uniform(-30, 30), 1190), rng.uniform(80, 110));
    paintBalloonsSubject(p);
    balloon(p, QPointF(330, 330), 140, 1, QColor(70, 160, 240), QColor(250, 250, 250));
    balloon(p, QPointF(1310, 300), 160, 2, QColor(150, 90, 220), QColor(255, 150, 200));
    balloon(p, QPointF(160, 800), 90, 0, QColor(90, 200, 90), QColor(255, 230, 70));
    balloon(p, QPointF(1440, 820), 100, 1, QColor(255, 130, 40), QColor(250, 240, 120));
    balloon(p, QPointF(560, 880), 60, 2, QColor(40, 190, 180), QColor(250, 250, 250));
    balloon(p, QPointF(1110, 780), 70, 0, QColor(255, 110, 170), QColor(120, 110, 240));
}

// ---------------------------------------------------------------- the sailing boat

namespace {

void sailboat(QPainter &p, QPointF c, double s)
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

void island(QPainter &p, QPointF c, double w, Rng &rng)
{
    QPainterPath sand;
    sand.moveTo(c.x() - w / 2, c.y());
    sand.cubicTo(c.x() - w * 0.3, c.y() - w * 0.16, c.x() + w * 0.3, c.y() - w * 0.16, c.x() + w / 2, c.y());
    sand.closeSubpath();
    shape(p, sand, QColor(250, 220, 140), 4);
    p.save();
    p.setClipPath(sand);
    drawPebbles(p, QRectF(c.x() - w / 2, c.y() - w * 0.15, w, w * 0.15), rng, 14, QColor(230, 190, 120));
    p.restore();
    drawPalm(p, QPointF(c.x() - w * 0.1, c.y() - w * 0.08), w * 0.55, 0.15);
    drawPalm(p, QPointF(c.x() + w * 0.15, c.y() - w * 0.06), w * 0.4, -0.2);
}

void dolphin(QPainter &p, QPointF c, double s)
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

} // namespace

// The sailing boat.
void paintBoatSubject(QPainter &p)
{
    sailboat(p, QPointF(700, 860), 420);
}

void paintBoat(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    drawSky(p, kPictureWidth, 600, rng, {QPointF(260, 130), QPointF(700, 230), QPointF(1100, 100), QPointF(1480, 290), QPointF(170, 400), QPointF(640, 60), QPointF(960, 420), QPointF(430, 490)});
    drawSun(p, QPointF(1350, 150), 85, true);
    for (const QPointF &b : {QPointF(500, 110), QPointF(545, 85), QPointF(880, 360), QPointF(930, 390), QPointF(140, 420), QPointF(1230, 420),
                             QPointF(850, 70), QPointF(880, 200), QPointF(1110, 300), QPointF(1150, 470), QPointF(450, 320)})
        drawBird(p, b, 26);
    drawWaves(p, QRectF(0, 560, kPictureWidth, 640), rng, QColor(90, 190, 240), QColor(20, 100, 190), 120);
    // Far away boats on the horizon.
    for (const QPointF &b : {QPointF(160, 585), QPointF(1000, 580)}) {
        shape(p, polygonPath({QPointF(b.x(), b.y() - 70), QPointF(b.x() + 45, b.y() - 8), QPointF(b.x(), b.y() - 8)}), QColor(250, 248, 240), 3);
        shape(p, polygonPath({QPointF(b.x() - 40, b.y() - 8), QPointF(b.x() + 55, b.y() - 8), QPointF(b.x() + 40, b.y() + 8), QPointF(b.x() - 30, b.y() + 8)}),
              QColor(230, 80, 70), 3);
    }
    island(p, QPointF(1330, 640), 440, rng);
    paintBoatSubject(p);
    // A foam line round the hull and the bow wave.
    p.setPen(QPen(QColor(255, 255, 255), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 8; ++i)
        p.drawArc(QRectF(440 + i * 70, 955, 70, 30), 180 * 16, 180 * 16);
    dolphin(p, QPointF(220, 850), 150);
    dolphin(p, QPointF(1280, 1020), 120);
    // A striped buoy and a friendly fish jumping.
    shape(p, roundRectPath(QRectF(1080, 830, 60, 110), 25), QColor(240, 70, 70), 4);
    p.save();
    p.setClipRect(QRectF(1080, 860, 60, 30));
    shape(p, roundRectPath(QRectF(1080, 830, 60, 110), 25), QColor(250, 248, 240), 4);
    p.restore();
    shape(p, polygonPath({QPointF(1110, 800), QPointF(1095, 830), QPointF(1125, 830)}), QColor(255, 210, 50), 3);
    // A swim ring and a rubber duck bobbing on the waves.
    {
        const QPointF r(1460, 760);
        QPainterPath ring;
        ring.addEllipse(r, 70, 30);
        QPainterPath hole;
        hole.addEllipse(r, 34, 13);
        ring = ring.subtracted(hole);
        shape(p, ring, QColor(240, 70, 70), 4);
        p.save();
        p.setClipPath(ring);
        for (int i = 0; i < 4; ++i)
            p.fillRect(QRectF(r.x() - 70 + i * 38, r.y() - 40, 18, 80), QColor(250, 248, 240));
        p.restore();
        outline(p, ring, 4);
        const QPointF d(1220, 720);
        blob(p, d, 42, 24, QColor(255, 215, 40), 4);
        blob(p, QPointF(d.x() + 26, d.y() - 30), 20, 19, QColor(255, 215, 40), 4);
        shape(p, polygonPath({QPointF(d.x() + 42, d.y() - 32), QPointF(d.x() + 62, d.y() - 26), QPointF(d.x() + 42, d.y() - 20)}), QColor(255, 140, 40), 3);
        blob(p, QPointF(d.x() + 30, d.y() - 35), 3.5, 4, kInk, 0);
    }
    drawStar(p, QPointF(420, 1120), 40, QColor(255, 150, 60), 4, 0.2);
    drawStar(p, QPointF(1500, 1140), 34, QColor(250, 100, 140), 4, -0.3);
    for (int i = 0; i < 10; ++i)
        blob(p, QPointF(rng.uniform(40, 1560), rng.uniform(1000, 1180)), 8, 8, QColor(220, 245, 255), 2);
}

} // namespace sd
