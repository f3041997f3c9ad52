// Each drawing is painted in a 100 x 100 box with thick dark outlines, so it
// stays readable when shrunk to 50-80 pixels and its edge pixels have a solid
// colour once the soft edge is cut to the GIF's all-or-nothing transparency.
// Eye whites and shines use off-white, because pure white is see-through for
// the editor's stamping.
#include "drawings.h"

#include "paintkit.h"

#include <QPainter>

#include <cmath>

namespace sd {

namespace {

const QColor kOffWhite(250, 250, 250);

double phase(int frame, int frames) { return 2 * kPi * frame / frames; }

// A plain filled dot: pupils, antenna tips, shines.
void dot(QPainter &p, QPointF c, double r, const QColor &col) { blob(p, c, r, r, col, 0); }

void paintBee(QPainter &p, int frame, int frames)
{
    const double t = phase(frame, frames);
    p.translate(0, 6 * std::sin(t));
    const bool up = frame % 2 == 0;
    const QColor wing(200, 230, 255);
    // Wings flap between raised and lowered.
    p.save();
    p.translate(42, 40);
    p.rotate(up ? -30 : 10);
    blob(p, QPointF(0, -14), 11, 17, wing, 3);
    p.restore();
    p.save();
    p.translate(56, 40);
    p.rotate(up ? 25 : -5);
    blob(p, QPointF(0, -14), 10, 15, wing, 3);
    p.restore();
    // Stinger, striped body, head and antennae.
    shape(p, polygonPath({QPointF(16, 58), QPointF(6, 62), QPointF(17, 66)}), kInk, 2);
    QPainterPath body;
    body.addEllipse(QPointF(44, 60), 30, 21);
    shape(p, body, QColor(255, 205, 40), 3.5);
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 45, 50));
    for (double x : {26.0, 42.0, 58.0})
        p.drawRect(QRectF(x - 4, 30, 8, 60));
    p.restore();
    outline(p, body, 3.5);
    blob(p, QPointF(76, 54), 15, 15, QColor(255, 215, 60), 3.5);
    p.setPen(inkPen(2.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(72, 41), QPointF(68, 28));
    p.drawLine(QPointF(81, 41), QPointF(86, 29));
    dot(p, QPointF(68, 27), 3, kInk);
    dot(p, QPointF(86, 28), 3, kInk);
    blob(p, QPointF(79, 52), 4.5, 5, kOffWhite, 1.5);
    dot(p, QPointF(80, 53), 2.5, kInk);
    p.setPen(inkPen(2.5));
    p.drawArc(QRectF(72, 55, 10, 7), 200 * 16, 140 * 16);
    blob(p, QPointF(72, 60), 3, 2, QColor(255, 130, 140), 0);
}

void paintBird(QPainter &p, int frame, int frames)
{
    const double t = phase(frame, frames);
    p.translate(0, -4 * std::sin(t));
    const QColor red(235, 70, 70), belly(255, 200, 170);
    // Tail.
    shape(p, polygonPath({QPointF(22, 52), QPointF(4, 40), QPointF(8, 60), QPointF(4, 70)}), QColor(200, 50, 60), 3);
    QPainterPath body;
    body.addEllipse(QPointF(48, 56), 30, 25);
    shape(p, body, red, 3.5);
    blob(p, QPointF(56, 66), 18, 12, belly, 0);
    blob(p, QPointF(66, 40), 17, 17, red, 3.5);
    blob(p, QPointF(71, 36), 5, 5.5, kOffWhite, 1.5);
    dot(p, QPointF(72, 37), 2.8, kInk);
    shape(p, polygonPath({QPointF(80, 40), QPointF(96, 45), QPointF(80, 50)}), QColor(255, 180, 40), 2.5);
    blob(p, QPointF(70, 48), 3.5, 2.5, QColor(255, 140, 150), 0);
    // The wing swings about the shoulder from raised to lowered.
    const double lift = std::cos(t);
    p.save();
    p.translate(44, 54);
    p.rotate(10 + 45 * lift);
    blob(p, QPointF(-13, 0), 17, 9, QColor(200, 50, 60), 3);
    p.setPen(QPen(QColor(150, 30, 45), 2));
    p.drawLine(QPointF(-24, -2), QPointF(-12, -1));
    p.drawLine(QPointF(-22, 4), QPointF(-11, 3));
    p.restore();
    p.setPen(inkPen(3));
    p.drawLine(QPointF(44, 80), QPointF(42, 90));
    p.drawLine(QPointF(54, 80), QPointF(56, 90));
}

void paintStar(QPainter &p, int frame, int frames)
{
    const double t = phase(frame, frames);
    const double s = 1 + 0.1 * std::sin(t);
    p.translate(50, 52);
    p.scale(s, s);
    p.rotate(8 * std::sin(t));
    QPainterPath star = starPath(QPointF(0, 0), 44, 21, 5);
    shape(p, star, QColor(255, 210, 40), 4);
    shape(p, starPath(QPointF(0, 0), 30, 15, 5), QColor(255, 235, 110), 0);
    blob(p, QPointF(-10, -4), 4.5, 5.5, kInk, 0);
    blob(p, QPointF(10, -4), 4.5, 5.5, kInk, 0);
    dot(p, QPointF(-11, -6), 1.6, kOffWhite);
    dot(p, QPointF(9, -6), 1.6, kOffWhite);
    drawSmile(p, QPointF(0, 6), 12, 4, 3);
    blob(p, QPointF(-17, 5), 4, 3, QColor(255, 130, 140), 0);
    blob(p, QPointF(17, 5), 4, 3, QColor(255, 130, 140), 0);
}

void paintHeart(QPainter &p, int frame, int frames)
{
    // Two quick beats, then a rest.
    static const double beat[] = {1.0, 1.12, 0.96, 1.1, 1.0, 0.98};
    const double s = beat[frame * 6 / frames];
    p.translate(50, 52);
    p.scale(s, s);
    shape(p, heartPath(QPointF(0, 0), 84), QColor(235, 50, 80), 4);
    blob(p, QPointF(-20, -20), 7, 10, QColor(255, 150, 170), 0);
    dot(p, QPointF(-22, -24), 3, QColor(255, 210, 220));
}

void paintSun(QPainter &p, int frame, int frames)
{
    const double t = 360.0 * frame / frames / 6; // rays turn one step in a loop
    p.save();
    p.translate(50, 50);
    p.rotate(t);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.rotate(i * 30);
        shape(p, polygonPath({QPointF(-6, -30), QPointF(0, i % 2 ? -44 : -49), QPointF(6, -30)}),
              i % 2 ? QColor(255, 160, 30) : QColor(255, 210, 40), 2.5);
        p.restore();
    }
    p.restore();
    blob(p, QPointF(50, 50), 31, 31, QColor(255, 215, 50), 3.5);
    const bool blink = frame == frames - 2;
    if (blink) {
        p.setPen(inkPen(3));
        p.drawLine(QPointF(35, 45), QPointF(45, 45));
        p.drawLine(QPointF(55, 45), QPointF(65, 45));
    } else {
        blob(p, QPointF(40, 44), 4, 5, kInk, 0);
        blob(p, QPointF(60, 44), 4, 5, kInk, 0);
        dot(p, QPointF(39, 42), 1.5, kOffWhite);
        dot(p, QPointF(59, 42), 1.5, kOffWhite);
    }
    blob(p, QPointF(32, 56), 5, 3.5, QColor(255, 130, 110), 0);
    blob(p, QPointF(68, 56), 5, 3.5, QColor(255, 130, 110), 0);
    drawSmile(p, QPointF(50, 56), 20, 6, 3);
}

