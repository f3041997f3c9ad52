#include "pictures.h"

#include <QPainter>

namespace sd {

const std::vector<PictureRecipe> &pictureRecipes()
{
    // The cat's garden is the one kept as a Windows bitmap: the editor saves
    // puzzles that way, so the game must read them, and the sample coordinates
    // file belongs to it.
    static const std::vector<PictureRecipe> recipes = {
        {QStringLiteral("gato.bmp"), paintCat},
        {QStringLiteral("tren.jpg"), paintTrain},
        {QStringLiteral("pez.jpg"), paintFishTank},
        {QStringLiteral("granja.jpg"), paintFarm},
        {QStringLiteral("globo.jpg"), paintBalloons},
        {QStringLiteral("barco.jpg"), paintBoat},
        {QStringLiteral("cohete.jpg"), paintRocket},
        {QStringLiteral("osito.jpg"), paintTeddy},
        {QStringLiteral("mariposa.jpg"), paintButterflies},
        {QStringLiteral("dinosaurio.jpg"), paintDinosaur},
        {QStringLiteral("faro.jpg"), paintLighthouse},
        {QStringLiteral("juguetes.jpg"), paintToyBox},
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

} // namespace sd
