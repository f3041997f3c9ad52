#include "records/resultsstore.h"

#include "core/datapaths.h"
#include "core/picturefile.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>

namespace records {

namespace {

// The schema this program writes. A database of a later one is left alone.
constexpr int kSchemaVersion = 1;

const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS games ("
    " id INTEGER PRIMARY KEY,"
    " child TEXT NOT NULL,"
    " child_key TEXT NOT NULL,"
    " ended_ms INTEGER NOT NULL,"
    " ended_offset INTEGER NOT NULL,"
    " picture TEXT NOT NULL,"
    " pieces INTEGER NOT NULL,"
    " seconds INTEGER NOT NULL,"
    " moves INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS games_by_child ON games (child_key, ended_ms)",
    "CREATE TABLE IF NOT EXISTS boards ("
    " child_key TEXT PRIMARY KEY,"
    " child TEXT NOT NULL,"
    " picture TEXT NOT NULL,"
    " picture_size INTEGER NOT NULL,"
    " picture_modified INTEGER NOT NULL,"
    " columns INTEGER NOT NULL,"
    " rows INTEGER NOT NULL,"
    " pieces TEXT NOT NULL,"
    " moves INTEGER NOT NULL,"
    " seconds INTEGER NOT NULL)",
};

// SQLite's primary result codes that say something to the adult.
enum SqliteCode { Busy = 5, Locked = 6, ReadOnly = 8, IoError = 10, Corrupt = 11, Full = 13, CantOpen = 14, NotADatabase = 26 };

int primaryCode(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok ? code & 0xff : 0;
}

QString piecesText(const QVector<int> &pieces)
{
    QStringList numbers;
    numbers.reserve(pieces.size());
    for (int piece : pieces)
        numbers << QString::number(piece);
    return numbers.join(QLatin1Char(','));
}

QVector<int> piecesFromText(const QString &text)
{
    // At most 108 numbers of at most three digits: anything longer is no board.
    if (text.size() > MaxColumns * MaxRows * 4)
        return {};
    QVector<int> pieces;
    const QStringList numbers = text.split(QLatin1Char(','));
    if (numbers.size() > MaxColumns * MaxRows)
        return {};
    for (const QString &number : numbers) {
        bool ok = false;
        const int piece = number.toInt(&ok);
        if (!ok)
            return {};
        pieces << piece;
    }
    return pieces;
}

FinishedGame gameFrom(const QSqlQuery &query)
{
    FinishedGame game;
    game.child = query.value(0).toString();
    game.ended = QDateTime::fromMSecsSinceEpoch(query.value(1).toLongLong(), Qt::OffsetFromUTC,
                                                query.value(2).toInt());
    game.picture = query.value(3).toString();
    game.pieces = query.value(4).toInt();
    game.seconds = query.value(5).toInt();
    game.moves = query.value(6).toInt();
    return game;
}

// SQL takes a null string for NULL; the empty name is a name.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

// True when the path names something, a dangling link included.
bool pathIsTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

} // namespace

QString ResultsStore::fileName()
{
    return QStringLiteral("resultados.sqlite");
}

QString ResultsStore::defaultPath()
{
    const QString folder = vud::writableDataFolder();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + fileName();
}

ResultsStore::ResultsStore(const QString &path, int busyTimeoutMs)
    : m_path(path.isEmpty() ? defaultPath() : path)
    , m_busyTimeoutMs(busyTimeoutMs)
{
    static QAtomicInt counter;
    m_connection = QStringLiteral("vud-results-%1").arg(counter.fetchAndAddRelaxed(1));
}

ResultsStore::~ResultsStore()
{
    closeDatabase();
}

void ResultsStore::closeDatabase()
{
    m_open = false;
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool ResultsStore::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool ResultsStore::failed(const QSqlError &error, const QString &what)
{
    const QString file = QDir::toNativeSeparators(m_path);
    switch (primaryCode(error)) {
    case Corrupt:
    case NotADatabase:
        // Moved aside by the next call, once this one's statements are
        // done with; that call starts a new database.
        m_open = false;
        m_broken = true;
        return fail(tr("El archivo de resultados %1 está dañado: se apartará y se empezará uno "
                                   "nuevo. No se pudo: %2.").arg(file, what));
    case Busy:
    case Locked:
        return fail(tr("Otro programa tiene ocupado el archivo de resultados %1 desde hace rato. "
                                   "No se pudo: %2.").arg(file, what));
    case ReadOnly:
        return fail(tr("El archivo de resultados %1 es de solo lectura. No se pudo: %2.").arg(file, what));
    case Full:
        return fail(tr("El disco está lleno. No se pudo: %1 (en %2).").arg(what, file));
    case CantOpen:
        return fail(tr("No se puede abrir ni crear el archivo de resultados %1. Mire que la carpeta "
                                   "exista y se pueda escribir.").arg(file));
    case IoError:
        return fail(tr("Error de disco con el archivo de resultados %1 (¿disco lleno?). No se pudo: "
                                   "%2.").arg(file, what));
    default:
        return fail(tr("Error con el archivo de resultados %1 (%2). No se pudo: %3.")
                        .arg(file, error.databaseText(), what));
    }
}

bool ResultsStore::failQuery(const QSqlQuery &query, const QString &what)
{
    return failed(query.lastError(), what);
}

QString ResultsStore::asideName() const
{
    return m_path + QStringLiteral(".apartado-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss-zzz"));
}

bool ResultsStore::moveAside(const QString &why)
{
    closeDatabase();
    const QString aside = asideName();
    // The journal files go with the database: a stale log replayed into the
    // new database would bring the broken one's pages back.
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString from = m_path + suffix;
        if (!pathIsTaken(from))
            continue;
        // rename(2) moves a link itself, also one that leads nowhere.
        if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(aside + suffix).constData()) != 0) {
            if (suffix.isEmpty()) {
                return fail(tr("El archivo de resultados %1 %2 y no se puede apartar: la carpeta no se "
                                           "puede escribir.").arg(QDir::toNativeSeparators(m_path), why));
            }
        }
    }
    m_movedAside = aside;
    return true;
}

