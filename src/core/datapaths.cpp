#include "core/datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

#ifndef VUD_INSTALLED_DATA_RELATIVE
#define VUD_INSTALLED_DATA_RELATIVE "../share/vud"
#endif

namespace vud {

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

QString &userFolderOverride()
{
    static QString folder;
    return folder;
}

// The data's folder below each of the data folders of the freedesktop base
// directories: what QStandardPaths' application data folders give for an
// application named "vud". Built here rather than taken from them, so that it
// does not hang on each program's name, which shows in its window titles.
const QLatin1String kFolderName("vud");

QString withoutTrailingSeparator(QString folder)
{
    while (folder.size() > 1 && (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    return folder;
}

// The names of the entries of a folder that pass the filters and, once links
// are followed, are of the kind asked for: QDir also lists a link to a FIFO,
// a device or nothing among both files and folders, and the programs open
// no such thing.
QStringList sortedNames(const QString &folder, QDir::Filters filters, bool (QFileInfo::*isKind)() const)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    QStringList names;
    const QFileInfoList entries = dir.entryInfoList(filters, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        if ((entry.*isKind)())
            names << entry.fileName();
    }
    return names;
}

} // namespace

QString programFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return withoutTrailingSeparator(QCoreApplication::applicationDirPath());
}

void setProgramFolder(const QString &folder)
{
    folderOverride() = folder.isEmpty() ? QString() : withoutTrailingSeparator(folder);
}

QString toPlatformPath(QString literal)
{
    return literal.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString dataPath(const QString &literal, const QString &name)
{
    return programFolder() + toPlatformPath(literal) + name;
}

QStringList listFiles(const QString &folder)
{
    return sortedNames(folder, QDir::Files, &QFileInfo::isFile);
}

QStringList listFolders(const QString &folder)
{
    return sortedNames(folder, QDir::Dirs | QDir::NoDotAndDotDot, &QFileInfo::isDir);
}

bool isPortableLayout()
{
    return QFileInfo::exists(programFolder() + QStringLiteral("/imagenes"));
}

QString userDataFolder()
{
    if (!userFolderOverride().isEmpty())
        return userFolderOverride();
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return base.isEmpty() ? QString() : withoutTrailingSeparator(base) + QLatin1Char('/') + kFolderName;
}

void setUserDataFolder(const QString &folder)
{
    userFolderOverride() = folder.isEmpty() ? QString() : withoutTrailingSeparator(folder);
}

QStringList installedDataFolders()
{
    QStringList candidates{
        QDir::cleanPath(programFolder() + QLatin1Char('/') + QStringLiteral(VUD_INSTALLED_DATA_RELATIVE))};
    const QString writable = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString &base : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (base != writable)
            candidates << withoutTrailingSeparator(base) + QLatin1Char('/') + kFolderName;
    }

    // The same folder reached twice (a prefix of /usr, or a link) is read once.
    QStringList folders;
    QSet<QString> seen;
    const QString user = QFileInfo(userDataFolder()).canonicalFilePath();
    for (const QString &folder : candidates) {
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || !QFileInfo(canonical).isDir() || canonical == user || seen.contains(canonical))
            continue;
        seen.insert(canonical);
        folders << withoutTrailingSeparator(QDir::cleanPath(folder));
    }
    return folders;
}

QStringList dataFolders()
{
    if (isPortableLayout())
        return {programFolder()};
    QStringList folders;
    if (!userDataFolder().isEmpty())
        folders << userDataFolder();
    return folders + installedDataFolders();
}

QString writableDataFolder()
{
    return isPortableLayout() ? programFolder() : userDataFolder();
}

QString findDataPath(const QString &literal, const QString &name)
{
    const QStringList folders = dataFolders();
    for (const QString &folder : folders) {
        const QString path = folder + toPlatformPath(literal) + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return (folders.isEmpty() ? programFolder() : folders.first()) + toPlatformPath(literal) + name;
}

QString writableDataPath(const QString &literal, const QString &name)
{
    return writableDataFolder() + toPlatformPath(literal) + name;
}

bool makeUserDataFolders()
{
    if (isPortableLayout())
        return true;
    const QString user = userDataFolder();
    if (user.isEmpty())
        return false;
    bool made = true;
    for (const char *folder : kDataFolders)
        made = QDir().mkpath(user + QLatin1Char('/') + QLatin1String(folder)) && made;
    return made;
}

namespace {

// Files, or else folders, of one data folder literal across every data folder.
QVector<DataEntry> mergedListing(const QString &literal, QDir::Filters filters)
{
    QVector<DataEntry> entries;
    QSet<QString> seen;
    for (const QString &folder : dataFolders()) {
        const QString path = withoutTrailingSeparator(folder + toPlatformPath(literal));
        QSet<QString> here;
        const bool files = filters.testFlag(QDir::Files);
        for (const QString &name : files ? listFiles(path) : listFolders(path)) {
            const QString key = name.toCaseFolded();
            if (seen.contains(key))
                continue;
            here.insert(key);
            entries.append({name, path + QLatin1Char('/') + name});
        }
        seen.unite(here);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const DataEntry &a, const DataEntry &b) {
        // The order QDir gives a single folder sorted by name, case ignored.
        return a.name.toLower() < b.name.toLower();
    });
    return entries;
}

} // namespace

QVector<DataEntry> listDataFiles(const QString &literal)
{
    return mergedListing(literal, QDir::Files);
}

QVector<DataEntry> listDataFolders(const QString &literal)
{
    return mergedListing(literal, QDir::Dirs | QDir::NoDotAndDotDot);
}

QString findFileIgnoringCase(const QString &fullPath)
{
    const QFileInfo wanted(fullPath);
    const QString name = wanted.fileName();
    if (name.isEmpty())
        return QString();
    const QDir folder = wanted.dir();
    if (!folder.exists())
        return QString();
    // List the folder instead of passing the name as a filter, so that '*' and
    // '?' in the name never match other files.
    const QStringList entries = folder.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (entry == name)
            return folder.filePath(entry);
    }
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return QString();
}

bool fileExistsIgnoringCase(const QString &fullPath)
{
    return !findFileIgnoringCase(fullPath).isEmpty();
}

} // namespace vud
