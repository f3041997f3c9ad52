// The bundled pictures: cheerful scenes for small children, painted in code.
#pragma once

#include <QImage>
#include <QRect>
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
    // Paints the scene's main subject alone, exactly as paint() paints it:
    // what a child must see whole at every piece count.
    void (*subject)(QPainter &p);
};

// Every picture, in a fixed order.
const std::vector<PictureRecipe> &pictureRecipes();

// Paints one picture onto a fresh 1600 x 1200 image.
QImage renderPicture(const PictureRecipe &recipe);

// The rectangle of the picture that the subject covers, measured from its
// painted pixels (even faint edges count). It may reach past the picture.
QRect subjectBounds(const PictureRecipe &recipe);

// The scenes, split over two files, and their subjects.
void paintCat(QPainter &p, unsigned seed);
void paintCatSubject(QPainter &p);
void paintTrain(QPainter &p, unsigned seed);
void paintTrainSubject(QPainter &p);
void paintFishTank(QPainter &p, unsigned seed);
void paintFishTankSubject(QPainter &p);
void paintFarm(QPainter &p, unsigned seed);
void paintFarmSubject(QPainter &p);
void paintBalloons(QPainter &p, unsigned seed);
void paintBalloonsSubject(QPainter &p);
void paintBoat(QPainter &p, unsigned seed);
void paintBoatSubject(QPainter &p);
void paintRocket(QPainter &p, unsigned seed);
void paintRocketSubject(QPainter &p);
void paintTeddy(QPainter &p, unsigned seed);
void paintTeddySubject(QPainter &p);
void paintButterflies(QPainter &p, unsigned seed);
void paintButterfliesSubject(QPainter &p);
void paintDinosaur(QPainter &p, unsigned seed);
void paintDinosaurSubject(QPainter &p);
void paintLighthouse(QPainter &p, unsigned seed);
void paintLighthouseSubject(QPainter &p);
void paintToyBox(QPainter &p, unsigned seed);
void paintToyBoxSubject(QPainter &p);

} // namespace sd
