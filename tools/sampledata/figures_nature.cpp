// Nature in the sample pictures: sky, land, plants and sea.
#include "figures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace sd {

void drawBubbles(QPainter &p, QPointF from, int n, double r)
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

void drawSeaweed(QPainter &p, QPointF base, double h, const QColor &c, double phase)
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

void drawCoral(QPainter &p, QPointF base, double h, const QColor &c)
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

void drawShell(QPainter &p, QPointF c, double r, const QColor &col)
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

void drawIsland(QPainter &p, QPointF c, double w, Rng &rng)
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

void drawPlanetWithRing(QPainter &p, QPointF c, double r)
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

void drawMoon(QPainter &p, QPointF c, double r, Rng &rng)
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

void drawComet(QPainter &p, QPointF c, double s)
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

void drawVolcano(QPainter &p, QPointF base, double w, double h)
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

void drawFern(QPainter &p, QPointF base, double h, double lean)
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

void drawEggNest(QPainter &p, QPointF c, double s)
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

void drawCloud(QPainter &p, QPointF c, double w)
{
    // A row of overlapping puffs, united into one outline, with a soft blue
    // shade along the bottom.
    QPainterPath cloud;
    const double r = w * 0.18;
    cloud.addEllipse(QPointF(c.x() - w * 0.30, c.y() + r * 0.25), r * 1.0, r * 0.9);
    cloud.addEllipse(QPointF(c.x() - w * 0.10, c.y() - r * 0.45), r * 1.35, r * 1.25);
    cloud.addEllipse(QPointF(c.x() + w * 0.14, c.y() - r * 0.25), r * 1.2, r * 1.1);
    cloud.addEllipse(QPointF(c.x() + w * 0.32, c.y() + r * 0.3), r * 0.95, r * 0.85);
    cloud.addRoundedRect(QRectF(c.x() - w * 0.42, c.y(), w * 0.84, r * 1.05), r * 0.5, r * 0.5);
    cloud = united(cloud);
    QLinearGradient g(c.x(), c.y() - r * 1.7, c.x(), c.y() + r * 1.1);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.65, QColor(245, 250, 255));
    g.setColorAt(1, QColor(200, 222, 245));
    p.setPen(QPen(QColor(150, 180, 215), std::max(2.0, w * 0.012)));
    p.setBrush(g);
    p.drawPath(cloud);
}

void drawSun(QPainter &p, QPointF c, double r, bool face)
{
    fillRadialGlow(p, c, r * 2.1, QColor(255, 240, 150, 150), QColor(255, 240, 150, 0));
    p.save();
    p.translate(c);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.rotate(i * 30.0);
        const QColor ray = (i % 2) ? QColor(255, 170, 30) : QColor(255, 215, 50);
        shape(p, polygonPath({QPointF(-r * 0.2, -r * 1.08), QPointF(0, -r * ((i % 2) ? 1.55 : 1.75)),
                              QPointF(r * 0.2, -r * 1.08)}),
              ray, std::max(2.0, r * 0.04));
        p.restore();
    }
    p.restore();
    QRadialGradient g(c.x() - r * 0.3, c.y() - r * 0.3, r * 1.4);
    g.setColorAt(0, QColor(255, 248, 150));
    g.setColorAt(1, QColor(255, 190, 30));
    p.setPen(inkPen(std::max(2.0, r * 0.05)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    if (face) {
        drawEye(p, QPointF(c.x() - r * 0.33, c.y() - r * 0.15), r * 0.16, QPointF(0.2, 0.2));
        drawEye(p, QPointF(c.x() + r * 0.33, c.y() - r * 0.15), r * 0.16, QPointF(0.2, 0.2));
        drawCheeks(p, QPointF(c.x() - r * 0.55, c.y() + r * 0.2), QPointF(c.x() + r * 0.55, c.y() + r * 0.2),
                   r * 0.14);
        drawSmile(p, QPointF(c.x(), c.y() + r * 0.22), r * 0.7, r * 0.35, std::max(2.0, r * 0.06));
    }
}

void drawFlower(QPainter &p, QPointF c, double r, const QColor &petal, int petals, const QColor &centre)
{
    const double ol = std::max(1.5, r * 0.08);
    for (int i = 0; i < petals; ++i) {
        const double a = 2 * kPi * i / petals;
        const QPointF pc(c.x() + r * 0.62 * std::cos(a), c.y() + r * 0.62 * std::sin(a));
        p.save();
        p.translate(pc);
        p.rotate(a * 180 / kPi);
        blob(p, QPointF(0, 0), r * 0.48, r * 0.34, (i % 2) ? petal : lighter(petal, 0.15), ol);
        p.restore();
    }
    blob(p, c, r * 0.36, r * 0.36, centre, ol);
    if (r > 14)
        blob(p, QPointF(c.x() - r * 0.1, c.y() - r * 0.1), r * 0.1, r * 0.1, lighter(centre, 0.6), 0);
}

void drawStemFlower(QPainter &p, QPointF g, double h, double r, const QColor &petal, int petals)
{
    const double w = std::max(2.0, r * 0.18);
    QPainterPath stem;
    stem.moveTo(g);
    stem.quadTo(g.x() + h * 0.12, g.y() - h * 0.5, g.x(), g.y() - h);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 130, 50), w, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stem);
    p.save();
    p.translate(g.x() + h * 0.06, g.y() - h * 0.4);
    p.rotate(-35);
    blob(p, QPointF(r * 0.45, 0), r * 0.5, r * 0.2, QColor(80, 180, 70), std::max(1.5, r * 0.07));
    p.restore();
    drawFlower(p, QPointF(g.x(), g.y() - h), r, petal, petals);
}

