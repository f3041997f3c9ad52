// Times the board where a child would feel it: laying out a 108-piece board
// from a 2048 x 1536 photograph, and one mouse move of a carried piece.
// Every repetition is checked to have done its work; a case that did not
// makes the benchmark fail. --quick runs a few repetitions (the test suite
// runs it so).
#include "core/datapaths.h"
#include "core/random.h"
#include "game/ui/board.h"
#include "widgets/sound.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A player that plays nothing: the benchmark times the board, not the
// audio system.
class SilentSound : public vud::SoundInterface
{
public:
    void playSound(const QString &) override {}
};

double medianMs(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A busy photograph-like picture, so that the JPEG decoder has real work.
QImage samplePhoto(int width = 2048, int height = 1536)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(90, 170, 255));
    sky.setColorAt(1, QColor(255, 200, 120));
    p.fillRect(image.rect(), sky);
    for (int i = 0; i < 400 * (width / 2048 + 1); ++i) {
        p.setBrush(QColor::fromHsv((i * 37) % 360, 160, 230));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPoint((i * 97) % width, (i * 61) % height), 20 + i % 60, 15 + i % 40);
    }
    return image;
}

// Everything that failed to happen, for the report at the end.
QStringList &failures()
{
    static QStringList list;
    return list;
}

void check(bool done, const QString &what)
{
    if (!done && !failures().contains(what))
        failures() << what;
}

// The lay-out itself, as a new game asks for it; then a check that a whole
// 12 x 9 board with its picture is there.
void layOutAgain(Form3 *board)
{
    board->Form_Activate();
    check(board->pieceCount() == 108 && board->boardColumns() == 12 && board->boardRows() == 9,
          "a 108-piece board laid out");
    check(!board->picture2()->picture().isNull(), "the picture on the board");
    check(board->piece(107) && board->piece(107)->sideTwips() == board->cellSize(), "the last piece placed");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;

    QTemporaryDir folder;
    const QString picturePath = folder.path() + "/foto.jpg";
    const QImage photo = samplePhoto();
    if (!photo.save(picturePath, "JPEG", 90)) {
        std::fprintf(stderr, "cannot write the sample picture\n");
        return 1;
    }
    vud::setProgramFolder(folder.path());

    boardlogic::BoardChoice choice{12, 9, picturePath, "foto.jpg"};
    // The board alone: its sounds go nowhere and its shuffle is the
    // program's own generator.
    SilentSound silent;
    vud::StandardRandom random;
    auto owned = std::make_unique<Form3>(silent, random, choice);
    Form3 *board = owned.get();
    board->showModeless();
    app.processEvents();

    const int runs = quick ? 3 : 31;
    const int moves = quick ? 11 : 201;
    // The picture handed over already at the size that covers the grid, so
    // that neither decoding nor scaling is timed.
    board->Form_Activate();
    const QImage decoded = QImage(picturePath).scaled(board->pictureFit().size, Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation);
    int loads = 0;
    board->setPictureLoader([&decoded, &loads](const QString &) {
        ++loads;
        return decoded;
    });
    const auto chooseAgain = [board, &choice] { board->chooseBoard(choice); };
    const double layoutOnly = medianMs(runs, chooseAgain, [board] { layOutAgain(board); });
    check(loads == runs, "the picture handed over in every lay-out");
    board->setPictureLoader({});
    qint64 lastPicture = 0;
    const double layoutWithDecode = medianMs(runs, chooseAgain, [&] {
        layOutAgain(board);
        // A new decode gives a new picture every time.
        const qint64 picture = board->picture2()->picture().cacheKey();
        check(picture != lastPicture, "the picture decoded in every lay-out");
        lastPicture = picture;
    });
    app.processEvents();

    // A phone photograph of 4000 x 3000: decoded whole, against the whole
    // 108-piece set-up, which decodes it straight at the size that covers
    // the grid.
    const QString photoPath = folder.path() + "/telefono.jpg";
    if (!samplePhoto(4000, 3000).save(photoPath, "JPEG", 90)) {
        std::fprintf(stderr, "cannot write the phone photograph\n");
        return 1;
    }
    const double fullDecode = medianMs(runs, [] {}, [&] {
        const QImage whole(photoPath);
        check(whole.size() == QSize(4000, 3000), "the photograph decoded whole");
    });
    choice.PicturePath = photoPath;
    choice.PictureName = "telefono.jpg";
    const double photoLayout = medianMs(runs, chooseAgain, [&] {
        layOutAgain(board);
        check(board->picture2()->picture().size() == board->picture2()->size() * board->devicePixelRatioF(),
              "the photograph cut to the grid");
        check(board->pictureFit().scale < 0.5, "the photograph scaled down to the grid");
    });
    app.processEvents();

    // Shuffle, then lift the piece in the middle of the grid.
    board->Timer1_Timer();
    const vud::ScreenTwips &s = board->screen();
    const int cell = board->cellSize();
    const QPointF centre(s.toPixelsX(board->gridLeft() + 5.5 * cell),
                         s.toPixelsY(board->gridTop() + 4.5 * cell));
    PieceBox *lifted = board->piece(board->cellPiece(5, 4));
    board->Picture1_Click(lifted->index(), centre);
    app.processEvents();

    check(board->carrying(), "a piece lifted");
    int step = 0;
    QSet<QPair<int, int>> placesSeen;
    auto moveOnce = [&] {
        // The pointer wanders over the carried piece, as a child's hand does.
        const QPointF at(lifted->width() / 2 + (step % 7) - 3, lifted->height() / 2 + (step % 5) - 2);
        ++step;
        QMouseEvent move(QEvent::MouseMove, at, lifted->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(lifted, &move);
        placesSeen.insert({lifted->x(), lifted->y()});
    };
    const double moveHandler = medianMs(moves, [] {}, moveOnce);
    const double moveAndPaint = medianMs(moves, [] {}, [&] {
        moveOnce();
        app.processEvents();
    });
    check(board->carrying() && placesSeen.size() > 1, "the carried piece following the pointer");

    const QSize screen = QGuiApplication::primaryScreen()->size();
    std::printf("Board benchmark (%s, screen %dx%d, 108 pieces, picture 2048x1536 JPEG)\n",
                qPrintable(QGuiApplication::platformName()), screen.width(), screen.height());
    std::printf("  lay out a 108-piece board, decode and scaling excluded: %8.3f ms (median of %d)\n", layoutOnly, runs);
    std::printf("  lay out a 108-piece board, decode included:  %8.3f ms (median of %d)\n", layoutWithDecode, runs);
    std::printf("  phone photo 4000x3000, full decode:          %8.3f ms (median of %d)\n", fullDecode, runs);
    std::printf("  phone photo, 108-piece set-up, decode incl.: %8.3f ms (%.2f x the full decode; aim under 0.5)\n",
                photoLayout, photoLayout / fullDecode);
    std::printf("  one mouse move of a carried piece:           %8.4f ms (median of %d)\n", moveHandler, moves);
    std::printf("  one mouse move of a carried piece, repainted: %7.4f ms (median of %d)\n", moveAndPaint, moves);
    owned.reset();
    for (const QString &failure : std::as_const(failures()))
        std::fprintf(stderr, "FAILED: not done: %s\n", qPrintable(failure));
    return failures().isEmpty() ? 0 : 1;
}
