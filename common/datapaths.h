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
// it, with backslashes, such as "\\sonidos\\fin.wav", and then by a file
// name. Only the literal's backslashes become the platform's separator: a
// name is a name, so a backslash in it (an ordinary character here) never
// turns into a step into another folder.
QString dataPath(const QString &literal, const QString &name = QString());

// Maps the backslashes of a literal written with them to '/'.
QString toPlatformPath(QString literal);

// The names of the normal files of a folder as a file list shows them: no
// folders, no hidden files, nothing that is no regular file once links are
// followed (a FIFO, a device, a dangling link), sorted by name without regard
// to case. A missing or unreadable folder lists nothing.
QStringList listFiles(const QString &folder);

// The names of the subfolders of a folder, hidden ones left out, and no link
// that leads to no folder, sorted by name without regard to case.
QStringList listFolders(const QString &folder);

} // namespace vud
