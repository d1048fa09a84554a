#pragma once

#include "store/atomicfile.h"
#include "store/guestbookproject.h"

#include <QList>
#include <QSet>
#include <QString>

class IniSnapshot;

// Saving and loading projects as sections of the settings file, and the recent list.

// Writes the project under the section named by name and adds the name (spaces as
// "_") to the recent list when it is new there. The whole save is one write;
// on failure nothing is written and the error text comes back. A field that would
// not load back as it is (its name, or a clash with another field's key) refuses
// the save, naming the field.
WriteResult SaveProject(const QString &name, const GuestbookProject &project);

// Why the settings file cannot keep a field name so that it loads back, as a reason
// ("it holds ..."); null when it can.
UserText StoredFieldNameProblem(const QString &name);

// Writes a project's title and save folder into its section, in one write; on
// failure nothing is written and the error text comes back.
WriteResult SaveProjectLocation(const QString &title, const QString &folder);

// Writes the project's server settings (the Publish_ keys and Site_Address) into the section named by name, in
// one write, under the same rule as SaveProject; the rest of the section stays as it is.
WriteResult SavePublishSettings(const QString &name, const GuestbookProject &project);

// The project saved under name: its title is name with "_" shown as " ", every
// other member read from the section, empty ones replaced by the load fallbacks.
GuestbookProject LoadProject(const QString &name);

// Adds the field stored under storedFieldName (as listed in FLD_Names) to fields,
// unless a field of that name is already there. loadedNames holds the names of
// fields, so that a list of thousands of fields loads in linear time.
void LoadProjectField(const IniSnapshot &settings, const QString &name, const QString &storedFieldName,
                      QList<GuestbookField> &fields, QSet<QString> &loadedNames);

// One row of the recent-project list: key as stored, text as the user knows it.
struct RecentProject {
    QString key;
    QString text;
};
QList<RecentProject> FillRecentProjects();

// How many projects the recent list has been given; a missing or unreadable count is 0.
int SavedProjectCount();
