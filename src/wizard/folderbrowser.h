#pragma once

#include <QString>

#include <functional>

class QWidget;

// The folder chooser behind "Save to".

// Shows the desktop's folder chooser owned by owner with prompt as its title, opened
// at current (or the nearest folder above it that exists), and returns the chosen
// folder ending in the path separator, or empty text when the user cancels.
QString BrowseForFolder(QWidget *owner, const QString &prompt, const QString &current);

// Tests answer in place of the chooser: the handler gets the folder it would open at
// and returns a folder, or empty text for a cancel. An empty handler restores the chooser.
using FolderChooser = std::function<QString(QWidget *owner, const QString &prompt, const QString &openAt)>;
void setFolderChooserForTesting(FolderChooser chooser);
