#include "core/language.h"

#include "core/datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <cstdio>

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

bool isShippedLanguage(const QString &code, const QStringList &shipped)
{
    return !match(code, shipped).isEmpty();
}

QString translationsFolder()
{
    const QLatin1String name("/translations");
    QStringList candidates{programFolder() + name};
    for (const QString &folder : installedDataFolders())
        candidates << folder + name;
    for (const QString &folder : candidates) {
        if (!QDir(folder).entryList({QStringLiteral("vud_*.qm")}, QDir::Files).isEmpty())
            return folder;
    }
    return {};
}

QStringList shippedLanguages(const QString &folder)
{
    QStringList codes;
    if (!folder.isEmpty()) {
        const QStringList files = QDir(folder).entryList({QStringLiteral("vud_*.qm")}, QDir::Files, QDir::Name);
        for (const QString &file : files) {
            const QString code = file.mid(4, file.size() - 7);
            if (!code.isEmpty() && code != QLatin1String(kSourceLanguage))
                codes << code;
        }
    }
    codes.prepend(QString::fromLatin1(kSourceLanguage));
    return codes;
}

QString takeLanguageOption(QStringList &arguments, bool *missingCode)
{
    const QLatin1String option("--lang");
    QString code;
    for (int k = 1; k < arguments.size();) {
        const QString &a = arguments.at(k);
        if (a == option) {
            if (k + 1 >= arguments.size()) {
                if (missingCode)
                    *missingCode = true;
                arguments.removeAt(k);
                continue;
            }
            code = arguments.at(k + 1);
            arguments.remove(k, 2);
        } else if (a.startsWith(option + QLatin1Char('='))) {
            code = a.mid(option.size() + 1);
            arguments.removeAt(k);
        } else {
            ++k;
        }
    }
    return code;
}

LoadedLanguage loadLanguage(const QString &explicitChoice)
{
    LoadedLanguage loaded;
    const QString folder = translationsFolder();
    const QStringList shipped = shippedLanguages(folder);
    loaded.unknownChoice = !explicitChoice.isEmpty() && !isShippedLanguage(explicitChoice, shipped);
    loaded.code = chooseLanguage(QLocale::system().uiLanguages(), shipped, explicitChoice);

    QCoreApplication *app = QCoreApplication::instance();
    if (loaded.code != QLatin1String(kSourceLanguage)) {
        auto *translator = new QTranslator(app);
        const QString file = folder + QStringLiteral("/vud_") + loaded.code + QStringLiteral(".qm");
        // A catalogue with no text translated yet loads but does not install:
        // it would change nothing.
        if (translator->load(file)) {
            loaded.translationFile = file;
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
        }
    }

    // Qt's own texts (a line edit's menu, a file dialog's labels): in the
    // language spoken where Qt speaks it. Where it does not, VUD's own
    // catalogue of those texts ("qt_gl.qm") goes over Qt's Spanish, which
    // still gives whatever that catalogue lacks; with neither, Qt's Spanish.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString language = loaded.code.section(QLatin1Char('_'), 0, 0);
    QStringList qtNames{loaded.code, language};
    if (language == QLatin1String("pt"))
        qtNames << QStringLiteral("pt_BR");
    const QString vudQtFile = [&]() -> QString {
        if (folder.isEmpty() || loaded.code == QLatin1String(kSourceLanguage))
            return {};
        for (const QString &name : qtNames) {
            if (QFileInfo::exists(qtFolder + QStringLiteral("/qtbase_") + name + QStringLiteral(".qm")))
                return {};
        }
        for (const QString &name : {loaded.code, language}) {
            const QString file = folder + QStringLiteral("/qt_") + name + QStringLiteral(".qm");
            if (QFileInfo::exists(file))
                return file;
        }
        return {};
    }();
    if (!vudQtFile.isEmpty())
        qtNames.clear();
    qtNames << QString::fromLatin1(kSourceLanguage);
    auto *qtTranslator = new QTranslator(app);
    for (const QString &name : qtNames) {
        const QString file = qtFolder + QStringLiteral("/qtbase_") + name + QStringLiteral(".qm");
        if (QFileInfo::exists(file) && qtTranslator->load(file)) {
            QCoreApplication::installTranslator(qtTranslator);
            loaded.qtTranslationFile = file;
            break;
        }
    }
    if (loaded.qtTranslationFile.isEmpty())
        delete qtTranslator;
    // Installed last, so asked first.
    if (!vudQtFile.isEmpty()) {
        auto *vudQtTranslator = new QTranslator(app);
        if (vudQtTranslator->load(vudQtFile)) {
            QCoreApplication::installTranslator(vudQtTranslator);
            loaded.vudQtTranslationFile = vudQtFile;
        } else {
            delete vudQtTranslator;
        }
    }

    if (loaded.unknownChoice) {
        //: A warning on the command line: %1 the program, %2 the code asked for, %3 the codes shipped.
        const QString warning = QCoreApplication::translate("vud", "%1: unknown language %2, one of: %3")
                                    .arg(QCoreApplication::applicationName(), explicitChoice,
                                         shipped.join(QLatin1Char(' ')));
        std::fprintf(stderr, "%s\n", qUtf8Printable(warning));
    }
    return loaded;
}

} // namespace vud
