#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

namespace vud {
class RandomSource;
}

// Saving a puzzle: the picture as a Windows bitmap in imagenes and its
// drawings' lines as a coordinates file in coordenadas, both under the name
// the user typed.
namespace Editor {

// A whole number from 100 to 1099 followed by "dibujo", e.g. "523dibujo".
QString defaultPuzzleName(vud::RandomSource &random);

// True when name + ".bmp" and name + ".txt" are plain file names: not empty,
// not starting with a dot (no hidden files, "." or ".."), no path separator,
// no control character, and short enough for the file system. Wildcard
// characters are ordinary characters.
bool isUsablePuzzleName(const QString &name);

enum class SaveOutcome {
    Saved,         // both files are in place
    BadName,       // the name is no file name; nothing was written
    AlreadyExists, // a picture or coordinates file has that name; nothing was written
    Failed         // a file could not be written; everything is as it was before
};

// The folder saves go to (the program folder, or the user's data folder once
// installed) + "\imagenes\" + name + ".bmp" and + "\coordenadas\" + name + ".txt".
QString puzzlePicturePath(const QString &name);
QString puzzleCoordinatesPath(const QString &name);

// The name is taken, letter case ignored, in any data folder (the user's or
// an installed one): a coordinates file has it, or a picture of any
// extension does (imagenes holds name + "." + extension, or a file of just
// that name). A new puzzle under a picture's name would show two pictures of
// one name and give the older one the new puzzle's drawings.
bool puzzleExists(const QString &name);

// Gives a finished file its final name in one step, replacing a file of
// that name (rename(2)); false when that fails.
bool replaceFile(const QString &from, const QString &to);
using FileReplacer = std::function<bool(const QString &from, const QString &to)>;

// Saves the puzzle into the folder saves go to, creating the user's data
// folders when first needed. The name is checked first, then that no
// picture or coordinates file has it (puzzleExists). Both files are written
// whole under hidden temporary names beside their final places, which
// neither program lists; then the bitmap takes its name (through `replace`),
// and last the coordinates file takes its own, never over an existing one. A
// save cut off at any point, by a failure or by the program being killed,
// never leaves a half-written bitmap or a coordinates file without its
// picture in view: when a step fails, the temporary files are removed and
// every other file is left as it was.
SaveOutcome savePuzzle(const QString &name, const QImage &picture, const QStringList &lines,
                       const FileReplacer &replace = replaceFile);

// The message the editor gives for an outcome; empty for Saved.
QString saveMessage(SaveOutcome outcome);

} // namespace Editor
