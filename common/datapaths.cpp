#include "datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vud {

namespace {

QString &folderOverride()
{
    static QString folder;
    return folder;
}

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

} // namespace vud
