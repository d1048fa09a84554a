#pragma once

#include "generator/pagecodepage.h"
#include "generator/pagenames.h"
#include "generator/pagetexts.h"
#include "store/guestbookproject.h"

#include <QList>
#include <QString>

// What the page builders know of a guestbook: resolved from the project once per
// generation run or preview and handed to every builder, so that no builder asks
// the project record again how the site is protected, styled or linked.

// The addresses by which the pages link to each other: the server's page names,
// or the files of a preview that a browser opens without a server.
struct PageLinks {
    QString signPage;
    QString entryScript;
    QString viewPage;
};
inline const PageLinks kServerPageLinks{kSignPageName, kEntryScriptName, kViewPageName};
inline const PageLinks kPreviewPageLinks{kPreviewSignPage, kPreviewViewPage, kPreviewViewPage};

// One face, size and colour of the pages' text, as the design holds them.
struct PageFont {
    QString face;
    QString size;
    QString colour;
};

// The design values that the pages print, raw as typed.
struct PageDesign {
    QString title;
    QString backgroundColour;
    // As the pages name it; empty or "none" for no picture.
    QString backgroundImage;
    PageFont text;
    PageFont link;
    PageFont hoverLink;
    bool tableBorder = false;
    QString tableBorderWidth;
    QString tableWidth;
    QList<GuestbookField> fields;

    static PageDesign of(const GuestbookProject &project);
};

// The guestbook's protection with every option resolved. With all of them off the
// pages are those of an unprotected guestbook.
struct SiteProtection {
    bool robotGuard = false;
    int lengthLimit = 0;  // 0: none
    int entriesPerPage = 0;  // 0: all on one page
    bool ownerPage = false;
    bool holdsEntries = false;  // moderation, which needs the owner page
    // The owner password key's salt and digest, as hex digits.
    QString ownerSalt;
    QString ownerDigest;

    bool isOn() const { return robotGuard || lengthLimit > 0 || entriesPerPage > 0 || ownerPage; }
    static SiteProtection of(const GuestbookProject &project);
};

// Whom the pages are for: the web server, or a browser that opens a preview without
// one (links to the preview's files, server script evaluated for a first visitor or
// dropped, no secret).
enum class SiteTarget { Server, Preview };

struct SiteDescription {
    SiteDescription(const GuestbookProject &project, SiteTarget target);

    bool modern = false;
    bool preview = false;
    PageTexts texts;  // in the page language
    PageDesign design;
    SiteProtection protection;
    PageLinks links;
    // The code page the pages are written in (the settings' one is logged when it falls back).
    PageCodePage codePage;
    // The run's secret for a protected site's script; empty for a preview and an unprotected site.
    QString secret;
    // A background picture on this computer that a run copies beside the pages, which name it by
    // its file name; empty when there is none.
    QString localBackgroundPicture;
};

// What a project's keys turn on, for the windows that show or upload a site.
bool HasOwnerPage(const GuestbookProject &project);
bool HoldsEntries(const GuestbookProject &project);  // moderation, which needs the owner page
bool IsProtected(const GuestbookProject &project);

// A fresh secret for one generation: it signs the sign page's serving time and
// seeds the owner's tokens, and never leaves the server's script.
QString NewSiteSecret();

// A background picture on this computer: BG_Image as a full path (or a file: address), which no web server
// can reach. The generated pages name it by its file name and it is copied beside them. Empty for a web
// address, a plain or relative file name, or no picture: those go into the pages as they are.
QString LocalBackgroundPicture(const GuestbookProject &project);
// The file name of such a picture, the part after the last "/" or "\".
QString BackgroundFileName(const QString &localPath);
