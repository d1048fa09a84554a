#pragma once

#include <QString>

#include <functional>

class QWidget;

// The folder chooser behind "Save to".

// Shows the desktop's folder chooser owned by owner with prompt as its title and
// returns the chosen folder ending in the path separator, or empty text when
// the user cancels.
QString BrowseForFolder(QWidget *owner, const QString &prompt);

// Tests answer in place of the chooser: the handler returns a folder, or empty
// text for a cancel. An empty handler restores the chooser.
using FolderChooser = std::function<QString(QWidget *owner, const QString &prompt)>;
void setFolderChooserForTesting(FolderChooser chooser);
