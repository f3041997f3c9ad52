// The bundled pictures: cheerful scenes for small children, painted in code.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

class QPainter;

namespace sd {

constexpr int kPictureWidth = 1600;
constexpr int kPictureHeight = 1200;

struct PictureRecipe
{
    QString fileName; // lower-case Spanish name with its extension
    void (*paint)(QPainter &p, unsigned seed);
};

// Every picture, in a fixed order.
const std::vector<PictureRecipe> &pictureRecipes();

// Paints one picture onto a fresh 1600 x 1200 image.
QImage renderPicture(const PictureRecipe &recipe);

// The scenes, split over two files.
void paintCat(QPainter &p, unsigned seed);
void paintTrain(QPainter &p, unsigned seed);
void paintFishTank(QPainter &p, unsigned seed);
void paintFarm(QPainter &p, unsigned seed);
void paintBalloons(QPainter &p, unsigned seed);
void paintBoat(QPainter &p, unsigned seed);
void paintRocket(QPainter &p, unsigned seed);
void paintTeddy(QPainter &p, unsigned seed);
void paintButterflies(QPainter &p, unsigned seed);
void paintDinosaur(QPainter &p, unsigned seed);
void paintLighthouse(QPainter &p, unsigned seed);
void paintToyBox(QPainter &p, unsigned seed);

} // namespace sd
