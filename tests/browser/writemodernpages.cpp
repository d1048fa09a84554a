// Writes the Modern pages of a few designs as the server sends them, for the browser checks: each design generated
// with three entries a page and run on the VBScript engine: the sign page, the sign page with its error banner, the
// thank-you page of a post, both pages of entries after four posts in the page language, and the owner page, for
// signing in and signed in.

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
    bool owner = false;  // posts held for approval
};

const QString kPassword = QStringLiteral("p\u00e4ss\u0436word!"), kOwner = QStringLiteral("192.0.2.9");

// Four posts by one visitor, each from a sign page served five seconds before and half a minute after the last, so
// that a guarded guestbook takes them; then the pages to be checked; last the owner signs in.
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
    const SiteValues signIn = {{"action", "signin"}, {"password", kPassword}, {"token", kFromPage}};
    return requests << SiteRequest{kViewPageName} << SiteRequest{kViewPageName, "GET", {}, {{"page", "2"}}}
                    << SiteRequest{kOwnerPageName, "GET", {}, {}, kOwner}
                    << SiteRequest{kOwnerPageName, "POST", signIn, {}, kOwner, 1}
                    << SiteRequest{kOwnerPageName, "GET", {}, {}, kOwner, 1};
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
        p.Owner_Password = OwnerPasswordValue(kPassword);
        if (design.dark)  // a background that asks for the dark colour scheme
            p.BG_Color = "#1e1e28", p.M_FColor = "#f0f0f0", p.H_FColor = "#9fc5ff", p.HM_FColor = "#ffd27f";
        if (design.name == QLatin1String("bordered"))
            p.Spam_Guard = 1, p.Max_Entry_Length = "300";
        if (design.owner)
            p.Moderate_Entries = 1;
        const QString site = generateSite(p);
        if (site.isEmpty()) {
            std::fprintf(stderr, "%s could not be generated\n", qPrintable(design.name));
            return 1;
        }
        const QList<SiteAnswer> answers = SiteRuntime(site, QStringLiteral("windows-1252")).run(visit(p, design.text));
        const QString name = design.name + QLatin1Char('-') + design.language;
        const QList<QPair<int, const char *>> pages = {{0, "-sign.html"},  {1, "-banner.html"}, {9, "-thanks.html"},
                                                       {10, "-view.html"}, {11, "-view2.html"}, {12, "-signin.html"},
                                                       {14, "-owner.html"}};
        for (const auto &[at, suffix] : pages) {
            if (!writePage(folder, name + QLatin1String(suffix), answers.at(at)))
                return 1;
        }
    }
    return 0;
}
