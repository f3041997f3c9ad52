// The animated drawings children stamp on the pictures, and the title animation.
#pragma once

#include <QImage>
#include <QString>

#include <vector>

class QPainter;

namespace sd {

struct DrawingRecipe
{
    QString fileName;
    int width;
    int height;
    int frames;
    int delayCs;      // hundredths of a second per frame
    bool loopForever; // false: plays once and stays on the last frame
    bool animal;      // also copied into the animals subfolder
    // Paints frame `frame` of `frames` in a 100 x 100 box (the painter is
    // already scaled to the drawing's size).
    void (*paint)(QPainter &p, int frame, int frames);
};

// Every drawing, in a fixed order. The title animation is "inicio.gif" and
// the default drawing is "x_elmani.gif".
const std::vector<DrawingRecipe> &drawingRecipes();

// The subfolder of gifs that holds the animal drawings.
QString animalFolderName();

// Renders every frame with a transparent background.
std::vector<QImage> renderDrawing(const DrawingRecipe &recipe);

} // namespace sd
