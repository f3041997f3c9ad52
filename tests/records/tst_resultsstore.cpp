#include "records/resultscsv.h"
#include "records/resultsstore.h"
#include "records/resultswriter.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace records;

namespace {

FinishedGame game(const QString &child, int minute, int pieces = 12, int seconds = 40, int moves = 15)
{
    return {child, QDateTime(QDate(2026, 3, 1), QTime(9, 0)).addSecs(60 * minute), QStringLiteral("/img/gato.jpg"),
            pieces, seconds, moves};
}

// A sensible 4 x 3 board of the picture, two pieces swapped.
UnfinishedBoard board(const QString &child, const QString &picture)
{
    UnfinishedBoard b{child, picture, pictureStamp(picture), 4, 3, {}, 7, 33};
    for (int i = 0; i < 12; ++i)
        b.pieces << i;
    std::swap(b.pieces[0], b.pieces[5]);
    return b;
}

// Runs SQL on the database through a connection of its own.
bool execRaw(const QString &path, const QStringList &statements)
{
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        ok = db.open();
        for (const QString &statement : statements)
            ok = QSqlQuery(db).exec(statement) && ok;
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return ok;
}

// Child process: records count games for the child, as a second game would.
int recordGames(const QString &path, const QString &child, int count)
{
    ResultsStore store(path);
    for (int i = 0; i < count; ++i) {
        if (!store.recordGame(game(child, i)))
            return 1;
    }
    return 0;
}

} // namespace

class TestResultsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void badStorage_data();
    void badStorage();
    void diskFullFailsWithoutMovingTheFileAside();
    void resumeEntry_data();
    void resumeEntry();
    void childrenGamesAndDeletion();
    void writerWritesInOrderOffTheCallersThread();
    void twoProcessesLoseNoRow();
    void csvRoundTripThroughAReader();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    QString m_picture;
};

void TestResultsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("datos/resultados.sqlite"));
    m_picture = m_dir->filePath(QStringLiteral("gato.png"));
    QVERIFY(vudtest::writeBlockPicture(m_picture, QSize(40, 30), 4, 3));
}

void TestResultsStore::cleanup()
{
    if (QSqlDatabase::contains(QStringLiteral("holder"))) {
        QSqlDatabase::database(QStringLiteral("holder")).close();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    }
    // Folders made unwritable by a case are given back, so they can go.
    QFile::setPermissions(m_dir->filePath(QStringLiteral("datos")), QFile::ReadOwner | QFile::WriteOwner
                                                                       | QFile::ExeOwner);
    m_dir.reset();
}

enum class Outcome {
    Works,          // saves and reads as if nothing were wrong
    RefusesWrites,  // reads what is there, saving fails with a message
    Fails,          // every call fails at once with a message
};
Q_DECLARE_METATYPE(Outcome)

using Setup = std::function<void(const QString &path, const QString &folder)>;
Q_DECLARE_METATYPE(Setup)

