#pragma once

#include "generator/pagenames.h"
#include "generator/sitedescription.h"
#include "store/guestbookproject.h"
#include "store/product.h"

#include <QString>

// The frame shared by the three generated pages: head with style sheet, body tag,
// heading line and closing lines. Every value goes in as raw text.

inline const QString kCrLf = QStringLiteral("\r\n");

// A text as the page writers print it: followed by one CR LF.
QString Printed(const QString &text);

QString BuildPageHead(const PageDesign &design);
QString BuildBodyTag(const PageDesign &design);

// A background picture on this computer: BG_Image as a full path (or a file: address), which no web server
// can reach. The generated pages name it by its file name and it is copied beside them. Empty for a web
// address, a plain or relative file name, or no picture: those go into the pages as they are.
QString LocalBackgroundPicture(const GuestbookProject &project);
// The file name of such a picture, the part after the last "/" or "\".
QString BackgroundFileName(const QString &localPath);
// Head and body tag, each printed.
QString BuildPageStart(const PageDesign &design);
QString BuildTitleLine(const PageDesign &design, bool quotedAlignment);
QString BuildClosingLines();

// The form's table tag, shared by the sign page and the thank-you page.
QString BuildTableStart(const PageDesign &design, int cellPadding);

// The form control name of a field: "txt" or "txta" and its name with spaces as "_".
QString FieldControlName(const GuestbookField &field);
bool IsTextareaField(const GuestbookField &field);
