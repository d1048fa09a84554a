#pragma once

#include "generator/pageframe.h"
#include "generator/pagetexts.h"
#include "store/guestbookproject.h"

#include <QList>
#include <QPair>
#include <QString>

// The guestbook's protection: robot guard, entry length limit, pages of entries,
// the owner page and moderation. With every option off the pages are those of an
// unprotected guestbook and nothing here is written into them.

inline const QString kOwnerPageName = QStringLiteral("owner.asp");
inline const QString kPendingFileName = QStringLiteral("pending.txt");
// The proofs of the sign page's forms that were posted, while their forms are valid.
inline const QString kUsedFormsFileName = QStringLiteral("usedforms.txt");

// What is on, for the wizard's step 5: "Protection: off", or the options named.
QString ProtectionSummary(const GuestbookProject &project);
// What a generated guestbook needs of the web server, for step 5 once it is written:
// the owner page's name, if there is one, and which files the pages write.
QString ServerNeeds(const GuestbookProject &project);
// The files a project's pages change on the server, in the order they are made:
// made when missing, never written again by a run or an upload.
QStringList DataFileNames(const SiteProtection &protection);

// The owner password key for a password: a random 16-byte salt and the SHA-256 of
// the salt bytes followed by the password in UTF-8.
QString OwnerPasswordValue(const QString &password);
QString OwnerPasswordValue(const QString &password, const QByteArray &salt);

// The pieces of the protected pages. The sign page's guard fields: empty without the
// robot guard and in a preview.
QString BuildProtectedSignFields(const SiteDescription &site);
QString BuildProtectedBanner(const SiteDescription &site);
// requiredChecks: the entry script's checks of the fields' shortest length.
QString BuildProtectedChecks(const SiteDescription &site, const QString &requiredChecks);
QString BuildProtectedStoreBlock(const SiteDescription &site, const QString &writeStatement);
// The entry script's memory of used forms (with the robot guard); it reads with
// BuildLinesFunction's QsLines, which the page holds once.
QString BuildUsedFormsFunction();
QString BuildPagedReaderScript(const SiteDescription &site);

// The script functions the protected pages share (SHA-256 among them).
QString BuildScriptFunctions();
// The functions that read a data file's lines in its format (QsFileFormat, QsLines),
// shared by every page that reads one.
QString BuildLinesFunction();

// A view page's reader (script text with %WINDOW% where the paging goes) with the paging
// put in for entriesPerPage (0: all on one page), and the page and file names.
QString PagedReaderText(const char *reader, int entriesPerPage);
// Script text kept in the source with LF line ends, as the pages' CR LF text.
QString ScriptText(const char *text);
// The text with the page and file names and the stored markers put in for their placeholders (%DATA%, %OWNER%, ...).
QString WithPageNames(QString text);
// The text with each value put in for its placeholder ("%NAME%") in one pass: what a value holds is never read
// as a placeholder, so that a typed text stays as typed.
QString WithValues(const QString &text, const QList<QPair<QString, QString>> &values);
