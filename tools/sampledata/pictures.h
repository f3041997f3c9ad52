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

} // namespace sd
