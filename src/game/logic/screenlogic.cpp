#include "game/logic/screenlogic.h"

#include "core/datapaths.h"

#include <QCoreApplication>

namespace Screens {

QPointF centredOrigin(const vud::ScreenTwips &screen, const QSizeF &windowTwips)
{
    const double left = static_cast<double>(vud::intDiv(screen.width() - windowTwips.width(), 2));
    const double top = static_cast<double>(vud::intDiv(screen.height() - windowTwips.height(), 2));
    return QPointF(left, top);
}

QString resultsCaption(const QString &typedName)
{
    //: The results list's window title: %1 is the name the child typed, kept as typed.
    return QCoreApplication::translate("Screens", "%1  TUS RESULTADOS SON").arg(typedName);
}

PieceCount pieceCount(int index)
{
    static const char *const captions[PieceCountButtons] = {
        "6", "12 ", "20", "24", "35", "48", "63", "70", "88", "108"};
    const int i = qBound(0, index, PieceCountButtons - 1);
    const int columns = i + 3;
    int rows = columns - 1;
    if (i >= 3)
        --rows;
    if (i >= 7)
        --rows;
    return {QString::fromLatin1(captions[i]), static_cast<std::uint8_t>(columns),
            static_cast<std::int16_t>(rows)};
}

void FileList::setPath(const QString &folder)
{
    QString path = folder;
    while (path.endsWith(QLatin1Char('\\')) || path.endsWith(QLatin1Char('/')))
        path.chop(1);
    m_path = path;
    m_names = vud::listFiles(path);
    m_paths.clear();
    for (const QString &name : std::as_const(m_names))
        m_paths << m_path + QLatin1Char('/') + name;
}

void FileList::setDataFolder(const QString &literal)
{
    m_path = vud::findDataPath(literal);
    while (m_path.endsWith(QLatin1Char('/')))
        m_path.chop(1);
    m_names.clear();
    m_paths.clear();
    for (const vud::DataEntry &entry : vud::listDataFiles(literal)) {
        m_names << entry.name;
        m_paths << entry.path;
    }
}

QString FileList::List(int index) const
{
    if (index < 0 || index >= m_names.size())
        return QString();
    return m_names.at(index);
}

QString FileList::fullPath(int index) const
{
    if (index < 0 || index >= m_paths.size())
        return m_path + QLatin1Char('/');
    return m_paths.at(index);
}

GalleryPaging::Press GalleryPaging::pressPrevious()
{
    if (m_pageStart <= 8)
        return Press::Refused;
    m_pageStart -= GalleryCells;
    return Press::Moved;
}

GalleryPaging::Press GalleryPaging::pressNext(int fileCount)
{
    if (m_pageStart < fileCount + 1) {
        m_pageStart += GalleryCells;
        return Press::Moved;
    }
    return Press::Refused;
}

QPointF resultsWindowPosition(double screenWidth, double screenHeight, double formWidth,
                              double formHeight)
{
    const std::int64_t dw = vud::roundHalfEven(screenWidth - formWidth);
    const std::int64_t dh = vud::roundHalfEven(screenHeight - formHeight);
    return QPointF(double(dw / 2 + 300), double(dh / 2));
}

} // namespace Screens