void TestResultsStore::badStorage_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("movedAside");  // "" nothing, else the suffix of what was moved
    QTest::addColumn<bool>("needsBindRoot");
    auto withGames = [](const QString &path) {
        ResultsStore store(path);
        for (int i = 0; i < 400; ++i)
            store.recordGame(game(QStringLiteral("Ana %1").arg(i % 7), i));
    };
    QTest::newRow("no folder yet") << Setup([](const QString &, const QString &) {}) << Outcome::Works << QStringLiteral("") << false;
    QTest::newRow("empty file") << Setup([](const QString &path, const QString &folder) {
        QDir().mkpath(folder);
        vudtest::writeBytes(path, QByteArray());
    }) << Outcome::Works << QStringLiteral("") << false;
    QTest::newRow("garbage") << Setup([](const QString &path, const QString &folder) {
        QDir().mkpath(folder);
        vudtest::writeBytes(path, QByteArray(5000, 'x'));
    }) << Outcome::Works << QStringLiteral("db") << false;
    QTest::newRow("truncated") << Setup([withGames](const QString &path, const QString &) {
        withGames(path);
        QFile file(path);
        file.resize(file.size() / 3);
    }) << Outcome::Works << QStringLiteral("db") << false;
    QTest::newRow("newer version") << Setup([](const QString &path, const QString &folder) {
        QDir().mkpath(folder);
        execRaw(path, {QStringLiteral("CREATE TABLE later (x)"), QStringLiteral("PRAGMA user_version = 7")});
    }) << Outcome::Fails << QStringLiteral("") << false;
    QTest::newRow("fifo") << Setup([](const QString &path, const QString &folder) {
        QDir().mkpath(folder);
        ::mkfifo(QFile::encodeName(path).constData(), 0644);
    }) << Outcome::Works << QStringLiteral("db") << false;
    QTest::newRow("fifo as its log") << Setup([withGames](const QString &path, const QString &) {
        withGames(path);
        ::mkfifo(QFile::encodeName(path + "-wal").constData(), 0644);
    }) << Outcome::Works << QStringLiteral("-wal") << false;
    QTest::newRow("link to /dev/zero") << Setup([](const QString &path, const QString &folder) {
        QDir().mkpath(folder);
        QFile::link(QStringLiteral("/dev/zero"), path);
    }) << Outcome::Works << QStringLiteral("db") << false;
    QTest::newRow("folder") << Setup([](const QString &path, const QString &) {
        QDir().mkpath(path);
    }) << Outcome::Works << QStringLiteral("db") << false;
    QTest::newRow("read-only file") << Setup([withGames](const QString &path, const QString &) {
        withGames(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    }) << Outcome::RefusesWrites << QStringLiteral("") << true;
    QTest::newRow("folder cannot be written") << Setup([](const QString &, const QString &folder) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }) << Outcome::Fails << QStringLiteral("") << true;
    QTest::newRow("locked by another program") << Setup([withGames](const QString &path, const QString &) {
        withGames(path);
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(path);
        holder.open();
        QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        QSqlQuery(holder).exec(QStringLiteral("DELETE FROM boards"));
    }) << Outcome::RefusesWrites << QString() << false;
    QTest::newRow("parent cannot be written") << Setup([](const QString &, const QString &folder) {
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    }) << Outcome::Fails << QStringLiteral("") << true;
}