void paintFlower(QPainter &p, int frame, int frames)
{
    // A bud on a stem opens into a flower; the last frame stays.
    const double open = double(frame) / (frames - 1);
    p.setPen(QPen(QColor(40, 130, 50), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, 96), QPointF(50, 45));
    p.save();
    p.translate(50, 78);
    p.rotate(-40);
    blob(p, QPointF(12, 0), 13, 6, QColor(90, 190, 70), 2.5);
    p.restore();
    p.save();
    p.translate(50, 70);
    p.rotate(220);
    blob(p, QPointF(12, 0), 12, 5.5, QColor(90, 190, 70), 2.5);
    p.restore();
    const QPointF c(50, 38);
    if (open < 0.2) {
        blob(p, c, 11, 15, QColor(250, 110, 160), 3);
        shape(p, polygonPath({QPointF(40, 42), QPointF(50, 56), QPointF(60, 42)}), QColor(90, 190, 70), 2.5);
        return;
    }
    const double k = (open - 0.2) / 0.8;
    const double r = 14 + 20 * k;
    for (int i = 0; i < 6; ++i) {
        const double a = 2 * kPi * i / 6 - kPi / 2;
        p.save();
        p.translate(c.x() + r * 0.6 * std::cos(a), c.y() + r * 0.6 * std::sin(a));
        p.rotate(a * 180 / kPi);
        blob(p, QPointF(0, 0), r * 0.48, r * 0.34, i % 2 ? QColor(250, 110, 160) : QColor(255, 140, 185), 3);
        p.restore();
    }
    blob(p, c, r * 0.38, r * 0.38, QColor(255, 210, 50), 3);
    if (k > 0.5) {
        dot(p, QPointF(c.x() - 4, c.y() - 2), 2, kInk);
        dot(p, QPointF(c.x() + 4, c.y() - 2), 2, kInk);
        drawSmile(p, QPointF(c.x(), c.y() + 3), 7, 2, 2);
    }
}

