#include "paintkit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace sd {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

const QColor kInk(58, 40, 52);

QPen inkPen(double width)
{
    QPen pen(kInk, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor(int(std::lround(a.red() + (b.red() - a.red()) * t)),
                  int(std::lround(a.green() + (b.green() - a.green()) * t)),
                  int(std::lround(a.blue() + (b.blue() - a.blue()) * t)),
                  int(std::lround(a.alpha() + (b.alpha() - a.alpha()) * t)));
}

QColor lighter(const QColor &c, double t) { return mix(c, QColor(255, 255, 255, c.alpha()), t); }
QColor darker(const QColor &c, double t) { return mix(c, QColor(0, 0, 0, c.alpha()), t); }

QColor jitter(Rng &rng, const QColor &c, int amount)
{
    const int d = rng.range(-amount, amount);
    return QColor(std::clamp(c.red() + d, 0, 255), std::clamp(c.green() + d, 0, 255),
                  std::clamp(c.blue() + d, 0, 255), c.alpha());
}

QColor brightColour(int index)
{
    static const QColor colours[] = {
        QColor(235, 60, 60),   QColor(255, 150, 30), QColor(255, 215, 40), QColor(90, 195, 70),
        QColor(40, 170, 230),  QColor(140, 90, 220), QColor(250, 110, 170), QColor(30, 200, 180),
        QColor(255, 120, 90),  QColor(60, 110, 230), QColor(180, 220, 50), QColor(200, 70, 160),
    };
    const int n = int(sizeof colours / sizeof colours[0]);
    return colours[((index % n) + n) % n];
}

void fillVerticalGradient(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void fillRadialGlow(QPainter &p, QPointF c, double r, const QColor &inner, const QColor &outer)
{
    QRadialGradient g(c, r);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
}

void blob(QPainter &p, const QRectF &r, const QColor &fill, double outline)
{
    p.setPen(outline > 0 ? inkPen(outline) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawEllipse(r);
}

void blob(QPainter &p, QPointF c, double rx, double ry, const QColor &fill, double outline)
{
    blob(p, QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), fill, outline);
}

void shape(QPainter &p, const QPainterPath &path, const QColor &fill, double outline)
{
    shape(p, path, QBrush(fill), outline);
}

void shape(QPainter &p, const QPainterPath &path, const QBrush &fill, double outline)
{
    p.setPen(outline > 0 ? inkPen(outline) : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath starPath(QPointF c, double outer, double inner, int points, double rotation)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double a = rotation + kPi * i / points - kPi / 2;
        const double r = (i % 2) ? inner : outer;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heartPath(QPointF c, double s)
{
    // Two round lobes meeting in a point below; s is the full width.
    const double h = s * 0.5;
    QPainterPath path;
    path.moveTo(c.x(), c.y() + h * 0.95);
    path.cubicTo(c.x() - h * 0.2, c.y() + h * 0.6, c.x() - h * 1.05, c.y() + h * 0.15,
                 c.x() - h, c.y() - h * 0.3);
    path.cubicTo(c.x() - h * 0.95, c.y() - h * 0.95, c.x() - h * 0.15, c.y() - h * 1.0,
                 c.x(), c.y() - h * 0.45);
    path.cubicTo(c.x() + h * 0.15, c.y() - h * 1.0, c.x() + h * 0.95, c.y() - h * 0.95,
                 c.x() + h, c.y() - h * 0.3);
    path.cubicTo(c.x() + h * 1.05, c.y() + h * 0.15, c.x() + h * 0.2, c.y() + h * 0.6,
                 c.x(), c.y() + h * 0.95);
    path.closeSubpath();
    return path;
}

QPainterPath united(QPainterPath path)
{
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QPainterPath roundRectPath(const QRectF &r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF &pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
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

void drawSparkle(QPainter &p, QPointF c, double r, const QColor &col)
{
    QPainterPath s;
    s.moveTo(c.x(), c.y() - r);
    s.quadTo(c.x(), c.y(), c.x() + r, c.y());
    s.quadTo(c.x(), c.y(), c.x(), c.y() + r);
    s.quadTo(c.x(), c.y(), c.x() - r, c.y());
    s.quadTo(c.x(), c.y(), c.x(), c.y() - r);
    p.setPen(Qt::NoPen);
    p.setBrush(col);
    p.drawPath(s);
}

void drawHeart(QPainter &p, QPointF c, double size, const QColor &fill, double outline)
{
    shape(p, heartPath(c, size), fill, outline);
}

void drawStar(QPainter &p, QPointF c, double r, const QColor &fill, double outline, double rotation)
{
    shape(p, starPath(c, r, r * 0.48, 5, rotation), fill, outline);
}

void drawEye(QPainter &p, QPointF c, double r, QPointF look)
{
    const double ol = std::max(1.5, r * 0.14);
    blob(p, c, r, r * 1.1, QColor(250, 250, 250), ol);
    const QPointF pc(c.x() + look.x() * r * 0.4, c.y() + look.y() * r * 0.4);
    blob(p, pc, r * 0.6, r * 0.66, QColor(45, 35, 45), 0);
    blob(p, QPointF(pc.x() - r * 0.22, pc.y() - r * 0.26), r * 0.2, r * 0.2, QColor(250, 250, 250), 0);
}

void drawSmile(QPainter &p, QPointF c, double w, double d, double pw)
{
    QPainterPath m;
    m.moveTo(c.x() - w / 2, c.y());
    m.quadTo(c.x(), c.y() + d * 2, c.x() + w / 2, c.y());
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(pw));
    p.drawPath(m);
}

void drawCheeks(QPainter &p, QPointF l, QPointF r, double rad)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 120, 140, 150));
    p.drawEllipse(l, rad * 1.2, rad * 0.8);
    p.drawEllipse(r, rad * 1.2, rad * 0.8);
}

void drawPolkaDots(QPainter &p, const QRectF &a, double sp, double r, const QColor &c, bool staggered)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    int row = 0;
    for (double y = a.top(); y < a.bottom() + sp; y += sp, ++row)
        for (double x = a.left() + ((staggered && row % 2) ? sp / 2 : 0); x < a.right() + sp; x += sp)
            p.drawEllipse(QPointF(x, y), r, r);
}

void drawStripes(QPainter &p, const QRectF &a, double w, const QColor &ca, const QColor &cb, bool vertical)
{
    p.setPen(Qt::NoPen);
    int i = 0;
    if (vertical) {
        for (double x = a.left(); x < a.right(); x += w, ++i)
            p.fillRect(QRectF(x, a.top(), std::min(w, a.right() - x), a.height()), i % 2 ? cb : ca);
    } else {
        for (double y = a.top(); y < a.bottom(); y += w, ++i)
            p.fillRect(QRectF(a.left(), y, a.width(), std::min(w, a.bottom() - y)), i % 2 ? cb : ca);
    }
}

void drawChecker(QPainter &p, const QRectF &a, double s, const QColor &ca, const QColor &cb)
{
    int row = 0;
    for (double y = a.top(); y < a.bottom(); y += s, ++row) {
        int col = 0;
        for (double x = a.left(); x < a.right(); x += s, ++col)
            p.fillRect(QRectF(x, y, std::min(s, a.right() - x), std::min(s, a.bottom() - y)),
                       (row + col) % 2 ? cb : ca);
    }
}

void drawWoodPlanks(QPainter &p, const QRectF &a, double plank, const QColor &base, Rng &rng, bool vertical)
{
    p.save();
    p.setClipRect(a);
    const double len = vertical ? a.height() : a.width();
    const double across = vertical ? a.width() : a.height();
    for (double o = 0; o < across; o += plank) {
        double s = -rng.uniform(0, 300);
        while (s < len) {
            const double l = rng.uniform(260, 480);
            const QColor c = jitter(rng, base, 14);
            const QRectF r = vertical ? QRectF(a.left() + o, a.top() + s, plank, l)
                                      : QRectF(a.left() + s, a.top() + o, l, plank);
            QLinearGradient g(r.topLeft(), vertical ? r.topRight() : r.bottomLeft());
            g.setColorAt(0, lighter(c, 0.1));
            g.setColorAt(1, darker(c, 0.08));
            p.fillRect(r, g);
            p.setPen(QPen(darker(c, 0.18), 1.5));
            p.setBrush(Qt::NoBrush);
            // Grain lines along the plank and the odd knot.
            for (int k = 1; k < 4; ++k) {
                QPainterPath grain;
                const double f = k / 4.0 + rng.uniform(-0.05, 0.05);
                if (vertical) {
                    grain.moveTo(r.left() + plank * f, r.top());
                    grain.cubicTo(r.left() + plank * (f + 0.08), r.top() + l * 0.3, r.left() + plank * (f - 0.08),
                                  r.top() + l * 0.7, r.left() + plank * f, r.bottom());
                } else {
                    grain.moveTo(r.left(), r.top() + plank * f);
                    grain.cubicTo(r.left() + l * 0.3, r.top() + plank * (f + 0.08), r.left() + l * 0.7,
                                  r.top() + plank * (f - 0.08), r.right(), r.top() + plank * f);
                }
                p.drawPath(grain);
            }
            if (rng.chance(0.4)) {
                const QPointF k = vertical ? QPointF(r.center().x(), r.top() + rng.uniform(0.2, 0.8) * l)
                                           : QPointF(r.left() + rng.uniform(0.2, 0.8) * l, r.center().y());
                blob(p, k, plank * 0.12, plank * 0.08, darker(c, 0.2), 0);
            }
            p.setPen(QPen(darker(base, 0.4), 3));
            p.drawRect(r);
            s += l;
        }
    }
    p.restore();
}

void drawBricks(QPainter &p, const QRectF &a, double bw, double bh, const QColor &base, const QColor &mortar,
                Rng &rng)
{
    p.save();
    p.setClipRect(a);
    p.fillRect(a, mortar);
    int row = 0;
    for (double y = a.top(); y < a.bottom(); y += bh, ++row) {
        for (double x = a.left() - (row % 2 ? bw / 2 : 0); x < a.right(); x += bw) {
            const QRectF r(x + 2, y + 2, bw - 4, bh - 4);
            QLinearGradient g(r.topLeft(), r.bottomLeft());
            const QColor c = jitter(rng, base, 16);
            g.setColorAt(0, lighter(c, 0.12));
            g.setColorAt(1, darker(c, 0.08));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(r, 3, 3);
        }
    }
    p.restore();
}

void drawScatteredStars(QPainter &p, const QRectF &a, Rng &rng, int count, double minR, double maxR)
{
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.uniform(a.left(), a.right()), rng.uniform(a.top(), a.bottom()));
        const double r = rng.uniform(minR, maxR);
        const int kind = rng.range(0, 5);
        const QColor col = kind == 0 ? QColor(255, 230, 120) : kind == 1 ? QColor(180, 220, 255) : QColor(255, 255, 240);
        if (kind < 2 && r > maxR * 0.6)
            drawSparkle(p, c, r * 2.2, col);
        else {
            p.setPen(Qt::NoPen);
            p.setBrush(col);
            p.drawEllipse(c, r * 0.6, r * 0.6);
        }
    }
}