void drawTulip(QPainter &p, QPointF g, double h, const QColor &petal)
{
    const double s = h * 0.22;
    p.setPen(QPen(QColor(40, 130, 50), std::max(2.0, s * 0.18), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(g, QPointF(g.x(), g.y() - h + s));
    p.save();
    p.translate(g.x(), g.y() - h * 0.3);
    p.rotate(25);
    blob(p, QPointF(s * 0.5, -s * 0.5), s * 0.25, s * 0.7, QColor(70, 170, 60), std::max(1.5, s * 0.07));
    p.restore();
    const double top = g.y() - h;
    QPainterPath cup;
    cup.moveTo(g.x() - s * 0.6, top);
    cup.lineTo(g.x() - s * 0.3, top + s * 0.35);
    cup.lineTo(g.x(), top);
    cup.lineTo(g.x() + s * 0.3, top + s * 0.35);
    cup.lineTo(g.x() + s * 0.6, top);
    cup.quadTo(g.x() + s * 0.65, top + s * 1.1, g.x(), top + s * 1.1);
    cup.quadTo(g.x() - s * 0.65, top + s * 1.1, g.x() - s * 0.6, top);
    shape(p, cup, petal, std::max(1.5, s * 0.08));
}

void drawGrassBlades(QPainter &p, const QRectF &a, Rng &rng, int count, const QColor &dark,
                     const QColor &light, double minLen, double maxLen)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        const double x = rng.uniform(a.left(), a.right());
        const double y = rng.uniform(a.top(), a.bottom());
        const double len = rng.uniform(minLen, maxLen) * (0.6 + 0.4 * (y - a.top()) / a.height());
        const double bend = rng.uniform(-0.5, 0.5) * len;
        QPainterPath blade;
        blade.moveTo(x, y);
        blade.quadTo(x + bend * 0.3, y - len * 0.6, x + bend, y - len);
        p.setPen(QPen(mix(dark, light, rng.unit()), std::max(1.5, len * 0.09), Qt::SolidLine, Qt::RoundCap));
        p.drawPath(blade);
    }
}

void drawMeadow(QPainter &p, const QRectF &a, Rng &rng, int density)
{
    fillVerticalGradient(p, a, QColor(130, 210, 80), QColor(60, 160, 55));
    // Soft darker and lighter patches so the field is never one flat green.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < density / 12; ++i) {
        const QPointF c(rng.uniform(a.left(), a.right()), rng.uniform(a.top(), a.bottom()));
        const double r = rng.uniform(25, 70);
        p.setBrush(rng.chance(0.5) ? QColor(50, 140, 40, 45) : QColor(190, 240, 120, 45));
        p.drawEllipse(c, r * 1.8, r * 0.6);
    }
    drawGrassBlades(p, a, rng, density, QColor(40, 125, 40), QColor(150, 225, 90), 14, 34);
    for (int i = 0; i < density / 10; ++i) {
        const QPointF c(rng.uniform(a.left(), a.right()), rng.uniform(a.top() + 6, a.bottom()));
        const double depth = (c.y() - a.top()) / a.height();
        const double r = 5 + 9 * depth;
        switch (rng.range(0, 4)) {
        case 0:
            drawFlower(p, c, r, QColor(250, 250, 245), 6);
            break;
        case 1:
            drawFlower(p, c, r, brightColour(rng.range(0, 11)), 5);
            break;
        case 2:
            blob(p, c, r * 0.45, r * 0.45, QColor(255, 225, 60), 0);
            break;
        default:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 190, 70));
            for (int k = 0; k < 3; ++k)
                p.drawEllipse(QPointF(c.x() + r * 0.35 * std::cos(k * 2.1), c.y() + r * 0.35 * std::sin(k * 2.1)),
                              r * 0.35, r * 0.35);
            break;
        }
    }
}