void paintButterflyDrawing(QPainter &p, int frame, int frames)
{
    const double t = phase(frame, frames);
    p.translate(50, 50 + 3 * std::sin(t));
    const double open = 0.35 + 0.65 * std::fabs(std::cos(t / 2 * 2));
    const QColor upper(250, 120, 190), lower(140, 100, 230);
    for (int side : {-1, 1}) {
        p.save();
        p.scale(side * open, 1);
        blob(p, QPointF(20, -12), 21, 18, upper, 3.5);
        blob(p, QPointF(15, 16), 14, 13, lower, 3.5);
        blob(p, QPointF(24, -14), 7, 7, QColor(255, 220, 90), 0);
        blob(p, QPointF(16, 17), 4.5, 4.5, QColor(255, 200, 230), 0);
        p.restore();
    }
    blob(p, QPointF(0, 4), 5, 22, QColor(80, 55, 70), 3);
    blob(p, QPointF(0, -22), 7, 7, QColor(80, 55, 70), 3);
    p.setPen(inkPen(2.5));
    p.drawLine(QPointF(-3, -28), QPointF(-10, -40));
    p.drawLine(QPointF(3, -28), QPointF(10, -40));
    dot(p, QPointF(-10, -41), 3, kInk);
    dot(p, QPointF(10, -41), 3, kInk);
    dot(p, QPointF(-2.5, -23), 1.5, kOffWhite);
    dot(p, QPointF(2.5, -23), 1.5, kOffWhite);
}

