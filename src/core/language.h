#pragma once

#include <QString>
#include <QStringList>

namespace vud {

// The programs' own language, the source of every text: what they speak
// when no language they ship is asked for.
inline constexpr char kSourceLanguage[] = "es";

// The language to speak, as a code of those in shipped ("es", "pt_BR", ...).
// An explicit choice (a --lang option) comes first; then the desktop's
// languages in order, as QLocale::uiLanguages() lists them ("pt-BR",
// "en-GB", "C"). The first one shipped wins, exactly or else by its
// language alone ("pt-BR" falls back to "pt"); with none shipped, the
// source language. Codes are compared without regard to case or to "-"
// against "_".
QString chooseLanguage(const QStringList &desktopLanguages, const QStringList &shipped,
                       const QString &explicitChoice = QString());

} // namespace vud