void drawHill(QPainter &p, const QRectF &a, const QColor &top, const QColor &bottom, double amp,
              double waves, double phase, Rng &rng, int bushes)
{
    QPainterPath hill;
    hill.moveTo(a.left(), a.bottom());
    const int steps = 80;
    for (int i = 0; i <= steps; ++i) {
        const double x = a.left() + a.width() * i / steps;
        const double y = a.top() + amp * (1 - std::cos(2 * kPi * waves * i / steps + phase)) * 0.5;
        hill.lineTo(x, y);
    }
    hill.lineTo(a.right(), a.bottom());
    hill.closeSubpath();
    QLinearGradient g(a.topLeft(), a.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    shape(p, hill, QBrush(g), 4);
    p.save();
    p.setClipPath(hill);
    // Stripes of ploughed fields or mown lines give the hill texture.
    p.setPen(QPen(QColor(255, 255, 255, 40), 6));
    for (int i = 0; i < 12; ++i) {
        const double y = a.top() + amp + i * (a.height() - amp) / 10;
        QPainterPath line;
        line.moveTo(a.left(), y);
        line.cubicTo(a.left() + a.width() * 0.3, y - 25, a.left() + a.width() * 0.7, y + 25, a.right(), y);
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
    for (int i = 0; i < bushes; ++i) {
        const double x = rng.uniform(a.left(), a.right());
        const double t = (x - a.left()) / a.width();
        const double y = a.top() + amp * (1 - std::cos(2 * kPi * waves * t + phase)) * 0.5 + rng.uniform(20, 60);
        drawBush(p, QPointF(x, y), rng.uniform(30, 60), darker(top, 0.15), rng, rng.chance(0.4));
    }
    p.restore();
}

void drawBush(QPainter &p, QPointF b, double w, const QColor &c, Rng &rng, bool berries)
{
    QPainterPath bush;
    bush.addEllipse(QPointF(b.x() - w * 0.3, b.y() - w * 0.25), w * 0.32, w * 0.28);
    bush.addEllipse(QPointF(b.x() + w * 0.3, b.y() - w * 0.25), w * 0.3, w * 0.26);
    bush.addEllipse(QPointF(b.x(), b.y() - w * 0.45), w * 0.36, w * 0.34);
    bush.addRect(QRectF(b.x() - w * 0.5, b.y() - w * 0.3, w, w * 0.3));
    shape(p, united(bush), c, std::max(2.0, w * 0.05));
    if (berries) {
        for (int i = 0; i < 5; ++i)
            blob(p, QPointF(b.x() + rng.uniform(-0.4, 0.4) * w, b.y() - rng.uniform(0.15, 0.6) * w), w * 0.06,
                 w * 0.06, QColor(230, 50, 70), 1.5);
    }
}

void drawTree(QPainter &p, QPointF b, double h, Rng &rng, bool fruit)
{
    const double tw = h * 0.14;
    QPainterPath trunk;
    trunk.moveTo(b.x() - tw, b.y());
    trunk.quadTo(b.x() - tw * 0.5, b.y() - h * 0.3, b.x() - tw * 0.6, b.y() - h * 0.55);
    trunk.lineTo(b.x() + tw * 0.6, b.y() - h * 0.55);
    trunk.quadTo(b.x() + tw * 0.5, b.y() - h * 0.3, b.x() + tw, b.y());
    trunk.closeSubpath();
    shape(p, trunk, QColor(150, 95, 50), std::max(2.0, h * 0.015));
    p.setPen(QPen(QColor(110, 65, 35), std::max(1.5, h * 0.008)));
    for (int i = 0; i < 4; ++i) {
        const double y = b.y() - h * (0.1 + i * 0.1);
        p.drawLine(QPointF(b.x() - tw * 0.3, y), QPointF(b.x() + tw * 0.2, y - h * 0.03));
    }
    QPainterPath crown;
    const QPointF c(b.x(), b.y() - h * 0.68);
    const double r = h * 0.34;
    crown.addEllipse(c, r, r * 0.9);
    crown.addEllipse(QPointF(c.x() - r * 0.65, c.y() + r * 0.25), r * 0.6, r * 0.55);
    crown.addEllipse(QPointF(c.x() + r * 0.65, c.y() + r * 0.25), r * 0.6, r * 0.55);
    crown.addEllipse(QPointF(c.x(), c.y() - r * 0.6), r * 0.65, r * 0.5);
    crown = united(crown);
    QRadialGradient g(c.x() - r * 0.4, c.y() - r * 0.5, r * 1.6);
    g.setColorAt(0, QColor(130, 215, 80));
    g.setColorAt(1, QColor(40, 140, 50));
    shape(p, crown, QBrush(g), std::max(2.0, h * 0.015));
    p.save();
    p.setClipPath(crown);
    p.setPen(QPen(QColor(30, 110, 40, 120), std::max(1.5, h * 0.008), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 26; ++i) {
        const QPointF q(c.x() + rng.uniform(-1.2, 1.2) * r, c.y() + rng.uniform(-1.0, 0.9) * r);
        p.drawArc(QRectF(q.x() - r * 0.12, q.y() - r * 0.08, r * 0.24, r * 0.16), 200 * 16, 140 * 16);
    }
    p.restore();
    if (fruit) {
        for (int i = 0; i < 9; ++i) {
            const double a = rng.uniform(0, 2 * kPi);
            const double d = rng.uniform(0.2, 0.85) * r;
            const QPointF q(c.x() + d * std::cos(a), c.y() + d * std::sin(a) * 0.8);
            blob(p, q, r * 0.09, r * 0.09, QColor(230, 45, 50), std::max(1.5, h * 0.006));
            blob(p, QPointF(q.x() - r * 0.03, q.y() - r * 0.03), r * 0.025, r * 0.025, QColor(255, 200, 200), 0);
        }
    }
}

void drawPine(QPainter &p, QPointF b, double h)
{
    shape(p, roundRectPath(QRectF(b.x() - h * 0.05, b.y() - h * 0.2, h * 0.1, h * 0.2), 3),
          QColor(140, 90, 50), std::max(2.0, h * 0.015));
    for (int i = 0; i < 3; ++i) {
        const double top = b.y() - h * (1.0 - i * 0.22);
        const double bottom = b.y() - h * (0.5 - i * 0.15);
        const double w = h * (0.22 + i * 0.08);
        QPainterPath tier;
        tier.moveTo(b.x(), top);
        tier.quadTo(b.x() + w * 0.5, (top + bottom) / 2, b.x() + w, bottom);
        tier.quadTo(b.x(), bottom + h * 0.05, b.x() - w, bottom);
        tier.quadTo(b.x() - w * 0.5, (top + bottom) / 2, b.x(), top);
        shape(p, tier, mix(QColor(40, 150, 80), QColor(25, 110, 60), i / 2.0), std::max(2.0, h * 0.015));
    }
}

void drawPalm(QPainter &p, QPointF b, double h, double lean)
{
    QPainterPath trunk;
    const QPointF top(b.x() + lean * h, b.y() - h);
    trunk.moveTo(b.x() - h * 0.05, b.y());
    trunk.quadTo(b.x() + lean * h * 0.2, b.y() - h * 0.5, top.x() - h * 0.03, top.y());
    trunk.lineTo(top.x() + h * 0.03, top.y());
    trunk.quadTo(b.x() + lean * h * 0.2 + h * 0.07, b.y() - h * 0.5, b.x() + h * 0.05, b.y());
    trunk.closeSubpath();
    shape(p, trunk, QColor(190, 130, 70), std::max(2.0, h * 0.012));
    p.setPen(QPen(QColor(140, 90, 45), std::max(1.5, h * 0.01)));
    for (int i = 1; i < 10; ++i) {
        const double t = i / 10.0;
        const double x = b.x() + (top.x() - b.x()) * t * t * 0.9 + lean * h * 0.05 * t;
        const double y = b.y() - h * t;
        p.drawLine(QPointF(x - h * 0.035, y + h * 0.01), QPointF(x + h * 0.035, y - h * 0.01));
    }
    for (int i = 0; i < 6; ++i) {
        const double a = -kPi / 2 + (i - 2.5) * 0.62;
        const QPointF tip(top.x() + h * 0.45 * std::cos(a), top.y() + h * 0.45 * std::sin(a) + h * 0.12);
        QPainterPath leaf;
        leaf.moveTo(top);
        const QPointF mid((top.x() + tip.x()) / 2, std::min(top.y(), tip.y()) - h * 0.1);
        leaf.quadTo(QPointF(mid.x() - h * 0.05 * std::sin(a), mid.y() - h * 0.04), tip);
        leaf.quadTo(QPointF(mid.x() + h * 0.05 * std::sin(a), mid.y() + h * 0.08), top);
        shape(p, leaf, i % 2 ? QColor(60, 170, 70) : QColor(90, 195, 80), std::max(2.0, h * 0.01));
    }
    for (int i = 0; i < 3; ++i)
        blob(p, QPointF(top.x() - h * 0.04 + i * h * 0.04, top.y() + h * 0.04), h * 0.035, h * 0.035,
             QColor(120, 80, 40), std::max(1.5, h * 0.008));
}

void drawRainbow(QPainter &p, QPointF c, double r, double band)
{
    static const QColor bands[] = {QColor(235, 65, 65), QColor(255, 150, 40), QColor(255, 225, 60),
                                   QColor(90, 200, 80), QColor(60, 150, 235), QColor(140, 95, 215)};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i) {
        const double rr = r - i * band;
        QColor col = bands[i];
        col.setAlpha(215);
        p.setPen(QPen(col, band, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr), 0, 180 * 16);
    }
}

void drawMushroom(QPainter &p, QPointF g, double s)
{
    const double ol = std::max(1.5, s * 0.05);
    shape(p, roundRectPath(QRectF(g.x() - s * 0.18, g.y() - s * 0.55, s * 0.36, s * 0.55), s * 0.1),
          QColor(250, 240, 220), ol);
    QPainterPath cap;
    cap.moveTo(g.x() - s * 0.55, g.y() - s * 0.5);
    cap.cubicTo(g.x() - s * 0.55, g.y() - s * 1.1, g.x() + s * 0.55, g.y() - s * 1.1, g.x() + s * 0.55,
                g.y() - s * 0.5);
    cap.closeSubpath();
    shape(p, cap, QColor(225, 50, 50), ol);
    for (const QPointF &d : {QPointF(-0.28, -0.65), QPointF(0.05, -0.82), QPointF(0.3, -0.62)})
        blob(p, QPointF(g.x() + d.x() * s, g.y() + d.y() * s), s * 0.09, s * 0.07, QColor(255, 250, 245), 0);
}

void drawRock(QPainter &p, QPointF c, double w, double h, const QColor &col, Rng &rng)
{
    QPainterPath rock;
    const int n = 9;
    for (int i = 0; i < n; ++i) {
        const double a = kPi + kPi * i / (n - 1);
        const double rr = rng.uniform(0.85, 1.05);
        const QPointF pt(c.x() + w * 0.5 * rr * std::cos(a), c.y() + h * rr * std::sin(a));
        if (i == 0)
            rock.moveTo(pt);
        else
            rock.lineTo(pt);
    }
    rock.closeSubpath();
    QLinearGradient g(c.x(), c.y() - h, c.x(), c.y());
    g.setColorAt(0, lighter(col, 0.3));
    g.setColorAt(1, darker(col, 0.15));
    shape(p, rock, QBrush(g), std::max(2.0, w * 0.02));
    p.setPen(QPen(darker(col, 0.3), std::max(1.5, w * 0.012)));
    p.drawLine(QPointF(c.x() - w * 0.15, c.y() - h * 0.6), QPointF(c.x() - w * 0.05, c.y() - h * 0.35));
    p.drawLine(QPointF(c.x() + w * 0.2, c.y() - h * 0.4), QPointF(c.x() + w * 0.28, c.y() - h * 0.15));
}

void drawPebbles(QPainter &p, const QRectF &a, Rng &rng, int count, const QColor &base)
{
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.uniform(a.left(), a.right()), rng.uniform(a.top(), a.bottom()));
        const double r = rng.uniform(4, 13);
        blob(p, c, r * 1.3, r, jitter(rng, base, 35), 1.5);
    }
}

