#pragma once

#include <QFont>
#include <QLabel>
#include <QSizeF>
#include <QString>

namespace vud {

// How a text may be fitted into a box.
struct TextFitRules
{
    enum class Wrap {
        Never,      // one line, made smaller until it fits
        WhenNeeded, // one line while some size down to the smallest fits, wrapped only past that
        Always,     // wrapped between words at every size, as a word-wrapping label draws it
    };
    Wrap wrap = Wrap::WhenNeeded;
    qreal smallestPoints = 8; // never smaller; a pixel-sized font stops at as many pixels
    qreal step = 0.5;         // points taken off at each try
    bool heightCounts = true; // false: only the width must fit (the height is someone else's)
};

// A text as it fits a box: the font to draw it with, whether it is wrapped,
// the room it takes and whether it fits whole at all.
struct FittedText
{
    QFont font;
    bool wrapped = false;
    QSizeF needed;
    bool whole = false;
};

// The largest size of font, from its own size down to the rules' smallest,
// at which text stands whole in box: on one line or, where the rules allow,
// wrapped between words (a word wider than the box never fits). A text that
// fits as designed keeps its font untouched.
FittedText fitText(const QString &text, const QSizeF &box, const QFont &font, const TextFitRules &rules = {});

// The room text takes in a box of the given width, with the font and flags a
// painter or a label draws it with: what callers compare with their box.
QSizeF neededSize(const QString &text, const QFont &font, qreal width, bool wrapped);

// A label whose text always stands whole inside its box: its designed font is
// made smaller, or the text wrapped, whenever the text or the box changes
// (a new text, a new language, a new size). Where the text fits as designed
// nothing changes.
class FitLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FitLabel(const QString &text = QString(), QWidget *parent = nullptr);

    // The font the label is designed with; the one shown may be smaller.
    void setDesignFont(const QFont &font);
    QFont designFont() const { return m_design; }
    void setFitRules(const TextFitRules &rules);
    TextFitRules fitRules() const { return m_rules; }

    void setText(const QString &text);
    // Fits the text anew to the label's contents (its margin and indent left out).
    void refit();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QFont m_design;
    TextFitRules m_rules;
    bool m_hasDesign = false;
    bool m_fitting = false;
};

} // namespace vud