void TestResultsStore::badStorage()
{
    QFETCH(Setup, setup);
    QFETCH(Outcome, outcome);
    QFETCH(QString, movedAside);
    QFETCH(bool, needsBindRoot);
    QString path = m_path;
    const QString folder = QFileInfo(m_path).absolutePath();
    if (QByteArray(QTest::currentDataTag()) == "parent cannot be written")
        path = folder + QStringLiteral("/más/resultados.sqlite");
    setup(path, folder);
    vudtest::PermissionsBindRoot bindRoot;
    if (needsBindRoot && !bindRoot.active() && ::geteuid() == 0)
        QSKIP("permissions cannot be made to bind root here");
    const QByteArray before = QFileInfo(path).isFile() ? [&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }() : QByteArray();

    ResultsStore store(path, 200);
    const bool saved = store.saveBoard(board(QStringLiteral("Ana"), m_picture));
    const bool recorded = store.recordGame(game(QStringLiteral("Luis"), 1));
    // A damage found only by the first write is dealt with by the next.
    const bool savedAgain = store.saveBoard(board(QStringLiteral("Ana"), m_picture));
    const QString writeError = store.errorText();
    const QVector<ChildSummary> children = store.children();
    const std::optional<UnfinishedBoard> loaded = store.loadBoard(QStringLiteral("ana"));

    switch (outcome) {
    case Outcome::Works:
        QVERIFY2(savedAgain && loaded, qPrintable(store.errorText()));
        QCOMPARE(*loaded, board(QStringLiteral("Ana"), m_picture));
        QVERIFY(store.errorText().isEmpty());
        QVERIFY(std::any_of(children.begin(), children.end(), [](const ChildSummary &c) { return c.key == "ana"; }));
        QCOMPARE(std::any_of(children.begin(), children.end(), [](const ChildSummary &c) { return c.key == "luis"; }),
                 recorded);
        QVERIFY(QFileInfo(path).isFile());
        break;
    case Outcome::RefusesWrites:
        QVERIFY(!saved && !recorded && !savedAgain);
        QVERIFY(!writeError.isEmpty());
        QCOMPARE(children.size(), 7);
        break;
    case Outcome::Fails:
        QVERIFY(!saved && !recorded && !savedAgain && !loaded && children.isEmpty());
        QVERIFY(!writeError.isEmpty());
        QVERIFY(!store.errorText().isEmpty());
        break;
    }
    // Nothing is deleted: the broken file lies beside, byte for byte.
    const QStringList aside = QDir(QFileInfo(path).absolutePath())
                                  .entryList({QFileInfo(path).fileName() + ".apartado-*"}, QDir::AllEntries | QDir::System);
    if (!movedAside.isEmpty()) {
        QCOMPARE(aside.size(), 1);
        QCOMPARE(aside.first().endsWith("-wal"), movedAside == "-wal");
        const QString kept = QFileInfo(path).absolutePath() + '/' + aside.first();
        if (movedAside == "db" && !before.isEmpty()) {
            QFile file(kept);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
        }
    } else {
        QVERIFY2(aside.isEmpty(), qPrintable(aside.join(' ')));
    }
}

// The disk fills (here a file size limit stands in for it): saving fails with
// a message and without waiting, and the file, which is not broken, stays
// where it is and works again once there is room.
void TestResultsStore::diskFullFailsWithoutMovingTheFileAside()
{
    {
        ResultsStore store(m_path);
        for (int i = 0; i < 200; ++i)
            QVERIFY(store.recordGame(game(QStringLiteral("Ana"), i)));
    }
    ResultsStore store(m_path, 200);
    QVERIFY(store.open());
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tight = old;
    tight.rlim_cur = 2048;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    bool recorded = false;
    for (int i = 0; i < 50 && !recorded; ++i)
        recorded = store.recordGame(game(QStringLiteral("Luis"), 1000 + i));
    const QString error = store.errorText();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!recorded);
    QVERIFY(!error.isEmpty());
    QVERIFY(store.recordGame(game(QStringLiteral("Luis"), 2000)));
    QCOMPARE(store.games(QStringLiteral("ana")).size(), 200);
    QCOMPARE(store.games(QStringLiteral("luis")).size(), 1);
    QVERIFY(QDir(QFileInfo(m_path).absolutePath()).entryList({"*.apartado-*"}).isEmpty());
}

void TestResultsStore::resumeEntry_data()
{
    QTest::addColumn<QString>("change");  // SQL run on the saved board of Ana
    QTest::addColumn<bool>("offered");
    QTest::newRow("as saved") << QString() << true;
    QTest::newRow("grid too narrow") << "UPDATE boards SET columns = 2, rows = 6" << false;
    QTest::newRow("grid too wide") << "UPDATE boards SET columns = 13" << false;
    QTest::newRow("grid too tall") << "UPDATE boards SET columns = 3, rows = 10" << false;
    QTest::newRow("a piece twice") << "UPDATE boards SET pieces = '0,0,2,3,4,5,6,7,8,9,10,11'" << false;
    QTest::newRow("a piece missing") << "UPDATE boards SET pieces = '5,1,2,3,4,0,6,7,8,9,10'" << false;
    QTest::newRow("a piece off the grid") << "UPDATE boards SET pieces = '12,1,2,3,4,5,6,7,8,9,10,11'" << false;
    QTest::newRow("pieces not numbers") << "UPDATE boards SET pieces = 'a,b'" << false;
    QTest::newRow("negative moves") << "UPDATE boards SET moves = -1" << false;
    QTest::newRow("negative seconds") << "UPDATE boards SET seconds = -5" << false;
    QTest::newRow("picture changed size") << "UPDATE boards SET picture_size = picture_size + 1" << false;
    QTest::newRow("picture touched since") << "UPDATE boards SET picture_modified = picture_modified - 1000" << false;
    QTest::newRow("picture gone") << "UPDATE boards SET picture = picture || '.nada'" << false;
}

