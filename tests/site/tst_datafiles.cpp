// The Modern pages' data file functions on Wine's VBScript engine with its own file object: a guestbook.txt that a
// Classic site wrote in windows-1252 keeps every entry when it is made Unicode, a conversion stopped between its two
// renames loses nothing, and any character (Japanese, emoji) passes through as data.

#include "generator/modernpages.h"
#include "siteruntime.h"
#include "support/testfolder.h"

#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kBom = QByteArray::fromHex("fffe");

QByteArray utf16(const QString &text)
{
    return kBom + QStringEncoder(QStringEncoder::Utf16LE).encode(text);
}

// Runs the functions and then body in the engine, with Server.CreateObject as the plain CreateObject; false when the
// engine stopped on an error.
bool runWithFunctions(const QString &folder, const QString &body)
{
    QString functions = BuildDataFileFunctions();
    functions.remove(QStringLiteral("<%")).remove(QStringLiteral("%>"));
    const QString script = QStringLiteral("Class FakeServer\r\nPublic Function CreateObject(name)\r\n"
                                          "Set CreateObject = WScript.CreateObject(name)\r\nEnd Function\r\n"
                                          "Public Function HTMLEncode(text)\r\nHTMLEncode = text\r\nEnd Function\r\n"
                                          "End Class\r\nSet Server = New FakeServer\r\n")
        + functions + QStringLiteral("\r\n") + body + QStringLiteral("\r\nWScript.Quit 7\r\n");
    writeBytes(folder + QStringLiteral("/check.vbs"), script.toLatin1());
    QProcess engine;
    StartSiteEngine(engine, folder + QStringLiteral("/check.vbs"), QStringLiteral("windows-1252"));
    return engine.waitForFinished(120000) && engine.exitCode() == 7;
}

}  // namespace

class TestDataFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The data file before the first Modern post: an 8-bit file of a Classic site, the same after a stop between the
    // renames (only its ".old" copy left), an empty one, one byte long, none. After it: Unicode, every entry kept, the
    // new one last; and QsLines reads the file in either format.
    void firstWriteKeepsEveryEntry_data()
    {
        QTest::addColumn<QString>("fileName");  // what lies in the folder before
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("entries");  // the lines it holds
        const QString western =
            QStringLiteral("Comments : Gr\u00fc\u00dfe \u20ac5 \u00e9\u00e8 \u00ab\u00bb vbCrLf "
                           "Name : Jos\u00e9 vbCrLf Date : 1/2/2026 10:00:00 AM\r\n"
                           "Comments : \u0153 \u2122 \u00a9 vbCrLf Name : Ann vbCrLf Date : 1/3/2026 "
                           "11:00:00 AM\r\n");
        const QByteArray cp1252 = QStringEncoder("windows-1252").encode(western);
        QTest::newRow("windows-1252 file") << "guestbook.txt" << cp1252 << western;
        QTest::newRow("stopped between the renames") << "guestbook.txt.old" << cp1252 << western;
        QTest::newRow("already Unicode") << "guestbook.txt" << utf16(western) << western;
        QTest::newRow("empty") << "guestbook.txt" << QByteArray() << QString();
        QTest::newRow("one byte, too short for the Unicode mark") << "guestbook.txt" << QByteArray("x") << "x";
        QTest::newRow("none") << "" << QByteArray() << QString();
    }
    void firstWriteKeepsEveryEntry()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, before);
        QFETCH(QString, entries);
        QTemporaryDir folder;
        const QString data = folder.filePath(QStringLiteral("guestbook.txt"));
        if (!fileName.isEmpty())
            writeBytes(folder.filePath(fileName), before);
        // A post in any script reaches the page only as data: here from a Unicode file.
        const QString post = QStringLiteral("Comments : \u65e5\u672c\u8a9e \U0001F600 \u0416 vbCrLf Name : \u5f20 "
                                            "vbCrLf Date : 1/4/2026 9:00:00 AM");
        writeBytes(folder.filePath(QStringLiteral("post.txt")), utf16(post + QStringLiteral("\r\n")));
        const QString path = SiteEnginePath(data), seen = SiteEnginePath(folder.filePath(QStringLiteral("seen.txt")));
        const QString body =
            QStringLiteral("Dim files, posted, stream, lines, i, before\r\n"
                           "Set files = CreateObject(\"Scripting.FileSystemObject\")\r\n"
                           "before = UBound(QsLines(\"%1\")) + 1\r\n"
                           "Set stream = files.OpenTextFile(\"%2\", 1, False, -1)\r\n"
                           "posted = stream.ReadLine\r\nstream.Close\r\n"
                           "QsMakeUnicode \"%1\"\r\n"
                           "Set stream = files.OpenTextFile(\"%1\", 8, True, -1)\r\n"
                           "stream.WriteLine posted\r\nstream.Close\r\n"
                           "lines = QsLines(\"%1\")\r\n"
                           "Set stream = files.CreateTextFile(\"%3\", True, True)\r\n"
                           "stream.WriteLine before\r\n"
                           "For i = 0 To UBound(lines)\r\nstream.WriteLine lines(i)\r\nNext\r\nstream.Close\r\n")
                .arg(path, SiteEnginePath(folder.filePath(QStringLiteral("post.txt"))), seen);
        QVERIFY(runWithFunctions(folder.path(), body));
        const QString after = entries + post + QStringLiteral("\r\n");
        QCOMPARE(readBytes(data), utf16(after));
        QVERIFY(!QFile::exists(data + QStringLiteral(".old")));
        QVERIFY(!QFile::exists(data + QStringLiteral(".tmp")));
        // Read back as the view page reads it: in either format before, Unicode after.
        const qsizetype count = entries.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size();
        const QString lines = QString::number(count) + QStringLiteral("\r\n") + after;
        QCOMPARE(readBytes(folder.filePath(QStringLiteral("seen.txt"))), utf16(lines));
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
