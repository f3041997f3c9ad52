// More scenes: the rocket in space, the teddy bear's room, the butterfly
// meadow, the dinosaur, the lighthouse and the toy box. Coordinates are in
// pixels of the 1600 x 1200 picture.
#include "paintkit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace sd {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

// ---------------------------------------------------------------- the rocket

namespace {

void planetWithRing(QPainter &p, QPointF c, double r)
{
    // Back half of the ring, the planet, then the front half over it.
    QRectF ring(c.x() - r * 1.9, c.y() - r * 0.45, r * 3.8, r * 0.9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, r * 0.22 + 8));
    p.drawArc(ring, 0, 180 * 16);
    p.setPen(QPen(QColor(255, 215, 120), r * 0.22));
    p.drawArc(ring, 0, 180 * 16);
    QPainterPath planet;
    planet.addEllipse(c, r, r);
    QRadialGradient g(c.x() - r * 0.4, c.y() - r * 0.4, r * 1.6);
    g.setColorAt(0, QColor(255, 190, 120));
    g.setColorAt(1, QColor(230, 100, 70));
    shape(p, planet, QBrush(g), 5);
    p.save();
    p.setClipPath(planet);
    p.setPen(QPen(QColor(200, 80, 60, 150), r * 0.1));
    for (int i = -3; i <= 3; ++i)
        p.drawLine(QPointF(c.x() - r, c.y() + i * r * 0.28 - r * 0.2), QPointF(c.x() + r, c.y() + i * r * 0.28 + r * 0.2));
    p.restore();
    outline(p, planet, 5);
    p.setPen(QPen(kInk, r * 0.22 + 8, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(255, 215, 120), r * 0.22, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(240, 170, 80), r * 0.05, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(ring, 180 * 16, 180 * 16);
}

void moon(QPainter &p, QPointF c, double r, Rng &rng)
{
    QPainterPath m;
    m.addEllipse(c, r, r);
    QRadialGradient g(c.x() - r * 0.3, c.y() - r * 0.3, r * 1.5);
    g.setColorAt(0, QColor(255, 252, 220));
    g.setColorAt(1, QColor(210, 205, 190));
    shape(p, m, QBrush(g), 5);
    p.save();
    p.setClipPath(m);
    // Craters round the edge, leaving the face clear.
    for (const QPointF &d : {QPointF(-0.55, -0.55), QPointF(0.1, -0.7), QPointF(0.6, -0.45), QPointF(0.75, 0.2),
                             QPointF(-0.75, 0.35), QPointF(0.35, 0.72), QPointF(-0.3, 0.75)}) {
        const double cr = r * rng.uniform(0.09, 0.16);
        blob(p, QPointF(c.x() + d.x() * r, c.y() + d.y() * r), cr, cr * 0.85, QColor(215, 208, 185), 3);
        blob(p, QPointF(c.x() + d.x() * r + cr * 0.2, c.y() + d.y() * r + cr * 0.2), cr * 0.6, cr * 0.5, QColor(200, 192, 170), 0);
    }
    p.restore();
    // The moon smiles sleepily.
    p.setPen(inkPen(5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - r * 0.45, c.y() - r * 0.15, r * 0.3, r * 0.2), 180 * 16, 180 * 16);
    p.drawArc(QRectF(c.x() + r * 0.15, c.y() - r * 0.15, r * 0.3, r * 0.2), 180 * 16, 180 * 16);
    drawSmile(p, QPointF(c.x(), c.y() + r * 0.25), r * 0.4, r * 0.12, 5);
    drawCheeks(p, QPointF(c.x() - r * 0.5, c.y() + r * 0.2), QPointF(c.x() + r * 0.5, c.y() + r * 0.2), r * 0.1);
}

void rocket(QPainter &p, QPointF c, double s, double angle)
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

void ufo(QPainter &p, QPointF c, double s)
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

void comet(QPainter &p, QPointF c, double s)
{
    for (int i = 0; i < 3; ++i) {
        QPainterPath tail;
        tail.moveTo(c.x() - s * 0.1, c.y() - s * 0.1 + i * s * 0.1);
        tail.quadTo(c.x() - s * 1.4, c.y() - s * 0.6 + i * s * 0.2, c.x() - s * (2.4 - i * 0.4), c.y() - s * (0.9 - i * 0.3));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(i == 1 ? QColor(255, 240, 150, 200) : QColor(150, 220, 255, 170), s * 0.12, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(tail);
    }
    drawStar(p, c, s * 0.35, QColor(255, 225, 80), 4, 0.3);
}

} // namespace

// The rocket.
void paintRocketSubject(QPainter &p)
{
    rocket(p, QPointF(720, 560), 330, 25);
}

void paintRocket(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    {
        QLinearGradient space(0, 0, kPictureWidth * 0.5, kPictureHeight);
        space.setColorAt(0, QColor(20, 20, 75));
        space.setColorAt(0.5, QColor(45, 35, 110));
        space.setColorAt(1, QColor(90, 45, 135));
        p.fillRect(QRectF(0, 0, kPictureWidth, kPictureHeight), space);
    }
    // Coloured nebula clouds and a dusting of stars all over.
    for (int i = 0; i < 20; ++i) {
        const QPointF c(rng.uniform(0, kPictureWidth), rng.uniform(0, kPictureHeight));
        QColor col = brightColour(rng.range(0, 11));
        fillRadialGlow(p, c, rng.uniform(150, 320), QColor(col.red(), col.green(), col.blue(), 70), QColor(col.red(), col.green(), col.blue(), 0));
    }
    drawScatteredStars(p, QRectF(0, 0, kPictureWidth, kPictureHeight), rng, 520, 2, 7);
    for (int i = 0; i < 34; ++i)
        drawStar(p, QPointF(rng.uniform(20, 1580), rng.uniform(20, 1180)), rng.uniform(14, 28), QColor(255, 225, 80), 3,
                 rng.uniform(0, 1));
    planetWithRing(p, QPointF(1280, 260), 140);
    moon(p, QPointF(240, 960), 190, rng);
    // A small blue and green planet and a purple one.
    {
        QPainterPath e;
        e.addEllipse(QPointF(330, 230), 95, 95);
        shape(p, e, QColor(70, 150, 240), 5);
        p.save();
        p.setClipPath(e);
        for (const QPointF &d : {QPointF(300, 190), QPointF(370, 270), QPointF(280, 290)})
            blob(p, d, 45, 30, QColor(110, 200, 90), 4);
        p.restore();
        outline(p, e, 5);
        QPainterPath v;
        v.addEllipse(QPointF(1420, 1000), 80, 80);
        shape(p, v, QColor(200, 120, 230), 5);
        p.save();
        p.setClipPath(v);
        drawPolkaDots(p, QRectF(1340, 920, 160, 160), 40, 10, QColor(230, 170, 250));
        p.restore();
        outline(p, v, 5);
    }
    comet(p, QPointF(1000, 180), 110);
    // A little satellite with solar panels.
    {
        p.save();
        p.translate(600, 90);
        p.rotate(-20);
        for (int side : {-1, 1}) {
            const QRectF panel(side < 0 ? -110 : 30, -18, 80, 36);
            shape(p, rectPath(panel), QColor(70, 110, 210), 3);
            p.setPen(QPen(QColor(150, 190, 250), 2));
            for (int i = 1; i < 4; ++i)
                p.drawLine(QPointF(panel.left() + i * 20, panel.top()), QPointF(panel.left() + i * 20, panel.bottom()));
            p.drawLine(QPointF(panel.left(), 0), QPointF(panel.right(), 0));
        }
        shape(p, roundRectPath(QRectF(-30, -26, 60, 52), 8), QColor(255, 200, 60), 4);
        p.setPen(inkPen(3));
        p.drawLine(QPointF(0, -26), QPointF(0, -50));
        blob(p, QPointF(0, -52), 6, 6, QColor(240, 70, 70), 2);
        p.restore();
    }
    ufo(p, QPointF(1240, 720), 230);
    paintRocketSubject(p);
    // Little puffs left behind by the rocket.
    for (int i = 0; i < 6; ++i) {
        const QPointF c(540 - i * 70, 1000 + i * 45);
        blob(p, c, 30 + i * 8, 26 + i * 7, QColor(230, 230, 245), 4);
    }
    drawSparkle(p, QPointF(980, 920), 40, QColor(255, 240, 160));
    drawSparkle(p, QPointF(90, 520), 36, QColor(190, 230, 255));
}

// ---------------------------------------------------------------- the teddy bear's room

namespace {

void teddy(QPainter &p, QPointF c, double s)
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

void window(QPainter &p, const QRectF &r, Rng &rng)
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

void bookshelf(QPainter &p, const QRectF &r, Rng &rng)
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

void balloonOnString(QPainter &p, QPointF c, double r, const QColor &col, QPointF anchor)
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

void letterBlock(QPainter &p, QPointF base, double s, const QColor &c, char letter, double angle)
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

void rug(QPainter &p, QPointF c, double rx, double ry)
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

} // namespace

// The teddy bear.
void paintTeddySubject(QPainter &p)
{
    teddy(p, QPointF(780, 720), 330);
}

void paintTeddy(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    // Wallpaper: soft stripes with tiny stars and hearts.
    const QRectF wall(0, 0, kPictureWidth, 820);
    drawStripes(p, wall, 60, QColor(200, 230, 250), QColor(180, 215, 245), true);
    QLinearGradient light(0, 0, kPictureWidth, 820);
    light.setColorAt(0, QColor(255, 255, 255, 70));
    light.setColorAt(1, QColor(120, 150, 220, 60));
    p.fillRect(wall, light);
    // Stars, hearts and dots scattered by hand rather than in a strict grid,
    // so no two patches of wall look the same.
    for (int j = 0; j < 12; ++j)
        for (int i = 0; i < 27; ++i) {
            const QPointF c(30 + i * 60 + (j % 2) * 30 + rng.uniform(-14, 14), 40 + j * 68 + rng.uniform(-14, 14));
            const int kind = rng.range(0, 5);
            if (kind == 0 || kind == 3)
                drawStar(p, c, rng.uniform(8, 14), kind ? QColor(255, 240, 160) : QColor(255, 210, 120), 0, rng.uniform(0, 1));
            else if (kind == 1 || kind == 4)
                drawHeart(p, c, rng.uniform(14, 22), kind == 1 ? QColor(255, 190, 210) : QColor(210, 180, 250), 0);
            else
                blob(p, c, 4, 4, QColor(250, 250, 255), 0);
        }
    drawBunting(p, QPointF(-10, 18), QPointF(1610, 18), 60, 40, 3);
    window(p, QRectF(190, 190, 420, 370), rng);
    // A growing chart with coloured bands by the window.
    {
        const QRectF chart(30, 150, 64, 420);
        shape(p, roundRectPath(chart, 10), QColor(255, 250, 235), 4);
        for (int i = 0; i < 6; ++i)
            p.fillRect(QRectF(chart.left() + 4, chart.top() + 10 + i * 67, 22, 67), brightColour(i * 2));
        p.setPen(inkPen(3));
        for (int i = 0; i < 14; ++i)
            p.drawLine(QPointF(chart.left() + 30, chart.top() + 20 + i * 29), QPointF(chart.left() + (i % 2 ? 44 : 56), chart.top() + 20 + i * 29));
        drawStar(p, QPointF(chart.center().x(), chart.top() - 6), 22, QColor(255, 210, 50), 3);
    }
    // A child's crayon drawing pinned to the wall: a house under a sun.
    {
        p.save();
        p.translate(830, 240);
        p.rotate(-4);
        const QRectF paper(-110, -85, 220, 170);
        shape(p, rectPath(paper), QColor(255, 252, 240), 4);
        blob(p, QPointF(0, -85), 8, 8, QColor(240, 70, 70), 3);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 190, 40), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawEllipse(QPointF(60, -40), 20, 20);
        for (int i = 0; i < 8; ++i)
            p.drawLine(QPointF(60 + 26 * std::cos(i * kPi / 4), -40 + 26 * std::sin(i * kPi / 4)),
                       QPointF(60 + 36 * std::cos(i * kPi / 4), -40 + 36 * std::sin(i * kPi / 4)));
        p.setPen(QPen(QColor(60, 130, 230), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawRect(QRectF(-80, -5, 80, 65));
        p.setPen(QPen(QColor(235, 60, 60), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(-90, -5), QPointF(-40, -55), QPointF(10, -5)}));
        p.setPen(QPen(QColor(80, 180, 70), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-100, 70), QPointF(100, 70));
        p.restore();
    }
    // A framed rainbow at the right.
    shape(p, roundRectPath(QRectF(1350, 140, 210, 170), 6), QColor(120, 200, 120), 5);
    shape(p, rectPath(QRectF(1370, 160, 170, 130)), QColor(200, 235, 255), 4);
    p.save();
    p.setClipRect(QRectF(1370, 160, 170, 130));
    drawRainbow(p, QPointF(1455, 285), 90, 11);
    drawCloud(p, QPointF(1390, 275), 70);
    drawCloud(p, QPointF(1520, 275), 70);
    p.restore();
    // Floor boards and skirting.
    drawWoodPlanks(p, QRectF(0, 820, kPictureWidth, 380), 62, QColor(215, 160, 100), rng, false);
    shape(p, rectPath(QRectF(-10, 800, kPictureWidth + 20, 30)), QColor(250, 245, 235), 5);
    // A framed picture of a heart and a shelf.
    shape(p, roundRectPath(QRectF(1070, 150, 190, 160), 6), QColor(255, 200, 80), 5);
    shape(p, rectPath(QRectF(1090, 170, 150, 120)), QColor(255, 250, 235), 4);
    drawHeart(p, QPointF(1165, 232), 80, QColor(240, 70, 100), 4);
    bookshelf(p, QRectF(1000, 420, 520, 180), rng);
    // A lamp on a little table at the right.
    shape(p, roundRectPath(QRectF(1320, 640, 30, 160), 8), QColor(170, 110, 60), 4);
    shape(p, roundRectPath(QRectF(1240, 620, 190, 30), 10), QColor(170, 110, 60), 4);
    shape(p, roundRectPath(QRectF(1322, 520, 26, 100), 8), QColor(120, 190, 240), 4);
    QPainterPath shade = polygonPath({QPointF(1270, 520), QPointF(1300, 420), QPointF(1370, 420), QPointF(1400, 520)});
    shape(p, shade, QColor(255, 200, 220), 5);
    p.save();
    p.setClipPath(shade);
    drawStripes(p, QRectF(1260, 420, 150, 100), 20, QColor(255, 200, 220), QColor(255, 170, 200), true);
    p.restore();
    outline(p, shade, 5);
    rug(p, QPointF(780, 1000), 520, 150);
    balloonOnString(p, QPointF(140, 640), 60, QColor(240, 70, 80), QPointF(330, 980));
    balloonOnString(p, QPointF(260, 700), 55, QColor(255, 200, 50), QPointF(330, 980));
    balloonOnString(p, QPointF(90, 790), 50, QColor(90, 180, 240), QPointF(330, 980));
    paintTeddySubject(p);
    letterBlock(p, QPointF(230, 1140), 110, QColor(240, 80, 80), 'A', -6);
    letterBlock(p, QPointF(390, 1150), 110, QColor(70, 150, 230), 'B', 4);
    letterBlock(p, QPointF(310, 1030), 100, QColor(90, 190, 90), 'C', -2);
    letterBlock(p, QPointF(1240, 1150), 100, QColor(255, 160, 40), 'D', 8);
    // A ball and a toy car on the floor.
    {
        QPainterPath ball;
        ball.addEllipse(QPointF(1440, 1080), 80, 80);
        shape(p, ball, QColor(250, 250, 245), 5);
        p.save();
        p.setClipPath(ball);
        for (int i = 0; i < 3; ++i)
            shape(p, rectPath(QRectF(1360 + i * 54, 990, 27, 180)), brightColour(i * 4), 0);
        p.restore();
        outline(p, ball, 5);
    }
    drawStar(p, QPointF(1040, 1130), 36, QColor(255, 215, 60), 4, 0.2);
    // Fluffy bunny slippers by the wall.
    for (int i = 0; i < 2; ++i) {
        const QPointF s(1420 + i * 110, 880 + i * 14);
        blob(p, QPointF(s.x() - 18, s.y() - 34), 10, 24, QColor(255, 190, 210), 3);
        blob(p, QPointF(s.x() + 6, s.y() - 34), 10, 24, QColor(255, 190, 210), 3);
        blob(p, s, 48, 24, QColor(255, 190, 210), 4);
        blob(p, QPointF(s.x() - 22, s.y() - 4), 4, 5, kInk, 0);
        blob(p, QPointF(s.x() - 2, s.y() - 4), 4, 5, kInk, 0);
        blob(p, QPointF(s.x() - 12, s.y() + 6), 5, 3.5, QColor(240, 100, 130), 0);
    }
}

// ---------------------------------------------------------------- the butterfly meadow

// The big orange butterfly.
void paintButterfliesSubject(QPainter &p)
{
    drawButterfly(p, QPointF(800, 420), 260, QColor(255, 150, 40), QColor(250, 90, 150), -8);
}

void paintButterflies(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    drawSky(p, kPictureWidth, 640, rng, {QPointF(300, 120), QPointF(900, 90), QPointF(1350, 260)});
    drawRainbow(p, QPointF(900, 660), 560, 30);
    drawSun(p, QPointF(120, 110), 75, true);
    drawHill(p, QRectF(-10, 470, 1620, 220), QColor(170, 225, 110), QColor(120, 200, 80), 70, 1.8, 2.0, rng, 8);
    for (const double x : {260.0, 1220.0, 1500.0})
        drawTree(p, QPointF(x, 610), rng.uniform(180, 240), rng, rng.chance(0.6));
    drawMeadow(p, QRectF(0, 600, kPictureWidth, 600), rng, 1300);
    // Tall flowers in the front, big enough to land on.
    for (int i = 0; i < 11; ++i) {
        const double x = 60 + i * 150 + rng.uniform(-30, 30);
        const double h = rng.uniform(220, 420);
        if (i % 4 == 1)
            drawTulip(p, QPointF(x, 1220), h, brightColour(i * 3));
        else
            drawStemFlower(p, QPointF(x, 1220), h, rng.uniform(45, 70), brightColour(i * 7 + 2), 5 + i % 4);
    }
    // Butterflies of every size and colour.
    paintButterfliesSubject(p);
    drawButterfly(p, QPointF(330, 330), 120, QColor(90, 170, 250), QColor(150, 100, 230), 15);
    drawButterfly(p, QPointF(1280, 460), 140, QColor(255, 215, 50), QColor(90, 200, 100), -18);
    drawButterfly(p, QPointF(1450, 150), 80, QColor(240, 80, 160), QColor(255, 180, 60), 10);
    drawButterfly(p, QPointF(560, 120), 70, QColor(40, 200, 190), QColor(255, 240, 100), -20);
    drawButterfly(p, QPointF(130, 640), 90, QColor(200, 120, 240), QColor(250, 150, 200), 25);
    drawButterfly(p, QPointF(1100, 230), 60, QColor(255, 110, 80), QColor(255, 210, 70), 5);
    drawButterfly(p, QPointF(480, 760), 75, QColor(120, 220, 90), QColor(60, 150, 240), -12);
    drawButterfly(p, QPointF(1480, 780), 70, QColor(250, 90, 90), QColor(255, 200, 80), 22);
    // Dotted flight paths behind two of them.
    p.setBrush(Qt::NoBrush);
    QPen dash(QColor(120, 80, 150), 4, Qt::DotLine, Qt::RoundCap);
    p.setPen(dash);
    QPainterPath path1;
    path1.moveTo(20, 430);
    path1.cubicTo(120, 300, 200, 520, 250, 370);
    p.drawPath(path1);
    QPainterPath path2;
    path2.moveTo(1590, 620);
    path2.cubicTo(1500, 700, 1420, 520, 1370, 500);
    p.drawPath(path2);
    drawLadybird(p, QPointF(690, 1040), 40, 20);
    drawLadybird(p, QPointF(1000, 920), 30, -40);
    drawSnail(p, QPointF(860, 1120), 120, QColor(150, 120, 230));
    drawBee(p, QPointF(1180, 800), 44);
    drawBee(p, QPointF(370, 560), 34);
    drawMushroom(p, QPointF(1380, 1160), 90);
}

// ---------------------------------------------------------------- the dinosaur

namespace {

void volcano(QPainter &p, QPointF base, double w, double h)
{
    QPainterPath v = polygonPath({QPointF(base.x() - w / 2, base.y()), QPointF(base.x() - w * 0.12, base.y() - h), QPointF(base.x() + w * 0.12, base.y() - h),
                                  QPointF(base.x() + w / 2, base.y())});
    QLinearGradient g(0, base.y() - h, 0, base.y());
    g.setColorAt(0, QColor(170, 120, 110));
    g.setColorAt(1, QColor(130, 95, 100));
    shape(p, v, QBrush(g), 5);
    QPainterPath lava;
    lava.moveTo(base.x() - w * 0.12, base.y() - h);
    lava.lineTo(base.x() + w * 0.12, base.y() - h);
    lava.quadTo(base.x() + w * 0.1, base.y() - h * 0.7, base.x() + w * 0.16, base.y() - h * 0.55);
    lava.quadTo(base.x() + w * 0.05, base.y() - h * 0.6, base.x(), base.y() - h * 0.75);
    lava.quadTo(base.x() - w * 0.06, base.y() - h * 0.6, base.x() - w * 0.1, base.y() - h * 0.68);
    lava.closeSubpath();
    shape(p, lava, QColor(255, 130, 40), 4);
    for (int i = 0; i < 5; ++i) {
        const QPointF c(base.x() + (i - 2) * w * 0.06, base.y() - h - 50 - i * 55);
        QPainterPath puff;
        puff.addEllipse(c, 40 + i * 12, 32 + i * 10);
        puff.addEllipse(QPointF(c.x() + 30 + i * 8, c.y() + 10), 28 + i * 8, 24 + i * 6);
        shape(p, united(puff), QColor(200, 195, 210), 4);
    }
}

void fern(QPainter &p, QPointF base, double h, double lean)
{
    for (int k = -2; k <= 2; ++k) {
        const double a = -kPi / 2 + k * 0.4 + lean;
        const QPointF tip(base.x() + h * std::cos(a), base.y() + h * std::sin(a));
        QPainterPath stem;
        stem.moveTo(base);
        stem.quadTo(QPointF((base.x() + tip.x()) / 2 + k * 15, (base.y() + tip.y()) / 2 - 20), tip);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 120, 50), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(stem);
        for (int i = 1; i < 9; ++i) {
            const double t = i / 9.0;
            const QPointF q = stem.pointAtPercent(t);
            const double len = h * 0.16 * (1 - t * 0.7);
            for (int side : {-1, 1}) {
                p.save();
                p.translate(q);
                p.rotate(stem.angleAtPercent(t) * -1 + side * 60);
                blob(p, QPointF(len / 2, 0), len / 2, len * 0.18, QColor(90, 190, 70), 2);
                p.restore();
            }
        }
    }
}

void longNeck(QPainter &p, QPointF c, double s)
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

void eggNest(QPainter &p, QPointF c, double s)
{
    blob(p, QPointF(c.x(), c.y()), s * 0.7, s * 0.25, QColor(190, 140, 80), 5);
    p.setPen(QPen(QColor(140, 95, 50), 4));
    for (int i = 0; i < 12; ++i)
        p.drawLine(QPointF(c.x() - s * 0.6 + i * s * 0.1, c.y() - s * 0.1), QPointF(c.x() - s * 0.5 + i * s * 0.1, c.y() + s * 0.15));
    QPainterPath egg1;
    egg1.addEllipse(QPointF(c.x() - s * 0.3, c.y() - s * 0.22), s * 0.2, s * 0.27);
    shape(p, egg1, QColor(240, 240, 200), 4);
    p.save();
    p.setClipPath(egg1);
    drawPolkaDots(p, QRectF(c.x() - s * 0.5, c.y() - s * 0.5, s * 0.4, s * 0.6), s * 0.1, s * 0.025, QColor(150, 210, 120));
    p.restore();
    // A baby dinosaur peeking out of the cracked egg.
    const QPointF b(c.x() + s * 0.22, c.y() - s * 0.45);
    blob(p, b, s * 0.2, s * 0.18, QColor(140, 210, 250), 4);
    drawEye(p, QPointF(b.x() - s * 0.07, b.y() - s * 0.03), s * 0.05);
    drawEye(p, QPointF(b.x() + s * 0.07, b.y() - s * 0.03), s * 0.05);
    drawSmile(p, QPointF(b.x(), b.y() + s * 0.07), s * 0.1, s * 0.03, 3);
    QPainterPath shellHalf;
    shellHalf.moveTo(b.x() - s * 0.25, b.y() + s * 0.05);
    for (int i = 0; i <= 6; ++i)
        shellHalf.lineTo(b.x() - s * 0.25 + i * s * 0.083, b.y() + s * ((i % 2) ? 0.0 : 0.1));
    shellHalf.lineTo(b.x() + s * 0.25, b.y() + s * 0.1);
    shellHalf.quadTo(b.x() + s * 0.25, b.y() + s * 0.4, b.x(), b.y() + s * 0.4);
    shellHalf.quadTo(b.x() - s * 0.25, b.y() + s * 0.4, b.x() - s * 0.25, b.y() + s * 0.05);
    shape(p, shellHalf, QColor(240, 240, 200), 4);
}

void pterodactyl(QPainter &p, QPointF c, double s)
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

} // namespace

// The long-necked dinosaur.
void paintDinosaurSubject(QPainter &p)
{
    longNeck(p, QPointF(700, 820), 430);
}

void paintDinosaur(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    drawSky(p, kPictureWidth, 700, rng, {QPointF(700, 110), QPointF(1150, 200), QPointF(960, 60)}, QColor(120, 200, 250), QColor(255, 230, 170));
    drawSun(p, QPointF(1450, 120), 80, true);
    volcano(p, QPointF(300, 620), 560, 360);
    pterodactyl(p, QPointF(760, 300), 140);
    pterodactyl(p, QPointF(1000, 420), 80);
    drawHill(p, QRectF(-10, 520, 1620, 220), QColor(180, 215, 110), QColor(140, 190, 90), 60, 1.5, 1.2, rng, 6);
    // Warm ground with little stones.
    fillVerticalGradient(p, QRectF(0, 640, kPictureWidth, 560), QColor(200, 220, 110), QColor(150, 190, 80));
    drawPebbles(p, QRectF(0, 700, kPictureWidth, 500), rng, 90, QColor(200, 175, 130));
    drawGrassBlades(p, QRectF(0, 680, kPictureWidth, 520), rng, 900, QColor(70, 150, 50), QColor(160, 220, 90), 14, 30);
    // Footprints of the big dinosaur wandering across the ground.
    for (int i = 0; i < 9; ++i) {
        const QPointF f(150 + i * 95, 760 + (i % 2) * 40 - i * 4);
        p.save();
        p.translate(f);
        p.rotate(80);
        blob(p, QPointF(0, 0), 13, 10, QColor(150, 165, 80), 0);
        for (int t = -1; t <= 1; ++t)
            blob(p, QPointF(t * 9, -15 + std::abs(t) * 3), 4.5, 6, QColor(150, 165, 80), 0);
        p.restore();
    }
    // A blue pond.
    blob(p, QPointF(1300, 1040), 260, 80, QColor(90, 180, 240), 5);
    p.setPen(QPen(QColor(255, 255, 255, 180), 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(1150 + i * 60, 1020 + (i % 2) * 30), QPointF(1190 + i * 60, 1020 + (i % 2) * 30));
    drawPalm(p, QPointF(1480, 760), 420, -0.2);
    drawPalm(p, QPointF(80, 800), 360, 0.18);
    drawPalm(p, QPointF(1200, 700), 260, 0.1);
    paintDinosaurSubject(p);
    eggNest(p, QPointF(250, 1070), 230);
    for (const QPointF &f : {QPointF(480, 1200), QPointF(1000, 1200), QPointF(1560, 1200), QPointF(40, 1200)})
        fern(p, f, 200, 0);
    drawRock(p, QPointF(1000, 880), 150, 80, QColor(170, 160, 150), rng);
    drawRock(p, QPointF(560, 1150), 120, 60, QColor(190, 170, 150), rng);
    drawButterfly(p, QPointF(1080, 620), 50, QColor(255, 200, 50), QColor(255, 120, 80), 10);
    drawFlower(p, QPointF(900, 1100), 24, QColor(250, 120, 170));
    drawFlower(p, QPointF(1400, 880), 20, QColor(255, 220, 60));
    drawFlower(p, QPointF(380, 880), 22, QColor(120, 170, 250));
}

// ---------------------------------------------------------------- the lighthouse

namespace {

// Soft beams of light from the lamp of a lighthouse standing at base, h high,
// fading out over the sea and the land.
void lighthouseBeams(QPainter &p, QPointF base, double h)
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

void lighthouse(QPainter &p, QPointF base, double h)
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

void seagull(QPainter &p, QPointF c, double s)
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

void bucket(QPainter &p, QPointF base, double s)
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

} // namespace

// The lighthouse.
namespace {

// Where the lighthouse stands on the cliff, and how high it is.
constexpr QPointF kLighthouseBase(1300, 640);
constexpr double kLighthouseHeight = 420;

} // namespace

void paintLighthouseSubject(QPainter &p)
{
    lighthouse(p, kLighthouseBase, kLighthouseHeight);
}

void paintLighthouse(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    drawSky(p, kPictureWidth, 620, rng, {QPointF(1470, 70), QPointF(250, 130), QPointF(620, 270), QPointF(1450, 320), QPointF(140, 470), QPointF(520, 480), QPointF(860, 380)});
    drawSun(p, QPointF(1000, 110), 70, true);
    drawWaves(p, QRectF(0, 560, kPictureWidth, 500), rng, QColor(80, 190, 240), QColor(30, 120, 200), 110);
    // The rocky point with grass on top.
    QPainterPath cliff;
    cliff.moveTo(820, 1060);
    cliff.cubicTo(880, 800, 960, 640, 1100, 600);
    cliff.lineTo(1610, 560);
    cliff.lineTo(1610, 1060);
    cliff.closeSubpath();
    QLinearGradient cg(0, 560, 0, 1060);
    cg.setColorAt(0, QColor(180, 160, 150));
    cg.setColorAt(1, QColor(130, 115, 120));
    shape(p, cliff, QBrush(cg), 5);
    p.save();
    p.setClipPath(cliff);
    for (int i = 0; i < 26; ++i)
        drawRock(p, QPointF(rng.uniform(860, 1600), rng.uniform(700, 1080)), rng.uniform(90, 180), rng.uniform(40, 80), QColor(165, 150, 145), rng);
    QPainterPath grassTop;
    grassTop.moveTo(1000, 640);
    grassTop.quadTo(1080, 590, 1200, 590);
    grassTop.lineTo(1610, 560);
    grassTop.lineTo(1610, 660);
    grassTop.quadTo(1300, 700, 1000, 640);
    shape(p, grassTop, QColor(120, 200, 80), 4);
    p.restore();
    drawGrassBlades(p, QRectF(1050, 570, 560, 60), rng, 160, QColor(60, 150, 50), QColor(150, 220, 90), 12, 26);
    lighthouseBeams(p, kLighthouseBase, kLighthouseHeight);
    paintLighthouseSubject(p);
    drawHouse(p, QRectF(1430, 520, 150, 100), QColor(250, 230, 180), QColor(60, 120, 200), rng);
    for (int i = 0; i < 4; ++i)
        drawFlower(p, QPointF(1110 + i * 45, 620 + (i % 2) * 12), 14, brightColour(i * 3));
    // Boats at sea.
    {
        const QPointF b(420, 800);
        shape(p, polygonPath({QPointF(b.x(), b.y() - 200), QPointF(b.x() + 130, b.y() - 20), QPointF(b.x(), b.y() - 20)}), QColor(255, 210, 60), 5);
        shape(p, polygonPath({QPointF(b.x() - 10, b.y() - 170), QPointF(b.x() - 10, b.y() - 20), QPointF(b.x() - 100, b.y() - 20)}), QColor(250, 248, 240), 5);
        shape(p, polygonPath({QPointF(b.x() - 150, b.y() - 15), QPointF(b.x() + 170, b.y() - 15), QPointF(b.x() + 120, b.y() + 40), QPointF(b.x() - 110, b.y() + 40)}),
              QColor(240, 80, 70), 5);
        for (int i = 0; i < 3; ++i)
            blob(p, QPointF(b.x() - 60 + i * 60, b.y() + 12), 9, 9, QColor(255, 240, 200), 3);
    }
    {
        QPainterPath isle;
        isle.moveTo(470, 585);
        isle.cubicTo(520, 545, 640, 545, 690, 585);
        isle.closeSubpath();
        shape(p, isle, QColor(120, 190, 90), 3);
        drawPalm(p, QPointF(580, 565), 90, 0.1);
        shape(p, polygonPath({QPointF(760, 600), QPointF(800, 600), QPointF(792, 612), QPointF(768, 612)}), QColor(240, 80, 70), 2);
        shape(p, polygonPath({QPointF(780, 565), QPointF(780, 598), QPointF(800, 597)}), QColor(255, 215, 60), 2);
    }
    shape(p, polygonPath({QPointF(110, 640), QPointF(160, 640), QPointF(150, 655), QPointF(120, 655)}), QColor(90, 120, 200), 3);
    shape(p, polygonPath({QPointF(135, 600), QPointF(135, 640), QPointF(160, 638)}), QColor(250, 248, 240), 3);
    drawCloud(p, QPointF(1060, 470), 260);
    for (const QPointF &g : {QPointF(600, 140), QPointF(700, 180), QPointF(160, 400), QPointF(880, 420), QPointF(1200, 260), QPointF(1000, 330),
                             QPointF(1150, 560)})
        seagull(p, g, 38);
    // Sandy beach in front with treasures.
    QPainterPath beach;
    beach.moveTo(0, 1000);
    beach.cubicTo(400, 940, 900, 1060, 1610, 990);
    beach.lineTo(1610, 1210);
    beach.lineTo(0, 1210);
    beach.closeSubpath();
    QLinearGradient bg(0, 950, 0, 1200);
    bg.setColorAt(0, QColor(255, 230, 160));
    bg.setColorAt(1, QColor(235, 195, 125));
    shape(p, beach, QBrush(bg), 5);
    p.save();
    p.setClipPath(beach);
    drawPebbles(p, QRectF(0, 990, kPictureWidth, 210), rng, 90, QColor(220, 185, 130));
    p.restore();
    p.setPen(QPen(QColor(255, 255, 255), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 14; ++i)
        p.drawArc(QRectF(i * 120, 960 + 25 * std::sin(i * 0.9), 120, 40), 0, 180 * 16);
    bucket(p, QPointF(260, 1150), 120);
    drawStar(p, QPointF(620, 1110), 45, QColor(255, 140, 60), 4, 0.3);
    drawStar(p, QPointF(1420, 1130), 38, QColor(250, 100, 140), 4, -0.2);
    for (int i = 0; i < 5; ++i) {
        const QPointF s(780 + i * 130, 1080 + (i % 2) * 60);
        QPainterPath sh;
        sh.moveTo(s.x(), s.y() + 18);
        sh.lineTo(s.x() - 26, s.y() - 4);
        sh.quadTo(s.x() - 26, s.y() - 26, s.x(), s.y() - 26);
        sh.quadTo(s.x() + 26, s.y() - 26, s.x() + 26, s.y() - 4);
        sh.closeSubpath();
        shape(p, sh, brightColour(i * 5 + 6), 3);
    }
    // A crab waving from the sand.
    const QPointF c(1150, 1150);
    blob(p, c, 60, 38, QColor(240, 90, 70), 5);
    for (int side : {-1, 1}) {
        blob(p, QPointF(c.x() + side * 80, c.y() - 40), 22, 16, QColor(240, 90, 70), 4);
        drawEye(p, QPointF(c.x() + side * 20, c.y() - 50), 12);
    }
    drawSmile(p, QPointF(c.x(), c.y()), 30, 8, 4);
}

// ---------------------------------------------------------------- the toy box

namespace {

void toyCar(QPainter &p, QPointF base, double s, const QColor &c)
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

void drum(QPainter &p, QPointF c, double r)
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

void spinningTop(QPainter &p, QPointF tip, double s)
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

void robot(QPainter &p, QPointF base, double s)
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

void kite(QPainter &p, QPointF c, double s)
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

void toyChest(QPainter &p, const QRectF &box, Rng &rng)
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

} // namespace

// The toy chest with the toys peeking out.
void paintToyBoxSubject(QPainter &p)
{
    // The planks take their own random numbers, so the chest comes out the
    // same alone as in the scene.
    Rng planks(0x70c4e57u);
    toyChest(p, QRectF(520, 700, 560, 340), planks);
}

void paintToyBox(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    // Sunny yellow wallpaper with dots and a patterned border.
    const QRectF wall(0, 0, kPictureWidth, 780);
    fillVerticalGradient(p, wall, QColor(255, 240, 170), QColor(255, 225, 140));
    for (int j = 0; j < 12; ++j)
        for (int i = 0; i < 28; ++i) {
            const QPointF c(20 + i * 60 + (j % 2) * 30, 30 + j * 64);
            blob(p, c, 9, 9, brightColour(i + j * 5), 0);
        }
    shape(p, rectPath(QRectF(-10, 470, kPictureWidth + 20, 70)), QColor(120, 200, 230), 4);
    p.save();
    p.setClipRect(QRectF(0, 473, kPictureWidth, 64));
    for (int i = 0; i < 40; ++i)
        drawHeart(p, QPointF(20 + i * 44, 505), 30, i % 2 ? QColor(255, 120, 150) : QColor(255, 250, 240), 2);
    p.restore();
    drawBunting(p, QPointF(-10, 20), QPointF(1610, 20), 80, 44, 5);
    kite(p, QPointF(230, 250), 130);
    // A clock with a smiling face.
    blob(p, QPointF(1350, 250), 110, 110, QColor(250, 120, 120), 5);
    blob(p, QPointF(1350, 250), 85, 85, QColor(255, 252, 240), 4);
    for (int i = 0; i < 12; ++i)
        blob(p, QPointF(1350 + 70 * std::cos(i * kPi / 6), 250 + 70 * std::sin(i * kPi / 6)), 5, 5, kInk, 0);
    p.setPen(inkPen(7));
    p.drawLine(QPointF(1350, 250), QPointF(1350, 200));
    p.drawLine(QPointF(1350, 250), QPointF(1390, 260));
    blob(p, QPointF(1350, 250), 8, 8, QColor(255, 210, 60), 3);
    // Shelf with stacked cups.
    shape(p, roundRectPath(QRectF(620, 380, 400, 26), 6), QColor(170, 110, 60), 5);
    for (int i = 0; i < 5; ++i) {
        const double w = 130 - i * 20;
        shape(p, polygonPath({QPointF(760 - w / 2, 380 - i * 50), QPointF(760 + w / 2, 380 - i * 50), QPointF(760 + w / 2 - 10, 330 - i * 50),
                              QPointF(760 - w / 2 + 10, 330 - i * 50)}),
              brightColour(i * 2), 4);
    }
    blob(p, QPointF(920, 335), 45, 45, QColor(90, 200, 120), 4);
    drawStar(p, QPointF(920, 335), 22, QColor(255, 240, 120), 3);
    // Floor: a big chequered play mat on wooden boards.
    drawWoodPlanks(p, QRectF(0, 780, kPictureWidth, 420), 60, QColor(215, 160, 100), rng, false);
    shape(p, rectPath(QRectF(-10, 765, kPictureWidth + 20, 24)), QColor(250, 245, 235), 4);
    QPainterPath mat = polygonPath({QPointF(300, 860), QPointF(1300, 860), QPointF(1520, 1200), QPointF(80, 1200)});
    p.save();
    p.setClipPath(mat);
    drawChecker(p, QRectF(80, 860, 1440, 340), 68, QColor(255, 170, 190), QColor(170, 220, 250));
    p.restore();
    outline(p, mat, 5);
    paintToyBoxSubject(p);
    robot(p, QPointF(1290, 900), 220);
    drum(p, QPointF(260, 850), 110);
    toyCar(p, QPointF(1200, 1130), 150, QColor(240, 70, 70));
    spinningTop(p, QPointF(470, 1165), 120);
    // A stack of blocks and a few loose ones.
    const char letters[] = {'A', 'B', 'C', 'D', 'E'};
    for (int i = 0; i < 3; ++i) {
        const double s = 90;
        const QRectF f(120 + i * s, 1100 - s, s, s);
        shape(p, roundRectPath(f, 6), brightColour(i * 4), 4);
        shape(p, roundRectPath(f.adjusted(10, 10, -10, -10), 6), QColor(255, 250, 235), 3);
        drawLetter(p, f.adjusted(22, 20, -22, -20), letters[i], brightColour(i * 4), 9);
    }
    for (int i = 0; i < 2; ++i) {
        const QRectF f(165 + i * 90, 920, 90, 90);
        shape(p, roundRectPath(f, 6), brightColour(i * 4 + 2), 4);
        shape(p, roundRectPath(f.adjusted(10, 10, -10, -10), 6), QColor(255, 250, 235), 3);
        drawLetter(p, f.adjusted(22, 20, -22, -20), letters[3 + i], brightColour(i * 4 + 2), 9);
    }
    drawStar(p, QPointF(840, 1130), 40, QColor(255, 215, 60), 4, 0.3);
    drawHeart(p, QPointF(980, 1120), 60, QColor(240, 70, 110), 4);
    // Marbles rolled across the floor.
    for (int i = 0; i < 7; ++i) {
        const QPointF m(rng.uniform(560, 1450), rng.uniform(1060, 1180));
        blob(p, m, 14, 14, brightColour(i * 5), 3);
        blob(p, QPointF(m.x() - 4, m.y() - 4), 4, 4, QColor(255, 255, 255), 0);
    }
}

} // namespace sd
