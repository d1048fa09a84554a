// Writes a picture's pixels as premultiplied 32-bit ARGB in the byte order of the
// machine it runs on, row after row with nothing between: the program takes its
// window icon from these at start-up, with nothing to decode.
// Usage: iconpixels <picture> <pixels file>

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: iconpixels <picture> <pixels file>\n");
        return 2;
    }
    const QImage picture =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    bool written = out.open(QIODevice::WriteOnly);
    const qint64 rowBytes = qint64(picture.width()) * 4;
    for (int y = 0; written && y < picture.height(); ++y)
        written = out.write(reinterpret_cast<const char *>(picture.constScanLine(y)), rowBytes) == rowBytes;
    if (!written || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
