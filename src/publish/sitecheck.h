#pragma once

#include <QStringList>
#include <QUrl>

// The folder's address, ending in "/"; "http://" in front when the user gave none.
QUrl SiteFolderOf(const QString &siteAddress);

// The published guestbook's addresses, from the web address of the folder the pages went to.
struct SiteAddresses {
    QUrl signPage;
    QUrl ownerPage;  // empty when the guestbook has no owner page
};
SiteAddresses AddressesOf(const QString &siteAddress, bool hasOwnerPage);
// "Your guestbook: <address>" and, with an owner page, "Your owner page: <address>" on
// a line of its own; empty without a site address.
QString AddressesText(const QString &siteAddress, bool hasOwnerPage);

// What "Check the site" found, one plain sentence each: whether the sign page answers,
// whether the server ran its script, and whether pending.txt is hidden from visitors.
struct SiteReport {
    bool healthy = true;
    QStringList findings;
};

// Fetches the sign page (and pending.txt when the guestbook keeps one) over HTTP or
// HTTPS, waiting at most timeoutMs for each answer.
SiteReport CheckSite(const QString &siteAddress, bool keepsPendingFile, int timeoutMs = 20000);