void drawWaves(QPainter &p, const QRectF &a, Rng &rng, const QColor &top, const QColor &bottom, double wl)
{
    fillVerticalGradient(p, a, top, bottom);
    p.save();
    p.setClipRect(a);
    // Broad darker and lighter swells running across the water.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(a.width() * a.height() / 12000); ++i) {
        const QPointF c(rng.uniform(a.left(), a.right()), rng.uniform(a.top(), a.bottom()));
        const double t = (c.y() - a.top()) / a.height();
        p.setBrush(rng.chance(0.5) ? QColor(0, 40, 120, 40) : QColor(255, 255, 255, 40));
        p.drawEllipse(c, rng.uniform(60, 160) * (0.5 + t), rng.uniform(8, 20) * (0.5 + t));
    }
    QLinearGradient side(a.topLeft(), a.topRight());
    side.setColorAt(0, QColor(255, 255, 255, 50));
    side.setColorAt(0.5, QColor(255, 255, 255, 0));
    side.setColorAt(1, QColor(0, 30, 100, 60));
    p.fillRect(a, side);
    p.setBrush(Qt::NoBrush);
    for (double y = a.top() + 10; y < a.bottom() + 20; y += 24) {
        const double t = (y - a.top()) / a.height();
        const double w = wl * (0.5 + t);
        for (double x = a.left() - w * rng.uniform(0, 1); x < a.right() + w; x += w * rng.uniform(0.9, 2.2)) {
            const double cw = w * rng.uniform(0.35, 0.7);
            const double yy = y + rng.uniform(-6, 6);
            QPainterPath crest;
            crest.moveTo(x, yy);
            crest.quadTo(x + cw * 0.5, yy - 8 - 8 * t, x + cw, yy);
            p.setPen(QPen(QColor(255, 255, 255, rng.range(90, 200)), 2 + 4 * t, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(crest);
        }
    }
    // Glints and foam dots.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(a.width() * a.height() / 4000); ++i) {
        const QPointF c(rng.uniform(a.left(), a.right()), rng.uniform(a.top(), a.bottom()));
        p.setBrush(QColor(255, 255, 255, rng.range(90, 170)));
        if (rng.chance(0.7))
            p.drawEllipse(c, rng.uniform(3, 10), 2);
        else
            p.drawEllipse(c, 3, 3);
    }
    p.restore();
}

