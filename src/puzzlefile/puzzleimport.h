#pragma once

#include "puzzlefile/puzzlefile.h"

#include <QString>
#include <QStringList>

class QMimeData;

namespace vud {

enum class ImportOutcome {
    Imported,     // the puzzle is in the data folder, under pictureName
    AlreadyThere, // the same puzzle was there already, under pictureName; nothing was written
    Refused       // nothing was written; error says why
};

struct PuzzleImport
{
    ImportOutcome outcome = ImportOutcome::Refused;
    PuzzleFileError error = PuzzleFileError::None;
    QString detail;
    // The picture's name in imagenes, once imported or found there.
    QString pictureName;

    // The adult's message for a refusal; empty otherwise.
    QString message() const { return puzzleFileMessage(error, detail); }
};

// True for a name ending in ".vud", case ignored.
bool isPuzzleFileName(const QString &path);

// Imports a puzzle file into the folder saves go to (writableDataFolder).
// All or nothing: the files are unpacked into a hidden temporary folder
// inside that folder and checked there (the picture and every drawing
// decoded through the bounded readers), and only then moved into place,
// drawings first and the coordinates file last; a step that fails takes back
// the ones before it. Nothing already there is ever replaced or changed:
// - the same puzzle (picture and coordinates alike, its drawings alike) under
//   the same name is left as it is (AlreadyThere);
// - a drawing whose name is taken (case ignored, in any data folder) by
//   other content is stored under a free name, and the coordinates file is
//   rewritten to match, so the puzzle reveals as it did where it was made;
// - a picture whose name, or whose coordinates file's name, is taken by
//   another puzzle is stored under a free name ("gato_2.bmp").
PuzzleImport importPuzzleFile(const QString &archivePath);

// The same for a picture file, such as one dropped on a window: it is checked
// to be the picture its name says and copied into imagenes by the same rules.
PuzzleImport importPictureFile(const QString &picturePath);

// A file a window takes when it is dropped on it: a puzzle file, or a picture
// of a kind the programs read (by its name; importing checks its content).
bool isImportableFile(const QString &path);

// The local files among dropped data that isImportableFile takes, in order;
// empty when there are none (the drop is then refused).
QStringList importableFiles(const QMimeData &data);

// importPuzzleFile or importPictureFile, as the name says.
PuzzleImport importFile(const QString &path);

} // namespace vud
