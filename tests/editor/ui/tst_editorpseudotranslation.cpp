#include "editor/ui/chooser.h"
#include "editor/ui/editorwindow.h"
#include "editor/ui/progresschart.h"
#include "editor/ui/progresswindow.h"
#include "editor/ui/titlescreen.h"
#include "records/resultsstore.h"
#include "uisupport/auditeddialogs.h"
#include "uisupport/editortestkit.h"

#include <QDir>
#include <QListWidget>
#include <QtTest>

using namespace Editor;

// The editor in a language longer than Spanish: every window and every real
// dialog walked with the pseudo-translation loaded. Every text shown went
// through translation, and every text stands whole in its box on this screen.
class TestEditorPseudoTranslation : public QObject
{
    Q_OBJECT

    AuditLanguage m_language;

    static void auditChart(TextAudit &audit, QWidget *window, const QString &where)
    {
        auto *chart = window->findChild<ProgressChart *>();
        QVERIFY(chart);
        chart->grab();
        QVector<TextAudit::Painted> painted;
        for (const ProgressChart::Caption &caption : chart->paintedCaptions())
            painted.append({caption.text, caption.box, caption.flags, caption.font});
        QVERIFY(!painted.isEmpty());
        audit.painted(where, chart, painted);
    }

private slots:
    void initTestCase() { QVERIFY(m_language.install()); }

    void everyWindowAndDialogTranslatedAndWhole()
    {
        EditorTestKit kit;
        QVERIFY(vudtest::writeBlockPicture(kit.file("imagenes/granja.png"), QSize(300, 200), 3, 2));
        QDir(kit.folder.path()).mkpath("gifs/animales");
        QVERIFY(vudtest::writeGif(kit.file("gifs/animales/abeja.gif"), vudtest::squareFrames(2), 2));
        QVERIFY(vudtest::writeGif(kit.file("gifs/abeja.gif"), vudtest::squareFrames(2), 2));
        const QString store = records::ResultsStore::defaultPath();
        {
            records::ResultsStore results(store);
            const QDateTime when(QDate(2026, 3, 1), QTime(10, 0));
            const QString picture = kit.file("imagenes/granja.png");
            QVERIFY(results.recordGame({QStringLiteral("Ana"), when, picture, 12, 200, 30}));
            QVERIFY(results.recordGame({QStringLiteral("Ana"), when.addDays(1), picture, 48, 90, 20}));
            QVERIFY(results.saveBoard(
                {QStringLiteral("Zoe"), picture, records::pictureStamp(picture), 3, 2, {1, 0, 2, 3, 4, 5}, 1, 5}));
        }
        TextAudit audit;
        audit.fromData = {QStringLiteral("granja.png"), QStringLiteral("abeja.gif")};
        AuditedDialogs dialogs(audit);
        dialogs.saveFolder = kit.folder.path();

        Form3 title;
        title.show();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        audit.window(&title);

        // The editor window, and each of its dialogs on the way: the name
        // prompt (answered, so the puzzle is saved), both file dialogs (the
        // export saved, and said so), a refusal and the question on leaving.
        Form1 editor(dialogs, kit.random);
        editor.showEditor();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.Command1_Click(1);
        audit.window(&editor);
        dialogs.textAnswer = QStringLiteral("prueba");
        editor.Command1_Click(3);
        editor.exportPuzzle();
        editor.importPuzzle();
        editor.importFiles({kit.file("nada.vud")});
        editor.Command2_Click();

        // The chooser of drawings.
        editor.Command1_Click(2);
        Form2 *chooser = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<Form2 *>(top); found && found->isVisible())
                chooser = found;
        }
        QVERIFY(chooser);
        audit.window(chooser);

        // The children's progress, with a chart and with none, and its
        // export and deletion.
        ProgressWindow progress(dialogs, store);
        progress.show();
        QVERIFY(QTest::qWaitForWindowExposed(&progress));
        auto *children = progress.findChild<QListWidget *>(QStringLiteral("Children"));
        QVERIFY(children);
        QCOMPARE(children->count(), 2);
        for (int row : {0, 1}) {
            children->setCurrentRow(row);
            audit.window(&progress);
            auditChart(audit, &progress, TextAudit::windowName(&progress));
        }
        children->setCurrentRow(0);
        progress.findChild<QPushButton *>(QStringLiteral("ExportChild"))->click();
        progress.findChild<QPushButton *>(QStringLiteral("DeleteChild"))->click();

        // Prompt, export and its message, import, refusal, question; export
        // and its message, question.
        QVERIFY2(dialogs.met.size() >= 9, qPrintable(dialogs.met.join(", ")));
        if (!audit.untranslated.isEmpty())
            qWarning().noquote() << "Texts that escaped translation:" << audit.report();
        QVERIFY2(audit.cutOff.isEmpty(), qPrintable(audit.report()));
        QVERIFY2(audit.untranslated.isEmpty(), qPrintable(audit.report()));
    }
};

QTEST_MAIN(TestEditorPseudoTranslation)
#include "tst_editorpseudotranslation.moc"
