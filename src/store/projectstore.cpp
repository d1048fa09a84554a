#include "store/projectstore.h"

#include "store/programsettings.h"
#include "store/projectkeys.h"
#include "store/settingsfile.h"

#include <QHash>
#include <QSet>

#include <limits>
#include <vector>

namespace {

const QString kFieldKeyPrefix = QStringLiteral("FLD_");
const QString kFieldNamesKey = kFieldKeyPrefix + QStringLiteral("Names");
const QString kListSeparator = QStringLiteral(", ");

QString withoutSpaces(QString text)
{
    return text.remove(QLatin1Char(' '));
}

// Entries are told apart as the browser shows them: cut at every ",", blanks
// around each ignored, without regard to case.
bool recentListHolds(const QString &list, const QString &entry)
{
    for (const QStringView listed : QStringView(list).tokenize(QLatin1Char(','))) {
        if (listed.trimmed().compare(entry, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The stored project count; a missing, unreadable or 9999 count counts as 0.
int storedProjectCount(const IniSnapshot &settings)
{
    bool ok = false;
    const int count =
        GetProgramSetting(settings, ProgramSetting::ProjectCount, QStringLiteral("9999")).trimmed().toInt(&ok);
    return ok && count != 9999 ? count : 0;
}

// The count after one more project; it stays at the largest number instead of overflowing.
int countedUp(int count)
{
    return count == std::numeric_limits<int>::max() ? count : count + 1;
}

QList<IniValue> recentListUpdate(const IniSnapshot &settings, const QString &name)
{
    const QString list = GetProgramSetting(settings, ProgramSetting::RecentProjects);
    const QString entry = SpacesToUnderscores(name);
    if (recentListHolds(list, entry))
        return {};
    const QString newList = list.isEmpty() ? entry : list + kListSeparator + entry;
    return {
        ProgramSettingValue(ProgramSetting::RecentProjects, newList),
        ProgramSettingValue(ProgramSetting::ProjectCount, QString::number(countedUp(storedProjectCount(settings))))};
}

// An optional key is written when it is on or when the file holds a value to overwrite.
bool written(const ProjectKey &row, const QString &value, const IniSnapshot &settings, const QString &name)
{
    return !row.optional || value != row.startValue()
        || !settings.value(name, QString::fromLatin1(row.key), QString()).isEmpty();
}

QList<IniValue> projectValues(const IniSnapshot &settings, const QString &name, const GuestbookProject &project)
{
    // The title is stored as the section is named.
    GuestbookProject p = project;
    p.Project_Title = name;
    QList<IniValue> values;
    for (const ProjectKey &row : ProjectKeys()) {
        if (const QString value = row.valueIn(p); written(row, value, settings, name))
            values.append({name, QString::fromLatin1(row.key), value});
    }
    QString names;
    for (const GuestbookField &field : p.Fields) {
        const QString stored = SpacesToUnderscores(field.FieldName);
        const QString joined =
            QStringList{field.FieldName, field.FieldType, field.Rows, field.Cols}.join(kListSeparator);
        values.append({name, kFieldKeyPrefix + stored, joined});
        names += kListSeparator + stored;
    }
    values.append({name, kFieldNamesKey, names});
    return values;
}

// The fields of the project saved under name, as a load finds them.
QList<GuestbookField> loadedFields(const IniSnapshot &settings, const QString &name)
{
    QList<GuestbookField> fields;
    const QString names = settings.value(name, kFieldNamesKey, QString());
    if (names.contains(kListSeparator)) {
        const QStringList storedNames = names.split(kListSeparator);
        QSet<QString> loaded;
        for (const QString &stored : storedNames) {
            if (!stored.isEmpty())
                LoadProjectField(settings, name, stored, fields, loaded);
        }
    }
    return fields;
}

// The stored key of a field, as the settings file tells keys apart (but for blanks
// at its end, which the read-back catches).
QString storedKeyIdentity(const GuestbookField &field)
{
    return SpacesToUnderscores(field.FieldName).toCaseFolded();
}

UserText fieldRefusal(const GuestbookField &field, const UserText &reason)
{
    return UserText(QT_TRANSLATE_NOOP("UserText", "The field \"%1\" cannot be saved: %2"))
        .arg(field.FieldName)
        .arg(reason);
}

// Why a field would not load back as it is saved, naming the first such field: its
// name, a key it shares with a field before it, or, for anything else, the save
// read back first (the fields written into an empty text and loaded from it).
UserText unsavableField(const QString &name, const GuestbookProject &project)
{
    QHash<QString, QString> keys;  // stored key -> the first field's name
    for (const GuestbookField &field : project.Fields) {
        if (const UserText problem = StoredFieldNameProblem(field.FieldName); !problem.isNull())
            return fieldRefusal(field, problem);
        const QString key = storedKeyIdentity(field);
        if (const auto first = keys.constFind(key); first != keys.cend())
            return fieldRefusal(
                field,
                UserText(QT_TRANSLATE_NOOP("UserText", "the field \"%1\" is saved under the same key")).arg(*first));
        keys.insert(key, field.FieldName);
    }
    IniText::Document written{QByteArray()};
    written.apply(projectValues(IniSnapshot(QByteArray()), name, project));
    const QList<GuestbookField> loaded = loadedFields(IniSnapshot(std::move(written)), name);
    for (qsizetype i = 0; i < project.Fields.size(); ++i) {
        if (i >= loaded.size() || !(loaded.at(i) == project.Fields.at(i)))
            return fieldRefusal(project.Fields.at(i),
                                UserText(QT_TRANSLATE_NOOP("UserText", "it would not load back as it is")));
    }
    return {};
}

}  // namespace

UserText StoredFieldNameProblem(const QString &name)
{
    if (name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n')))
        return UserText(
            QT_TRANSLATE_NOOP("UserText", "it holds a line break, and the settings file keeps each value on one line"));
    if (name.contains(QLatin1Char('=')))
        return UserText(QT_TRANSLATE_NOOP("UserText", "it holds \"=\", which ends a key in the settings file"));
    if (name.contains(QLatin1Char(',')))
        return UserText(QT_TRANSLATE_NOOP("UserText", "it holds \",\", which separates the parts of a saved field"));
    return {};
}

WriteResult SaveProject(const QString &name, const GuestbookProject &project)
{
    if (const UserText refusal = unsavableField(name, project); !refusal.isNull())
        return WriteResult::failure(refusal);
    return SaveINISettings([&](const IniSnapshot &current) {
        return recentListUpdate(current, name) + projectValues(current, name, project);
    });
}

WriteResult SavePublishSettings(const QString &name, const GuestbookProject &project)
{
    return SaveINISettings([&](const IniSnapshot &current) {
        QList<IniValue> values;
        for (const ProjectKey &row : ProjectKeys()) {
            const QString key = QString::fromLatin1(row.key);
            const bool serverKey = key.startsWith(QLatin1String("Publish_")) || key == QLatin1String("Site_Address");
            if (const QString value = row.valueIn(project); serverKey && written(row, value, current, name))
                values.append({name, key, value});
        }
        return values;
    });
}

GuestbookProject LoadProject(const QString &name)
{
    const IniSnapshot settings = IniSnapshot::ofSettingsFile(name);
    GuestbookProject p;
    for (const ProjectKey &row : ProjectKeys()) {
        const QString value = settings.value(name, QString::fromLatin1(row.key), QString());
        row.setIn(p, value.isEmpty() ? row.loadFallback() : value);
    }
    p.Project_Title = QString(name).replace(QLatin1Char('_'), QLatin1Char(' '));
    p.Fields = loadedFields(settings, name);
    return p;
}

void LoadProjectField(const IniSnapshot &settings, const QString &name, const QString &storedFieldName,
                      QList<GuestbookField> &fields, QSet<QString> &loadedNames)
{
    const QString value = settings.value(name, kFieldKeyPrefix + withoutSpaces(storedFieldName), QString());
    if (value.isEmpty())
        return;
    const QStringList parts = value.split(QLatin1Char(','));
    const auto part = [&parts](int i) { return i < parts.size() ? withoutSpaces(parts.at(i)) : QString(); };
    GuestbookField field{parts.at(0), part(1), part(2), part(3)};
    if (field.FieldName.isEmpty() || loadedNames.contains(field.FieldName))
        return;
    loadedNames.insert(field.FieldName);
    fields.append(field);
}

// The row text of a recent entry: spaces removed, then "_" shown as " ".
QString recentText(QStringView part)
{
    QString text(part.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const QChar c : part) {
        if (c != QLatin1Char(' '))
            *out++ = c == QLatin1Char('_') ? QLatin1Char(' ') : c;
    }
    text.truncate(out - text.constData());
    return text;
}

// Recent entries are told apart as sections are: without regard to case.
quint64 caseFoldedHash(QStringView text)
{
    quint64 hash = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        hash = hash * 31 + (u < 128 ? char16_t(u >= 'A' && u <= 'Z' ? u + 32 : u) : c.toCaseFolded().unicode());
    }
    // Spread similar names ("Project_1", "Project_2") over the whole table.
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdULL;
    return hash ^ (hash >> 33);
}

// The entries seen so far, in an open-addressed table sized once for the whole
// list, so a list of a thousand entries costs no allocation per entry.
class SeenEntries
{
public:
    explicit SeenEntries(qsizetype capacity)
        : m_slots(size_t(capacity) * 2 + 1)
    {
    }
    // False when an entry equal to this one (but for case) was seen before.
    bool insert(QStringView entry)
    {
        size_t slot = caseFoldedHash(entry) % m_slots.size();
        for (; !m_slots[slot].isNull(); slot = (slot + 1) % m_slots.size()) {
            if (m_slots[slot].compare(entry, Qt::CaseInsensitive) == 0)
                return false;
        }
        m_slots[slot] = entry;
        return true;
    }

private:
    std::vector<QStringView> m_slots;
};

QList<RecentProject> FillRecentProjects()
{
    const QString list = GetProgramSetting(ProgramSetting::RecentProjects);
    const qsizetype entries = list.count(QLatin1Char(',')) + 1;
    QList<RecentProject> rows;
    rows.reserve(entries);
    SeenEntries seen(entries);
    for (const QStringView part : QStringView(list).tokenize(QLatin1Char(','))) {
        const QStringView identity = part.trimmed();
        if (identity.isEmpty() || !seen.insert(identity))
            continue;
        rows.append({part.toString(), recentText(part)});
    }
    return rows;
}

int SavedProjectCount()
{
    return storedProjectCount(IniSnapshot::ofSettingsFile());
}

WriteResult SaveProjectLocation(const QString &title, const QString &folder)
{
    const QString section = SpacesToUnderscores(title);
    return SaveINISettings({{section, ProjectKeyName(&GuestbookProject::Project_Title), title},
                            {section, ProjectKeyName(&GuestbookProject::Project_Path), folder}});
}