// A database path holds a database, an empty file or nothing: anything else
// is moved aside before SQLite opens it, since opening a FIFO or reading a
// device could wait forever.
bool ResultsStore::prepareFile()
{
    if (pathIsTaken(m_path) && !vud::isRegularFile(m_path))
        //: Why the results file is moved aside, put where %2 is in
        //: "El archivo de resultados %1 %2 y no se puede apartar".
        return moveAside(tr("no es un archivo normal"));
    // A log or index that is no file goes alone: the database may be sound.
    for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QString path = m_path + suffix;
        if (pathIsTaken(path) && !vud::isRegularFile(path)) {
            const QString aside = asideName() + suffix;
            if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0)
                return fail(tr("%1 no es un archivo normal y no se puede apartar.")
                                .arg(QDir::toNativeSeparators(path)));
            m_movedAside = aside;
        }
    }
    if (!pathIsTaken(m_path))
        return true;
    QFile file;
    if (!vud::openRegularFile(file, m_path))
        return fail(tr("El archivo de resultados %1 no se puede leer.")
                        .arg(QDir::toNativeSeparators(m_path)));
    const QByteArray header = file.read(16);
    file.close();
    if (!header.isEmpty() && header != QByteArray("SQLite format 3\0", 16))
        //: Why the results file is moved aside, put where %2 is in
        //: "El archivo de resultados %1 %2 y no se puede apartar".
        return moveAside(tr("no es una base de datos"));
    return true;
}

bool ResultsStore::open()
{
    if (m_open)
        return true;
    m_movedAside.clear();
    // A file found damaged is moved aside and the opening tried once more,
    // on a new file.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (m_broken) {
            m_broken = false;
            //: Why the results file is moved aside, put where %2 is in
            //: "El archivo de resultados %1 %2 y no se puede apartar".
            if (!moveAside(tr("está dañado")))
                return false;
        }
        if (openOnce())
            return true;
        if (!m_broken)
            break;
    }
    return false;
}

bool ResultsStore::openOnce()
{
    m_error.clear();
    if (m_path.isEmpty())
        return fail(tr("No hay carpeta de datos donde guardar los resultados."));
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return fail(tr("La carpeta de datos %1 no existe y no se puede crear: los resultados no se "
                                   "guardan.").arg(QDir::toNativeSeparators(folder)));
    if (!prepareFile())
        return false;

    closeDatabase();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
        if (!db.open())
            //: What could not be done, put after "No se pudo:" in the results file's error messages.
            return failed(db.lastError(), tr("abrir los resultados"));
    }
    if (!prepareSchema()) {
        closeDatabase();
        return false;
    }
    m_open = true;
    return true;
}

bool ResultsStore::prepareSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        //: What could not be done, put after "No se pudo:" in the results file's error messages.
        return failQuery(query, tr("leer los resultados"));
    const int version = query.value(0).toInt();
    query.finish();
    if (version > kSchemaVersion) {
        return fail(tr("El archivo de resultados %1 es de una versión más nueva de VUD: esta versión "
                                   "no lo lee ni lo cambia.").arg(QDir::toNativeSeparators(m_path)));
    }
    // Readers never wait for a writer, nor a writer for readers; a commit
    // waits for no disk flush (the log is flushed at its checkpoints). A
    // read-only database keeps its journal as it is.
    query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    query.finish();
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    query.finish();
    if (version < kSchemaVersion) {
        // Later versions migrate from here, step by step, in one transaction.
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
            //: What could not be done, put after "No se pudo:" in the results file's error messages.
            return failQuery(query, tr("preparar los resultados"));
        for (const char *statement : kSchema) {
            if (!query.exec(QLatin1String(statement))) {
                const QSqlError error = query.lastError();
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                return failed(error, tr("preparar los resultados"));
            }
        }
        if (!query.exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion))
            || !query.exec(QStringLiteral("COMMIT"))) {
            const QSqlError error = query.lastError();
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return failed(error, tr("preparar los resultados"));
        }
    }
    // A file whose header survived but whose pages did not shows it here.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
        return failQuery(query, tr("leer los resultados"));
    return true;
}

