#include "publish/sitecheck.h"

#include <QCoreApplication>

#include "generator/pagenames.h"
#include "generator/protection.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace {

struct Answer {
    bool answered = false;
    int status = 0;
    QByteArray body;
    QString error;
};

Answer fetch(QNetworkAccessManager &network, const QUrl &url, int timeoutMs)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply *reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.answered = answer.status > 0;
    answer.body = reply->readAll();
    answer.error = reply->errorString();
    reply->deleteLater();
    return answer;
}

}  // namespace

SiteReport CheckSite(const QString &siteAddress, bool keepsPendingFile, int timeoutMs)
{
    QNetworkAccessManager network;
    const QUrl folder = SiteFolderOf(siteAddress);
    const QUrl signPage = folder.resolved(QUrl(kSignPageName));
    const QString shown = signPage.toDisplayString();
    SiteReport report;
    const Answer page = fetch(network, signPage, timeoutMs);
    if (!page.answered) {
        report.healthy = false;
        report.findings << QCoreApplication::translate(
                               "frmPublish",
                               "The sign page at %1 does not answer (%2). Check the address and that "
                               "the site is online.")
                               .arg(shown, page.error);
        return report;
    }
    if (page.status >= 400) {
        report.healthy = false;
        report.findings << QCoreApplication::translate(
                               "frmPublish",
                               "The server answers %1 with error %2: the pages are not at this address. "
                               "Check the site's address and the remote folder.")
                               .arg(shown, QString::number(page.status));
        return report;
    }
    report.findings << QCoreApplication::translate("frmPublish", "The sign page answers at %1.").arg(shown);
    if (page.body.contains("<%")) {
        report.healthy = false;
        report.findings << QCoreApplication::translate(
            "frmPublish",
            "The server sends the page's script instead of running it: this folder "
            "does not run classic ASP pages. Ask your host to turn ASP on.");
    } else {
        report.findings << QCoreApplication::translate("frmPublish", "The server runs the ASP pages.");
    }
    if (!keepsPendingFile)
        return report;
    const QUrl pending = folder.resolved(QUrl(kPendingFileName));
    const Answer file = fetch(network, pending, timeoutMs);
    if (file.answered && file.status < 400) {
        report.healthy = false;
        report.findings << QCoreApplication::translate(
                               "frmPublish",
                               "Anyone can read the entries that wait for you at %1. Ask your host to "
                               "hide .txt files in this folder.")
                               .arg(pending.toDisplayString());
    } else {
        report.findings << QCoreApplication::translate("frmPublish", "pending.txt is hidden from visitors.");
    }
    return report;
}
