#include "widgets/facebutton.h"

#include "widgets/textfit.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

namespace vud {

namespace {

constexpr qreal kOutline = 1.5;        // width of the face's outline
constexpr qreal kPaddingX = 4;         // room left round a picture or caption...
constexpr qreal kPaddingY = 3;
constexpr qreal kFullPaddingSide = 64; // ...in full from this shorter side on, less below
constexpr qreal kSmallestPoints = 6;   // a caption is never shrunk below this
constexpr qreal kRoundest = 0.4;       // rounder corners would meet on the shadowed face
constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

// The face leaves 1 px all round and, on the right and at the bottom, room
// for its shadow, which lies 1 px right and 2 px down; pressed, the face
// sinks onto the shadow.
QRectF bodyOf(const QRect &widget, bool pressed)
{
    const QRectF body = QRectF(widget).adjusted(1, 1, -2, -3);
    return pressed ? body.translated(1, 2) : body;
}

// The body shrunk by these margins, inwards onto whole pixels, so that a
// picture drawn there at its own size lies wholly within.
QRectF shrunkOnWholePixels(const QRectF &body, qreal x, qreal y)
{
    const qreal left = std::ceil(body.left() + x);
    const qreal top = std::ceil(body.top() + y);
    const qreal right = std::floor(body.right() - x);
    const qreal bottom = std::floor(body.bottom() - y);
    return QRectF(left, top, qMax<qreal>(0, right - left), qMax<qreal>(0, bottom - top));
}

// The face inside its outline: what is drawn here covers nothing of it.
QRectF insideOf(const QRectF &body)
{
    return shrunkOnWholePixels(body, kOutline / 2, kOutline / 2);
}

// The face less its padding, which shrinks on small buttons, and clear of
// the rounded corners: a rectangle filling it keeps its own corners inside
// the outline.
QRectF roomOf(const QRectF &body, qreal radius)
{
    const qreal scale = qMin<qreal>(1, qMin(body.width(), body.height()) / kFullPaddingSide);
    const qreal corner = radius * (1 - M_SQRT1_2) + kOutline / 2;
    return shrunkOnWholePixels(body, qMax(kPaddingX * scale, corner), qMax(kPaddingY * scale, corner));
}

bool fits(const QSizeF &size, const QRectF &area)
{
    return size.width() <= area.width() + 1e-6 && size.height() <= area.height() + 1e-6;
}

} // namespace

FaceButton::FaceButton(QWidget *parent)
    : FaceButton(QString(), parent)
{
}

FaceButton::FaceButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setAttribute(Qt::WA_Hover);
}

void FaceButton::setFaceColour(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, colour);
    setPalette(palette);
    update();
}

QColor FaceButton::faceColour() const
{
    return palette().color(QPalette::Button);
}

void FaceButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void FaceButton::setRoundness(qreal partOfShorterSide)
{
    m_roundness = qBound<qreal>(0, partOfShorterSide, kRoundest);
    update();
}

qreal FaceButton::cornerRadius() const
{
    return qMin(width(), height()) * m_roundness;
}

QSize FaceButton::pictureRoom() const
{
    return roomOf(bodyOf(rect(), false), cornerRadius()).size().toSize();
}

FaceButton::Layout FaceButton::layout(bool pressed) const
{
    Layout layout;
    layout.body = bodyOf(rect(), pressed);
    layout.inside = insideOf(layout.body);
    layout.radius = cornerRadius();
    layout.font = font();
    const QRectF room = roomOf(layout.body, layout.radius);
    const QString caption = text();
    const bool hasPicture = !m_picture.isNull();
    const QSizeF pictureSize = hasPicture ? m_picture.deviceIndependentSize() : QSizeF();

    auto captionBox = [&](const QRectF &area) {
        return QFontMetricsF(layout.font).boundingRect(area, kCaptionFlags, caption);
    };
    // A caption must fit across (a word wider than the area would be cut at
    // its edges) and from top to bottom, above or beside nothing else.
    auto captionFits = [&](const QRectF &area) {
        if (caption.isEmpty())
            return true;
        const QRectF box = captionBox(area);
        return box.width() <= area.width() && box.height() <= area.height();
    };
    auto everythingFits = [&](const QRectF &area) {
        if (!captionFits(area))
            return false;
        const qreal captionHeight = caption.isEmpty() ? 0 : captionBox(area).height();
        return !hasPicture || fits(pictureSize + QSizeF(0, captionHeight), area);
    };

    // What does not fit within the padding may use it, up to the outline;
    // what still does not fit is drawn smaller.
    const QRectF area = everythingFits(room) ? room : layout.inside;
    TextFitRules rules;
    rules.wrap = TextFitRules::Wrap::Always;
    rules.smallestPoints = kSmallestPoints;
    layout.font = fitText(caption, area.size(), layout.font, rules).font;
    const qreal captionHeight = caption.isEmpty() ? 0 : qMin(area.height(), captionBox(area).height());

    if (!hasPicture) {
        if (!caption.isEmpty())
            layout.caption = area;
        return layout;
    }
    QSizeF shown = pictureSize;
    const QSizeF space(area.width(), area.height() - captionHeight);
    if (!fits(shown, QRectF(QPointF(), space)))
        shown = shown.scaled(space, Qt::KeepAspectRatio);
    const QSize whole(qMax(1, qFloor(shown.width())), qMax(1, qFloor(shown.height())));
    // Centred across; the picture and the caption under it together are
    // centred from top to bottom.
    const qreal top = area.top() + qMax<qreal>(0, (area.height() - captionHeight - whole.height()) / 2);
    layout.picture = QRect(QPoint(qRound(area.center().x() - whole.width() / 2.0), qRound(top)), whole);
    if (!caption.isEmpty()) {
        const qreal below = layout.picture.top() + whole.height();
        layout.caption = QRectF(area.left(), below, area.width(), qMax<qreal>(0, area.bottom() - below));
    }
    return layout;
}

