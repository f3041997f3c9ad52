#pragma once

#include "records/records.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

class QSqlError;
class QSqlQuery;

namespace records {

// The results database: one SQLite file in the writable data folder, opened
// on first use and made there when missing. Write-ahead logging and a busy
// timeout let two games and the progress window use it at once; each save is
// one transaction.
//
// Bad storage never throws nor hangs: a path that is no regular file (a FIFO,
// a link to a device), a file that is no database or is damaged, is moved
// aside under a new name (never deleted) and a new database started where
// the folder allows. A database of a newer version, a read-only file, a full
// disk, a lock held too long or a folder that cannot be written make the
// calls fail at once (or after the busy timeout), with errorText() saying
// what is wrong in words an adult reads.
//
// One store is one connection, used from the thread that made it.
class ResultsStore
{
    Q_DECLARE_TR_FUNCTIONS(records::ResultsStore)

public:
    // The database's file name in the writable data folder.
    static QString fileName();
    // The database in the writable data folder as the data paths give it now.
    static QString defaultPath();

    // The database at path (defaultPath() when empty). Nothing is opened yet.
    // busyTimeoutMs: how long a call waits for another program's lock.
    explicit ResultsStore(const QString &path = QString(), int busyTimeoutMs = 2000);
    ~ResultsStore();
    ResultsStore(const ResultsStore &) = delete;
    ResultsStore &operator=(const ResultsStore &) = delete;

    QString path() const { return m_path; }

    // Opens the database if it is not open yet, making or migrating it.
    // False when it cannot be used; errorText() says why. Every call below
    // opens it first.
    bool open();
    bool isOpen() const { return m_open; }

    // What went wrong last, in Spanish for the adult; empty when the last
    // call succeeded. movedAside() is the path a broken file was moved to by
    // the last opening, if any.
    QString errorText() const { return m_error; }
    QString movedAside() const { return m_movedAside; }

    // The child's unfinished board, replaced. Nothing is saved for a board
    // that is not sensible.
    bool saveBoard(const UnfinishedBoard &board);
    // The child's unfinished board, if there is one that makes sense and its
    // picture is still the same file (same size and modification). A board
    // whose picture changed or went is forgotten here.
    std::optional<UnfinishedBoard> loadBoard(const QString &typedName);
    bool clearBoard(const QString &typedName);

    // Stores a finished game and forgets the child's unfinished board, in one
    // transaction.
    bool recordGame(const FinishedGame &game);

    // Every child with a game or an unfinished board, the latest game first.
    QVector<ChildSummary> children();
    // The child's games (key as childKey gives it), newest first.
    QVector<FinishedGame> games(const QString &key);
    // Everyone's games, by child and then newest first.
    QVector<FinishedGame> allGames();
    // Forgets a child's games and unfinished board.
    bool deleteChild(const QString &key);

private:
    bool openOnce();
    bool prepareSchema();
    bool prepareFile();
    QString asideName() const;
    bool moveAside(const QString &why);
    void closeDatabase();
    bool fail(const QString &text);
    bool failQuery(const QSqlQuery &query, const QString &what);
    bool failed(const QSqlError &error, const QString &what);

    QString m_path;
    QString m_connection;
    int m_busyTimeoutMs;
    bool m_open = false;
    bool m_broken = false; // found damaged; moved aside when next opened
    QString m_error;
    QString m_movedAside;
};

} // namespace records
