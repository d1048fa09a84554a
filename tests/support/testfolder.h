#pragma once

#include "store/programfolder.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

// A temporary program folder for one test: the settings file, the log and the projects folder go there, and it is
// removed afterwards.
class TestProgramFolder
{
public:
    TestProgramFolder() { ProgramFolder::setPathForTesting(m_dir.path()); }
    ~TestProgramFolder() { ProgramFolder::setPathForTesting(QString()); }

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// The messages of the log, without their time stamps.
inline QStringList logMessages(const QString &logPath)
{
    QStringList messages;
    for (const QByteArray &line : readBytes(logPath).split('\n')) {
        if (!line.isEmpty())
            messages.append(QString::fromLocal8Bit(line.mid(20).chopped(line.endsWith('\r') ? 1 : 0)));
    }
    return messages;
}
