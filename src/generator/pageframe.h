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

// Head and body tag, each printed.
QString BuildPageStart(const PageDesign &design);
QString BuildTitleLine(const PageDesign &design, bool quotedAlignment);
QString BuildClosingLines();

// The form's table tag, shared by the sign page and the thank-you page.
QString BuildTableStart(const PageDesign &design, int cellPadding);

// The form control name of a field: "txt" or "txta" and its name with spaces as "_".
QString FieldControlName(const GuestbookField &field);
bool IsTextareaField(const GuestbookField &field);
