#pragma once

class QLocale;
class QObject;
class QString;

// The program's name and version, as the per-user data folder and --version use them.
// Called first, before anything reads them.
void NameProgram();

// The program after its QApplication is made: the window icon and desktop entry, the
// data folder, the dialogs, then the main window shown and the event loop until it ends.
// windowWatcher, when given, sees the main window's events from before it is shown
// (the start-up benchmark watches for its first paint with it).
int RunProgram(QObject *windowWatcher = nullptr);

// Puts the program's texts, and Qt's own where they are installed, into the language of
// locale, from the translations in folder. English, the language the texts are written
// in, needs none. Gives whether a translation of the program's texts was found.
bool InstallTranslations(const QLocale &locale, const QString &folder);

// Where the translations are: beside the program, or where the package installs them.
QString TranslationsFolder();
