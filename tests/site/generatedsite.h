#pragma once

// Sites for the runtime: a design generated as the wizard's Finish writes it, and the view page as first written, for
// comparison.

#include "generator/generationrun.h"
#include "support/testfolder.h"

#include <QDir>

// Generates the project into a folder under its Project_Path; returns that folder, empty when the run failed.
inline QString generateSite(const GuestbookProject &project)
{
    struct QuietHost : GenerationHost {
        void setStatusVisible(bool) override {}
        void setStatusText(const UserText &) override {}
        void generationFinished(const QString &) override {}
    } host;
    QDir().mkpath(project.Project_Path);
    QString name = QStringLiteral("Site");
    return GenerateGuestbook(name, project, host).succeeded ? QDir(project.Project_Path).filePath(name) : QString();
}

// The generated viewguestbook.asp with its script replaced by the fixture designreader.asp, which put every item in
// front of one growing string; written beside it as designview.asp.
inline const QString kDesignViewPage = QStringLiteral("designview.asp");

inline void writeDesignViewPage(const QString &siteFolder)
{
    QByteArray page = readBytes(QDir(siteFolder).filePath(QStringLiteral("viewguestbook.asp")));
    const qsizetype open = page.indexOf("<%");
    page.replace(open, page.indexOf("%>", open) + 2 - open, readBytes(QStringLiteral(QUILLSET_DESIGN_READER)));
    writeBytes(QDir(siteFolder).filePath(kDesignViewPage), page);
}