void paintBall(QPainter &p, int frame, int frames)
{
    // Dropped in, it bounces once, lands again and rests: made to play once.
    static const double heights[] = {1.0, 0.55, 0.0, 0.5, 0.62, 0.35, 0.0, 0.0};
    static const bool squashed[] = {false, false, true, false, false, false, true, false};
    const int i = frame * 8 / frames;
    const double height = heights[i];
    const double y = 76 - 52 * height;
    const double sx = squashed[i] ? 1.18 : 1.0, sy = squashed[i] ? 0.82 : 1.0;
    blob(p, QPointF(50, 95), 18 - 8 * height, 3.5, QColor(120, 110, 140), 0);
    p.save();
    p.translate(50, y + 20 * (1 - sy));
    p.scale(sx, sy);
    p.rotate(40.0 * std::min(i, 6));
    QPainterPath ball;
    ball.addEllipse(QPointF(0, 0), 20, 20);
    shape(p, ball, QColor(250, 245, 235), 3.5);
    p.save();
    p.setClipPath(ball);
    for (int k = 0; k < 3; ++k)
        shape(p, polygonPath({QPointF(0, 0), QPointF(30 * std::cos(k * 2.094), 30 * std::sin(k * 2.094)),
                              QPointF(30 * std::cos(k * 2.094 + 1.0), 30 * std::sin(k * 2.094 + 1.0))}),
              brightColour(k * 4), 0);
    p.restore();
    outline(p, ball, 3.5);
    p.restore();
    blob(p, QPointF(43, y - 8), 4, 3, QColor(250, 250, 245), 0);
}

void paintFishDrawing(QPainter &p, int frame, int frames)
{
    const double t = phase(frame, frames);
    const double wag = 10 * std::sin(t);
    p.translate(0, 3 * std::sin(t));
    const QColor body(255, 140, 40), fin(255, 100, 40);
    shape(p, polygonPath({QPointF(26, 52), QPointF(6, 34 + wag), QPointF(12, 52), QPointF(6, 70 + wag)}), fin, 3);
    shape(p, polygonPath({QPointF(40, 36), QPointF(52, 22), QPointF(64, 37)}), fin, 3);
    QPainterPath b;
    b.addEllipse(QPointF(52, 52), 32, 20);
    shape(p, b, body, 3.5);
    p.save();
    p.setClipPath(b);
    for (double x : {38.0, 58.0})
        shape(p, roundRectPath(QRectF(x, 20, 8, 70), 3), kOffWhite, 2.5);
    p.restore();
    outline(p, b, 3.5);
    blob(p, QPointF(70, 46), 6, 6.5, kOffWhite, 2);
    dot(p, QPointF(72, 47), 3.2, kInk);
    drawSmile(p, QPointF(78, 57), 7, 2, 2.5);
    // A bubble rising from the mouth.
    const double by = 44 - 36 * (double(frame) / frames);
    p.setPen(QPen(QColor(60, 150, 220), 2.5));
    p.setBrush(QColor(200, 235, 255));
    p.drawEllipse(QPointF(88, by), 5, 5);
}

void paintFrog(QPainter &p, int frame, int frames)
{
    // Sits, crouches, leaps and lands; blinks once while sitting.
    static const double hop[] = {0, 0, 4, -14, -26, -14, 2, 0};
    const int i = frame * 8 / frames;
    const double dy = hop[i];
    const bool inAir = dy < -5;
    const QColor green(100, 200, 80), light(190, 235, 140);
    p.translate(0, dy);
    // Back legs: folded when sitting, stretched in the air.
    for (int side : {-1, 1}) {
        if (inAir)
            blob(p, QPointF(50 + side * 26, 84), 8, 16, green, 3);
        else
            blob(p, QPointF(50 + side * 30, 76), 15, 11, green, 3);
        blob(p, QPointF(50 + side * (inAir ? 28 : 36), inAir ? 98 : 86), 9, 4, green, 2.5);
    }
    blob(p, QPointF(50, 66), 30, 24, green, 3.5);
    blob(p, QPointF(50, 72), 18, 14, light, 0);
    for (int side : {-1, 1}) {
        blob(p, QPointF(50 + side * 17, 38), 12, 12, green, 3.5);
        const bool blink = i == 1;
        if (blink) {
            p.setPen(inkPen(2.5));
            p.drawLine(QPointF(50 + side * 17 - 6, 38), QPointF(50 + side * 17 + 6, 38));
        } else {
            blob(p, QPointF(50 + side * 17, 38), 7, 7, kOffWhite, 2);
            dot(p, QPointF(50 + side * 17 + 1, 39), 3.5, kInk);
        }
    }
    blob(p, QPointF(50, 52), 24, 14, green, 0);
    drawSmile(p, QPointF(50, 56), 26, 5, 3);
    blob(p, QPointF(30, 56), 4, 3, QColor(255, 140, 150), 0);
    blob(p, QPointF(70, 56), 4, 3, QColor(255, 140, 150), 0);
    for (int side : {-1, 1})
        blob(p, QPointF(50 + side * 14, 88), 6, 4, green, 2.5);
}

