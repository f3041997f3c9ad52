#include "widgets/textfit.h"

#include <QtTest>

using vud::FitLabel;
using vud::TextFitRules;

Q_DECLARE_METATYPE(TextFitRules::Wrap)

namespace {

QFont arial(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

// The width of text at the given size, on one line.
qreal widthAt(const QString &text, qreal points)
{
    return vud::neededSize(text, arial(points), 0, false).width();
}

} // namespace

// Captions in fixed boxes: as designed where they fit, smaller or wrapped
// where a longer language needs it, and never cut.
class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void fitsTheBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("boxWidth"); // as a part of the text's width at 14 points, on one line
        QTest::addColumn<TextFitRules::Wrap>("wrap");
        QTest::addColumn<bool>("smaller");
        QTest::addColumn<bool>("wrapped");
        QTest::addColumn<bool>("whole");

        const QString line = QStringLiteral("Introduce tu nombre para jugar");
        using Wrap = TextFitRules::Wrap;
        QTest::newRow("fits as designed") << line << 1.05 << Wrap::WhenNeeded << false << false << true;
        QTest::newRow("a little too wide: smaller") << line << 0.8 << Wrap::WhenNeeded << true << false << true;
        QTest::newRow("far too wide: wrapped") << line << 0.4 << Wrap::WhenNeeded << false << true << true;
        QTest::newRow("one line only: smallest, cut") << line << 0.3 << Wrap::Never << true << false << false;
        QTest::newRow("always wrapped, fits") << line << 0.6 << Wrap::Always << false << true << true;
        QTest::newRow("a word wider than the box") << QStringLiteral("Donaudampfschifffahrt") << 0.3
                                                   << Wrap::WhenNeeded << true << true << false;
    }
    void fitsTheBox()
    {
        QFETCH(QString, text);
        QFETCH(qreal, boxWidth);
        QFETCH(TextFitRules::Wrap, wrap);
        QFETCH(bool, smaller);
        QFETCH(bool, wrapped);
        QFETCH(bool, whole);
        TextFitRules rules;
        rules.wrap = wrap;
        const QSizeF box(widthAt(text, 14) * boxWidth, vud::neededSize(text, arial(14), 0, false).height() * 5);
        const vud::FittedText fitted = vud::fitText(text, box, arial(14), rules);
        QCOMPARE(fitted.font.pointSizeF() < 14, smaller);
        QVERIFY(fitted.font.pointSizeF() >= rules.smallestPoints);
        QCOMPARE(fitted.wrapped, wrapped);
        QCOMPARE(fitted.whole, whole);
        if (whole)
            QVERIFY(fitted.needed.width() <= box.width() && fitted.needed.height() <= box.height());
    }

    // A new text, a text changed behind the label's back and then a new
    // language, and a new size each fit the label anew.
    void labelFitsAgainWhenItsTextChanges()
    {
        QWidget window;
        FitLabel label(QStringLiteral("Hola"), &window);
        label.setGeometry(0, 0, int(widthAt(QStringLiteral("Hola amigos"), 14)) + 2, 200);
        label.setDesignFont(arial(14));
        TextFitRules oneLine;
        oneLine.wrap = TextFitRules::Wrap::Never;
        label.setFitRules(oneLine);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(label.font().pointSizeF(), 14.0);

        label.setText(QStringLiteral("Hola amigos de todas partes"));
        QVERIFY(label.font().pointSizeF() < 14);
        label.setText(QStringLiteral("Hola"));
        QCOMPARE(label.font().pointSizeF(), 14.0);

        static_cast<QLabel &>(label).setText(QStringLiteral("Hola amigos de todas partes"));
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&window, &change);
        QVERIFY(label.font().pointSizeF() < 14);

        label.resize(label.width() * 4, label.height());
        QCOMPARE(label.font().pointSizeF(), 14.0);
    }
};

QTEST_MAIN(TestTextFit)
#include "tst_textfit.moc"
