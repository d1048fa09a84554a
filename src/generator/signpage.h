#pragma once

#include "generator/pageframe.h"
#include "generator/pagetexts.h"
#include "store/guestbookproject.h"

#include <QString>

// The sign page, default.asp, with the block that shows the error banner (the
// script; a preview puts what it prints for a first visitor: nothing).
// guardFields: the robot guard's fields of the form (script), empty without it.
QString BuildSignPage(const GuestbookProject &project, const PageLinks &links, const QString &banner,
                      const QString &guardFields = {});

// Pieces of the page that lie between the frame's heading and its closing lines.
QString BuildErrorBanner(const PageTexts &texts);
QString BuildSignForm(const GuestbookProject &project, const PageLinks &links = kServerPageLinks,
                      const QString &guardFields = {});
