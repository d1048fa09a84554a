#pragma once

#include <QString>

// The files of a generated guestbook.
inline const QString kSignPageName = QStringLiteral("default.asp");
inline const QString kEntryScriptName = QStringLiteral("addtogb.asp");
inline const QString kViewPageName = QStringLiteral("viewguestbook.asp");
inline const QString kDataFileName = QStringLiteral("guestbook.txt");

// The files of a preview, which a browser opens without a server.
inline const QString kPreviewSignPage = QStringLiteral("index.html");
inline const QString kPreviewViewPage = QStringLiteral("view.html");

// One post is one line of the data file: its items ("<name> : <value>", the date
// last) joined by the item separator, each line break of a value as the marker.
inline const QString kStoredItemSeparator = QStringLiteral("vbCrLf ");
inline const QString kStoredReturnMarker = QStringLiteral("//vbReturn//");