void paintHand(QPainter &p, int frame, int frames)
{
    // A friendly open hand waving from the wrist.
    static const double angle[] = {-18, -6, 12, 20, 8, -8};
    const double a = angle[frame * 6 / frames];
    p.translate(50, 90);
    p.rotate(a);
    const QColor skin(255, 205, 150), cuff(70, 140, 230);
    for (int f = 0; f < 4; ++f) {
        const double x = -22 + f * 14.5;
        const double len = f == 0 || f == 3 ? 28 : 34;
        shape(p, roundRectPath(QRectF(x - 6, -48 - len + (f == 0 || f == 3 ? 4 : 0), 12.5, len + 14), 6.2), skin, 3);
    }
    p.save();
    p.translate(-26, -34);
    p.rotate(-45);
    shape(p, roundRectPath(QRectF(-6, -26, 12.5, 30), 6.2), skin, 3);
    p.restore();
    shape(p, roundRectPath(QRectF(-28, -52, 56, 44), 16), skin, 3);
    blob(p, QPointF(-12, -36), 2.5, 3.2, kInk, 0);
    blob(p, QPointF(10, -36), 2.5, 3.2, kInk, 0);
    drawSmile(p, QPointF(-1, -28), 14, 3, 2.5);
    shape(p, roundRectPath(QRectF(-22, -12, 44, 16), 5), cuff, 3);
}

// A jigsaw piece: a square whose sides have a knob (1), a socket (-1) or
// nothing (0), in the order top, right, bottom, left.
QPainterPath jigsaw(const QRectF &r, int top, int right, int bottom, int left)
{
    QPainterPath piece;
    piece.addRect(r);
    const double k = r.width() * 0.17;
    const QPointF mids[4] = {QPointF(r.center().x(), r.top()), QPointF(r.right(), r.center().y()),
                             QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y())};
    const QPointF out[4] = {QPointF(0, -1), QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0)};
    const int kinds[4] = {top, right, bottom, left};
    for (int i = 0; i < 4; ++i) {
        if (kinds[i] == 0)
            continue;
        QPainterPath knob;
        const QPointF c = mids[i] + out[i] * (k * 0.75 * kinds[i]);
        knob.addEllipse(c, k, k);
        piece = kinds[i] > 0 ? piece.united(knob) : piece.subtracted(knob);
    }
    return piece;
}

