#pragma once

// A golden design, with options when given, generated as the wizard's Finish
// writes it into a program folder of its own, in the page code page the design
// needs (windows-1252 unless it needs another), and run on the VBScript engine.

#include "generator/generationrun.h"
#include "generator/goldendesigns.h"
#include "generator/pagenames.h"
#include "siteruntime.h"
#include "store/settingsfile.h"
#include "support/testfolder.h"

#include <QRegularExpression>

#include <functional>

struct Site {
    TestProgramFolder program;
    GuestbookProject project;
    QString codePage, folder;

    explicit Site(const QString &design, const std::function<void(GuestbookProject &)> &options = {})
        : project(goldenProject(design, program.file(QStringLiteral("projects"))))
        , codePage(goldenCodePage(design).isEmpty() ? QStringLiteral("windows-1252") : goldenCodePage(design))
    {
        struct QuietHost : GenerationHost {
            void setStatusVisible(bool) override {}
            void setStatusText(const QString &) override {}
            void generationFinished(const QString &) override {}
        } host;
        if (options)
            options(project);
        SaveINISetting(QStringLiteral("Settings"), QStringLiteral("PageCodePage"), codePage);
        QDir().mkpath(project.Project_Path);
        QString name = QStringLiteral("Site");
        if (GenerateGuestbook(name, project, host).succeeded)
            folder = QDir(project.Project_Path).filePath(name);
        else
            qWarning("The design %s could not be generated", qPrintable(design));
    }
    SiteRuntime runtime() const { return SiteRuntime(folder, codePage); }
    QList<SiteAnswer> run(const QList<SiteRequest> &requests) const { return runtime().run(requests); }
    QString file(const QString &name) const { return folder + QLatin1Char('/') + name; }
};

// The first group of each match of the pattern in the text.
inline QStringList captures(const QString &pattern, const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    return found;
}

// The errors of the answers, one a line; empty when every page ran.
inline QString errorsIn(const QList<SiteAnswer> &answers)
{
    QStringList errors;
    for (const SiteAnswer &answer : answers)
        errors << answer.error;
    return errors.join(QString()).isEmpty() ? QString() : errors.join(QLatin1Char('\n'));
}
