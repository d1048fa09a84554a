// Writes the Modern pages of a few designs as a browser opens them without a server (the preview's pages: the sign
// page for a first visitor, the view page with its sample entries) into a folder, for the browser checks.

#include "generator/preview.h"
#include "support/goldenprojects.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: writemodernpages <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    // Design, language, and a background that asks for the dark colour scheme.
    const QList<QStringList> designs = {{"default", "en", ""}, {"bordered", "de", ""}, {"cyrillic", "ja", ""},
                                        {"mixed", "fr", "dark"}};
    for (const QStringList &design : designs) {
        GuestbookProject p = goldenProject(design.at(0), QDir::tempPath());
        p.Page_Style = QStringLiteral("Modern"), p.Page_Language = design.at(1);
        if (design.at(2) == QLatin1String("dark"))
            p.BG_Color = "#1e1e28", p.M_FColor = "#f0f0f0", p.H_FColor = "#9fc5ff", p.HM_FColor = "#ffd27f";
        const PreviewPages pages = BuildPreviewPages(p, QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)));
        const QString name = design.at(0) + QLatin1Char('-') + design.at(1);
        for (const auto &[suffix, text] : {std::pair{"-sign.html", pages.signPage}, {"-view.html", pages.viewPage}}) {
            QFile file(folder.filePath(name + QLatin1String(suffix)));
            if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
                return 1;
            }
        }
    }
    return 0;
}
