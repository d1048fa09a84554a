#pragma once

// The view page as first written, for comparison: the generated viewguestbook.asp
// with its script replaced by the fixture designreader.asp, which put every item
// in front of one growing string. Written beside it as designview.asp.

#include "support/testfolder.h"

#include <QDir>

inline const QString kDesignViewPage = QStringLiteral("designview.asp");

inline void writeDesignViewPage(const QString &siteFolder)
{
    QByteArray page = readBytes(QDir(siteFolder).filePath(QStringLiteral("viewguestbook.asp")));
    const qsizetype open = page.indexOf("<%");
    page.replace(open, page.indexOf("%>", open) + 2 - open, readBytes(QStringLiteral(QUILLSET_DESIGN_READER)));
    writeBytes(QDir(siteFolder).filePath(kDesignViewPage), page);
}