void drawSky(QPainter &p, double width, double bottom, Rng &rng, std::initializer_list<QPointF> clouds,
             const QColor &top, const QColor &low)
{
    // A slanting gradient, so that neighbouring patches of sky differ in
    // colour both across and down.
    QLinearGradient g(0, 0, width * 0.45, bottom);
    g.setColorAt(0, top);
    g.setColorAt(1, low);
    p.fillRect(QRectF(0, 0, width, bottom), g);
    // Soft light patches.
    p.setPen(Qt::NoPen);
    const int patches = int(width * bottom / 9000);
    for (int i = 0; i < patches; ++i) {
        p.setBrush(QColor(255, 255, 255, rng.range(22, 48)));
        p.drawEllipse(QPointF(rng.uniform(0, width), rng.uniform(0, bottom)), rng.uniform(30, 110), rng.uniform(10, 34));
    }
    // Curly wind lines, as in a picture book.
    const int swirls = int(width * bottom / 50000);
    for (int i = 0; i < swirls; ++i) {
        const double x = rng.uniform(-40, width - 60), y = rng.uniform(20, bottom - 20);
        const double len = rng.uniform(70, 160), r = rng.uniform(9, 16);
        QPainterPath swirl;
        swirl.moveTo(x, y);
        swirl.cubicTo(x + len * 0.3, y - 10, x + len * 0.6, y + 10, x + len, y);
        swirl.arcTo(QRectF(x + len - r, y - 2 * r, 2 * r, 2 * r), 270, 300);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 190), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(swirl);
    }
    for (int i = 0; i < swirls * 2; ++i)
        drawSparkle(p, QPointF(rng.uniform(0, width), rng.uniform(0, bottom)), rng.uniform(6, 12), QColor(255, 255, 255, 200));
    for (const QPointF &c : clouds)
        drawCloud(p, QPointF(c.x(), c.y()), 150 + std::fmod(c.x() * 7 + c.y() * 3, 130));
}

} // namespace sd
