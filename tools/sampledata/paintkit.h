// The painting helpers under the sample pictures and drawings: the random
// source, colours, outlined shapes, paths, faces and surface patterns.
// Everything is plain QPainter work on a QImage, so no display or GUI
// application is needed, and every random choice comes from Rng so the output
// is the same on every run.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <cstdint>

namespace sd {

constexpr double kPi = 3.14159265358979323846;

// A small xorshift generator. The standard distributions are not required to
// give the same numbers on every library, so we do our own arithmetic.
class Rng
{
public:
    explicit Rng(std::uint32_t seed) : m_state(seed ? seed : 0x9e3779b9u) {}
    std::uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    double unit() { return (next() >> 8) / double(1u << 24); }          // [0, 1)
    double uniform(double lo, double hi) { return lo + (hi - lo) * unit(); }
    int range(int lo, int hi) { return lo + int(next() % std::uint32_t(hi - lo + 1)); } // inclusive
    bool chance(double p) { return unit() < p; }

private:
    std::uint32_t m_state;
};

// The dark outline used everywhere gives the cartoon look small children know.
extern const QColor kInk;
QPen inkPen(double width);

QColor mix(const QColor &a, const QColor &b, double t);
QColor lighter(const QColor &c, double t); // towards white
QColor darker(const QColor &c, double t);  // towards black
QColor jitter(Rng &rng, const QColor &c, int amount);
// One of a dozen bright, friendly colours.
QColor brightColour(int index);

void fillVerticalGradient(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom);
void fillRadialGlow(QPainter &p, QPointF c, double r, const QColor &inner, const QColor &outer);

// Ellipse / shape helpers that fill and outline in one go.
void blob(QPainter &p, const QRectF &r, const QColor &fill, double outline = 4);
void blob(QPainter &p, QPointF c, double rx, double ry, const QColor &fill, double outline = 4);
void shape(QPainter &p, const QPainterPath &path, const QColor &fill, double outline = 4);
void shape(QPainter &p, const QPainterPath &path, const QBrush &fill, double outline = 4);

QPainterPath starPath(QPointF c, double outer, double inner, int points, double rotation = 0);
QPainterPath heartPath(QPointF c, double size);
QPainterPath roundRectPath(const QRectF &r, double radius);
QPainterPath polygonPath(std::initializer_list<QPointF> points);
QPainterPath rectPath(const QRectF &r);
// One outline around overlapping sub-shapes (clouds, tree crowns, puffs).
QPainterPath united(QPainterPath path);
// Just the ink outline of a path.
void outline(QPainter &p, const QPainterPath &path, double width);
// A thick curved tube: an ink stroke with a coloured stroke on top.
void drawTube(QPainter &p, const QPainterPath &path, const QColor &c, double width, double outline = 4);

// Small shapes that decorate anything: sparkles, hearts and stars.
void drawSparkle(QPainter &p, QPointF c, double r, const QColor &c1);
void drawHeart(QPainter &p, QPointF c, double size, const QColor &fill, double outline = 3);
void drawStar(QPainter &p, QPointF c, double r, const QColor &fill, double outline = 3,
              double rotation = 0);

// Faces.
void drawEye(QPainter &p, QPointF c, double r, QPointF look = QPointF(0, 0));
void drawSmile(QPainter &p, QPointF c, double width, double depth, double penWidth = 4);
void drawCheeks(QPainter &p, QPointF left, QPointF right, double r);

// Surfaces: patterns clipped to whatever clip the painter has.
void drawPolkaDots(QPainter &p, const QRectF &area, double spacing, double r, const QColor &c,
                   bool staggered = true);
void drawStripes(QPainter &p, const QRectF &area, double width, const QColor &a, const QColor &b,
                 bool vertical);
void drawChecker(QPainter &p, const QRectF &area, double size, const QColor &a, const QColor &b);
void drawWoodPlanks(QPainter &p, const QRectF &area, double plank, const QColor &base, Rng &rng,
                    bool vertical);
void drawBricks(QPainter &p, const QRectF &area, double bw, double bh, const QColor &base,
                const QColor &mortar, Rng &rng);
void drawScatteredStars(QPainter &p, const QRectF &area, Rng &rng, int count, double minR,
                        double maxR);

// A capital letter drawn with thick round strokes inside a box (no fonts needed).
void drawLetter(QPainter &p, const QRectF &box, char letter, const QColor &c, double penWidth);

} // namespace sd
