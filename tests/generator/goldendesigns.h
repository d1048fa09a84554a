#pragma once

// Where the golden designs' pages lie, and the code page each is written in.

#include "support/goldenprojects.h"

#include <QHash>
#include <QStringList>

inline const QStringList kGoldenDesigns = {"default", "bordered", "mixed", "western", "cyrillic"};

inline GuestbookProject goldenProject(const QString &design, const QString &path)
{
    const QHash<QString, GuestbookProject (*)(const QString &)> designs = {
        {"bordered", borderedProject}, {"mixed", mixedProject}, {"western", westernProject},
        {"cyrillic", cyrillicProject}};
    return designs.value(design, defaultProject)(path);
}

inline QString goldenFile(const QString &design, const QString &page)
{
    return QStringLiteral(QUILLSET_TEST_DATA "/golden/") + design + QLatin1Char('/') + page;
}

// Settings/PageCodePage for a golden design; empty: the key is not set.
inline QString goldenCodePage(const QString &design)
{
    return design == QLatin1String("cyrillic") ? QStringLiteral("windows-1251") : QString();
}
