// The sample pictures in their fixed order, painted whole or their subject alone.
#include "pictures.h"

#include "scenes.h"

#include <QPainter>

#include <algorithm>

namespace sd {

const std::vector<PictureRecipe> &pictureRecipes()
{
    // The cat's garden is the one kept as a Windows bitmap: the editor saves
    // puzzles that way, so the game must read them, and the sample coordinates
    // file belongs to it.
    static const std::vector<PictureRecipe> recipes = {
        {QStringLiteral("gato.bmp"), paintCat, paintCatSubject},
        {QStringLiteral("tren.jpg"), paintTrain, paintTrainSubject},
        {QStringLiteral("pez.jpg"), paintFishTank, paintFishTankSubject},
        {QStringLiteral("granja.jpg"), paintFarm, paintFarmSubject},
        {QStringLiteral("globo.jpg"), paintBalloons, paintBalloonsSubject},
        {QStringLiteral("barco.jpg"), paintBoat, paintBoatSubject},
        {QStringLiteral("cohete.jpg"), paintRocket, paintRocketSubject},
        {QStringLiteral("osito.jpg"), paintTeddy, paintTeddySubject},
        {QStringLiteral("mariposa.jpg"), paintButterflies, paintButterfliesSubject},
        {QStringLiteral("dinosaurio.jpg"), paintDinosaur, paintDinosaurSubject},
        {QStringLiteral("faro.jpg"), paintLighthouse, paintLighthouseSubject},
        {QStringLiteral("juguetes.jpg"), paintToyBox, paintToyBoxSubject},
    };
    return recipes;
}

QImage renderPicture(const PictureRecipe &recipe)
{
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Each picture gets its own seed derived from its name, so adding a
    // picture never changes the others.
    unsigned seed = 2166136261u;
    for (QChar ch : recipe.fileName)
        seed = (seed ^ ch.unicode()) * 16777619u;
    recipe.paint(p, seed);
    p.end();
    return image;
}

QRect subjectBounds(const PictureRecipe &recipe)
{
    // A margin round the picture catches a subject that reaches past it.
    constexpr int margin = 400;
    QImage alone(kPictureWidth + 2 * margin, kPictureHeight + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    alone.fill(Qt::transparent);
    QPainter p(&alone);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(margin, margin);
    recipe.subject(p);
    p.end();
    int left = alone.width(), top = alone.height(), right = -1, bottom = -1;
    for (int y = 0; y < alone.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(alone.constScanLine(y));
        for (int x = 0; x < alone.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return QRect();
    return QRect(QPoint(left - margin, top - margin), QPoint(right - margin, bottom - margin));
}

} // namespace sd
