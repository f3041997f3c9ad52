#pragma once

#include "puzzlefile/puzzlefile.h"
#include "support/testsupport.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

// Drags files from the file manager onto a window: a drag entering it, then
// the drop if the window took the drag. True when the drop was taken.
inline bool dropFiles(QWidget *target, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// Files for dropping, in folder: "foto.png" (a picture), "falsa.png" (text
// called a picture), "nota.txt" (no picture) and "gato.vud" (a puzzle file of
// the picture "gato.png" and its drawing "sol.gif").
inline bool writeDropFiles(const QString &folder)
{
    using namespace vudtest;
    if (!writeBlockPicture(folder + "/foto.png", QSize(60, 40), 2, 2)
        || !writeBlockPicture(folder + "/gato-origen.png", QSize(50, 30), 3, 1)
        || !writeGif(folder + "/sol.gif", squareFrames(2)) || !writeBytes(folder + "/falsa.png", "hola")
        || !writeBytes(folder + "/nota.txt", "hola"))
        return false;
    auto bytes = [&](const char *name) {
        QFile file(folder + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    return writeBytes(folder + "/gato.vud",
                      vud::zipBytes({{"imagenes/gato.png", bytes("gato-origen.png")},
                                     {"coordenadas/gato.txt", "sol.gif,5,6,\r\n"}, {"gifs/sol.gif", bytes("sol.gif")}}));
}
