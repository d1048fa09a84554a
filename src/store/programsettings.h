#pragma once

#include "store/settingsfile.h"

#include <QList>
#include <QString>

// The program's own settings, as against a project's: where each is kept in the
// settings file is one row of ProgramSettingKeys(), and every read and write of one
// goes through its row.
enum class ProgramSetting { WindowLeft, WindowTop, AppLog, PageCodePage, ProjectCount, RecentProjects };

struct ProgramSettingKey {
    ProgramSetting setting;
    const char *section;
    const char *key;
};

const QList<ProgramSettingKey> &ProgramSettingKeys();

QString GetProgramSetting(ProgramSetting setting, const QString &defaultValue = QString());
QString GetProgramSetting(const IniSnapshot &settings, ProgramSetting setting, const QString &defaultValue = QString());
WriteResult SaveProgramSetting(ProgramSetting setting, const QString &value);
// The setting as one value of a save of several.
IniValue ProgramSettingValue(ProgramSetting setting, const QString &value);
