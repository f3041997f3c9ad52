// The sample pictures' scenes, one per picture, each with its main subject
// alone. Coordinates are in pixels of the 1600 x 1200 picture. Every part of
// each scene carries some detail so that the pieces of a cut-up puzzle can be
// told apart.
#include "scenes.h"

#include "figures.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace sd {

// ---------------------------------------------------------------- the cat

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

// The whole train: three carriages and the engine.
void paintTrainSubject(QPainter &p)
{
    p.save();
    placeTrain(p);
    drawCarriage(p, QRectF(20, 690, 290, 190), QColor(70, 150, 235), 0);
    drawCarriage(p, QRectF(340, 690, 290, 190), QColor(255, 195, 50), 1);
    drawCarriage(p, QRectF(660, 690, 290, 190), QColor(110, 200, 90), 2);
    for (double cx : {310.0, 630.0, 950.0})
        shape(p, roundRectPath(QRectF(cx - 6, 845, 42, 14), 6), QColor(60, 60, 75), 3);
    drawLocomotive(p, QPointF(990, 900));
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
    drawRailway(p, 900);
    // Smoke rising from the chimney back over the carriages.
    for (int i = 0; i < 6; ++i)
        drawSmokePuff(p, QPointF(1380 - i * 110 - i * i * 6, 430 - i * 55 - i * i * 4), 42 + i * 10);
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

// The big orange fish.
void paintFishTankSubject(QPainter &p)
{
    drawFish(p, QPointF(560, 460), 190, QColor(255, 140, 40), QColor(255, 110, 30), 0, false);
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
        drawSeaweed(p, QPointF(x, 1010 + rng.uniform(0, 40)), rng.uniform(260, 560), i % 2 ? QColor(60, 180, 80) : QColor(110, 200, 70), i * 0.9);
    }
    drawCoral(p, QPointF(330, 1060), 230, QColor(255, 110, 140));
    drawCoral(p, QPointF(1080, 1080), 200, QColor(255, 150, 70));
    drawCoral(p, QPointF(1520, 1050), 190, QColor(190, 110, 230));
    drawTreasureChest(p, QPointF(640, 1110), 230);
    drawStarfish(p, QPointF(170, 1120), 55, QColor(255, 140, 60), 0.3);
    drawStarfish(p, QPointF(1420, 1140), 45, QColor(250, 90, 120), -0.2);
    drawShell(p, QPointF(880, 1150), 35, QColor(255, 200, 210));
    drawShell(p, QPointF(1220, 1130), 30, QColor(255, 225, 170));
    drawCrab(p, QPointF(940, 1060), 120);
    // The fish, big and small, swimming both ways.
    paintFishTankSubject(p);
    drawFish(p, QPointF(1150, 300), 140, QColor(60, 130, 240), QColor(255, 215, 50), 1, true);
    drawFish(p, QPointF(260, 200), 100, QColor(255, 215, 50), QColor(60, 180, 230), 2, false);
    drawFish(p, QPointF(1200, 620), 120, QColor(240, 90, 160), QColor(150, 90, 230), 3, true);
    drawFish(p, QPointF(220, 720), 90, QColor(120, 210, 90), QColor(255, 180, 40), 1, false);
    drawFish(p, QPointF(860, 780), 80, QColor(160, 110, 240), QColor(250, 120, 180), 2, true);
    drawFish(p, QPointF(1460, 460), 70, QColor(255, 120, 90), QColor(255, 200, 60), 0, true);
    drawFish(p, QPointF(760, 170), 60, QColor(40, 200, 190), QColor(250, 240, 90), 3, false);
    for (const QPointF &b : {QPointF(790, 420), QPointF(960, 300), QPointF(80, 620), QPointF(1530, 880), QPointF(450, 880),
                             QPointF(1000, 900), QPointF(1400, 240)})
        drawBubbles(p, b, 5, rng.uniform(6, 11));
}

// ---------------------------------------------------------------- the farm

