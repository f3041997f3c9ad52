#pragma once

#include <QString>
#include <QStringList>

namespace vud {

// The program folder: the folder of the running binary, never ending in a
// separator. Every data file lives below it.
QString programFolder();

// Points the programs at another program folder (tests use a temporary one).
// An empty folder restores the running binary's folder.
void setProgramFolder(const QString &folder);

// The program folder followed by a literal written as the data layout names
// it, with backslashes, such as "\\sonidos\\fin.wav"; the backslashes become
// the platform's separator.
QString dataPath(const QString &literal);

// Maps the backslashes of a path built by concatenation to '/'.
QString toPlatformPath(QString path);

// The names of the normal files of a folder as a file list shows them: no
// folders, no hidden files, sorted by name without regard to case. A missing
// or unreadable folder lists nothing.
QStringList listFiles(const QString &folder);

// The names of the subfolders of a folder, hidden ones left out, sorted by
// name without regard to case.
QStringList listFolders(const QString &folder);

} // namespace vud
