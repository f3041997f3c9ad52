#include "widgets/facebutton.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QtMath>
#include <QtTest>
#include <functional>

using vud::FaceButton;

namespace {

const QColor kBackdrop(255, 255, 255);
const QColor kFrame(250, 0, 250);
const QColor kFill(20, 200, 60);

// A square picture with a one-pixel frame in a colour found nowhere else.
QPixmap framedPicture(QSize size)
{
    QPixmap picture(size);
    picture.fill(kFill);
    QPainter painter(&picture);
    painter.setPen(kFrame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 0), size - QSize(1, 1)));
    return picture;
}

// The button as painted on a white backdrop.
QImage render(FaceButton &button)
{
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(kBackdrop);
    button.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QRect boundsOf(const QImage &image, const std::function<bool(QColor)> &wanted, int *count = nullptr)
{
    QRect bounds;
    int found = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (wanted(image.pixelColor(x, y))) {
                bounds |= QRect(x, y, 1, 1);
                ++found;
            }
    if (count)
        *count = found;
    return bounds;
}

QFont boardFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// A button the size of the board's column buttons, with their small corners.
void makeBoardButton(FaceButton &button, QSize size = QSize(49, 49))
{
    button.resize(size);
    button.setRoundness(1.0 / 16);
    button.setFont(boardFont());
}

bool cornerInsideOutline(QPointF corner, const FaceButton::Layout &layout)
{
    // The centre of the rounded corner nearest to this point.
    const qreal r = layout.radius;
    const QPointF centre(corner.x() < layout.body.center().x() ? layout.body.left() + r : layout.body.right() - r,
                         corner.y() < layout.body.center().y() ? layout.body.top() + r : layout.body.bottom() - r);
    const bool inCornerBox = (corner.x() < layout.body.left() + r || corner.x() > layout.body.right() - r)
                             && (corner.y() < layout.body.top() + r || corner.y() > layout.body.bottom() - r);
    return !inCornerBox || QLineF(centre, corner).length() <= r - 0.75;
}

} // namespace

class TestFaceButton : public QObject
{
    Q_OBJECT

private slots:
    void accessorsKeepWhatWasSet()
    {
        FaceButton button(QStringLiteral("6"));
        button.setFaceColour(QColor(255, 192, 192));
        QCOMPARE(button.faceColour(), QColor(255, 192, 192));
        QCOMPARE(button.palette().color(QPalette::Button), QColor(255, 192, 192));
        button.setPicture(framedPicture(QSize(32, 32)));
        QCOMPARE(button.picture().size(), QSize(32, 32));
        button.setPicture(QPixmap());
        QVERIFY(button.picture().isNull());
        button.resize(49, 49);
        QVERIFY(button.layout().picture.isEmpty());
    }

    // The board's 49 x 49 buttons with their 32 to 42 pixel pictures, the
    // editor's smallest buttons and a big one: the picture is drawn whole, at
    // its own size, centred on the face and clear of the outline.
    void picturesShowWholeAndCentred_data()
    {
        QTest::addColumn<QSize>("button");
        QTest::addColumn<qreal>("roundness");
        QTest::addColumn<int>("side");
        QTest::newRow("board 32") << QSize(49, 49) << 1.0 / 16 << 32;
        QTest::newRow("board 36") << QSize(49, 49) << 1.0 / 16 << 36;
        QTest::newRow("board 42") << QSize(49, 49) << 1.0 / 16 << 42;
        QTest::newRow("board 42 at 1024") << QSize(63, 63) << 1.0 / 16 << 42;
        QTest::newRow("editor 41") << QSize(41, 41) << 1.0 / 8 << 30;
        QTest::newRow("editor 33 high") << QSize(137, 33) << 1.0 / 8 << 25;
        QTest::newRow("selection arrows") << QSize(81, 73) << 1.0 / 8 << 60;
    }
    void picturesShowWholeAndCentred()
    {
        QFETCH(QSize, button);
        QFETCH(qreal, roundness);
        QFETCH(int, side);
        FaceButton face;
        face.resize(button);
        face.setRoundness(roundness);
        face.setFaceColour(QColor(128, 255, 255));
        face.setPicture(framedPicture(QSize(side, side)));
        const FaceButton::Layout layout = face.layout();
        QCOMPARE(layout.picture.size(), QSize(side, side));
        QVERIFY(layout.inside.contains(QRectF(layout.picture)));

        int framePixels = 0;
        const QRect frame = boundsOf(render(face), [](QColor c) { return c == kFrame; }, &framePixels);
        QCOMPARE(frame, layout.picture);
        QCOMPARE(framePixels, 4 * side - 4);
        QVERIFY(qAbs(QRectF(frame).center().x() - layout.body.center().x()) <= 1);
        QVERIFY(qAbs(QRectF(frame).center().y() - layout.body.center().y()) <= 1);
    }

