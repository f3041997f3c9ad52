// Times showing one gallery page of nine 4000 x 3000 JPEG photographs: each
// preview decoded straight at its fitted size, against decoding the whole
// photograph and scaling it down, in the same run. Every page shown is
// checked: nine previews, each loaded at its fitted size, or the benchmark
// fails. --quick shows each page once, from smaller photographs (the test
// suite runs it so).

#include "preview.h"
#include "twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <algorithm>
#include <functional>

namespace {

constexpr int Photos = 9;

// A photograph-like picture: smooth colour fields with grain, so that the
// JPEG holds as much detail as a camera picture does.
QImage photograph(int seed, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(quint32(seed + 1));
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(random.bounded(40u)) - 20;
            const int r = qBound(0, (x * 255 / size.width() + seed * 30) % 256 + grain, 255);
            const int g = qBound(0, (y * 255 / size.height() + seed * 50) % 256 + grain, 255);
            const int b = qBound(0, ((x + y) * 255 / (size.width() + size.height()) + seed * 70) % 256 + grain, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return image;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    const int rounds = quick ? 1 : 7;
    // Either size is fitted to 2000 x 1500 twips: 133 x 100 pixels here.
    const QSize photoSize = quick ? QSize(1600, 1200) : QSize(4000, 3000);

    QTemporaryDir folder;
    QStringList paths;
    for (int i = 0; i < Photos; ++i) {
        const QString path = folder.filePath(QStringLiteral("foto%1.jpg").arg(i));
        if (!photograph(i, photoSize).save(path, "JPEG", 90)) {
            out << "could not write " << path << "\n";
            return 1;
        }
        paths << path;
    }

    const vud::ScreenTwips screen = vud::screenTwipsFor(800, 600);
    QWidget page;
    page.resize(683, 513);
    QVector<QLabel *> cells;
    for (int i = 0; i < Photos; ++i) {
        auto *cell = new QLabel(&page);
        cell->setScaledContents(true);
        cells << cell;
    }
    page.show();

    const QSize fittedPixels(screen.toPixelsX(2000), screen.toPixelsY(1500));
    int badPreviews = 0;
    using Loader = std::function<vud::PreviewPicture(const QString &, const vud::ScreenTwips &)>;
    auto showPage = [&](const Loader &load) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < Photos; ++i) {
            const vud::PreviewPicture preview = load(paths[i], screen);
            if (!preview.loaded || preview.image.size() != fittedPixels
                || preview.fittedTwips != QSizeF(2000, 1500))
                ++badPreviews;
            cells[i]->setPixmap(QPixmap::fromImage(preview.image));
            cells[i]->setGeometry(screen.toPixels(2880 + 2400 * (i % 3), 360 + 2040 * (i / 3),
                                                  preview.fittedTwips.width(), preview.fittedTwips.height()));
        }
        page.grab();
        return clock.nsecsElapsed() / 1e6;
    };

    QVector<double> fitted;
    QVector<double> full;
    showPage(vud::loadPreview); // warm the file cache and the decoders
    for (int round = 0; round < rounds; ++round) {
        fitted << showPage(vud::loadPreview);
        full << showPage(vud::loadPreviewFullDecode);
    }

    const double fittedMedian = median(fitted);
    const double fullMedian = median(full);
    out << "Gallery page of " << Photos << " JPEG photographs " << photoSize.width() << " x "
        << photoSize.height() << ", median of " << rounds << " rounds:\n";
    out << QStringLiteral("  decoded at the fitted size:     %1 ms\n").arg(fittedMedian, 7, 'f', 1);
    out << QStringLiteral("  decoded whole, then scaled:     %1 ms\n").arg(fullMedian, 7, 'f', 1);
    out << QStringLiteral("  speed-up:                       %1 x\n").arg(fullMedian / fittedMedian, 7, 'f', 2);
    if (badPreviews > 0 || fittedPixels != QSize(133, 100)) {
        out << "FAILED: " << badPreviews << " previews not loaded at " << fittedPixels.width() << " x "
            << fittedPixels.height() << " pixels\n";
        return 1;
    }
    return 0;
}