namespace {

// One write transaction that takes the write lock at its start, so that it
// waits its turn (busy timeout) instead of failing half-way; rolled back
// unless committed.
class WriteTransaction
{
public:
    explicit WriteTransaction(const QSqlDatabase &db) : m_db(db)
    {
        QSqlQuery begin(m_db);
        m_begun = begin.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!m_begun)
            m_error = begin.lastError();
    }
    ~WriteTransaction()
    {
        if (m_begun)
            QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    }
    bool begun() const { return m_begun; }
    bool commit()
    {
        QSqlQuery commit(m_db);
        if (!commit.exec(QStringLiteral("COMMIT"))) {
            m_error = commit.lastError();
            return false;
        }
        m_begun = false;
        return true;
    }
    QSqlError error() const { return m_error; }

private:
    QSqlDatabase m_db;
    bool m_begun = false;
    QSqlError m_error;
};

} // namespace

bool ResultsStore::saveBoard(const UnfinishedBoard &board)
{
    if (!isSensible(board))
        return fail(tr("El tablero a guardar no tiene sentido; no se guardó."));
    if (!open())
        return false;
    //: What could not be done, put after "No se pudo:" in the results file's error messages.
    const QString what = tr("guardar el tablero sin terminar");
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    WriteTransaction transaction(db);
    if (!transaction.begun())
        return failed(transaction.error(), what);
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral(
            "INSERT OR REPLACE INTO boards (child_key, child, picture, picture_size, picture_modified, columns, "
            "rows, pieces, moves, seconds) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(childKey(board.child));
        query.addBindValue(text(board.child));
        query.addBindValue(text(board.picture));
        query.addBindValue(board.stamp.size);
        query.addBindValue(board.stamp.modifiedMs);
        query.addBindValue(board.columns);
        query.addBindValue(board.rows);
        query.addBindValue(piecesText(board.pieces));
        query.addBindValue(board.moves);
        query.addBindValue(board.seconds);
        if (!query.exec())
            return failQuery(query, what);
    }
    if (!transaction.commit())
        return failed(transaction.error(), what);
    m_error.clear();
    return true;
}

std::optional<UnfinishedBoard> ResultsStore::loadBoard(const QString &typedName)
{
    if (!open())
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    UnfinishedBoard board;
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("SELECT child, picture, picture_size, picture_modified, columns, rows, pieces, "
                                     "moves, seconds FROM boards WHERE child_key = ?"));
        query.addBindValue(childKey(typedName));
        if (!query.exec()) {
            //: What could not be done, put after "No se pudo:" in the results file's error messages.
            failQuery(query, tr("leer el tablero sin terminar"));
            return std::nullopt;
        }
        m_error.clear();
        if (!query.next())
            return std::nullopt;
        board.child = query.value(0).toString();
        board.picture = query.value(1).toString();
        board.stamp.size = query.value(2).toLongLong();
        board.stamp.modifiedMs = query.value(3).toLongLong();
        board.columns = query.value(4).toInt();
        board.rows = query.value(5).toInt();
        board.pieces = piecesFromText(query.value(6).toString());
        board.moves = query.value(7).toInt();
        board.seconds = query.value(8).toInt();
    }
    // A board that makes no sense, or whose picture changed or went, is
    // forgotten without a word.
    if (!isSensible(board) || pictureStamp(board.picture) != board.stamp) {
        QSqlQuery forget(db);
        forget.prepare(QStringLiteral("DELETE FROM boards WHERE child_key = ?"));
        forget.addBindValue(childKey(typedName));
        forget.exec();
        return std::nullopt;
    }
    return board;
}

bool ResultsStore::clearBoard(const QString &typedName)
{
    if (!open())
        return false;
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("DELETE FROM boards WHERE child_key = ?"));
    query.addBindValue(childKey(typedName));
    if (!query.exec())
        //: What could not be done, put after "No se pudo:" in the results file's error messages.
        return failQuery(query, tr("olvidar el tablero sin terminar"));
    m_error.clear();
    return true;
}

