#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace vud {

// The folders each data folder holds.
inline constexpr std::array<const char *, 4> kDataFolders{"imagenes", "gifs", "coordenadas", "sonidos"};

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

// Where the data lives. In the portable layout the program folder holds an
// "imagenes" entry, and the program folder alone is read and written, as
// dataPath builds it. Otherwise the programs are installed: the data is read
// from the user's own data folder first and then from the installed data
// folders, which are only read; the user's folder takes whatever is saved.
bool isPortableLayout();

// The user's own data folder: "vud" in the user's writable data folder of
// QStandardPaths ($XDG_DATA_HOME/vud, ~/.local/share/vud by default). It need
// not exist yet.
QString userDataFolder();

// Points the user's data folder elsewhere (tests use a temporary one). An
// empty folder restores the standard one.
void setUserDataFolder(const QString &folder);

// The installed data folders that exist, each once, in search order:
// "../share/vud" from the program folder, so that any install prefix works,
// then "vud" in each system data folder of QStandardPaths ($XDG_DATA_DIRS).
QStringList installedDataFolders();

// The folders data is read from, in search order: the program folder alone
// in the portable layout; else the user's data folder, then the installed ones.
QStringList dataFolders();

// The folder saves go to: the program folder in the portable layout, else the
// user's data folder.
QString writableDataFolder();

// The first data folder that holds literal + name (anything of that name),
// built as dataPath builds it; the first data folder's path when none does.
// The portable layout gives dataPath itself.
QString findDataPath(const QString &literal, const QString &name = QString());

// literal + name below the folder saves go to.
QString writableDataPath(const QString &literal, const QString &name = QString());

// Creates the user's data folder and its four data folders where missing, in
// the installed layout only: the portable layout's folders are the program
// folder's, which are never made by the programs. False when one is missing
// afterwards.
bool makeUserDataFolders();

// One entry of a data folder listing: its name and full path.
struct DataEntry
{
    QString name;
    QString path;
};

// The normal files (listDataFiles) or subfolders (listDataFolders) of the
// literal's folder in every data folder, as one list sorted by name without
// regard to case. A name found in an earlier data folder hides that name,
// case ignored, in the later ones: a user's picture replaces an installed
// one of the same name.
QVector<DataEntry> listDataFiles(const QString &literal);
QVector<DataEntry> listDataFolders(const QString &literal);

// Looks a file up among the normal files of its folder, comparing names
// without regard to case. Wildcard characters in the name are ordinary
// characters. Returns the path of the file found, or an empty string; a
// missing folder finds nothing.
QString findFileIgnoringCase(const QString &fullPath);

// The existence test: a normal file of that name exists, case ignored.
bool fileExistsIgnoringCase(const QString &fullPath);

} // namespace vud
