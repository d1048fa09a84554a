// Load then save over random windows-1252 settings files: counts the values of other
// sections that read differently after the save. The bytes that are not UTF-8 lie in
// parts of field values that a load leaves out, so the save removes them, while the
// other values hold bytes that read otherwise as UTF-8; a third of the files also
// keep such a byte where the save leaves it.
// Usage: bench_encodingfuzz [files] (2000 by default).
#include "store/programfolder.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QList<QByteArray> kPieces = {"a", "Z", " ", "9", "\xC3\xA7", "\xC3\xA9", "\xE2\x82\xAC", "\xC2\xA0"};

QByteArray randomText(QRandomGenerator &random, int length)
{
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes += kPieces.at(random.bounded(int(kPieces.size())));
    return bytes;
}

// A file with keys k0... in [Other] and the project P; keys tells how many.
QByteArray randomFile(QRandomGenerator &random, int *keys)
{
    QByteArray file = "[Other]\r\n";
    *keys = 1 + random.bounded(8);
    for (int k = 0; k < *keys; ++k)
        file += "k" + QByteArray::number(k) + "=" + randomText(random, 1 + random.bounded(6)) + "\r\n";
    if (random.bounded(3) == 0)
        file += "kept=\xE8\r\n";
    return file + "[P]\r\nFLD_Names=, F0, F1\r\nFLD_F0=F0, Text, 4, , \xE9" + randomText(random, 2)
        + "\r\nFLD_F1=F1, Text, " + randomText(random, 1) + ", 3" + (random.bounded(2) ? ", \x81" : "") + "\r\n";
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? QByteArray(argv[1]).toInt() : 2000;
    QTemporaryDir dir;
    ProgramFolder::setPathForTesting(dir.path());
    int values = 0, changed = 0, failedSaves = 0;
    for (int round = 0; round < files; ++round) {
        QRandomGenerator random{quint32(round)};
        int keys = 0;
        const QByteArray text = randomFile(random, &keys);
        QFile file(SettingsFilePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
            return 1;
        file.close();
        failedSaves += !SaveProject(QStringLiteral("P"), LoadProject(QStringLiteral("P"))).succeeded();
        const IniSnapshot before(text), after = IniSnapshot::ofSettingsFile();
        for (int k = 0; k < keys; ++k, ++values) {
            const QString key = QStringLiteral("k%1").arg(k);
            changed += before.value("Other", key, "-") != after.value("Other", key, "-");
        }
    }
    std::printf("%d windows-1252 files loaded and saved (%d saves failed): %d of %d other values changed\n", files,
                failedSaves, changed, values);
    return changed == 0 && failedSaves == 0 ? 0 : 1;
}
