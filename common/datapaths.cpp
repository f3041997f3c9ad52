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

QStringList sortedNames(const QString &folder, QDir::Filters filters)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    return dir.entryList(filters, QDir::Name | QDir::IgnoreCase);
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
    return sortedNames(folder, QDir::Files);
}

QStringList listFolders(const QString &folder)
{
    return sortedNames(folder, QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace vud
