// The programs' application icons, each drawn once as a list of flat shapes on
// a 256-unit square and written both as an SVG file and as PNG pictures, so
// that the scalable icon and the fixed sizes show the same drawing.
#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

namespace sd {

struct IconShape
{
    enum class Kind { Rect, Ellipse, Polygon, Line };
    Kind kind = Kind::Rect;
    QRectF rect;              // Rect and Ellipse
    double radius = 0;        // Rect: rounded corners
    QVector<QPointF> points;  // Polygon (closed) and Line (open, never filled)
    QColor fill;              // invalid: not filled
    QColor stroke;            // invalid: no outline
    double strokeWidth = 0;
};

struct Icon
{
    QString name; // the icon's name in the theme, such as "org.vud.vud2"
    QString context = QStringLiteral("apps"); // its folder in the theme
    QVector<IconShape> shapes;
};

constexpr double kIconUnits = 256;

Icon gameIcon();
Icon editorIcon();
// The puzzle file's icon (application/x-vud), among the theme's mimetypes.
Icon puzzleFileIcon();

QString iconSvg(const Icon &icon);
QImage iconImage(const Icon &icon, int size);

// Writes FOLDER/hicolor/scalable/CONTEXT/NAME.svg and
// FOLDER/hicolor/SxS/CONTEXT/NAME.png for each size the menus use, for both
// programs and the puzzle file. Returns the problems met.
QStringList writeIcons(const QString &folder);

} // namespace sd
