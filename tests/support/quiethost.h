#pragma once

// A generation run without the window: a host that shows nothing, and a run of a project into a folder of its own.

#include "generator/generationrun.h"

#include <QDir>

struct QuietHost : GenerationHost {
    void setStatusVisible(bool) override {}
    void setStatusText(const UserText &) override {}
    void generationFinished(const QString &) override {}
};

// Generates the project into a folder under its Project_Path; returns that folder, empty when the run failed.
inline QString generateSite(const GuestbookProject &project)
{
    QuietHost host;
    QDir().mkpath(project.Project_Path);
    QString name = QStringLiteral("Site");
    return GenerateGuestbook(name, project, host).succeeded ? QDir(project.Project_Path).filePath(name) : QString();
}
