#include "editor/ui/qtdialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Editor {

// The dialogs speak the program's language, whatever the system's: their
// buttons are named here, in the editor's own words, rather than left to Qt's.

std::optional<QString> QtDialogs::askText(QWidget *parent, const QString &title, const QString &label,
                                          const QString &text)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    dialog.setOkButtonText(tr("Aceptar"));
    dialog.setCancelButtonText(tr("Cancelar"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

bool QtDialogs::askYesNo(QWidget *parent, const QString &question)
{
    QMessageBox box(QMessageBox::Question, dialogTitle(), question, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(tr("Sí"));
    box.button(QMessageBox::No)->setText(tr("No"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::showMessage(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Information, dialogTitle(), message, QMessageBox::Ok, parent);
    box.button(QMessageBox::Ok)->setText(tr("Aceptar"));
    box.exec();
}

std::optional<QString> QtDialogs::askSaveFile(QWidget *parent, const QString &title, const QString &suggested,
                                              const QString &filter)
{
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(suggested);
    dialog.setLabelText(QFileDialog::Accept, tr("Guardar"));
    dialog.setLabelText(QFileDialog::Reject, tr("Cancelar"));
    dialog.setLabelText(QFileDialog::FileName, tr("Nombre:"));
    dialog.setLabelText(QFileDialog::LookIn, tr("Buscar en:"));
    dialog.setLabelText(QFileDialog::FileType, tr("Tipo:"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> QtDialogs::askPuzzleFile(QWidget *parent, FileChoice choice, const QString &suggestedName)
{
    //: A file type in the file dialog; keep "(*.vud)" as it is.
    const QString filter = tr("Puzzles de VUD (*.vud)");
    QFileDialog dialog(parent, dialogTitle(), QDir::homePath(), filter);
    dialog.setAcceptMode(choice == FileChoice::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice == FileChoice::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("vud"));
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    dialog.setLabelText(QFileDialog::Accept, choice == FileChoice::Save ? tr("Guardar") : tr("Abrir"));
    dialog.setLabelText(QFileDialog::Reject, tr("Cancelar"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

} // namespace Editor
