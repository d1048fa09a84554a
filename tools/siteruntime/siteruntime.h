#pragma once

// Runs the classic ASP pages of a site folder on Wine's VBScript engine (cscript
// with Wine's own vbscript.dll and scrrun.dll): each page becomes a procedure of
// one VBScript program, the ASP objects come from prelude.vbs, and a batch of
// requests runs in one process so that sessions last from one request to the next.
// A page is read in the code page that its directive names (<%@ CodePage=65001 %>),
// else in the server's; a page in another code page than the server's is served as
// IIS serves it: its text and the values posted to it reach the script as Unicode,
// and its body is sent in its code page.
// A page's own Sub and Function declarations go beside its procedure, once for all
// pages that declare the same name. The server's clock (Now) moves only by the
// requests' waits.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

using SiteValues = QList<QPair<QString, QString>>;

struct SiteRequest {
    QString page;  // e.g. "addtogb.asp"
    QString method = QStringLiteral("GET");
    SiteValues form = {};
    SiteValues query = {};
    QString visitor = QStringLiteral("192.0.2.1");  // the visitor's address; one session per visitor
    int wait = 0;  // seconds on the server's clock since the request before
};

// A form value that a request posts as the hidden field of that name on the last
// page its visitor was sent.
inline const QString kFromPage = QStringLiteral("\x01page");
// The same, from the last page that another visitor was sent.
inline QString fromPageOf(const QString &visitor)
{
    return kFromPage + QLatin1Char(' ') + visitor;
}

struct SiteAnswer {
    QString status;  // "200 OK", "302 Object moved", ...
    QString redirect;  // the target of Response.Redirect
    QString error;  // "Error <number> on line <page line>: <text>", or why the page did not run
    QByteArray body;  // as sent, in the page's code page
    QString text;  // the body decoded in the page's code page
    QString cacheControl;  // Response.CacheControl
    QString charSet;  // Response.CharSet
};

class SiteRuntime
{
public:
    // folder: the site; codePage: the server's ANSI code page, in which it reads
    // the pages and its scripts read and write text files.
    SiteRuntime(const QString &folder, const QString &codePage);

    // Runs the requests in order in one engine process; timeoutMs < 0: no limit.
    QList<SiteAnswer> run(const QList<SiteRequest> &requests, int timeoutMs = 300000);
    SiteAnswer get(const QString &page);

    // From now on a page that changes a file outside Application.Lock gets that as
    // its error.
    void requireLockedWrites() { m_lockedWrites = true; }
    // The server stops before the page's file change after this many (opening a file to write and closing it count;
    // -1: never); the folder lets the pages change files but not make them.
    void setStopAfterFileChanges(int changes) { m_stopAfter = changes; }
    void setNoCreate(bool noCreate) { m_noCreate = noCreate; }

    // What a browser posts to the page for text: characters that the page's code
    // page cannot hold are sent as numeric character references.
    QString posted(const QString &value, const QString &page) const;
    // The code page in which the page is read and sent.
    QString pageCodePage(const QString &page) const;

private:
    bool servedInUnicode(const QString &page) const;
    QString program(const QList<SiteRequest> &requests, const QString &answers, QByteArray &textsFile) const;
    QString encodingTable() const;
    QByteArray doubleByteTable() const;

    QString m_folder;
    QString m_codePage;
    bool m_lockedWrites = false;
    int m_stopAfter = -1;
    bool m_noCreate = false;
};

// The Wine folder prepared for this build (prefix and locales), set by the build.
QString SiteEngineFolder();

// A path as the engine sees it, under Wine's drive Z:.
QString SiteEnginePath(const QString &path);

// Starts the engine on a script in the locale of the server's code page.
class QProcess;
void StartSiteEngine(QProcess &engine, const QString &script, const QString &codePage);
