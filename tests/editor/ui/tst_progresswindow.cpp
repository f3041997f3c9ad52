#include "editor/ui/editorapp.h"
#include "editor/ui/progresschart.h"
#include "editor/ui/progresswindow.h"
#include "editor/ui/titlescreen.h"
#include "records/resultsstore.h"
#include "support/testsupport.h"
#include "uisupport/recordingdialogs.h"

#include <QAbstractItemModel>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

using namespace records;

namespace {

QDateTime day(int n, int hour = 10)
{
    return QDateTime(QDate(2026, 3, 1).addDays(n), QTime(hour, 0));
}

// Ana: 12-piece games getting faster and a few of 48 pieces; Luis: one game;
// Zoé: only an unfinished board.
void fillStore(const QString &path, const QString &picture)
{
    ResultsStore store(path);
    for (int i = 0; i < 8; ++i)
        store.recordGame({QStringLiteral("Ana"), day(i), QStringLiteral("/img/gato.png"), 12, 200 - 20 * i, 30 - i});
    for (int i = 0; i < 3; ++i)
        store.recordGame({QStringLiteral("ana"), day(2 * i, 18), QStringLiteral("/img/perro.png"), 48, 600 - 50 * i, 90});
    store.recordGame({QStringLiteral("Luis"), day(1), QStringLiteral("/img/gato.png"), 6, 30, 8});
    UnfinishedBoard board{QStringLiteral("Zoé"), picture, pictureStamp(picture), 3, 2, {1, 0, 2, 3, 4, 5}, 1, 5};
    store.saveBoard(board);
}

int pixelsOfColour(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestProgressWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void listsChildrenAndDrawsTheirGames();
    void exportsThroughTheSaveDialog_data();
    void exportsThroughTheSaveDialog();
    void deletesOnlyAfterConfirmation_data();
    void deletesOnlyAfterConfirmation();
    void saysWhatIsWrongWithTheStorage();
    void titleScreenLeadsToIt();
    void exportsFromTheCommandLineWithoutAWindow();

private:
    std::unique_ptr<vudtest::TempProgramFolder> m_folder;
    QString m_store;
};

void TestProgressWindow::init()
{
    // The old folder goes first: going, it points the programs back at theirs.
    m_folder.reset();
    m_folder = std::make_unique<vudtest::TempProgramFolder>();
    m_store = ResultsStore::defaultPath();
    const QString picture = m_folder->file(QStringLiteral("imagenes/gato.png"));
    QVERIFY(vudtest::writeBlockPicture(picture, QSize(30, 20), 3, 2));
    fillStore(m_store, picture);
}

void TestProgressWindow::listsChildrenAndDrawsTheirGames()
{
    RecordingDialogs dialogs;
    Editor::ProgressWindow window(dialogs, m_store);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *list = window.findChild<QListWidget *>(QStringLiteral("Children"));
    QCOMPARE(list->count(), 3);
    QVERIFY(list->item(0)->text().startsWith(QStringLiteral("Ana\n    11 partidas")));
    QVERIFY(list->item(2)->text().contains(QStringLiteral("tablero a medias")));
    QCOMPARE(window.selectedChild(), QStringLiteral("ana"));

    // The table: newest first.
    QAbstractItemModel *games = window.findChild<QTableView *>(QStringLiteral("Games"))->model();
    QCOMPARE(games->rowCount(), 11);
    QCOMPARE(games->index(0, 0).data().toString(), QStringLiteral("08/03/2026 10:00"));
    QCOMPARE(games->index(0, 1).data().toString(), QStringLiteral("gato.png"));
    QCOMPARE(games->index(0, 3).data().toInt(), 60);

    // The chart: a line of each piece count's colour, and the axes' text.
    auto *chart = window.findChild<Editor::ProgressChart *>();
    QVERIFY(chart->width() > 300 && chart->height() > 150);
    const QImage shot = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(pixelsOfColour(shot, Editor::ProgressChart::seriesColour(0)) > 200);
    QVERIFY(pixelsOfColour(shot, Editor::ProgressChart::seriesColour(1)) > 100);
    QCOMPARE(chart->chart().y.maximum, 600.0);

    window.findChild<QRadioButton *>(QStringLiteral("ShowMoves"))->click();
    QCOMPARE(chart->chart().y.maximum, 100.0);

    window.selectChild(QStringLiteral("zoé"));
    QCOMPARE(games->rowCount(), 0);
    QVERIFY(chart->chart().isEmpty());
    QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("ExportChild"))->isEnabled());
    QVERIFY(window.findChild<QPushButton *>(QStringLiteral("DeleteChild"))->isEnabled());
}

void TestProgressWindow::exportsThroughTheSaveDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("answered");
    QTest::addColumn<int>("lines");
    QTest::newRow("the chosen child") << "ExportChild" << true << 12;
    QTest::newRow("everyone") << "ExportAll" << true << 13;
    QTest::newRow("cancelled") << "ExportAll" << false << 0;
}

