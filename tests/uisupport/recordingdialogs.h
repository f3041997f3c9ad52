#pragma once

#include "editor/ui/dialogs.h"

#include <QQueue>
#include <QStringList>

// The editor's dialogs answered from a script, with every question recorded.
class RecordingDialogs : public Editor::Dialogs
{
public:
    // Each prompt as "title|label|suggested text"; answered from answers,
    // cancelled once they run out.
    std::optional<QString> askText(QWidget *, const QString &title, const QString &label,
                                   const QString &text) override
    {
        prompts << (title + "|" + label + "|" + text);
        if (answers.isEmpty())
            return std::nullopt;
        return answers.dequeue();
    }
    bool askYesNo(QWidget *, const QString &question) override
    {
        questions << question;
        return yes;
    }
    void showMessage(QWidget *, const QString &message) override { messages << message; }
    // Each save prompt as "title|suggested path"; answered from saveAnswers.
    std::optional<QString> askSaveFile(QWidget *, const QString &title, const QString &suggested,
                                       const QString &) override
    {
        savePrompts << (title + "|" + suggested);
        if (saveAnswers.isEmpty())
            return std::nullopt;
        return saveAnswers.dequeue();
    }
    // Each file dialog as "open|suggested" or "save|suggested"; answered
    // from files, cancelled once they run out.
    std::optional<QString> askPuzzleFile(QWidget *, FileChoice choice, const QString &suggestedName) override
    {
        fileDialogs << (QString(choice == FileChoice::Save ? "save|" : "open|") + suggestedName);
        if (files.isEmpty())
            return std::nullopt;
        return files.dequeue();
    }

    QQueue<std::optional<QString>> answers;
    QStringList prompts;
    QStringList questions;
    QStringList messages;
    QQueue<std::optional<QString>> saveAnswers;
    QStringList savePrompts;
    QQueue<QString> files;
    QStringList fileDialogs;
    bool yes = false;
};