bool ResultsStore::recordGame(const FinishedGame &game)
{
    if (game.pieces < 0 || game.seconds < 0 || game.moves < 0 || !game.ended.isValid())
        return fail(tr("El resultado a guardar no tiene sentido; no se guardó."));
    if (!open())
        return false;
    //: What could not be done, put after "No se pudo:" in the results file's error messages.
    const QString what = tr("guardar el resultado");
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    WriteTransaction transaction(db);
    if (!transaction.begun())
        return failed(transaction.error(), what);
    {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO games (child, child_key, ended_ms, ended_offset, picture, pieces, "
                                     "seconds, moves) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        query.addBindValue(text(game.child));
        query.addBindValue(childKey(game.child));
        query.addBindValue(game.ended.toMSecsSinceEpoch());
        query.addBindValue(game.ended.offsetFromUtc());
        query.addBindValue(text(game.picture));
        query.addBindValue(game.pieces);
        query.addBindValue(game.seconds);
        query.addBindValue(game.moves);
        if (!query.exec())
            return failQuery(query, what);
        QSqlQuery forget(db);
        forget.prepare(QStringLiteral("DELETE FROM boards WHERE child_key = ?"));
        forget.addBindValue(childKey(game.child));
        if (!forget.exec())
            return failQuery(forget, what);
    }
    if (!transaction.commit())
        return failed(transaction.error(), what);
    m_error.clear();
    return true;
}

QVector<ChildSummary> ResultsStore::children()
{
    if (!open())
        return {};
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QVector<ChildSummary> list;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // With max() the bare columns come from the row of the latest game, so
    // the name is the one last typed.
    if (!query.exec(QStringLiteral("SELECT child_key, child, count(*), max(ended_ms), ended_offset FROM games "
                                   "GROUP BY child_key ORDER BY max(ended_ms) DESC"))) {
        //: What could not be done, put after "No se pudo:" in the results file's error messages.
        failQuery(query, tr("leer la lista de niños"));
        return {};
    }
    QHash<QString, int> index;
    while (query.next()) {
        ChildSummary child;
        child.key = query.value(0).toString();
        child.name = query.value(1).toString();
        child.games = query.value(2).toInt();
        child.lastGame = QDateTime::fromMSecsSinceEpoch(query.value(3).toLongLong(), Qt::OffsetFromUTC,
                                                        query.value(4).toInt());
        index.insert(child.key, int(list.size()));
        list << child;
    }
    if (!query.exec(QStringLiteral("SELECT child_key, child FROM boards ORDER BY child_key"))) {
        failQuery(query, tr("leer la lista de niños"));
        return {};
    }
    while (query.next()) {
        const QString key = query.value(0).toString();
        const auto found = index.constFind(key);
        if (found != index.constEnd()) {
            list[*found].hasUnfinishedBoard = true;
        } else {
            ChildSummary child;
            child.key = key;
            child.name = query.value(1).toString();
            child.hasUnfinishedBoard = true;
            list << child;
        }
    }
    m_error.clear();
    return list;
}

QVector<FinishedGame> ResultsStore::games(const QString &key)
{
    if (!open())
        return {};
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT child, ended_ms, ended_offset, picture, pieces, seconds, moves FROM games "
                                 "WHERE child_key = ? ORDER BY ended_ms DESC, id DESC"));
    query.addBindValue(text(key));
    QVector<FinishedGame> list;
    if (!query.exec()) {
        //: What could not be done, put after "No se pudo:" in the results file's error messages.
        failQuery(query, tr("leer las partidas"));
        return {};
    }
    while (query.next())
        list << gameFrom(query);
    m_error.clear();
    return list;
}

QVector<FinishedGame> ResultsStore::allGames()
{
    if (!open())
        return {};
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    QVector<FinishedGame> list;
    if (!query.exec(QStringLiteral("SELECT child, ended_ms, ended_offset, picture, pieces, seconds, moves FROM games "
                                   "ORDER BY child_key, ended_ms DESC, id DESC"))) {
        failQuery(query, tr("leer las partidas"));
        return {};
    }
    while (query.next())
        list << gameFrom(query);
    m_error.clear();
    return list;
}

bool ResultsStore::deleteChild(const QString &key)
{
    if (!open())
        return false;
    //: What could not be done, put after "No se pudo:" in the results file's error messages.
    const QString what = tr("borrar los resultados del niño");
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    WriteTransaction transaction(db);
    if (!transaction.begun())
        return failed(transaction.error(), what);
    for (const QString &statement : {QStringLiteral("DELETE FROM games WHERE child_key = ?"),
                                     QStringLiteral("DELETE FROM boards WHERE child_key = ?")}) {
        QSqlQuery query(db);
        query.prepare(statement);
        query.addBindValue(text(key));
        if (!query.exec())
            return failQuery(query, what);
    }
    if (!transaction.commit())
        return failed(transaction.error(), what);
    m_error.clear();
    return true;
}

} // namespace records