void TestResultsStore::resumeEntry()
{
    QFETCH(QString, change);
    QFETCH(bool, offered);
    {
        ResultsStore store(m_path);
        QVERIFY(store.saveBoard(board(QStringLiteral("Ana"), m_picture)));
    }
    if (!change.isEmpty())
        QVERIFY(execRaw(m_path, {change}));
    ResultsStore store(m_path);
    // The child is known by the name trimmed and with case ignored.
    const std::optional<UnfinishedBoard> loaded = store.loadBoard(QStringLiteral("  aNA "));
    QCOMPARE(loaded.has_value(), offered);
    if (offered)
        QCOMPARE(*loaded, board(QStringLiteral("Ana"), m_picture));
    // What is not offered once is forgotten.
    QCOMPARE(store.children().size(), offered ? 1 : 0);
    QVERIFY(store.errorText().isEmpty());
}

void TestResultsStore::childrenGamesAndDeletion()
{
    ResultsStore store(m_path);
    QVERIFY(store.recordGame(game(QStringLiteral("ana"), 1)));
    QVERIFY(store.recordGame(game(QStringLiteral("Luis"), 2)));
    QVERIFY(store.recordGame(game(QString(), 3)));
    QVERIFY(store.saveBoard(board(QStringLiteral("Ana "), m_picture)));
    QVERIFY(store.recordGame(game(QStringLiteral(" Ana"), 4, 48, 300, 70)));
    QVERIFY(store.saveBoard(board(QStringLiteral("Ana"), m_picture)));
    QVERIFY(store.saveBoard(board(QStringLiteral("Zoé"), m_picture)));

    const QVector<ChildSummary> children = store.children();
    QCOMPARE(children.size(), 4);
    // Latest game first, the name as last typed; a child with only a board last.
    QCOMPARE(children[0].key, QStringLiteral("ana"));
    QCOMPARE(children[0].name, QStringLiteral(" Ana"));
    QCOMPARE(children[0].games, 2);
    QCOMPARE(children[0].lastGame, game(QString(), 4).ended);
    QVERIFY(children[0].hasUnfinishedBoard);
    QCOMPARE(children[1].key, QString());
    QCOMPARE(children[2].key, QStringLiteral("luis"));
    QCOMPARE(children[3].key, QStringLiteral("zoé"));
    QCOMPARE(children[3].games, 0);

    const QVector<FinishedGame> games = store.games(QStringLiteral("ana"));
    QCOMPARE(games, (QVector<FinishedGame>{game(QStringLiteral(" Ana"), 4, 48, 300, 70), game(QStringLiteral("ana"), 1)}));

    QVERIFY(store.deleteChild(QStringLiteral("ana")));
    QVERIFY(store.games(QStringLiteral("ana")).isEmpty());
    QVERIFY(!store.loadBoard(QStringLiteral("Ana")));
    QCOMPARE(store.allGames().size(), 2);
    QVERIFY(store.loadBoard(QStringLiteral("ZOÉ")));
}