    // A picture drawn to pictureRoom() shows at full size with its corners
    // inside the rounded outline, on every shape of button the programs use.
    void pictureRoomFitsInsideTheRoundedFace_data()
    {
        QTest::addColumn<QSize>("button");
        QTest::addColumn<qreal>("roundness");
        QTest::newRow("board") << QSize(49, 49) << 1.0 / 16;
        QTest::newRow("square") << QSize(41, 41) << 1.0 / 8;
        QTest::newRow("wide") << QSize(81, 49) << 1.0 / 8;
        QTest::newRow("title") << QSize(161, 185) << 1.0 / 8;
        QTest::newRow("very round") << QSize(100, 100) << 0.4;
    }
    void pictureRoomFitsInsideTheRoundedFace()
    {
        QFETCH(QSize, button);
        QFETCH(qreal, roundness);
        FaceButton face;
        face.resize(button);
        face.setRoundness(roundness);
        const QSize room = face.pictureRoom();
        QVERIFY(room.width() > button.width() / 3 && room.height() > button.height() / 3);
        face.setPicture(framedPicture(room));
        const FaceButton::Layout layout = face.layout();
        QCOMPARE(layout.picture.size(), room);
        const QRectF shown(layout.picture);
        for (QPointF corner : {shown.topLeft(), shown.topRight(), shown.bottomLeft(), shown.bottomRight()})
            QVERIFY2(cornerInsideOutline(corner, layout),
                     qPrintable(QString("corner %1,%2").arg(corner.x()).arg(corner.y())));
    }

    // A picture bigger than the face is made smaller, keeping its shape.
    void oversizedPictureShrinksToFit()
    {
        FaceButton face;
        makeBoardButton(face);
        face.setPicture(framedPicture(QSize(80, 60)));
        const FaceButton::Layout layout = face.layout();
        QVERIFY(layout.inside.contains(QRectF(layout.picture)));
        QVERIFY(qAbs(layout.picture.width() * 60.0 / 80 - layout.picture.height()) <= 1);
        QCOMPARE(render(face).pixelColor(layout.picture.center()), kFill);
    }

    // Where the real board samples its buttons: the face colour itself, up
    // to 3 px from the corner, while the lower part is shaded darker.
    void faceShowsItsOwnColour()
    {
        FaceButton face;
        makeBoardButton(face);
        face.setFaceColour(QColor(255, 128, 0));
        face.setPicture(framedPicture(QSize(32, 32)));
        const QImage shot = render(face);
        QCOMPARE(shot.pixelColor(3, 3), QColor(255, 128, 0));
        QCOMPARE(shot.pixelColor(24, 5), QColor(255, 128, 0));
        QVERIFY(shot.pixelColor(24, 43).value() < 255 * 0.9);

        // Corners are round: the default roundness leaves the corner of a
        // big face unpainted.
        FaceButton big;
        big.resize(100, 100);
        big.setFaceColour(QColor(0, 0, 255));
        const QImage bigShot = render(big);
        QCOMPARE(bigShot.pixelColor(2, 2), kBackdrop);
        QCOMPARE(bigShot.pixelColor(50, 10), QColor(0, 0, 255));
    }

    void pressedFaceSinksWithItsPicture()
    {
        FaceButton face;
        makeBoardButton(face);
        face.setPicture(framedPicture(QSize(32, 32)));
        const FaceButton::Layout up = face.layout(false);
        const FaceButton::Layout down = face.layout(true);
        QCOMPARE(down.body, up.body.translated(1, 2));
        QCOMPARE(down.picture, up.picture.translated(1, 2));
        face.setDown(true);
        QCOMPARE(boundsOf(render(face), [](QColor c) { return c == kFrame; }), down.picture);
    }

    // The board's counters: their pictures go at the first click and the
    // numbers show in Arial 12, made smaller only when they would not fit.
    void countersShowTheirNumbersWhole()
    {
        FaceButton face;
        makeBoardButton(face);
        face.setFaceColour(QColor(128, 255, 255));
        face.setPicture(framedPicture(QSize(42, 42)));
        face.setPicture(QPixmap());
        face.setText(QStringLiteral("2"));
        QCOMPARE(face.layout().font.pointSizeF(), 12.0);
        QImage shot = render(face);
        QVERIFY(boundsOf(shot, [](QColor c) { return c == kFrame || c == kFill; }).isEmpty());
        auto inked = [](QColor c) { return c.value() < 120; };
        QRect ink = boundsOf(shot, inked);
        QVERIFY(!ink.isEmpty());
        QVERIFY(qAbs(QRectF(ink).center().x() - face.layout().body.center().x()) <= 1.5);
        QVERIFY(qAbs(QRectF(ink).center().y() - face.layout().body.center().y()) <= 2);

        face.setText(QStringLiteral("32767"));
        const FaceButton::Layout layout = face.layout();
        QVERIFY(layout.font.pointSizeF() <= 12.0 && layout.font.pointSizeF() >= 9.0);
        QVERIFY(QFontMetricsF(layout.font).horizontalAdvance(face.text()) <= layout.caption.width());
        QVERIFY(layout.inside.contains(layout.caption));
        shot = render(face);
        ink = boundsOf(shot, inked);
        QVERIFY(layout.inside.contains(QRectF(ink)));
        // Whole digits: the ink spans more than three quarters of the face.
        QVERIFY2(ink.width() > layout.body.width() * 3 / 4, qPrintable(QString::number(ink.width())));
    }