QColor FaceButton::shownFace() const
{
    const QColor face = faceColour();
    if (!isEnabled())
        return QColor::fromHsv(face.hsvHue(), face.hsvSaturation() / 3, qMin(255, face.value() / 2 + 110));
    if (underMouse() && !isDown())
        return face.lighter(108);
    return face;
}

QColor FaceButton::ink() const
{
    if (!isEnabled())
        return QColor(140, 140, 140);
    const QColor face = shownFace();
    const bool dark = 0.299 * face.red() + 0.587 * face.green() + 0.114 * face.blue() < 140;
    return dark ? QColor(Qt::white) : QColor(30, 20, 50);
}

QSize FaceButton::sizeHint() const
{
    return size().isValid() ? size() : QPushButton::sizeHint();
}

bool FaceButton::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange
        && (accessibleName().isEmpty() || accessibleName() == m_nameFromTip)) {
        m_nameFromTip = toolTip();
        setAccessibleName(m_nameFromTip);
    }
    return QPushButton::event(event);
}

int FaceButton::focusFrameWidth() const
{
    return qBound(4, qMin(width(), height()) / 8, 10);
}

void FaceButton::focusInEvent(QFocusEvent *event)
{
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        m_keyboardFocus = true;
        break;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        // Back in its window: shown as it was before.
        break;
    default:
        m_keyboardFocus = false;
        break;
    }
    QPushButton::focusInEvent(event);
}

void FaceButton::mousePressEvent(QMouseEvent *event)
{
    m_keyboardFocus = false;
    update();
    QPushButton::mousePressEvent(event);
}

void FaceButton::keyPressEvent(QKeyEvent *event)
{
    if (!m_keyboardFocus) {
        m_keyboardFocus = true;
        update();
    }
    QPushButton::keyPressEvent(event);
}

void FaceButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool pressed = isDown();
    const Layout layout = this->layout(pressed);
    const QColor face = shownFace();
    const qreal radius = layout.radius;

    // The shadow, which the face covers while pressed.
    const QRectF outer = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(outer.translated(pressed ? 0 : 1, pressed ? 0 : 2), radius, radius);

    // The face shows its own colour over the upper half, so the colour a
    // button was given is the colour seen, and darkens below it for depth.
    QLinearGradient shade(layout.body.topLeft(), layout.body.bottomLeft());
    shade.setColorAt(0.0, face);
    shade.setColorAt(0.45, face);
    shade.setColorAt(1.0, face.darker(122));
    painter.setBrush(shade);
    painter.setPen(QPen(face.darker(170), kOutline));
    painter.drawRoundedRect(layout.body, radius, radius);
    // A gleam just inside the top edge, between the rounded corners.
    const qreal gleamY = layout.inside.top() + 0.5;
    painter.setPen(QPen(QColor(255, 255, 255, 170), 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(layout.body.left() + radius + 1, gleamY),
                     QPointF(layout.body.right() - radius - 1, gleamY));

    if (!layout.picture.isEmpty()) {
        QPixmap picture = m_picture;
        if (!isEnabled()) {
            QPixmap faded(picture.size());
            faded.setDevicePixelRatio(picture.devicePixelRatio());
            faded.fill(Qt::transparent);
            QPainter fade(&faded);
            fade.setOpacity(0.35);
            fade.drawPixmap(0, 0, picture);
            fade.end();
            picture = faded;
        }
        if (layout.picture.size() != m_picture.deviceIndependentSize().toSize())
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(layout.picture, picture);
    }
    if (!layout.caption.isEmpty()) {
        painter.setPen(ink());
        painter.setFont(layout.font);
        painter.drawText(layout.caption, kCaptionFlags, text());
    }
    if (showsFocusFrame()) {
        // Black, white and black bands as wide as each other, seen on any
        // face colour, round the whole button.
        const qreal width = focusFrameWidth();
        const QRectF frame = QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, width));
        painter.drawRoundedRect(frame, radius, radius);
        painter.setPen(QPen(Qt::white, width / 3));
        painter.drawRoundedRect(frame, radius, radius);
    } else if (hasFocus()) {
        painter.setPen(QPen(QColor(30, 20, 50), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(layout.body.adjusted(3, 3, -3, -3), radius / 2, radius / 2);
    }
}

} // namespace vud