void drawLetter(QPainter &p, const QRectF &b, char letter, const QColor &c, double pw)
{
    const double l = b.left(), t = b.top(), w = b.width(), h = b.height();
    auto P = [&](double x, double y) { return QPointF(l + x * w, t + y * h); };
    QPainterPath path;
    switch (letter) {
    case 'A':
        path.moveTo(P(0.1, 1));
        path.lineTo(P(0.5, 0));
        path.lineTo(P(0.9, 1));
        path.moveTo(P(0.27, 0.62));
        path.lineTo(P(0.73, 0.62));
        break;
    case 'B':
        path.moveTo(P(0.15, 1));
        path.lineTo(P(0.15, 0));
        path.lineTo(P(0.55, 0));
        path.cubicTo(P(0.85, 0), P(0.85, 0.48), P(0.55, 0.48));
        path.lineTo(P(0.15, 0.48));
        path.moveTo(P(0.55, 0.48));
        path.cubicTo(P(0.95, 0.48), P(0.95, 1), P(0.55, 1));
        path.lineTo(P(0.15, 1));
        break;
    case 'C':
        path.moveTo(P(0.85, 0.18));
        path.cubicTo(P(0.6, -0.08), P(0.05, 0.0), P(0.08, 0.5));
        path.cubicTo(P(0.05, 1.0), P(0.6, 1.08), P(0.85, 0.82));
        break;
    case 'D':
        path.moveTo(P(0.15, 0));
        path.lineTo(P(0.15, 1));
        path.lineTo(P(0.45, 1));
        path.cubicTo(P(1.0, 1), P(1.0, 0), P(0.45, 0));
        path.closeSubpath();
        break;
    case 'E':
        path.moveTo(P(0.8, 0));
        path.lineTo(P(0.2, 0));
        path.lineTo(P(0.2, 1));
        path.lineTo(P(0.8, 1));
        path.moveTo(P(0.2, 0.5));
        path.lineTo(P(0.65, 0.5));
        break;
    default: // 'O' and anything else
        path.addEllipse(QRectF(P(0.1, 0), P(0.9, 1)));
        break;
    }
    p.setBrush(Qt::NoBrush);
    QPen pen(c, pw);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawPath(path);
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

void outline(QPainter &p, const QPainterPath &path, double width)
{
    p.setPen(inkPen(width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

QPainterPath rectPath(const QRectF &r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
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

// A thick curved tube: an ink stroke with a coloured stroke on top.
void drawTube(QPainter &p, const QPainterPath &path, const QColor &c, double width, double outline)
{
    p.setBrush(Qt::NoBrush);
    QPen ink = inkPen(width + 2 * outline);
    p.setPen(ink);
    p.drawPath(path);
    QPen fill(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(fill);
    p.drawPath(path);
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
