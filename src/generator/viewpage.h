#pragma once

#include "generator/pageframe.h"

#include <QString>

// The end of viewguestbook.asp: the server script that prints guestbook.txt newest
// first, then the link back to the sign page and the closing lines.
QString BuildReaderBlock();

// Its two parts: the script, and what follows it on the next line.
QString BuildReaderScript();
QString BuildViewPageEnd(const PageLinks &links = kServerPageLinks);
