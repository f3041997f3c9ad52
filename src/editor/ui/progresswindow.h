#pragma once

#include "records/records.h"
#include "records/resultsstore.h"

#include <QWidget>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;

namespace Editor {

class Dialogs;
class GamesModel;
class ProgressChart;

// The progress window, for parents and teachers: the children who played,
// and for the chosen one a chart of seconds (or moves) per game over time
// and the games as a table; it exports games as CSV and forgets a child.
class ProgressWindow : public QWidget
{
    Q_OBJECT

public:
    // Reads the results database at storePath (the data folder's when empty)
    // and asks through dialogs, which must outlive the window.
    explicit ProgressWindow(Dialogs &dialogs, const QString &storePath = QString(), QWidget *parent = nullptr);
    ~ProgressWindow() override;

    // Reads the list of children again, keeping the chosen one if it is still there.
    void refresh();
    // Chooses the child of that key (as records::childKey gives it).
    void selectChild(const QString &key);
    QString selectedChild() const;
    // Shows seconds (false) or moves (true) on the chart.
    void showMoves(bool moves);

    void exportChild();
    void exportEveryone();
    void deleteChild();

private:
    void childChosen();
    void showError();
    bool exportGames(const QVector<records::FinishedGame> &games, const QString &suggestedName);

    Dialogs &m_dialogs;
    records::ResultsStore m_store;
    QVector<records::ChildSummary> m_children;
    QVector<records::FinishedGame> m_games;
    bool m_moves = false;

    QLabel *m_error = nullptr;
    QListWidget *m_list = nullptr;
    ProgressChart *m_chart = nullptr;
    QRadioButton *m_seconds = nullptr;
    QRadioButton *m_movesButton = nullptr;
    QTableView *m_table = nullptr;
    GamesModel *m_model = nullptr;
    QPushButton *m_exportChild = nullptr;
    QPushButton *m_exportAll = nullptr;
    QPushButton *m_delete = nullptr;
};

// The name a child is shown by; the empty name reads "(sin nombre)".
QString childCaption(const QString &name);

} // namespace Editor
