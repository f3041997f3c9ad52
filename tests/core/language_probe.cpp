// Runs the programs' language loading in a process of its own, as each
// program does at its start, and prints what it chose and loaded, one item
// a line: the language's code, the program's translation file, Qt's
// translation file, VUD's translation of Qt's texts (each file's name, or an
// empty line), the start screen's button caption as the translators have it
// and a file dialog's save button as Qt's texts' translators have it.
//
// usage: language_probe PROGRAM_FOLDER [--lang CODE]
// The translations are looked up from PROGRAM_FOLDER as from the program's
// own folder.

#include "core/datapaths.h"
#include "core/language.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2)
        return 2;
    vud::setProgramFolder(arguments.takeAt(1));
    const vud::LoadedLanguage loaded = vud::loadLanguage(vud::takeLanguageOption(arguments));
    std::printf("%s\n%s\n%s\n%s\n%s\n%s\n", qUtf8Printable(loaded.code),
                qUtf8Printable(QFileInfo(loaded.translationFile).fileName()),
                qUtf8Printable(QFileInfo(loaded.qtTranslationFile).fileName()),
                qUtf8Printable(QFileInfo(loaded.vudQtTranslationFile).fileName()),
                qUtf8Printable(QCoreApplication::translate("Form1", "CONTINUAR")),
                qUtf8Printable(QCoreApplication::translate("QFileDialog", "&Save")));
    return 0;
}
