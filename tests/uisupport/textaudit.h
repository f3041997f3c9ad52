#pragma once

#include "uisupport/pseudotranslator.h"
#include "widgets/facebutton.h"
#include "widgets/textfit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
#include <QTextDocument>
#include <QWidget>
#include <functional>

// Walks a window on show with the pseudo-translation (or a real language)
// loaded and notes, for
// every visible widget, each text a person sees or hears that escaped
// translation, and each text that does not stand whole in its box with the
// font it is drawn in (or a widget that reaches out of its parent, or a
// window out of the screen). Each finding names its window, the widget's
// objectName and the text, so that it can be found in the code. With
// VUD_AUDIT_SHOTS naming a folder, each window audited is saved there as a
// picture.
class TextAudit
{
public:
    // Texts that come from the data and are shown as they are: file names,
    // the name the child typed.
    QSet<QString> fromData;

    QStringList untranslated;
    QStringList cutOff;

    // A painted text, for widgets that draw their own captions.
    struct Painted
    {
        QString text;
        QRectF box;
        int flags = 0;
        QFont font;
    };

    void window(QWidget *top, const QString &where = QString())
    {
        const QString name = where.isEmpty() ? windowName(top) : where;
        if (const QScreen *screen = top->screen()) {
            if (!screen->geometry().contains(top->frameGeometry()))
                note(cutOff, name, top, QStringLiteral("window out of the screen"), top->windowTitle());
        }
        QList<QWidget *> shown = {top};
        for (QWidget *child : top->findChildren<QWidget *>()) {
            if (child->isVisible() && !child->isWindow() && child->window() == top)
                shown << child;
        }
        m_pass = Pass::Texts;
        text(name, top, QStringLiteral("window title"), top->windowTitle());
        for (QWidget *w : shown)
            widget(name, w);
        // What escaped translation is measured as it would be translated,
        // then put back as it was.
        const QVector<std::function<void()>> restore = lengthenEscaped(shown);
        m_pass = Pass::Fit;
        for (QWidget *w : shown)
            widget(name, w);
        // Pictures of what was measured, to look at, when asked for.
        const QString shots = qEnvironmentVariable("VUD_AUDIT_SHOTS");
        if (!shots.isEmpty()) {
            QString file = name;
            file.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("_"));
            top->grab().save(QStringLiteral("%1/%2-%3.png").arg(shots).arg(++m_shots, 2, 10, QLatin1Char('0')).arg(file));
        }
        for (const std::function<void()> &undo : restore)
            undo();
    }

    // Texts handed to a dialog, which the dialog shows as they are.
    void said(const QString &where, const QString &what, const QString &shown)
    {
        m_pass = Pass::Texts;
        text(where, nullptr, what, shown);
    }

    // Captions a widget paints itself, each measured in its box.
    void painted(const QString &where, QWidget *widget, const QVector<Painted> &captions)
    {
        m_pass = Pass::Texts;
        for (const Painted &caption : captions)
            text(where, widget, QStringLiteral("painted caption"), caption.text);
        m_pass = Pass::Fit;
        for (const Painted &caption : captions) {
            const bool wrapped = caption.flags & Qt::TextWordWrap;
            fits(where, widget, QStringLiteral("painted caption"), caption.text,
                 vud::neededSize(caption.text, caption.font, caption.box.width(), wrapped), caption.box.size());
        }
    }

    QString report() const
    {
        QString out;
        if (!untranslated.isEmpty())
            out += QStringLiteral("\nUntranslated (%1):\n  ").arg(untranslated.size()) + untranslated.join("\n  ");
        if (!cutOff.isEmpty())
            out += QStringLiteral("\nCut off or overflowing (%1):\n  ").arg(cutOff.size()) + cutOff.join("\n  ");
        return out;
    }

    static QString windowName(const QWidget *top)
    {
        const QString cls = QString::fromLatin1(top->metaObject()->className());
        return top->objectName().isEmpty() || cls.endsWith(top->objectName()) ? cls
                                                                             : cls + "#" + top->objectName();
    }

