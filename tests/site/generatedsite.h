#pragma once

// Sites for the runtime: a design generated as the wizard's Finish writes it (generateSite), and the view page as
// first written, for comparison.

#include "support/quiethost.h"
#include "support/testfolder.h"

#include <QDir>

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