void TestResultsStore::writerWritesInOrderOffTheCallersThread()
{
    ResultsWriter writer(m_path);
    QSignalSpy answers(&writer, &ResultsWriter::boardLoaded);
    UnfinishedBoard b = board(QStringLiteral("Ana"), m_picture);
    for (int i = 0; i < 50; ++i) {
        b.moves = i;
        writer.saveBoard(b);
    }
    writer.requestBoard(QStringLiteral("ana"));
    writer.recordGame(game(QStringLiteral("ANA"), 1));
    writer.requestBoard(QStringLiteral("ana"));
    writer.flush();
    QTRY_COMPARE(answers.size(), 2);
    QCOMPARE(answers[0][1].toBool(), true);
    QCOMPARE(answers[0][2].value<UnfinishedBoard>(), b);
    // The finished game took the board with it.
    QCOMPARE(answers[1][1].toBool(), false);
    QVERIFY(writer.errorText().isEmpty());
    QCOMPARE(ResultsStore(m_path).games(QStringLiteral("ana")).size(), 1);
}

void TestResultsStore::twoProcessesLoseNoRow()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QVector<QProcess *> games;
    for (const char *child : {"Ana", "Luis", "Zoé"}) {
        auto *process = new QProcess(this);
        process->start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--record-games"), m_path, QString::fromUtf8(child), QStringLiteral("150")});
        games << process;
    }
    for (QProcess *process : games) {
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitCode(), 0);
    }
    ResultsStore store(m_path);
    QCOMPARE(store.allGames().size(), 450);
    QCOMPARE(store.games(QStringLiteral("zoé")).size(), 150);
}

void TestResultsStore::csvRoundTripThroughAReader()
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        QSKIP("python3, whose csv module reads the file back, is not installed");
    const QVector<FinishedGame> games{
        {QStringLiteral("Ana, la peque"), QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::OffsetFromUTC, 3600),
         QStringLiteral("/img/a,b.png"), 12, 40, 15},
        {QStringLiteral("Luis \"el rápido\""), QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59), Qt::UTC),
         QStringLiteral("/img/\"x\".jpg"), 108, 3600, 400},
        {QStringLiteral("Łucja\nZoë 小明 Дима"), QDateTime(QDate(2026, 6, 1), QTime(12, 0), Qt::OffsetFromUTC, -18000),
         QStringLiteral("/img/ñandú.gif"), 6, 0, 0},
        {QString(), QDateTime(QDate(2026, 6, 1), QTime(12, 0), Qt::OffsetFromUTC, 7200), QStringLiteral("p"), 9, 1, 2},
    };
    const QString csv = m_dir->filePath(QStringLiteral("todos.csv"));
    QVERIFY(writeResultsCsv(csv, games));
    QProcess reader;
    reader.start(python, {QStringLiteral("-c"),
                          QStringLiteral("import csv, json, sys\n"
                                         "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                                         "    print(json.dumps(list(csv.reader(f))))\n"),
                          csv});
    QVERIFY(reader.waitForFinished(30000));
    QCOMPARE(reader.exitCode(), 0);
    const QJsonArray rows = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    QCOMPARE(rows.size(), games.size() + 1);
    QCOMPARE(rows[0].toArray().size(), 6);
    for (int i = 0; i < games.size(); ++i) {
        const QJsonArray row = rows[i + 1].toArray();
        QCOMPARE(row.size(), 6);
        QCOMPARE(row[0].toString(), games[i].child);
        QCOMPARE(QDateTime::fromString(row[1].toString(), Qt::ISODate), games[i].ended);
        QCOMPARE(row[1].toString().left(19), games[i].ended.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
        QCOMPARE(row[2].toString(), games[i].picture);
        QCOMPARE(row[3].toString().toInt(), games[i].pieces);
        QCOMPARE(row[4].toString().toInt(), games[i].seconds);
        QCOMPARE(row[5].toString().toInt(), games[i].moves);
    }
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[1]) == "--record-games")
        return recordGames(QString::fromLocal8Bit(argv[2]), QString::fromUtf8(argv[3]), atoi(argv[4]));
    TestResultsStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_resultsstore.moc"
