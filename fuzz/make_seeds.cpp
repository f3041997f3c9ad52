// Writes the fuzz targets' seed corpus: a few small files of each kind the
// readers meet, good and broken, all made here.
//   make_seeds <folder>   writes <folder>/<target>/<seed>
#include "puzzlefile/puzzlefile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

QString root;

void seed(const char *target, const char *name, const QByteArray &bytes)
{
    QDir().mkpath(root + "/" + target);
    QFile file(root + "/" + target + "/" + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s/%s\n", target, name);
        std::exit(1);
    }
}

QByteArray le16(int value)
{
    return QByteArray(1, char(value & 0xff)) + char((value >> 8) & 0xff);
}

// A GIF of a few one-pixel frames over a 4 x 3 canvas, with a loop block, a
// comment, frame delays and a local colour table on the last frame.
QByteArray animatedGif(int frames, int canvasWidth = 4, int canvasHeight = 3)
{
    QByteArray gif = "GIF89a" + le16(canvasWidth) + le16(canvasHeight) + QByteArray("\x81\x00\x00", 3);
    gif += QByteArray("\x00\x00\x00\xff\x00\x00\x00\xff\x00\xff\xff\xff", 12);
    gif += QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    gif += QByteArray("\x21\xfe\x03vud\x00", 7);
    for (int i = 0; i < frames; ++i) {
        gif += QByteArray("\x21\xf9\x04\x05\x05\x00\x03\x00", 8);
        const bool local = i == frames - 1;
        gif += char(0x2C) + le16(i % 3) + le16(i % 2) + le16(1) + le16(1) + char(local ? 0x81 : 0);
        if (local)
            gif += QByteArray("\xff\xff\x00\x00\x00\xff\x10\x20\x30\x40\x50\x60", 12);
        gif += QByteArray("\x02\x02\x44\x01\x00", 5);
    }
    return gif + char(0x3B);
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray be32(quint32 value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(value >> (24 - 8 * i));
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]);

    seed("coordinates", "saved", "abeja.gif,212,87,\r\nmariposa.gif,0,0,\r\nabeja.gif,-5,300,\r\n");
    seed("coordinates", "line-ends", "\r\n\nsol.gif,1,2,xyz\rluna.gif,+3,4,5,6,\n\r\n");
    seed("coordinates", "hostile", "../x.gif,1,2,\r\n/etc/passwd,1,2,\r\nC:x.gif,1,2,\r\n..,1,2,\r\nsub\\x.gif,1,2,\r\n");
    seed("coordinates", "numbers", "a.gif,2147483647,-2147483648,\r\na.gif,2147483648,0,\r\na.gif,0x1,1,\r\na.gif, 1,1,\r\n");
    seed("coordinates", "nul", QByteArray("so\0l.gif,1,2,\r\n", 15));
    seed("coordinates", "long-line", QByteArray(5000, 'a') + ".gif,1,2,\r\nsol.gif,1,2,\r\n");

    seed("puzzlename", "default", "523dibujo");
    seed("puzzlename", "accents", "ñandú en el árbol");
    seed("puzzlename", "climbs", "../fuera");
    seed("puzzlename", "hidden", ".gato");
    seed("puzzlename", "control", "ga\rto");
    seed("puzzlename", "wildcards", "g*t?");
    seed("puzzlename", "long", QByteArray(260, 'g'));
    seed("puzzlename", "utf16", QByteArray("g\0a\0t\0o\0", 8));

    QImage picture(20, 15, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.fillRect(2, 2, 10, 8, QColor(200, 60, 30));
        p.setBrush(QColor(30, 90, 220, 160));
        p.drawEllipse(8, 5, 10, 9);
    }
    // The first byte picks the suffix: png, jpg, bmp, gif, webp, tiff, ico, jpeg.
    const QByteArray png = encoded(picture, "PNG");
    const QByteArray jpeg = encoded(picture, "JPEG");
    seed("pictures", "png", char(0) + png);
    seed("pictures", "jpeg", char(1) + jpeg);
    seed("pictures", "bmp", char(2) + encoded(picture, "BMP"));
    seed("pictures", "gif", char(3) + animatedGif(3));
    seed("pictures", "ico", char(6) + encoded(picture, "ICO"));
    seed("pictures", "png-as-jpg", char(1) + png);
    seed("pictures", "truncated-png", char(0) + png.left(png.size() / 2));
    seed("pictures", "truncated-jpeg", char(7) + jpeg.left(jpeg.size() / 2));
    // A PNG header claiming 30000 x 30000 pixels.
    QByteArray bomb = png;
    bomb.replace(16, 8, be32(30000) + be32(30000));
    seed("pictures", "png-bomb", char(0) + bomb);

    seed("animation", "three-frames", animatedGif(3));
    seed("animation", "one-frame", animatedGif(1));
    seed("animation", "many-frames", animatedGif(40));
    seed("animation", "canvas-bomb", animatedGif(2, 30000, 30000));
    seed("animation", "truncated", animatedGif(3).left(60));
    seed("animation", "png", png);

    // Puzzle files: small archives of a picture, its coordinates and drawings.
    const QByteArray manifest = "formato=1\nprograma=VUD 2.0\n";
    const QByteArray lines = "sol.gif,3,4,\r\nluna.gif,10,2,\r\n";
    using Entries = QVector<QPair<QString, QByteArray>>;
    const QByteArray whole = vud::zipBytes(Entries{{"vud.txt", manifest}, {"imagenes/gato.png", png},
        {"coordenadas/gato.txt", lines}, {"gifs/sol.gif", animatedGif(2)}, {"gifs/luna.gif", animatedGif(1)}});
    seed("puzzlefile", "puzzle", whole);
    seed("puzzlefile", "picture-only", vud::zipBytes(Entries{{"imagenes/gato.jpg", jpeg}}));
    seed("puzzlefile", "folders", vud::zipBytes(Entries{{"imagenes/", {}}, {"gifs/", {}}, {"imagenes/ñandú.bmp",
        encoded(picture, "BMP")}, {"coordenadas/ñandú.txt", "sol.gif,1,1,\r\n"}, {"gifs/sol.gif", animatedGif(1)}}));
    seed("puzzlefile", "missing-drawing", vud::zipBytes(Entries{{"imagenes/gato.png", png},
        {"coordenadas/gato.txt", lines}, {"gifs/sol.gif", animatedGif(2)}}));
    seed("puzzlefile", "climbs", vud::zipBytes(Entries{{"imagenes/../../gato.png", png}, {"/gifs/sol.gif", png}}));
    seed("puzzlefile", "duplicates", vud::zipBytes(Entries{{"imagenes/gato.png", png}, {"imagenes/GATO.png", png}}));
    seed("puzzlefile", "newer", vud::zipBytes(Entries{{"vud.txt", "formato=9\n"}, {"imagenes/gato.png", png}}));
    seed("puzzlefile", "truncated", whole.left(whole.size() * 2 / 3));
    seed("puzzlefile", "not-zip", png);
    std::printf("seeds written to %s\n", qPrintable(root));
    return 0;
}
