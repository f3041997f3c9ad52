#include "dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Editor {

namespace {

// The dialogs speak the program's Spanish on any system: their buttons are
// named here rather than taken from the system's language.
Dialogs realDialogs()
{
    Dialogs d;
    d.askText = [](QWidget *parent, const QString &title, const QString &label,
                   const QString &text) -> std::optional<QString> {
        QInputDialog dialog(parent);
        dialog.setWindowTitle(title);
        dialog.setLabelText(label);
        dialog.setTextValue(text);
        dialog.setOkButtonText(QStringLiteral("Aceptar"));
        dialog.setCancelButtonText(QStringLiteral("Cancelar"));
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    };
    d.askYesNo = [](QWidget *parent, const QString &question) {
        QMessageBox box(QMessageBox::Question, dialogTitle(), question, QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("Sí"));
        box.button(QMessageBox::No)->setText(QStringLiteral("No"));
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    };
    d.showMessage = [](QWidget *parent, const QString &message) {
        QMessageBox box(QMessageBox::Information, dialogTitle(), message, QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
        box.exec();
    };
    d.quit = [] { QCoreApplication::exit(0); };
    return d;
}

} // namespace

Dialogs &dialogs()
{
    static Dialogs current = realDialogs();
    return current;
}

void resetDialogs()
{
    dialogs() = realDialogs();
}

QString dialogTitle()
{
    return QStringLiteral("VUD editor");
}

} // namespace Editor
