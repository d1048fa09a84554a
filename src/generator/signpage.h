#pragma once

#include "generator/pageframe.h"
#include "generator/pagetexts.h"

#include <QString>

// The sign page, default.asp, with the block that shows the error banner (the
// script; a preview puts what it prints for a first visitor: nothing) and, with the
// robot guard, the guard's fields of the form.
QString BuildSignPage(const SiteDescription &site);

// Pieces of the page that lie between the frame's heading and its closing lines.
QString BuildErrorBanner(const PageTexts &texts);
QString BuildSignForm(const SiteDescription &site);
