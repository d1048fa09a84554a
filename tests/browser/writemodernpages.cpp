// Writes the Modern pages of a few designs as a browser opens them without a server into a folder, for the browser
// checks: the preview's pages (the sign page for a first visitor, the view page with its sample entries), and the
// server's three pages with their script taken out, so that every banner and both paging links stand in them.

#include "generator/modernpages.h"
#include "generator/preview.h"
#include "support/goldenprojects.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

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
    const QList<QStringList> designs = {
        {"default", "en", ""}, {"bordered", "de", ""}, {"cyrillic", "ja", ""}, {"mixed", "fr", "dark"}};
    for (const QStringList &design : designs) {
        GuestbookProject p = goldenProject(design.at(0), QDir::tempPath());
        p.Page_Style = QStringLiteral("Modern"), p.Page_Language = design.at(1);
        if (design.at(2) == QLatin1String("dark"))
            p.BG_Color = "#1e1e28", p.M_FColor = "#f0f0f0", p.H_FColor = "#9fc5ff", p.HM_FColor = "#ffd27f";
        if (design.at(0) == QLatin1String("bordered"))
            p.Spam_Guard = 1, p.Max_Entry_Length = "300", p.Entries_Per_Page = "10";
        const PreviewPages pages =
            BuildPreviewPages(SiteDescription(p, SiteTarget::Preview), QDateTime(QDate(2026, 12, 5), QTime(14, 3, 9)));
        const SiteDescription server(p, SiteTarget::Server);
        static const QRegularExpression script(QStringLiteral("<%.*%>"),
                                               QRegularExpression::DotMatchesEverythingOption
                                                   | QRegularExpression::InvertedGreedinessOption);
        const auto withoutScript = [](QString page) { return page.remove(script); };
        const QString name = design.at(0) + QLatin1Char('-') + design.at(1);
        for (const auto &[suffix, text] : {std::pair{"-sign.html", pages.signPage},
                                           {"-view.html", pages.viewPage},
                                           {"-server-sign.html", withoutScript(BuildModernSignPage(server))},
                                           {"-server-thanks.html", withoutScript(BuildModernEntryScript(server))},
                                           {"-server-view.html", withoutScript(BuildModernViewPage(server))}}) {
            QFile file(folder.filePath(name + QLatin1String(suffix)));
            if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(file.fileName()), qPrintable(file.errorString()));
                return 1;
            }
        }
    }
    return 0;
}
