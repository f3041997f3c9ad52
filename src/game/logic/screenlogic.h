#pragma once

#include "core/twips.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>

// The start and selection screens' rules that need no window: where a window
// stands, what each piece-count button chooses, how the gallery pages and
// which file a gallery cell shows.
namespace Screens {

// Top-left corner, in twips, of a window of the given outer size centred on
// the screen: each difference is rounded to whole twips and then halved with
// truncating division.
QPointF centredOrigin(const vud::ScreenTwips &screen, const QSizeF &windowTwips);

// The caption of the results list: the name exactly as typed (empty and
// untrimmed names included) followed by two blanks and the heading.
QString resultsCaption(const QString &typedName);

// One piece-count button of the selection screen.
struct PieceCount
{
    QString caption;
    std::uint8_t columns;
    std::int16_t rows;
};

constexpr int PieceCountButtons = 10;

// Button i (0 .. 9) chooses i + 3 columns and one row fewer, one fewer again
// from i = 3 on and once more from i = 7 on: 6, 12, 20, ... 108 pieces.
PieceCount pieceCount(int index);

// The selection screen's list of picture files: every normal file of a
// folder, sorted by name. Asking for a name at or beyond the end (or before
// the start) gives an empty name, as a file list box does.
class FileList
{
public:
    // Lists the folder (a path as the data layout writes it, backslashes
    // allowed). A missing folder lists nothing.
    void setPath(const QString &folder);
    // Lists a data folder (such as "\\imagenes\\") of every data folder in
    // one list, each file at its own path.
    void setDataFolder(const QString &literal);
    QString path() const { return m_path; }

    int ListCount() const { return int(m_names.size()); }
    QString List(int index) const;
    // The full path of file index, in the platform's form.
    QString fullPath(int index) const;

private:
    QString m_path;
    QStringList m_names;
    QStringList m_paths;
};

constexpr int GalleryCells = 9;

// The gallery's page position and the rules of its two page buttons. A
// button that cannot move refuses the press (the window then disables it);
// moving never disables anything. The next-page test compares the current
// page start with the file count plus one, so one or two pages past the last
// file, showing only empty cells, can be reached.
class GalleryPaging
{
public:
    enum class Press { Moved, Refused };

    int pageStart() const { return m_pageStart; }
    void reset() { m_pageStart = 0; }
    // The page whose cells show file index (a negative index changes nothing).
    void showPageOf(int fileIndex)
    {
        if (fileIndex >= 0)
            m_pageStart = fileIndex / GalleryCells * GalleryCells;
    }

    Press pressPrevious();
    Press pressNext(int fileCount);

    // The index in the file list shown by gallery cell 0 .. 8.
    int fileIndexForCell(int cell) const { return m_pageStart + cell; }

private:
    int m_pageStart = 0;
};

// Where the results window goes: centred vertically, 300 twips right of the
// horizontal centre, from its outer size. Each difference is rounded to whole
// twips before it is halved.
QPointF resultsWindowPosition(double screenWidth, double screenHeight, double formWidth,
                              double formHeight);

} // namespace Screens
