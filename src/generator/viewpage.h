#pragma once

#include <QString>

// The server script of viewguestbook.asp that prints guestbook.txt newest first,
// followed by the link back to the sign page and the closing lines.
QString BuildReaderBlock();
