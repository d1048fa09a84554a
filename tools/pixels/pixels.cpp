// Writes the pictures the program keeps as their pixels (premultiplied 32-bit ARGB in
// the byte order of the machine it runs on, row after row): the installed icons, read
// from their PNG files, and the window's banner and round buttons, drawn by the
// program's own code (with the name of the face the banner's text was drawn in). The
// window shows these at start-up with nothing to decode or draw.
// Usage: pixels <folder> <48x48 icon PNG> <256x256 icon PNG>

#include "chrome/pictures.h"
#include "wizard/backgroundpicture.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>

namespace {

bool writePixels(const QString &path, const QImage &picture)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QSaveFile out(path);
    bool written = !pixels.isNull() && out.open(QIODevice::WriteOnly);
    const qint64 rowBytes = qint64(pixels.width()) * 4;
    for (int y = 0; written && y < pixels.height(); ++y)
        written = out.write(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes) == rowBytes;
    if (!written || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool writeText(const QString &path, const QString &text)
{
    QSaveFile out(path);
    const QByteArray bytes = text.toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QImage banner()
{
    QImage picture(BackgroundPicture::bannerSize(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&picture);
    BackgroundPicture::paintBanner(painter, picture.width());
    return picture;
}

}  // namespace

int main(int argc, char *argv[])
{
    // Drawn off any screen, one device pixel per pixel.
    int qtArgc = 3;
    char platform[] = "-platform", offscreen[] = "offscreen";
    char *qtArgv[] = {argv[0], platform, offscreen, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: pixels <folder> <48x48 icon PNG> <256x256 icon PNG>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool written = writePixels(folder.filePath(QStringLiteral("icon48")), QImage(QString::fromLocal8Bit(argv[2])))
        && writePixels(folder.filePath(QStringLiteral("icon256")), QImage(QString::fromLocal8Bit(argv[3])))
        && writePixels(folder.filePath(BackgroundPicture::bannerName()), banner())
        && writeText(folder.filePath(BackgroundPicture::bannerFaceName()), BackgroundPicture::bannerFace());
    for (const Pictures::Button kind : {Pictures::Button::About, Pictures::Button::Help, Pictures::Button::Exit}) {
        written = written
            && writePixels(folder.filePath(Pictures::roundButtonName(kind)),
                           Pictures::roundButton(kind, Pictures::kRoundButtonSize).toImage());
    }
    return written ? 0 : 1;
}
