#pragma once

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// A translation into no language: every text comes back in brackets with
// each word a third longer, as German or French words often are, so that a
// window shows at once what escaped translation (no brackets) and what no
// longer fits its box. Placeholders (%1, %n, %L1), numbers, punctuation and
// line breaks stay as they were.
class PseudoTranslator : public QTranslator
{
public:
    static constexpr QChar Open = u'[';
    static constexpr QChar Close = u']';

    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        return pseudo(QString::fromUtf8(sourceText));
    }

    static QString pseudo(const QString &source)
    {
        if (source.isEmpty())
            return source;
        QString out(Open);
        int word = 0;
        auto endWord = [&] {
            out += QString((word + 2) / 3, QLatin1Char('x'));
            word = 0;
        };
        for (int i = 0; i < source.size(); ++i) {
            const QChar c = source.at(i);
            // A placeholder (%1, %n, %L1) stays whole, its letters no word.
            const int placeholder = placeholderLength(source, i);
            if (placeholder > 0) {
                if (word)
                    endWord();
                out += source.mid(i, placeholder);
                i += placeholder - 1;
                continue;
            }
            if (c.isLetter()) {
                ++word;
            } else if (word) {
                endWord();
            }
            out += c;
        }
        if (word)
            endWord();
        out += Close;
        return out;
    }

    static int placeholderLength(const QString &text, int at)
    {
        if (text.at(at) != u'%')
            return 0;
        int j = at + 1;
        if (j < text.size() && text.at(j) == u'L')
            ++j;
        if (j < text.size() && text.at(j) == u'n')
            return j + 1 - at;
        const int digits = j;
        while (j < text.size() && text.at(j).isDigit())
            ++j;
        return j > digits ? j - at : 0;
    }

    // Whether a text shown went through the translation: it carries the
    // brackets somewhere, round the whole text or a part of it.
    static bool marked(const QString &shown) { return shown.contains(Open) && shown.contains(Close); }
};

// The language a walk is made in: the pseudo-translation, or, with
// VUD_AUDIT_LANGUAGE naming a shipped language ("de"), that language's own
// catalogue and Qt's, so that a walk shows its real texts fit their boxes.
class AuditLanguage
{
public:
    static QString code() { return qEnvironmentVariable("VUD_AUDIT_LANGUAGE"); }
    static bool real() { return !code().isEmpty(); }

    // The translation the walk speaks, loaded and installed.
    bool install()
    {
        if (!real())
            return QCoreApplication::installTranslator(&m_pseudo);
        if (!m_own.load(QStringLiteral("vud_") + code(), QStringLiteral(VUD_TRANSLATIONS_DIR))
            || !QCoreApplication::installTranslator(&m_own))
            return false;
        // Qt's own buttons as the programs load them: the language, else
        // its nearest Qt ships, else Spanish with VUD's own translation of
        // Qt's dialog texts on top where VUD ships one.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const QString &name : {code(), QStringLiteral("pt_BR"), QStringLiteral("es")}) {
            if ((name != QLatin1String("pt_BR") || code() == QLatin1String("pt"))
                && m_qt.load(QStringLiteral("qtbase_") + name, qtFolder)) {
                // Qt's English catalogue is empty: its texts are English already.
                QCoreApplication::installTranslator(&m_qt);
                if (name == QLatin1String("es")
                    && m_vudQt.load(QStringLiteral("qt_") + code(), QStringLiteral(VUD_TRANSLATIONS_DIR)))
                    QCoreApplication::installTranslator(&m_vudQt);
                break;
            }
        }
        return true;
    }

    QTranslator &translator() { return real() ? m_own : static_cast<QTranslator &>(m_pseudo); }

private:
    PseudoTranslator m_pseudo;
    QTranslator m_own;
    QTranslator m_qt;
    QTranslator m_vudQt;
};
