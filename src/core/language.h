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

// True when the code asks for a language of those shipped, exactly or by its
// language alone, as chooseLanguage matches them.
bool isShippedLanguage(const QString &code, const QStringList &shipped);

// The folder of the programs' compiled translations ("vud_fr.qm", ...):
// "translations" in the program folder where there is one (the build), else
// in the first installed data folder that holds one. Empty when none exists.
QString translationsFolder();

// The languages the programs speak with the translations in folder: the
// source language, then one code for each "vud_CODE.qm" there, sorted.
QStringList shippedLanguages(const QString &folder);

// Takes every "--lang CODE" and "--lang=CODE" out of a program's arguments
// (the program itself first, as QCoreApplication::arguments() lists them)
// and returns the last code, or an empty string. A "--lang" with no code
// after it sets *missingCode.
QString takeLanguageOption(QStringList &arguments, bool *missingCode = nullptr);

// What loadLanguage chose and loaded.
struct LoadedLanguage
{
    QString code;               // the language spoken, as chooseLanguage gives it
    QString translationFile;    // the program's translation loaded; empty for the source language
    QString qtTranslationFile;  // Qt's own texts' translation loaded, or empty
    QString vudQtTranslationFile; // VUD's translation of Qt's own texts, over qtTranslationFile, or empty
    bool unknownChoice = false; // an explicit choice that no shipped language matched
};

// Chooses the language from the explicit choice and the desktop's languages
// (QLocale::system().uiLanguages(), which follow LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG), among those in translationsFolder(), and installs
// its translators on the running application: the programs' own (none for
// the source language) and Qt's own texts' from Qt's translations folder
// ("qtbase_pt_BR" for "pt" when Qt has no "qtbase_pt"; for a language Qt
// does not speak, VUD's "qt_CODE.qm" from the same folder as the programs'
// translations over Qt's Spanish, or Qt's Spanish alone). An unknown explicit choice is reported by a
// line on stderr and otherwise ignored. Call once, after the application
// object exists and has its name.
LoadedLanguage loadLanguage(const QString &explicitChoice);

} // namespace vud