private:
    enum class Pass { Texts, Fit };
    Pass m_pass = Pass::Texts;
    int m_shots = 0;

    QVector<std::function<void()>> lengthenEscaped(const QList<QWidget *> &shown)
    {
        QVector<std::function<void()>> restore;
        // A real language is measured as it is.
        if (AuditLanguage::real())
            return restore;
        auto escaped = [this](const QString &text) {
            return !text.isEmpty() && needsTranslation(text) && !PseudoTranslator::marked(text);
        };
        for (QWidget *w : shown) {
            if (auto *fit = qobject_cast<vud::FitLabel *>(w); fit && escaped(fit->text())) {
                const QString was = fit->text();
                fit->setText(PseudoTranslator::pseudo(was));
                restore << [fit, was] { fit->setText(was); };
            } else if (auto *label = qobject_cast<QLabel *>(w); label && escaped(label->text())) {
                const QString was = label->text();
                label->setText(PseudoTranslator::pseudo(was));
                restore << [label, was] { label->setText(was); };
            } else if (auto *button = qobject_cast<QAbstractButton *>(w); button && escaped(button->text())) {
                const QString was = button->text();
                button->setText(PseudoTranslator::pseudo(was));
                restore << [button, was] { button->setText(was); };
            } else if (auto *list = qobject_cast<QListWidget *>(w)) {
                for (int row = 0; row < list->count(); ++row) {
                    QListWidgetItem *item = list->item(row);
                    const QString was = item->text();
                    if (escaped(was)) {
                        item->setText(PseudoTranslator::pseudo(was));
                        restore << [item, was] { item->setText(was); };
                    }
                }
            }
        }
        // Layouts take the longer texts, from the innermost out.
        for (int round = 0; round < 4; ++round)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        return restore;
    }

    static QString widgetName(const QWidget *widget)
    {
        if (!widget)
            return QStringLiteral("-");
        QString name = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                      : widget->objectName();
        const QVariant index = widget->property("index");
        if (index.isValid())
            name += QStringLiteral("(%1)").arg(index.toInt());
        return name;
    }

    void note(QStringList &list, const QString &where, const QWidget *widget, const QString &what,
              const QString &shown)
    {
        QString oneLine = shown;
        oneLine.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
        const QString line = QStringLiteral("%1 / %2 / %3: \"%4\"").arg(where, widgetName(widget), what, oneLine);
        if (!list.contains(line))
            list << line;
    }

    // Whether a text needs translating at all: data shown as it is, and
    // texts without a letter (numbers, "-"), do not.
    bool needsTranslation(const QString &shown) const
    {
        if (fromData.contains(shown) || fromData.contains(shown.trimmed()))
            return false;
        for (const QChar c : shown) {
            if (c.isLetter())
                return true;
        }
        return false;
    }

    void text(const QString &where, const QWidget *widget, const QString &what, const QString &shown)
    {
        // A real language may keep a text as Spanish has it ("VUD 2.0").
        if (m_pass == Pass::Texts && !AuditLanguage::real() && !shown.isEmpty() && needsTranslation(shown) && !PseudoTranslator::marked(shown))
            note(untranslated, where, widget, what, shown);
    }

    void fits(const QString &where, const QWidget *widget, const QString &what, const QString &shown,
              const QSizeF &needed, const QSizeF &box)
    {
        // Half a pixel of rounding either way.
        if (m_pass == Pass::Fit && (needed.width() > box.width() + 0.5 || needed.height() > box.height() + 0.5))
            note(cutOff, where, widget, what + QStringLiteral(" needs %1x%2 in %3x%4")
                                                  .arg(needed.width(), 0, 'f', 1)
                                                  .arg(needed.height(), 0, 'f', 1)
                                                  .arg(box.width(), 0, 'f', 1)
                                                  .arg(box.height(), 0, 'f', 1),
                 shown);
    }

    void widget(const QString &where, QWidget *w)
    {
        text(where, w, QStringLiteral("tooltip"), w->toolTip());
        text(where, w, QStringLiteral("accessible name"), w->accessibleName());
        text(where, w, QStringLiteral("accessible description"), w->accessibleDescription());
        for (const QAction *action : w->actions()) {
            text(where, w, QStringLiteral("action"), action->text());
            // A tooltip of its own; by default it is the text without '&' and "...".
            QString derived = action->text();
            derived.remove(QLatin1Char('&')).remove(QStringLiteral("..."));
            if (action->toolTip() != derived)
                text(where, w, QStringLiteral("action tooltip"), action->toolTip());
        }
        if (!w->isWindow()) {
            QWidget *parent = w->parentWidget();
            // What a scroll area shows may be larger than its window on it.
            const bool scrolled = parent && qobject_cast<QAbstractScrollArea *>(parent->parentWidget())
                && parent == static_cast<QAbstractScrollArea *>(parent->parentWidget())->viewport();
            if (m_pass == Pass::Fit && parent && !scrolled && !parent->rect().contains(w->geometry()))
                note(cutOff, where, w, QStringLiteral("reaches out of %1").arg(widgetName(parent)),
                     QStringLiteral("%1,%2 %3x%4").arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height()));
        }

        if (auto *face = qobject_cast<vud::FaceButton *>(w)) {
            text(where, w, QStringLiteral("caption"), face->text());
            if (!face->text().isEmpty()) {
                const vud::FaceButton::Layout layout = face->layout();
                fits(where, w, QStringLiteral("caption"), face->text(),
                     vud::neededSize(face->text(), layout.font, layout.caption.width(), true),
                     layout.caption.size());
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            text(where, w, QStringLiteral("button text"), button->text());
            if (m_pass == Pass::Fit && !button->text().isEmpty() && button->width() < button->sizeHint().width())
                note(cutOff, where, w,
                     QStringLiteral("button %1 wide, needs %2").arg(button->width()).arg(button->sizeHint().width()),
                     button->text());
        } else if (auto *shown = qobject_cast<QLabel *>(w)) {
            label(where, shown);
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            text(where, w, QStringLiteral("placeholder"), edit->placeholderText());
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            // A path is the user's; a list of kinds is the program's.
            if (!combo->currentText().startsWith(QLatin1Char('/')))
                text(where, w, QStringLiteral("choice"), combo->currentText());
        } else if (auto *list = qobject_cast<QListWidget *>(w)) {
            items(where, list);
        } else if (auto *header = qobject_cast<QHeaderView *>(w)) {
            if (header->orientation() == Qt::Horizontal && header->model() && !header->isHidden()) {
                for (int section = 0; section < header->count(); ++section)
                    text(where, w, QStringLiteral("column heading"),
                         header->model()->headerData(section, Qt::Horizontal).toString());
            }
        }
    }

    void label(const QString &where, QLabel *label)
    {
        const QString shown = label->text();
        if (shown.isEmpty())
            return;
        text(where, label, QStringLiteral("text"), shown);
        // Rich text lays itself out; its width is the label's.
        if (label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(shown)))
            return;
        // A label with a buddy shows its '&' as the mnemonic's underline.
        QString drawn = shown;
        if (label->buddy())
            drawn.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        const int inset = 2 * label->margin() + qMax(0, label->indent());
        const QSizeF box = QSizeF(label->contentsRect().size()) - QSizeF(inset, 2 * label->margin());
        fits(where, label, QStringLiteral("text"), shown,
             vud::neededSize(drawn, label->font(), box.width(), label->wordWrap()), box);
    }

    void items(const QString &where, QListWidget *list)
    {
        const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
        const qreal room = list->viewport()->width() - margin;
        for (int row = 0; row < list->count(); ++row) {
            const QString shown = list->item(row)->text();
            text(where, list, QStringLiteral("line %1").arg(row + 1), shown);
            const QSizeF needed = vud::neededSize(shown, list->font(), room, list->wordWrap());
            if (m_pass == Pass::Fit && needed.width() > room + 0.5)
                note(cutOff, where, list, QStringLiteral("line %1 needs %2 of %3").arg(row + 1).arg(needed.width()).arg(room),
                     shown);
        }
        list->doItemsLayout();
        if (m_pass == Pass::Fit && list->horizontalScrollBar()->maximum() > 0)
            note(cutOff, where, list, QStringLiteral("horizontal scroll bar"), list->item(0) ? list->item(0)->text() : QString());
    }
};
