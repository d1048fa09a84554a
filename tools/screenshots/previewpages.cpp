// Writes Preview's pages of a new design into a folder, with a fixed date on the
// sample entries, for the manual's pictures of what visitors see.
// Usage: previewpages <parent folder>; prints the preview's folder.

#include "generator/preview.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDateTime newest(QDate(2026, 12, 6), QTime(18, 5));
    const PreviewFolder preview =
        WritePreview(GuestbookProject::startupDefaults(), QString::fromLocal8Bit(argv[1]), newest);
    if (preview.folder.isEmpty())
        return 1;
    std::printf("%s\n", qPrintable(preview.folder));
    return 0;
}
