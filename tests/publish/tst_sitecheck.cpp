// "Check the site" against a small web server of the test's own on 127.0.0.1, answering each path as the row
// says.

#include "publish/sitecheck.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

// Answers "GET <path>" with the status and body given for that path, 404 for any other.
class TinyWebServer : public QTcpServer
{
public:
    QMap<QByteArray, QPair<int, QByteArray>> answers;

    TinyWebServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { answer(socket); });
        });
    }

private:
    void answer(QTcpSocket *socket)
    {
        const QByteArray path = socket->readAll().split(' ').value(1);
        const QPair<int, QByteArray> reply = answers.value(path, {404, "not here"});
        socket->write("HTTP/1.1 " + QByteArray::number(reply.first) + " Status\r\nContent-Length: "
                      + QByteArray::number(reply.second.size()) + "\r\nConnection: close\r\n\r\n" + reply.second);
        socket->disconnectFromHost();
    }
};

}  // namespace

class SiteCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void check_data()
    {
        QTest::addColumn<int>("pageStatus");  // 0: no server at all
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("pendingStatus");
        QTest::addColumn<bool>("keepsPending");
        QTest::addColumn<bool>("healthy");
        QTest::addColumn<QStringList>("findings");  // "@" stands for the folder's address
        const QString answers = "The sign page answers at @default.asp.", runs = "The server runs the ASP pages.",
                      hidden = "pending.txt is hidden from visitors.";
        const QByteArray sign = "<html>Sign</html>";
        QTest::newRow("all well") << 200 << sign << 404 << true << true << QStringList{answers, runs, hidden};
        QTest::newRow("no pending file kept") << 200 << sign << 200 << false << true << QStringList{answers, runs};
        QTest::newRow("script sent as text")
            << 200 << QByteArray("<% If Request(\"err\") %>") << 404 << true << false
            << QStringList{answers,
                           "The server sends the page's script instead of running it: this folder does not run "
                           "classic ASP pages. Ask your host to turn ASP on.",
                           hidden};
        QTest::newRow("pending readable")
            << 200 << sign << 200 << true << false
            << QStringList{answers, runs,
                           "Anyone can read the entries that wait for you at @pending.txt. Ask your host to hide .txt "
                           "files in this folder."};
        QTest::newRow("pages elsewhere") << 404 << QByteArray() << 404 << true << false
                                         << QStringList{"The server answers @default.asp with error 404: the pages "
                                                        "are not at this address. Check the site's address and the "
                                                        "remote folder."};
        QTest::newRow("no server") << 0 << QByteArray() << 0 << true << false
                                   << QStringList{"The sign page at @default.asp does not answer ("};
    }
    void check()
    {
        QFETCH(int, pageStatus);
        QFETCH(QByteArray, page);
        QFETCH(int, pendingStatus);
        QFETCH(bool, keepsPending);
        QFETCH(bool, healthy);
        QFETCH(QStringList, findings);
        TinyWebServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        const QString folder = QStringLiteral("http://127.0.0.1:%1/gb/").arg(server.serverPort());
        server.answers = {{"/gb/default.asp", {pageStatus, page}}, {"/gb/pending.txt", {pendingStatus, "Name : Cy"}}};
        if (pageStatus == 0)
            server.close();
        // The address as a user types it: without its last "/".
        const SiteReport report = CheckSite(folder.chopped(1), keepsPending, 5000);
        QCOMPARE(report.healthy, healthy);
        QStringList seen = report.findings;
        seen.replaceInStrings(QRegularExpression(" \\(.*"), " (");  // without the network's own words
        QCOMPARE(seen, findings.replaceInStrings("@", folder));
    }
};

QTEST_GUILESS_MAIN(SiteCheckTest)
#include "tst_sitecheck.moc"