    // The start screen's notice: a picture above a caption on two lines.
    void pictureStandsAboveItsCaption()
    {
        FaceButton face(QStringLiteral("Tipo de licencia Freeware"));
        face.resize(113, 97);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(9.75);
        face.setFont(font);
        face.setFaceColour(QColor(255, 255, 192));
        face.setPicture(framedPicture(QSize(48, 48)));
        const FaceButton::Layout layout = face.layout();
        QCOMPARE(layout.picture.size(), QSize(48, 48));
        QCOMPARE(layout.font, font);
        QVERIFY(layout.caption.top() >= layout.picture.bottom());
        const QRectF text =
            QFontMetricsF(font).boundingRect(layout.caption, Qt::AlignCenter | Qt::TextWordWrap, face.text());
        QVERIFY(text.height() <= layout.caption.height());
        QVERIFY(layout.body.contains(layout.caption));
        QVERIFY(qAbs(QRectF(layout.picture).center().x() - layout.body.center().x()) <= 1);
    }

    // Reached by Tab, a button wears a thick black and white frame; a click
    // that focuses it shows none, and a press takes a shown one away.
    void keyboardFocusShowsAThickFrame()
    {
        QWidget window;
        FaceButton first(QStringLiteral("A"), &window);
        FaceButton second(QStringLiteral("B"), &window);
        for (FaceButton *button : {&first, &second}) {
            makeBoardButton(*button);
            button->setFaceColour(QColor(255, 192, 192));
        }
        second.move(60, 0);
        window.resize(120, 60);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Rows 0-1 black, 2-3 white and 4-5 black across the top edge.
        const auto framed = [](FaceButton &button) {
            const QImage shot = render(button);
            return button.focusFrameWidth() == 6 && shot.pixelColor(24, 1) == QColor(Qt::black)
                && shot.pixelColor(24, 3) == QColor(Qt::white) && shot.pixelColor(24, 5) == QColor(Qt::black);
        };
        QTest::mouseClick(&second, Qt::LeftButton);
        QVERIFY(second.hasFocus());
        QVERIFY(!second.showsFocusFrame());
        QVERIFY(!framed(second));
        QTest::keyClick(&second, Qt::Key_Tab);
        QVERIFY(first.hasFocus());
        QVERIFY(first.showsFocusFrame());
        QVERIFY(framed(first));
        QTest::mousePress(&first, Qt::LeftButton);
        QVERIFY(!first.showsFocusFrame());
        QVERIFY(!framed(first));
        QTest::mouseRelease(&first, Qt::LeftButton);
        // A key on the button shows it again.
        QTest::keyClick(&first, Qt::Key_Shift);
        QVERIFY(framed(first));
    }

    void inkIsReadableOnEveryFace()
    {
        FaceButton face(QStringLiteral("HH"));
        face.resize(120, 60);
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(24);
        font.setBold(true);
        face.setFont(font);
        // Looks at the face only: the white backdrop shows round its corners.
        const QRect inside = face.layout().inside.toRect();
        auto hasColour = [inside](const QImage &image, QColor colour) {
            return !boundsOf(image.copy(inside), [colour](QColor c) { return c == colour; }).isEmpty();
        };

        face.setFaceColour(QColor(255, 255, 192));
        QCOMPARE(face.ink(), QColor(30, 20, 50));
        QVERIFY(hasColour(render(face), QColor(30, 20, 50)));

        face.setFaceColour(QColor(0, 0, 255));
        QCOMPARE(face.ink(), QColor(Qt::white));
        const QImage onBlue = render(face);
        QVERIFY(hasColour(onBlue, QColor(Qt::white)));
        QCOMPARE(onBlue.pixelColor(60, 8), QColor(0, 0, 255));

        // Disabled: grey ink on a paler face, and a faded picture.
        face.setPicture(framedPicture(QSize(10, 10)));
        face.setEnabled(false);
        QCOMPARE(face.ink(), QColor(140, 140, 140));
        QVERIFY(face.shownFace().hsvSaturation() < QColor(0, 0, 255).hsvSaturation() / 2);
        const QImage disabled = render(face);
        QVERIFY(hasColour(disabled, QColor(140, 140, 140)));
        QVERIFY(!hasColour(disabled, QColor(Qt::white)));
        QVERIFY(!hasColour(disabled, kFill));
    }
};

QTEST_MAIN(TestFaceButton)
#include "tst_facebutton.moc"