// The cow.
void paintFarmSubject(QPainter &p)
{
    drawCow(p, QPointF(900, 860), 360);
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
    drawSilo(p, QRectF(90, 330, 110, 330));
    drawBarn(p, QRectF(200, 280, 420, 420), rng);
    drawTree(p, QPointF(1420, 720), 380, rng, true);
    drawMeadow(p, QRectF(0, 680, kPictureWidth, 520), rng, 1000);
    drawPicketFence(p, 620, 1620, 640, 760, 34, false);
    drawHayBale(p, QPointF(720, 760), 70);
    drawHayBale(p, QPointF(120, 830), 80);
    paintFarmSubject(p);
    drawPig(p, QPointF(380, 1010), 200);
    drawHen(p, QPointF(150, 1080), 110, false);
    drawHen(p, QPointF(1380, 1060), 100, true);
    drawHen(p, QPointF(1500, 950), 80, true);
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

// The big red balloon.
void paintBalloonsSubject(QPainter &p)
{
    drawBalloon(p, QPointF(820, 440), 230, 0, QColor(240, 70, 70), QColor(255, 180, 40));
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
    drawBalloon(p, QPointF(330, 330), 140, 1, QColor(70, 160, 240), QColor(250, 250, 250));
    drawBalloon(p, QPointF(1310, 300), 160, 2, QColor(150, 90, 220), QColor(255, 150, 200));
    drawBalloon(p, QPointF(160, 800), 90, 0, QColor(90, 200, 90), QColor(255, 230, 70));
    drawBalloon(p, QPointF(1440, 820), 100, 1, QColor(255, 130, 40), QColor(250, 240, 120));
    drawBalloon(p, QPointF(560, 880), 60, 2, QColor(40, 190, 180), QColor(250, 250, 250));
    drawBalloon(p, QPointF(1110, 780), 70, 0, QColor(255, 110, 170), QColor(120, 110, 240));
}

// ---------------------------------------------------------------- the sailing boat

// The sailing boat.
void paintBoatSubject(QPainter &p)
{
    drawSailboat(p, QPointF(700, 860), 420);
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
    drawIsland(p, QPointF(1330, 640), 440, rng);
    paintBoatSubject(p);
    // A foam line round the hull and the bow wave.
    p.setPen(QPen(QColor(255, 255, 255), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 8; ++i)
        p.drawArc(QRectF(440 + i * 70, 955, 70, 30), 180 * 16, 180 * 16);
    drawDolphin(p, QPointF(220, 850), 150);
    drawDolphin(p, QPointF(1280, 1020), 120);
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

// ---------------------------------------------------------------- the rocket

// The rocket.
void paintRocketSubject(QPainter &p)
{
    drawRocket(p, QPointF(720, 560), 330, 25);
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
    drawPlanetWithRing(p, QPointF(1280, 260), 140);
    drawMoon(p, QPointF(240, 960), 190, rng);
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
    drawComet(p, QPointF(1000, 180), 110);
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
    drawUfo(p, QPointF(1240, 720), 230);
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

// The teddy bear.
void paintTeddySubject(QPainter &p)
{
    drawTeddy(p, QPointF(780, 720), 330);
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
    drawWindow(p, QRectF(190, 190, 420, 370), rng);
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
    drawBookshelf(p, QRectF(1000, 420, 520, 180), rng);
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
    drawRug(p, QPointF(780, 1000), 520, 150);
    drawBalloonOnString(p, QPointF(140, 640), 60, QColor(240, 70, 80), QPointF(330, 980));
    drawBalloonOnString(p, QPointF(260, 700), 55, QColor(255, 200, 50), QPointF(330, 980));
    drawBalloonOnString(p, QPointF(90, 790), 50, QColor(90, 180, 240), QPointF(330, 980));
    paintTeddySubject(p);
    drawLetterBlock(p, QPointF(230, 1140), 110, QColor(240, 80, 80), 'A', -6);
    drawLetterBlock(p, QPointF(390, 1150), 110, QColor(70, 150, 230), 'B', 4);
    drawLetterBlock(p, QPointF(310, 1030), 100, QColor(90, 190, 90), 'C', -2);
    drawLetterBlock(p, QPointF(1240, 1150), 100, QColor(255, 160, 40), 'D', 8);
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

// The long-necked dinosaur.
void paintDinosaurSubject(QPainter &p)
{
    drawLongNeck(p, QPointF(700, 820), 430);
}

void paintDinosaur(QPainter &p, unsigned seed)
{
    Rng rng(seed);
    drawSky(p, kPictureWidth, 700, rng, {QPointF(700, 110), QPointF(1150, 200), QPointF(960, 60)}, QColor(120, 200, 250), QColor(255, 230, 170));
    drawSun(p, QPointF(1450, 120), 80, true);
    drawVolcano(p, QPointF(300, 620), 560, 360);
    drawPterodactyl(p, QPointF(760, 300), 140);
    drawPterodactyl(p, QPointF(1000, 420), 80);
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
    drawEggNest(p, QPointF(250, 1070), 230);
    for (const QPointF &f : {QPointF(480, 1200), QPointF(1000, 1200), QPointF(1560, 1200), QPointF(40, 1200)})
        drawFern(p, f, 200, 0);
    drawRock(p, QPointF(1000, 880), 150, 80, QColor(170, 160, 150), rng);
    drawRock(p, QPointF(560, 1150), 120, 60, QColor(190, 170, 150), rng);
    drawButterfly(p, QPointF(1080, 620), 50, QColor(255, 200, 50), QColor(255, 120, 80), 10);
    drawFlower(p, QPointF(900, 1100), 24, QColor(250, 120, 170));
    drawFlower(p, QPointF(1400, 880), 20, QColor(255, 220, 60));
    drawFlower(p, QPointF(380, 880), 22, QColor(120, 170, 250));
}

// ---------------------------------------------------------------- the lighthouse

namespace {

// Where the lighthouse stands on the cliff, and how high it is.
constexpr QPointF kLighthouseBase(1300, 640);
constexpr double kLighthouseHeight = 420;

} // namespace

// The lighthouse.
void paintLighthouseSubject(QPainter &p)
{
    drawLighthouse(p, kLighthouseBase, kLighthouseHeight);
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
    drawLighthouseBeams(p, kLighthouseBase, kLighthouseHeight);
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
        drawSeagull(p, g, 38);
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
    drawBucket(p, QPointF(260, 1150), 120);
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

// The toy chest with the toys peeking out.
void paintToyBoxSubject(QPainter &p)
{
    // The planks take their own random numbers, so the chest comes out the
    // same alone as in the scene.
    Rng planks(0x70c4e57u);
    drawToyChest(p, QRectF(520, 700, 560, 340), planks);
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
    drawKite(p, QPointF(230, 250), 130);
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
    drawRobot(p, QPointF(1290, 900), 220);
    drawDrum(p, QPointF(260, 850), 110);
    drawToyCar(p, QPointF(1200, 1130), 150, QColor(240, 70, 70));
    drawSpinningTop(p, QPointF(470, 1165), 120);
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
