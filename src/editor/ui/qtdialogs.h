#pragma once

#include "editor/ui/dialogs.h"

#include <QCoreApplication>

namespace Editor {

// The editor's dialogs as Qt's modal dialogs, with buttons in the editor's
// own words.
class QtDialogs : public Dialogs
{
    Q_DECLARE_TR_FUNCTIONS(Editor::QtDialogs)

public:
    std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                                   const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &question) override;
    void showMessage(QWidget *parent, const QString &message) override;
    std::optional<QString> askSaveFile(QWidget *parent, const QString &title, const QString &suggested,
                                       const QString &filter) override;
    std::optional<QString> askPuzzleFile(QWidget *parent, FileChoice choice, const QString &suggestedName) override;
};

} // namespace Editor
