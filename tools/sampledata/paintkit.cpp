// The painting helpers: colours, outlined shapes, paths, faces and surface patterns.
#include "paintkit.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace sd {

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

} // namespace sd
