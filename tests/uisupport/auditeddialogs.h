#pragma once

#include "editor/ui/qtdialogs.h"
#include "uisupport/textaudit.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QTimer>

// The editor's real dialogs, each audited while on show and then closed: a
// text prompt answered with textAnswer and a dialog that saves a file with
// folder + "/" + a new name (each cancelled without), every other dialog
// cancelled. What the editor hands a dialog to show is audited too.
class AuditedDialogs : public Editor::QtDialogs
{
public:
    explicit AuditedDialogs(TextAudit &audit)
        : m_audit(audit)
    {
    }

    std::optional<QString> textAnswer;
    QString saveFolder;
    // Each dialog met, by its title.
    QStringList met;

    std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                   const QString &text) override
    {
        m_audit.said(QStringLiteral("askText"), QStringLiteral("label"), label);
        watch(QStringLiteral("text prompt"));
        return QtDialogs::askText(parent, title, label, text);
    }
    bool askYesNo(QWidget *parent, const QString &question) override
    {
        watch(QStringLiteral("question"));
        return QtDialogs::askYesNo(parent, question);
    }
    void showMessage(QWidget *parent, const QString &message) override
    {
        watch(QStringLiteral("message"));
        QtDialogs::showMessage(parent, message);
    }
    std::optional<QString> askSaveFile(QWidget *parent, const QString &title, const QString &suggested,
                                       const QString &filter) override
    {
        watch(QStringLiteral("save file"));
        return QtDialogs::askSaveFile(parent, title, suggested, filter);
    }
    std::optional<QString> askPuzzleFile(QWidget *parent, FileChoice choice, const QString &suggestedName) override
    {
        watch(choice == FileChoice::Save ? QStringLiteral("puzzle to save") : QStringLiteral("puzzle to open"));
        return QtDialogs::askPuzzleFile(parent, choice, suggestedName);
    }

private:
    // Waits in the dialog's own event loop until it is on show.
    void watch(const QString &what)
    {
        auto *timer = new QTimer;
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, what] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            timer->stop();
            timer->deleteLater();
            met << dialog->windowTitle();
            m_audit.window(dialog, what + QStringLiteral(" (") + TextAudit::windowName(dialog) + ")");
            auto *input = qobject_cast<QInputDialog *>(dialog);
            auto *files = qobject_cast<QFileDialog *>(dialog);
            if (input && textAnswer) {
                input->setTextValue(*textAnswer);
                input->accept();
            } else if (files && files->acceptMode() == QFileDialog::AcceptSave && !saveFolder.isEmpty()) {
                files->selectFile(QStringLiteral("%1/guardado%2").arg(saveFolder).arg(met.size()));
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
        timer->start();
    }

    TextAudit &m_audit;
};