void paintTitle(QPainter &p, int frame, int frames)
{
    // Painted in the drawing's own 137 x 113 pixel space (the painter is not scaled).
    const double t = phase(frame, frames);
    // Three happy jigsaw pieces hop in a wave over a little rainbow.
    p.setBrush(Qt::NoBrush);
    static const QColor bands[] = {QColor(235, 70, 70), QColor(255, 170, 40), QColor(255, 225, 60), QColor(90, 200, 80),
                                   QColor(70, 150, 235)};
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(bands[i], 5, Qt::SolidLine, Qt::FlatCap));
        const double r = 64 - i * 5;
        p.drawArc(QRectF(68.5 - r, 104 - r, 2 * r, 2 * r), 0, 180 * 16);
    }
    struct Piece { double x; QColor c; int sides[4]; };
    const Piece pieces[3] = {{8, QColor(240, 80, 80), {1, 1, 0, 0}},
                             {50, QColor(70, 160, 240), {0, 1, 1, -1}},
                             {92, QColor(100, 200, 80), {1, 0, 0, -1}}};
    for (int i = 0; i < 3; ++i) {
        const double hop = std::max(0.0, std::sin(t - i * 2 * kPi / 3));
        const double y = 66 - 30 * hop;
        const double squash = hop < 0.05 ? 0.08 : 0.0;
        p.save();
        p.translate(pieces[i].x + 18, y + 16);
        p.scale(1 + squash, 1 - squash);
        p.rotate(8 * std::sin(t * 2 - i));
        const QPainterPath piece = jigsaw(QRectF(-15, -15, 30, 30), pieces[i].sides[0], pieces[i].sides[1],
                                          pieces[i].sides[2], pieces[i].sides[3]);
        shape(p, piece, pieces[i].c, 2.5);
        blob(p, QPointF(-6, -3), 2.2, 2.8, kInk, 0);
        blob(p, QPointF(6, -3), 2.2, 2.8, kInk, 0);
        drawSmile(p, QPointF(0, 3), 9, 2.5, 2);
        blob(p, QPointF(-10, 3), 2.5, 1.8, QColor(255, 170, 180), 0);
        blob(p, QPointF(10, 3), 2.5, 1.8, QColor(255, 170, 180), 0);
        p.restore();
        // Shadow on the ground line.
        blob(p, QPointF(pieces[i].x + 18, 104), 12 - 5 * hop, 2.5, QColor(140, 120, 160), 0);
    }
    // Twinkling stars round the top.
    for (int i = 0; i < 4; ++i) {
        const double s = 0.6 + 0.4 * std::fabs(std::sin(t + i * 1.3));
        const QPointF c(16 + i * 35, 12 + (i % 2) * 10);
        shape(p, starPath(c, 7 * s, 3.2 * s, 5), QColor(255, 215, 50), 1.8);
    }
}

void paintTitleScaled(QPainter &p, int frame, int frames)
{
    // The recipe painter scales 100 units to the drawing width; undo that so
    // the title can use its own pixel space.
    p.resetTransform();
    paintTitle(p, frame, frames);
}

} // namespace

QString animalFolderName() { return QStringLiteral("animales"); }

const std::vector<DrawingRecipe> &drawingRecipes()
{
    static const std::vector<DrawingRecipe> recipes = {
        {QStringLiteral("inicio.gif"), 137, 113, 12, 10, true, false, paintTitleScaled},
        {QStringLiteral("x_elmani.gif"), 57, 57, 6, 12, true, false, paintHand},
        {QStringLiteral("abeja.gif"), 64, 64, 6, 9, true, true, paintBee},
        {QStringLiteral("pajaro.gif"), 64, 64, 6, 11, true, true, paintBird},
        {QStringLiteral("estrella.gif"), 56, 56, 8, 10, true, false, paintStar},
        {QStringLiteral("corazon.gif"), 56, 56, 6, 12, true, false, paintHeart},
        {QStringLiteral("sol.gif"), 80, 80, 8, 12, true, false, paintSun},
        {QStringLiteral("flor.gif"), 72, 72, 8, 13, false, false, paintFlower},
        {QStringLiteral("mariposa.gif"), 72, 72, 6, 10, true, true, paintButterflyDrawing},
        {QStringLiteral("pelota.gif"), 64, 64, 8, 9, false, false, paintBall},
        {QStringLiteral("pez.gif"), 80, 80, 6, 12, true, true, paintFishDrawing},
        {QStringLiteral("rana.gif"), 72, 72, 8, 11, true, true, paintFrog},
    };
    return recipes;
}

std::vector<QImage> renderDrawing(const DrawingRecipe &recipe)
{
    std::vector<QImage> frames;
    for (int f = 0; f < recipe.frames; ++f) {
        QImage image(recipe.width, recipe.height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(recipe.width / 100.0, recipe.height / 100.0);
        recipe.paint(p, f, recipe.frames);
        p.end();
        frames.push_back(image);
    }
    return frames;
}

} // namespace sd
