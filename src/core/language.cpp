#include "core/language.h"

#include <QRegularExpression>

namespace vud {

namespace {

QString normalised(QString code)
{
    code.replace(QLatin1Char('-'), QLatin1Char('_'));
    // "de_DE.UTF-8" or "ca_ES@valencia", as LANG holds them.
    const qsizetype cut = code.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        code.truncate(cut);
    return code.trimmed().toLower();
}

// The shipped code for one asked language, or an empty string.
QString match(const QString &asked, const QStringList &shipped)
{
    const QString code = normalised(asked);
    if (code.isEmpty() || code == QLatin1String("c") || code == QLatin1String("posix"))
        return {};
    for (const QString &s : shipped) {
        if (normalised(s) == code)
            return s;
    }
    const QString language = code.section(QLatin1Char('_'), 0, 0);
    for (const QString &s : shipped) {
        if (normalised(s) == language)
            return s;
    }
    return {};
}

} // namespace

QString chooseLanguage(const QStringList &desktopLanguages, const QStringList &shipped,
                       const QString &explicitChoice)
{
    if (!explicitChoice.isEmpty()) {
        const QString chosen = match(explicitChoice, shipped);
        if (!chosen.isEmpty())
            return chosen;
    }
    for (const QString &asked : desktopLanguages) {
        const QString chosen = match(asked, shipped);
        if (!chosen.isEmpty())
            return chosen;
    }
    return QString::fromLatin1(kSourceLanguage);
}

} // namespace vud
