// Writes the Modern pages of a few designs as the server sends them, for the browser checks: each design generated
// with three entries a page and run on the VBScript engine: the sign page, the sign page with its error banner, the
// thank-you page of a post, and both pages of entries after four posts in the page language; and for a design whose
// posts wait for approval, the owner page signed in with them.

#include "generatedsite.h"
#include "generator/pageframe.h"
#include "generator/protection.h"
#include "siteruntime.h"
#include "store/pagechoices.h"
#include "support/goldenprojects.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

struct Design {
    QString name, language;
    bool dark = false;
    QString text;  // typed into each field, in the page language
    bool owner = false;  // with an owner page, posts held for approval
};

const QString kOwnerPassword = QStringLiteral("p\u00e4ss\u0436word!");

// Four posts by one visitor, each from a sign page served five seconds before and half a minute after the last, so
// that a guarded guestbook takes them; then the pages to be checked.
QList<SiteRequest> visit(const GuestbookProject &project, const QString &text)
{
    QList<SiteRequest> requests = {{kSignPageName}, {kSignPageName, "GET", {}, {{"err", "1"}}}};
    for (int post = 1; post <= 4; ++post) {
        SiteValues values = {{"qsWebsite", ""}, {"qsServed", kFromPage}, {"qsForm", kFromPage}, {"qsProof", kFromPage}};
        for (const GuestbookField &field : project.Fields)
            values << qMakePair(FieldControlName(field), QStringLiteral("%1 %2").arg(text).arg(post));
        requests << SiteRequest{kSignPageName, "GET", {}, {}, SiteRequest{}.visitor, 31}
                 << SiteRequest{kEntryScriptName, "POST", values, {}, SiteRequest{}.visitor, 5};
    }
    requests << SiteRequest{kViewPageName} << SiteRequest{kViewPageName, "GET", {}, {{"page", "2"}}};
    if (!project.Owner_Password.isEmpty())  // the owner signs in
        requests << SiteRequest{kOwnerPageName}
                 << SiteRequest{kOwnerPageName,
                                "POST",
                                {{"action", "signin"}, {"password", kOwnerPassword}, {"token", kFromPage}}};
    return requests;
}

bool writePage(const QDir &folder, const QString &name, const SiteAnswer &answer)
{
    QFile file(folder.filePath(name));
    if (answer.error.isEmpty() && answer.redirect.isEmpty() && file.open(QIODevice::WriteOnly)
        && file.write(answer.body) == answer.body.size())
        return true;
    std::fprintf(stderr, "%s: %s%s\n", qPrintable(name), qPrintable(answer.error + answer.redirect),
                 qPrintable(file.errorString()));
    return false;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: writemodernpages <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    TestProgramFolder program;
    const QList<Design> designs = {{"default", "en", false, "Ann <b>&amp;</b>"},
                                   {"bordered", "de", false, QStringLiteral("Grüße aus Köln")},
                                   {"cyrillic", "ja", false, QStringLiteral("桜の季節 🌸")},
                                   {"mixed", "fr", true, QStringLiteral("Très bien, à bientôt")},
                                   {"default", "ja", false, QStringLiteral("承認をお願いします 🌸"), true}};
    for (const Design &design : designs) {
        GuestbookProject p = goldenProject(design.name, program.file(design.name + QLatin1Char('-') + design.language));
        p.Page_Style = kModernPageStyle, p.Page_Language = design.language, p.Entries_Per_Page = "3";
        if (design.dark)  // a background that asks for the dark colour scheme
            p.BG_Color = "#1e1e28", p.M_FColor = "#f0f0f0", p.H_FColor = "#9fc5ff", p.HM_FColor = "#ffd27f";
        if (design.name == QLatin1String("bordered"))
            p.Spam_Guard = 1, p.Max_Entry_Length = "300";
        if (design.owner)
            p.Owner_Password = OwnerPasswordValue(kOwnerPassword), p.Moderate_Entries = 1;
        const QString site = generateSite(p);
        if (site.isEmpty()) {
            std::fprintf(stderr, "%s could not be generated\n", qPrintable(design.name));
            return 1;
        }
        const QList<SiteAnswer> answers = SiteRuntime(site, QStringLiteral("windows-1252")).run(visit(p, design.text));
        const QString name = design.name + QLatin1Char('-') + design.language;
        QList<QPair<int, const char *>> pages = {
            {0, "-sign.html"}, {1, "-banner.html"}, {9, "-thanks.html"}, {10, "-view.html"}, {11, "-view2.html"}};
        if (design.owner)
            pages = {{9, "-thanks.html"}, {13, "-owner.html"}};
        for (const auto &[at, suffix] : pages) {
            if (!writePage(folder, name + QLatin1String(suffix), answers.at(at)))
                return 1;
        }
    }
    return 0;
}
