#include "game/ui/cellhighlight.h"

#include <QPainter>
#include <algorithm>

CellHighlight::CellHighlight(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CellHighlight"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

int CellHighlight::frameWidth(int cellPixels)
{
    return std::clamp(cellPixels / 8, 6, 16);
}

void CellHighlight::paintEvent(QPaintEvent *)
{
    // Outer and inner black bands around a wider white one: whatever the
    // picture's colours, one of them stands out.
    QPainter p(this);
    const int width = frameWidth(std::min(this->width(), height()));
    const int black = std::max(width / 4, 2);
    QRect r = rect();
    const auto band = [&p, &r](int w, const QColor &colour) {
        p.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
        p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
        p.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
        p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
        r.adjust(w, w, -w, -w);
    };
    band(black, Qt::black);
    band(width - 2 * black, Qt::white);
    band(black, Qt::black);
}
