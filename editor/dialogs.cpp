#include "dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace Editor {

namespace {

Dialogs realDialogs()
{
    Dialogs d;
    d.askText = [](QWidget *parent, const QString &title, const QString &label,
                   const QString &text) -> std::optional<QString> {
        bool ok = false;
        const QString answer
            = QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
        if (!ok)
            return std::nullopt;
        return answer;
    };
    d.askYesNo = [](QWidget *parent, const QString &question) {
        return QMessageBox::question(parent, dialogTitle(), question,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
            == QMessageBox::Yes;
    };
    d.showMessage = [](QWidget *parent, const QString &message) {
        QMessageBox::information(parent, dialogTitle(), message);
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
