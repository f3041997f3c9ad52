#include "core/twips.h"
#include "game/logic/boardlogic.h"
#include "game/ui/boardart.h"
#include "game/ui/results.h"

#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

// The results window: where it stands, what it looks like, and that the
// child cannot close it.
class TestResults : public QObject
{
    Q_OBJECT

    vud::ScreenTwips screen() const { return vud::screenTwips(); }

    // Where the window belongs for its outer size.
    QPoint expectedPlace(const Form4 *form) const
    {
        const vud::ScreenTwips s = screen();
        const QSize outer = form->frameGeometry().size();
        const qint64 dw = vud::roundHalfEven(s.width() - s.toTwipsX(outer.width()));
        const qint64 dh = vud::roundHalfEven(s.height() - s.toTwipsY(outer.height()));
        return QPoint(s.toPixelsX(double(dw / 2 + 300)), s.toPixelsY(double(dh / 2)));
    }

    std::unique_ptr<Form4> m_form;

private slots:
    void init() { m_form = std::make_unique<Form4>(); }
    void cleanup() { m_form.reset(); }

    void windowAsDesigned()
    {
        Form4 *form = m_form.get();
        QCOMPARE(form->objectName(), QString("Form4"));
        QCOMPARE(form->windowTitle(), QString("TUS RESULTADOS"));
        QCOMPARE(form->size(), screen().toPixels(0, 0, 10350, 5700).size());
        QCOMPARE(form->palette().color(QPalette::Window), QColor(255, 128, 255));
        // A title bar and no close, minimise or maximise button.
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(!(flags & Qt::WindowCloseButtonHint));
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

        QListWidget *list = form->List1;
        QCOMPARE(list->objectName(), QString("List1"));
        QCOMPARE(list->geometry(), screen().toPixels(120, 120, 10095, 5460));
        QCOMPARE(list->palette().color(QPalette::Base), QColor(0, 128, 128));
        QCOMPARE(list->palette().color(QPalette::Text), form->style()->standardPalette().color(QPalette::Base));
        QVERIFY(list->font().pointSizeF() <= 13.5);
        QCOMPARE(list->count(), 0);
        QCOMPARE(form->findChild<QListWidget *>("List1"), list);
    }

    void placedOnLoad()
    {
        Form4 *form = m_form.get();
        QCOMPARE(form->pos(), expectedPlace(form));
        if (QGuiApplication::primaryScreen()->size() == QSize(800, 600))
            QCOMPARE(form->pos(), QPoint(75, 110));
        if (QGuiApplication::primaryScreen()->size() == QSize(1024, 768))
            QCOMPARE(form->pos(), QPoint(187, 194));
    }

    // Every activation puts the window back, even after the child moved it,
    // and showing it again while open brings it forward and places it.
    void placedOnEveryActivation()
    {
        Form4 *form = m_form.get();
        form->showModeless();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QCOMPARE(form->pos(), expectedPlace(form));

        QWidget other;
        other.setGeometry(0, 0, 100, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        form->move(3, 4);
        QCOMPARE(form->pos(), QPoint(3, 4));
        form->activateWindow();
        QTRY_VERIFY(form->isActiveWindow());
        QCOMPARE(form->pos(), expectedPlace(form));

        form->move(5, 6);
        form->showModeless();
        QTRY_COMPARE(form->pos(), expectedPlace(form));
        QVERIFY(form->isVisible());
    }

    // Escape, on the window or on its list, puts it away with its lines,
    // and the window that had the keyboard has it again.
    void escapePutsTheListAway()
    {
        QWidget before;
        before.setGeometry(0, 0, 100, 100);
        before.show();
        before.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&before));
        Form4 *form = m_form.get();
        form->addResult(6, 95, 20);
        for (QWidget *target : {static_cast<QWidget *>(form), static_cast<QWidget *>(form->List1)}) {
            form->showModeless();
            QVERIFY(QTest::qWaitForWindowActive(form));
            target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key_Escape);
            QVERIFY(!form->isVisible());
            QTRY_VERIFY(before.isActiveWindow());
            QCOMPARE(form->List1->count(), 1);
        }
    }

    // The longest line a game can write reads whole, in a list long enough
    // to scroll, with no horizontal scroll bar.
    void everyLineReadsWhole()
    {
        Form4 *form = m_form.get();
        QListWidget *list = form->List1;
        for (int k = 1; k <= 40; ++k)
            list->addItem(boardlogic::resultsLine(k, 6, 12, 20));
        const QString longest = boardlogic::longestResultsLine();
        QCOMPARE(longest, QString(" 999 ) NIVEL : 108 PIEZAS - TIEMPO * 99999 * SEGUNDOS - MOVIMIENTOS ** 9999 **"));
        list->addItem(longest);
        form->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTRY_VERIFY(list->verticalScrollBar()->isVisible());
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        QVERIFY(QFontMetrics(list->font()).horizontalAdvance(longest) < list->viewport()->width());
        // Not shrunk further than it needs: still a size a child can read.
        QVERIFY(list->font().pointSizeF() >= 9);
    }

    // Lines are numbered and stay in the order the games ended; none is
    // selected by a click.
    void linesStayInOrder()
    {
        Form4 *form = m_form.get();
        form->addResult(6, 95, 20);
        form->addResult(108, 3000, 400);
        QCOMPARE(form->gamesFinished(), 2);
        form->showModeless();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QRect first = form->List1->visualItemRect(form->List1->item(0));
        QTest::mouseClick(form->List1->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(form->List1->item(0)->text(),
                 QString(" 1 ) NIVEL : 6 PIEZAS - TIEMPO * 95 * SEGUNDOS - MOVIMIENTOS ** 20 **"));
        QCOMPARE(form->List1->item(1)->text(),
                 QString(" 2 ) NIVEL : 108 PIEZAS - TIEMPO * 3000 * SEGUNDOS - MOVIMIENTOS ** 400 **"));
        QVERIFY(form->List1->selectedItems().isEmpty());
    }
};

QTEST_MAIN(TestResults)
#include "tst_results.moc"
