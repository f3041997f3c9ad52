// The figures the sample pictures are made of: animals (figures_animals.cpp),
// things people make (figures_objects.cpp) and nature (figures_nature.cpp).
// Sizes and positions are in pixels of the picture; c is a figure's centre,
// base the middle of where it stands, s its size.
#pragma once

#include "paintkit.h"

#include <QColor>
#include <QPointF>
#include <QRectF>

#include <initializer_list>

class QPainter;

namespace sd {

// Animals.
void drawCatFigure(QPainter &p, QPointF base);
// pattern: 0 clownfish bands, 1 spots, 2 stripes along, 3 scales.
void drawFish(QPainter &p, QPointF c, double s, const QColor &body, const QColor &fin, int pattern, bool faceLeft);
void drawStarfish(QPainter &p, QPointF c, double r, const QColor &col, double rot);
void drawCrab(QPainter &p, QPointF c, double s);
void drawCow(QPainter &p, QPointF c, double s);
void drawHen(QPainter &p, QPointF c, double s, bool faceLeft);
void drawPig(QPainter &p, QPointF c, double s);
void drawDolphin(QPainter &p, QPointF c, double s);
void drawTeddy(QPainter &p, QPointF c, double s);
void drawLongNeck(QPainter &p, QPointF c, double s);
void drawPterodactyl(QPainter &p, QPointF c, double s);
void drawSeagull(QPainter &p, QPointF c, double s);
void drawBird(QPainter &p, QPointF c, double size);
void drawButterfly(QPainter &p, QPointF c, double size, const QColor &upper, const QColor &lower,
                   double angleDegrees = 0);
void drawLadybird(QPainter &p, QPointF c, double size, double angleDegrees = 0);
void drawBee(QPainter &p, QPointF c, double size);
void drawSnail(QPainter &p, QPointF c, double size, const QColor &shell);

// Things people make: vehicles, buildings, furniture and toys.
void drawWheel(QPainter &p, QPointF c, double r, const QColor &rim);
// kind: 0 bear, 1 pig, 2 bunny, 3 duckling, looking out of a carriage window.
void drawAnimalInWindow(QPainter &p, const QRectF &win, int kind);
void drawCarriage(QPainter &p, const QRectF &box, const QColor &c, int firstAnimal);
void drawLocomotive(QPainter &p, QPointF base);
void drawSmokePuff(QPainter &p, QPointF c, double r);
// Rails across the whole picture at height y.
void drawRailway(QPainter &p, double y);
void drawTreasureChest(QPainter &p, QPointF base, double w);
void drawBarn(QPainter &p, const QRectF &r, Rng &rng);
void drawSilo(QPainter &p, const QRectF &r);
void drawHayBale(QPainter &p, QPointF c, double r);
// A hot-air balloon; style: 0 curved gores, 1 stripes, 2 checks, of colours a and b.
void drawBalloon(QPainter &p, QPointF c, double r, int style, const QColor &a, const QColor &b);
void drawSailboat(QPainter &p, QPointF c, double s);
void drawRocket(QPainter &p, QPointF c, double s, double angle);
void drawUfo(QPainter &p, QPointF c, double s);
void drawWindow(QPainter &p, const QRectF &r, Rng &rng);
void drawBookshelf(QPainter &p, const QRectF &r, Rng &rng);
void drawBalloonOnString(QPainter &p, QPointF c, double r, const QColor &col, QPointF anchor);
void drawLetterBlock(QPainter &p, QPointF base, double s, const QColor &c, char letter, double angle);
void drawRug(QPainter &p, QPointF c, double rx, double ry);
// Soft beams of light from the lamp of a lighthouse standing at base, h high,
// fading out over the sea and the land.
void drawLighthouseBeams(QPainter &p, QPointF base, double h);
void drawLighthouse(QPainter &p, QPointF base, double h);
void drawBucket(QPainter &p, QPointF base, double s);
void drawToyCar(QPainter &p, QPointF base, double s, const QColor &c);
void drawDrum(QPainter &p, QPointF c, double r);
void drawSpinningTop(QPainter &p, QPointF tip, double s);
void drawRobot(QPainter &p, QPointF base, double s);
void drawKite(QPainter &p, QPointF c, double s);
void drawToyChest(QPainter &p, const QRectF &box, Rng &rng);
void drawYarn(QPainter &p, QPointF c, double r, const QColor &col);
void drawHouse(QPainter &p, const QRectF &wall, const QColor &wallColour, const QColor &roof, Rng &rng);
void drawPicketFence(QPainter &p, double left, double right, double top, double bottom, double picket, bool pastel);
// A string of little triangular flags hanging across the picture.
void drawBunting(QPainter &p, QPointF from, QPointF to, double sag, double flag, int colourOffset = 0);

// Nature: sky, land, plants and sea.
// Sky gradient from the top of the picture down to bottom, with faint light
// patches and the given clouds.
void drawSky(QPainter &p, double width, double bottom, Rng &rng, std::initializer_list<QPointF> clouds,
             const QColor &top = QColor(95, 180, 245), const QColor &low = QColor(205, 238, 255));
void drawCloud(QPainter &p, QPointF c, double width);
void drawSun(QPainter &p, QPointF c, double r, bool face);
void drawRainbow(QPainter &p, QPointF c, double r, double band);
void drawPlanetWithRing(QPainter &p, QPointF c, double r);
void drawMoon(QPainter &p, QPointF c, double r, Rng &rng);
void drawComet(QPainter &p, QPointF c, double s);
void drawFlower(QPainter &p, QPointF c, double r, const QColor &petal, int petals = 6,
                const QColor &centre = QColor(255, 205, 40));
void drawStemFlower(QPainter &p, QPointF ground, double height, double r, const QColor &petal,
                    int petals = 6);
void drawTulip(QPainter &p, QPointF ground, double height, const QColor &petal);
void drawGrassBlades(QPainter &p, const QRectF &area, Rng &rng, int count, const QColor &dark,
                     const QColor &light, double minLen, double maxLen);
// Grass gradient with blades, tiny flowers and clover dots all over the area.
void drawMeadow(QPainter &p, const QRectF &area, Rng &rng, int density = 900);
// A green hill whose top edge rolls like a wave, with little bushes on it.
void drawHill(QPainter &p, const QRectF &area, const QColor &top, const QColor &bottom,
              double amplitude, double waves, double phase, Rng &rng, int bushes = 0);
void drawBush(QPainter &p, QPointF base, double width, const QColor &c, Rng &rng, bool berries);
void drawTree(QPainter &p, QPointF base, double height, Rng &rng, bool fruit);
void drawPine(QPainter &p, QPointF base, double height);
void drawPalm(QPainter &p, QPointF base, double height, double lean);
void drawMushroom(QPainter &p, QPointF ground, double size);
void drawFern(QPainter &p, QPointF base, double h, double lean);
void drawVolcano(QPainter &p, QPointF base, double w, double h);
void drawRock(QPainter &p, QPointF c, double w, double h, const QColor &c1, Rng &rng);
void drawPebbles(QPainter &p, const QRectF &area, Rng &rng, int count, const QColor &base);
void drawWaves(QPainter &p, const QRectF &area, Rng &rng, const QColor &top, const QColor &bottom,
               double waveLength);
void drawIsland(QPainter &p, QPointF c, double w, Rng &rng);
void drawBubbles(QPainter &p, QPointF from, int n, double r);
void drawSeaweed(QPainter &p, QPointF base, double h, const QColor &c, double phase);
void drawCoral(QPainter &p, QPointF base, double h, const QColor &c);
void drawShell(QPainter &p, QPointF c, double r, const QColor &col);
void drawEggNest(QPainter &p, QPointF c, double s);

} // namespace sd