void TestProgressWindow::exportsThroughTheSaveDialog()
{
    QFETCH(QString, button);
    QFETCH(bool, answered);
    QFETCH(int, lines);
    RecordingDialogs dialogs;
    const QString csv = m_folder->file(QStringLiteral("salida.csv"));
    if (answered)
        dialogs.saveAnswers.enqueue(csv);
    Editor::ProgressWindow window(dialogs, m_store);
    window.findChild<QPushButton *>(button)->click();
    QCOMPARE(dialogs.savePrompts.size(), 1);
    QVERIFY(dialogs.savePrompts.first().endsWith(button == "ExportChild" ? "/resultados-Ana.csv" : "/resultados.csv"));
    QFile file(csv);
    QCOMPARE(file.exists(), answered);
    if (answered) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("\r\n"), lines);
        QCOMPARE(dialogs.messages.size(), 1);
    }
}

void TestProgressWindow::deletesOnlyAfterConfirmation_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("child");
    QTest::newRow("many games, confirmed") << 0 << true
                                           << "¿Borrar las 11 partidas de Ana? No se puede deshacer." << "ana";
    QTest::newRow("many games, declined") << 0 << false
                                          << "¿Borrar las 11 partidas de Ana? No se puede deshacer." << "ana";
    QTest::newRow("one game") << 1 << true << "¿Borrar la partida de Luis? No se puede deshacer." << "luis";
    QTest::newRow("only a board") << 2 << true
                                  << "¿Borrar el tablero sin terminar de Zoé? No se puede deshacer." << childKey("Zoé");
}

void TestProgressWindow::deletesOnlyAfterConfirmation()
{
    QFETCH(int, row);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(QString, child);
    RecordingDialogs dialogs;
    dialogs.yes = yes;
    Editor::ProgressWindow window(dialogs, m_store);
    auto *children = window.findChild<QListWidget *>(QStringLiteral("Children"));
    children->setCurrentRow(row);
    QCOMPARE(window.selectedChild(), child);
    window.findChild<QPushButton *>(QStringLiteral("DeleteChild"))->click();
    QCOMPARE(dialogs.questions, QStringList{question});
    ResultsStore store(m_store);
    const int games[] = {11, 1, 0};
    for (int other = 0; other < 3; ++other) {
        const QString key = childKey(QStringList{"Ana", "Luis", "Zoé"}.at(other));
        QCOMPARE(store.games(key).size(), yes && other == row ? 0 : games[other]);
    }
    QCOMPARE(store.loadBoard(QStringLiteral("Zoé")).has_value(), !(yes && row == 2));
    QCOMPARE(children->count(), yes ? 2 : 3);
}

void TestProgressWindow::saysWhatIsWrongWithTheStorage()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("later"));
        db.setDatabaseName(m_store);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 9")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("later"));
    RecordingDialogs dialogs;
    Editor::ProgressWindow window(dialogs, m_store);
    window.show();
    auto *error = window.findChild<QLabel *>(QStringLiteral("Error"));
    QVERIFY(error->isVisible());
    QVERIFY(error->text().contains(QStringLiteral("versión más nueva")));
    QCOMPARE(window.findChild<QListWidget *>(QStringLiteral("Children"))->count(), 0);
    QVERIFY(!window.findChild<QPushButton *>(QStringLiteral("ExportAll"))->isEnabled());
}

void TestProgressWindow::titleScreenLeadsToIt()
{
    RecordingDialogs dialogs;
    vudtest::ScriptedRandom names;
    Editor::EditorApp app(dialogs, names);
    app.start();
    QVERIFY(!app.progressWindow());
    app.titleScreen()->findChild<QPushButton *>(QStringLiteral("Command3"))->click();
    QVERIFY(app.progressWindow());
    QVERIFY(app.progressWindow()->isVisible());
    QCOMPARE(app.progressWindow()->findChild<QListWidget *>(QStringLiteral("Children"))->count(), 3);
    // The title screen stays, for the way into the editor.
    QVERIFY(app.titleScreen() && app.titleScreen()->isVisible());
}

void TestProgressWindow::exportsFromTheCommandLineWithoutAWindow()
{
    // Installed layout: the program alone in a folder, its results in the
    // user's data folder.
    const QString program = m_folder->file(QStringLiteral("sistema/vudeditor"));
    QVERIFY(QDir().mkpath(m_folder->file(QStringLiteral("sistema"))));
    QVERIFY(QFile::copy(QStringLiteral(VUDEDITOR_PATH), program));
    const QString home = m_folder->file(QStringLiteral("hogar"));
    QVERIFY(QDir().mkpath(home + QStringLiteral("/vud")));
    QVERIFY(QFile::copy(m_store, home + QStringLiteral("/vud/resultados.sqlite")));

    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    editor.setProcessEnvironment(environment);
    const QString csv = m_folder->file(QStringLiteral("todos.csv"));
    editor.start(program, {QStringLiteral("--export-results"), csv});
    QVERIFY(editor.waitForFinished(30000));
    QCOMPARE(editor.exitCode(), 0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 14);  // header, 12 games, and the empty end
    QVERIFY(lines[0].startsWith("niño,fin,imagen,piezas,segundos,movimientos"));

    editor.start(program, {QStringLiteral("--export-results"), m_folder->file(QStringLiteral("no/hay/carpeta.csv"))});
    QVERIFY(editor.waitForFinished(30000));
    QCOMPARE(editor.exitCode(), 1);
    QVERIFY(!editor.readAllStandardError().isEmpty());
}

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
