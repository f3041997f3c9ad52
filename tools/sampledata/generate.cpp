#include "generate.h"

#include "drawings.h"
#include "gifwriter/gifwriter.h"
#include "pictures.h"
#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>

namespace sd {

const char *const kPicturesFolder = "imagenes";
const char *const kDrawingsFolder = "gifs";
const char *const kSoundsFolder = "sonidos";
const char *const kCoordinatesFolder = "coordenadas";

QString placedPicture() { return QStringLiteral("gato.bmp"); }

const std::vector<Placement> &placements()
{
    // Spots in the cat's garden, all well inside the part of the picture
    // that every board shows: a bird in the sky, a bee and a butterfly over
    // the flower bed, a flower growing in the grass.
    static const std::vector<Placement> lines = {
        {"pajaro.gif", 560, 230},
        {"abeja.gif", 300, 560},
        {"mariposa.gif", 930, 540},
        {"flor.gif", 170, 870},
    };
    return lines;
}

QString coordinatesFileName(const QString &pictureName)
{
    return pictureName.left(std::max(0, int(pictureName.size()) - 4)) + QStringLiteral(".txt");
}

QByteArray coordinatesFile(const std::vector<Placement> &lines)
{
    QByteArray out;
    for (const Placement &line : lines)
        out += QByteArray(line.drawing) + ',' + QByteArray::number(line.x) + ',' + QByteArray::number(line.y) + ",\r\n";
    return out;
}

namespace {

QString writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("cannot write ") + path;
    return QString();
}

QString writePicture(const QString &path, const QImage &image)
{
    QImageWriter writer(path);
    if (path.endsWith(QLatin1String(".jpg"))) {
        writer.setFormat("jpeg");
        writer.setQuality(90);
    } else {
        writer.setFormat("bmp");
    }
    if (!writer.write(image))
        return QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
    return QString();
}

} // namespace

QStringList generateSampleData(const QString &programFolder)
{
    QStringList problems;
    const QDir root(programFolder);
    const QString pictures = root.filePath(QLatin1String(kPicturesFolder));
    const QString drawings = root.filePath(QLatin1String(kDrawingsFolder));
    const QString animals = QDir(drawings).filePath(animalFolderName());
    const QString sounds = root.filePath(QLatin1String(kSoundsFolder));
    const QString coordinates = root.filePath(QLatin1String(kCoordinatesFolder));
    for (const QString &folder : {pictures, drawings, animals, sounds, coordinates}) {
        if (!QDir().mkpath(folder))
            problems << QStringLiteral("cannot create folder ") + folder;
    }
    if (!problems.isEmpty())
        return problems;

    for (const PictureRecipe &recipe : pictureRecipes()) {
        const QString error = writePicture(QDir(pictures).filePath(recipe.fileName), renderPicture(recipe));
        if (!error.isEmpty())
            problems << error;
    }

    for (const DrawingRecipe &recipe : drawingRecipes()) {
        vudgif::Animation animation;
        animation.frames = renderDrawing(recipe);
        animation.delayCs = recipe.delayCs;
        animation.loopCount = recipe.loopForever ? 0 : -1;
        const QString path = QDir(drawings).filePath(recipe.fileName);
        QString error = vudgif::writeAnimation(path, animation);
        if (error.isEmpty() && recipe.animal) {
            // Same bytes in the animals folder: write it again rather than
            // copy, so an older file there is always replaced.
            error = vudgif::writeAnimation(QDir(animals).filePath(recipe.fileName), animation);
        }
        if (!error.isEmpty())
            problems << error;
    }

    for (const SoundRecipe &recipe : soundRecipes()) {
        const QString error = writeBytes(QDir(sounds).filePath(recipe.fileName), wavFile(recipe.make()));
        if (!error.isEmpty())
            problems << error;
    }

    const QString error = writeBytes(QDir(coordinates).filePath(coordinatesFileName(placedPicture())),
                                     coordinatesFile(placements()));
    if (!error.isEmpty())
        problems << error;
    return problems;
}

} // namespace sd
