#include "widgets/textfit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QTextLayout>

namespace vud {

namespace {

constexpr qreal kSlack = 1e-6;

// One size smaller by the rules, or false at the smallest.
bool smaller(QFont &font, const TextFitRules &rules)
{
    if (font.pointSizeF() > rules.smallestPoints) {
        font.setPointSizeF(qMax(rules.smallestPoints, font.pointSizeF() - rules.step));
        return true;
    }
    if (font.pixelSize() > rules.smallestPoints) {
        font.setPixelSize(font.pixelSize() - 1);
        return true;
    }
    return false;
}

// The last line of text as laid out in width.
QString lastLine(const QString &text, const QFont &font, qreal width, bool wrapped)
{
    if (!wrapped)
        return text.section(QLatin1Char('\n'), -1);
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(lines, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int start = 0;
    int length = int(lines.size());
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        start = line.textStart();
        length = line.textLength();
    }
    layout.endLayout();
    return lines.mid(start, length);
}

} // namespace

QSizeF neededSize(const QString &text, const QFont &font, qreal width, bool wrapped)
{
    if (text.isEmpty())
        return QSizeF();
    const QFontMetricsF metrics(font);
    // Wider than any box, so that the width that comes back is the text's own.
    const QRectF room(0, 0, wrapped ? width : 1e6, 1e6);
    QSizeF size = metrics.boundingRect(room, wrapped ? int(Qt::TextWordWrap) : 0, text).size();
    // Below the last line only what its letters reach down to needs room: a
    // line without descenders loses nothing to a box a little short.
    const qreal ink = metrics.tightBoundingRect(lastLine(text, font, width, wrapped)).bottom();
    size.rheight() -= metrics.descent() - qBound<qreal>(0, ink, metrics.descent());
    return size;
}

FittedText fitText(const QString &text, const QSizeF &box, const QFont &font, const TextFitRules &rules)
{
    auto fits = [&](const QSizeF &needed) {
        return needed.width() <= box.width() + kSlack
            && (!rules.heightCounts || needed.height() <= box.height() + kSlack);
    };
    auto tryAt = [&](const QFont &at, bool wrapped, FittedText &out) {
        const QSizeF needed = neededSize(text, at, box.width(), wrapped);
        if (!fits(needed))
            return false;
        out = {at, wrapped, needed, true};
        return true;
    };

    FittedText fitted;
    QFont at = font;
    switch (rules.wrap) {
    case TextFitRules::Wrap::Always:
    case TextFitRules::Wrap::Never: {
        const bool wrapped = rules.wrap == TextFitRules::Wrap::Always;
        do {
            if (tryAt(at, wrapped, fitted))
                return fitted;
        } while (smaller(at, rules));
        return {at, wrapped, neededSize(text, at, box.width(), wrapped), false};
    }
    case TextFitRules::Wrap::WhenNeeded:
        break;
    }
    // One line as long as it can be had, then wrapped from the designed size
    // down: a wrapped text at a readable size beats a tiny line.
    do {
        if (tryAt(at, false, fitted))
            return fitted;
    } while (smaller(at, rules));
    at = font;
    do {
        if (tryAt(at, true, fitted))
            return fitted;
    } while (smaller(at, rules));
    return {at, true, neededSize(text, at, box.width(), true), false};
}

FitLabel::FitLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

void FitLabel::setDesignFont(const QFont &font)
{
    m_design = font;
    m_hasDesign = true;
    refit();
}

void FitLabel::setFitRules(const TextFitRules &rules)
{
    m_rules = rules;
    refit();
}

void FitLabel::setText(const QString &text)
{
    QLabel::setText(text);
    refit();
}

void FitLabel::refit()
{
    if (!m_hasDesign || m_fitting)
        return;
    m_fitting = true;
    const int inset = 2 * margin() + qMax(0, indent());
    const QSizeF box = QSizeF(contentsRect().size()) - QSizeF(inset, 2 * margin());
    const FittedText fitted = fitText(text(), box, m_design, m_rules);
    if (wordWrap() != fitted.wrapped)
        setWordWrap(fitted.wrapped);
    if (font() != fitted.font)
        setFont(fitted.font);
    m_fitting = false;
}

bool FitLabel::event(QEvent *event)
{
    const bool handled = QLabel::event(event);
    // A new language reaches the window before its controls: by now the
    // window has given this label its new text.
    switch (event->type()) {
    case QEvent::LanguageChange:
    case QEvent::Show:
    case QEvent::ContentsRectChange:
    case QEvent::StyleChange:
        refit();
        break;
    default:
        break;
    }
    return handled;
}

void FitLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refit();
}

} // namespace vud
