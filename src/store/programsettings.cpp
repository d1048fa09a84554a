#include "store/programsettings.h"

#include <algorithm>

namespace {

constexpr const char *kPosition = "Position";
constexpr const char *kSettings = "Settings";
constexpr const char *kProjects = "Projects";

using S = ProgramSetting;

const ProgramSettingKey &keyOf(ProgramSetting setting)
{
    const QList<ProgramSettingKey> &keys = ProgramSettingKeys();
    return *std::find_if(keys.begin(), keys.end(),
                         [setting](const ProgramSettingKey &row) { return row.setting == setting; });
}

QString sectionOf(ProgramSetting setting)
{
    return QLatin1String(keyOf(setting).section);
}

QString keyNameOf(ProgramSetting setting)
{
    return QLatin1String(keyOf(setting).key);
}

}  // namespace

const QList<ProgramSettingKey> &ProgramSettingKeys()
{
    // The window's position is in twips; the project count is 9999 or missing before the first project.
    static const QList<ProgramSettingKey> keys{
        {S::WindowLeft, kPosition, "Left"},        {S::WindowTop, kPosition, "Top"},
        {S::AppLog, kSettings, "AppLog"},          {S::PageCodePage, kSettings, "PageCodePage"},
        {S::ProjectCount, kSettings, "prjNumber"}, {S::RecentProjects, kProjects, "Recent_Projects"},
    };
    return keys;
}

QString GetProgramSetting(ProgramSetting setting, const QString &defaultValue)
{
    return GetINISetting(sectionOf(setting), keyNameOf(setting), defaultValue);
}

QString GetProgramSetting(const IniSnapshot &settings, ProgramSetting setting, const QString &defaultValue)
{
    return settings.value(sectionOf(setting), keyNameOf(setting), defaultValue);
}

WriteResult SaveProgramSetting(ProgramSetting setting, const QString &value)
{
    return SaveINISetting(sectionOf(setting), keyNameOf(setting), value);
}

IniValue ProgramSettingValue(ProgramSetting setting, const QString &value)
{
    return {sectionOf(setting), keyNameOf(setting), value};
}
