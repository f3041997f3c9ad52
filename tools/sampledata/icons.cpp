#include "icons.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>

#include <cmath>

namespace sd {

namespace {

const QColor kIconInk(43, 43, 58);

IconShape rect(const QRectF &r, double radius, const QColor &fill, double outline)
{
    IconShape s;
    s.kind = IconShape::Kind::Rect;
    s.rect = r;
    s.radius = radius;
    s.fill = fill;
    if (outline > 0) {
        s.stroke = kIconInk;
        s.strokeWidth = outline;
    }
    return s;
}

IconShape ellipse(QPointF centre, double rx, double ry, const QColor &fill, double outline)
{
    IconShape s;
    s.kind = IconShape::Kind::Ellipse;
    s.rect = QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    s.fill = fill;
    if (outline > 0) {
        s.stroke = kIconInk;
        s.strokeWidth = outline;
    }
    return s;
}

IconShape polygon(const QVector<QPointF> &points, const QColor &fill, double outline)
{
    IconShape s;
    s.kind = IconShape::Kind::Polygon;
    s.points = points;
    s.fill = fill;
    if (outline > 0) {
        s.stroke = kIconInk;
        s.strokeWidth = outline;
    }
    return s;
}

IconShape line(const QVector<QPointF> &points, double width)
{
    IconShape s;
    s.kind = IconShape::Kind::Line;
    s.points = points;
    s.stroke = kIconInk;
    s.strokeWidth = width;
    return s;
}

// The four corners of a w x h rectangle centred on c and turned by degrees.
QVector<QPointF> turnedRect(QPointF c, double w, double h, double degrees)
{
    const double a = degrees * M_PI / 180.0;
    const double cs = std::cos(a), sn = std::sin(a);
    QVector<QPointF> corners;
    for (QPointF d : {QPointF(-w / 2, -h / 2), QPointF(w / 2, -h / 2), QPointF(w / 2, h / 2), QPointF(-w / 2, h / 2)})
        corners << QPointF(c.x() + d.x() * cs - d.y() * sn, c.y() + d.x() * sn + d.y() * cs);
    return corners;
}

QVector<QPointF> star(QPointF c, double outer, double inner, int points)
{
    QVector<QPointF> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -M_PI / 2 + i * M_PI / points;
        const double r = (i % 2 == 0) ? outer : inner;
        corners << QPointF(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return corners;
}

// A jigsaw knob on a piece's edge: outlined, then patched in the piece's
// colour over the edge line it crosses.
void addKnob(QVector<IconShape> &shapes, QPointF centre, const QColor &colour)
{
    shapes << ellipse(centre, 15, 15, colour, 6);
}

void patchKnob(QVector<IconShape> &shapes, QPointF centre, const QColor &colour)
{
    shapes << ellipse(centre, 12, 12, colour, 0);
}

QString number(double v)
{
    return QString::number(std::round(v * 100) / 100, 'g', 8);
}

QString colourText(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

} // namespace

Icon gameIcon()
{
    const QColor red(242, 95, 92), green(107, 203, 75), yellow(255, 210, 63), blue(61, 125, 242);
    Icon icon;
    icon.name = QStringLiteral("org.vud.vud2");
    QVector<IconShape> &s = icon.shapes;
    s << rect(QRectF(12, 12, 232, 232), 44, QColor(127, 211, 247), 8);
    // The lifted piece's empty cell.
    s << rect(QRectF(128, 44, 84, 84), 6, QColor(79, 168, 207), 0);
    // The pieces still in place: bottom left, bottom right, top left.
    addKnob(s, QPointF(128, 172), green);
    s << rect(QRectF(44, 128, 84, 84), 6, green, 6);
    patchKnob(s, QPointF(128, 172), green);
    s << rect(QRectF(128, 128, 84, 84), 6, yellow, 6);
    addKnob(s, QPointF(86, 128), red);
    addKnob(s, QPointF(128, 86), red);
    s << rect(QRectF(44, 44, 84, 84), 6, red, 6);
    patchKnob(s, QPointF(86, 128), red);
    patchKnob(s, QPointF(128, 86), red);
    // The piece the child is carrying, turned a little and smiling.
    const QPointF lifted(182, 70);
    s << polygon(turnedRect(lifted + QPointF(6, 8), 84, 84, 12), QColor(43, 43, 58, 70), 0);
    s << polygon(turnedRect(lifted, 84, 84, 12), blue, 6);
    s << ellipse(lifted + QPointF(-14, -10), 6, 8, kIconInk, 0);
    s << ellipse(lifted + QPointF(14, -4), 6, 8, kIconInk, 0);
    s << line({lifted + QPointF(-20, 10), lifted + QPointF(-10, 22), lifted + QPointF(4, 26),
               lifted + QPointF(16, 20)},
              6);
    return icon;
}

Icon editorIcon()
{
    Icon icon;
    icon.name = QStringLiteral("org.vud.vudeditor");
    QVector<IconShape> &s = icon.shapes;
    s << rect(QRectF(12, 12, 232, 232), 44, QColor(255, 233, 184), 8);
    // The picture being made into a puzzle: sky, sun, hills and a drawing.
    s << rect(QRectF(34, 40, 172, 136), 10, QColor(142, 209, 252), 0);
    s << polygon({{34, 140}, {78, 108}, {118, 128}, {166, 94}, {206, 118}, {206, 176}, {34, 176}},
                 QColor(107, 203, 75), 0);
    s << ellipse(QPointF(164, 66), 17, 17, QColor(255, 210, 63), 5);
    s << polygon(star(QPointF(80, 82), 24, 11, 5), QColor(242, 95, 92), 5);
    s << rect(QRectF(34, 40, 172, 136), 10, QColor(), 7);
    // The pencil that places the drawings, lying across the corner.
    const QPointF tip(118, 206);
    const QPointF along(std::sqrt(0.5), -std::sqrt(0.5)), across(std::sqrt(0.5), std::sqrt(0.5));
    auto at = [&](double a, double b) { return tip + along * a + across * b; };
    s << polygon({at(26, -15), at(118, -15), at(118, 15), at(26, 15)}, QColor(255, 182, 39), 6);
    s << polygon({at(118, -15), at(140, -15), at(140, 15), at(118, 15)}, QColor(247, 143, 179), 6);
    s << polygon({at(0, 0), at(26, -15), at(26, 15)}, QColor(244, 214, 160), 6);
    s << polygon({at(0, 0), at(9, -5), at(9, 5)}, kIconInk, 3);
    return icon;
}

Icon puzzleFileIcon()
{
    const QColor red(242, 95, 92), blue(61, 125, 242);
    Icon icon;
    icon.name = QStringLiteral("application-x-vud");
    icon.context = QStringLiteral("mimetypes");
    QVector<IconShape> &s = icon.shapes;
    // A sheet with its corner folded, as the desktop draws files.
    s << polygon({{48, 16}, {170, 16}, {212, 58}, {212, 240}, {48, 240}}, QColor(255, 255, 255), 8);
    s << polygon({{170, 16}, {170, 58}, {212, 58}}, QColor(214, 222, 235), 6);
    // On it, the game's two joined pieces.
    addKnob(s, QPointF(130, 142), red);
    s << rect(QRectF(70, 100, 60, 84), 6, red, 6);
    s << rect(QRectF(130, 100, 60, 84), 6, blue, 6);
    patchKnob(s, QPointF(130, 142), red);
    s << line({{72, 210}, {188, 210}}, 8);
    return icon;
}

QString iconSvg(const Icon &icon)
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                                 "viewBox=\"0 0 256 256\">\n");
    for (const IconShape &shape : icon.shapes) {
        QString paint = QStringLiteral(" fill=\"%1\"").arg(shape.fill.isValid() ? colourText(shape.fill)
                                                                                : QStringLiteral("none"));
        if (shape.fill.isValid() && shape.fill.alpha() < 255)
            paint += QStringLiteral(" fill-opacity=\"%1\"").arg(number(shape.fill.alphaF()));
        if (shape.stroke.isValid()) {
            paint += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linejoin=\"round\" "
                                    "stroke-linecap=\"round\"")
                         .arg(colourText(shape.stroke), number(shape.strokeWidth));
        }
        QStringList points;
        for (QPointF p : shape.points)
            points << number(p.x()) + QLatin1Char(',') + number(p.y());
        switch (shape.kind) {
        case IconShape::Kind::Rect:
            svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>\n")
                       .arg(number(shape.rect.x()), number(shape.rect.y()), number(shape.rect.width()),
                            number(shape.rect.height()), number(shape.radius), paint);
            break;
        case IconShape::Kind::Ellipse:
            svg += QStringLiteral("  <ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"%5/>\n")
                       .arg(number(shape.rect.center().x()), number(shape.rect.center().y()),
                            number(shape.rect.width() / 2), number(shape.rect.height() / 2), paint);
            break;
        case IconShape::Kind::Polygon:
            svg += QStringLiteral("  <polygon points=\"%1\"%2/>\n").arg(points.join(QLatin1Char(' ')), paint);
            break;
        case IconShape::Kind::Line:
            svg += QStringLiteral("  <polyline points=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                                  "stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n")
                       .arg(points.join(QLatin1Char(' ')), colourText(shape.stroke), number(shape.strokeWidth));
            break;
        }
    }
    svg += QStringLiteral("</svg>\n");
    return svg;
}

QImage iconImage(const Icon &icon, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kIconUnits, size / kIconUnits);
    for (const IconShape &shape : icon.shapes) {
        if (shape.stroke.isValid())
            p.setPen(QPen(shape.stroke, shape.strokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            p.setPen(Qt::NoPen);
        p.setBrush(shape.fill.isValid() && shape.kind != IconShape::Kind::Line ? QBrush(shape.fill)
                                                                                : QBrush(Qt::NoBrush));
        switch (shape.kind) {
        case IconShape::Kind::Rect:
            p.drawRoundedRect(shape.rect, shape.radius, shape.radius);
            break;
        case IconShape::Kind::Ellipse:
            p.drawEllipse(shape.rect);
            break;
        case IconShape::Kind::Polygon:
            p.drawPolygon(shape.points.constData(), int(shape.points.size()));
            break;
        case IconShape::Kind::Line:
            p.drawPolyline(shape.points.constData(), int(shape.points.size()));
            break;
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QStringList writeIcons(const QString &folder)
{
    QStringList problems;
    const QDir root(folder);
    for (const Icon &icon : {gameIcon(), editorIcon(), puzzleFileIcon()}) {
        const QString scalable = QStringLiteral("hicolor/scalable/") + icon.context;
        if (!root.mkpath(scalable)) {
            problems << QStringLiteral("cannot make %1").arg(root.filePath(scalable));
            continue;
        }
        QSaveFile svg(root.filePath(scalable + QLatin1Char('/') + icon.name + QStringLiteral(".svg")));
        if (!svg.open(QIODevice::WriteOnly) || svg.write(iconSvg(icon).toUtf8()) < 0 || !svg.commit())
            problems << QStringLiteral("cannot write %1").arg(svg.fileName());
        for (int size : {48, 64, 128, 256}) {
            const QString sized = QStringLiteral("hicolor/%1x%1/%2").arg(size).arg(icon.context);
            const QString path = root.filePath(sized + QLatin1Char('/') + icon.name + QStringLiteral(".png"));
            if (!root.mkpath(sized) || !iconImage(icon, size).save(path, "PNG"))
                problems << QStringLiteral("cannot write %1").arg(path);
        }
    }
    return problems;
}

} // namespace sd
