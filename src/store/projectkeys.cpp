#include "store/projectkeys.h"

#include "store/pagechoices.h"

#include <QStringList>

#include <algorithm>

namespace {

UserText numberProblem(const QString &value, int most)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    const bool digits = !value.isEmpty() && std::all_of(value.begin(), value.end(), [](QChar c) { return c.isDigit(); });
    if (digits && ok && number <= most)
        return {};
    return UserText(QT_TRANSLATE_NOOP("UserText", "it is not a whole number from 0 to %1")).arg(most);
}

UserText entryLengthProblem(const QString &value)
{
    return numberProblem(value, 100000);
}

UserText pageSizeProblem(const QString &value)
{
    return numberProblem(value, 1000);
}

UserText passwordProblem(const QString &value)
{
    if (value.isEmpty() || IsOwnerPasswordValue(value))
        return {};
    return UserText(
        QT_TRANSLATE_NOOP("UserText", "it is not \"sha256:\", 32 lower-case hex digits, \":\" and 64 more"));
}

UserText pageStyleProblem(const QString &value)
{
    if (IsPageStyle(value))
        return {};
    return UserText(QT_TRANSLATE_NOOP("UserText", "it is neither %1 nor %2"))
        .arg(kClassicPageStyle)
        .arg(kModernPageStyle);
}

UserText pageLanguageProblem(const QString &value)
{
    QStringList codes;
    for (const PageLanguage &language : PageLanguages())
        codes << language.code;
    if (IsPageLanguage(value))
        return {};
    return UserText(QT_TRANSLATE_NOOP("UserText", "it is not one of %1")).arg(codes.join(QStringLiteral(", ")));
}

using P = GuestbookProject;

// A missing link colour loads as dark grey where a new project starts with blue,
// and a missing background image loads empty where a new project shows "None"
// (the pages treat both as no picture): projects have always loaded so. The title
// is not loaded from its key but from the section name.
const QList<ProjectKey> kProjectKeys = {
    {"Project_Title", &P::Project_Title, nullptr, "My Guestbook", nullptr, QT_TRANSLATE_NOOP("UserText", "Title")},
    {"Project_Path", &P::Project_Path, nullptr, nullptr, nullptr, nullptr},
    {"BG_Image", &P::BG_Image, nullptr, "None", "", QT_TRANSLATE_NOOP("UserText", "Background image")},
    {"BG_Color", &P::BG_Color, nullptr, "#ffffff", nullptr, QT_TRANSLATE_NOOP("UserText", "Background colour")},
    {"TBL_Width", &P::TBL_Width, nullptr, "45%", nullptr, QT_TRANSLATE_NOOP("UserText", "Table width")},
    {"TBL_Border", nullptr, &P::TBL_Border, "0", nullptr, nullptr},
    {"TBL_Border_Width", &P::TBL_Border_Width, nullptr, "0", nullptr, QT_TRANSLATE_NOOP("UserText", "Border width")},
    {"M_FColor", &P::M_FColor, nullptr, "#000000", nullptr, QT_TRANSLATE_NOOP("UserText", "Text colour")},
    {"M_FFace", &P::M_FFace, nullptr, "Verdana", nullptr, QT_TRANSLATE_NOOP("UserText", "Text font")},
    {"M_FSize", &P::M_FSize, nullptr, "11", nullptr, QT_TRANSLATE_NOOP("UserText", "Text size")},
    {"H_FColor", &P::H_FColor, nullptr, "#3333ff", "#333333", QT_TRANSLATE_NOOP("UserText", "Link colour")},
    {"H_FFace", &P::H_FFace, nullptr, "Verdana", nullptr, QT_TRANSLATE_NOOP("UserText", "Link font")},
    {"H_FSize", &P::H_FSize, nullptr, "11", nullptr, QT_TRANSLATE_NOOP("UserText", "Link size")},
    {"HM_FColor", &P::HM_FColor, nullptr, "#ff0000", nullptr, QT_TRANSLATE_NOOP("UserText", "Hover colour")},
    {"HM_FFace", &P::HM_FFace, nullptr, "Verdana", nullptr, QT_TRANSLATE_NOOP("UserText", "Hover font")},
    {"HM_FSize", &P::HM_FSize, nullptr, "11", nullptr, QT_TRANSLATE_NOOP("UserText", "Hover size")},
    {"Spam_Guard", nullptr, &P::Spam_Guard, "0", nullptr, nullptr, nullptr, true},
    {"Max_Entry_Length", &P::Max_Entry_Length, nullptr, "0", nullptr, QT_TRANSLATE_NOOP("UserText", "Longest entry"),
     entryLengthProblem, true},
    {"Entries_Per_Page", &P::Entries_Per_Page, nullptr, "0", nullptr, QT_TRANSLATE_NOOP("UserText", "Entries per page"),
     pageSizeProblem, true},
    {"Owner_Password", &P::Owner_Password, nullptr, "", nullptr, QT_TRANSLATE_NOOP("UserText", "Owner page password"),
     passwordProblem, true},
    {"Moderate_Entries", nullptr, &P::Moderate_Entries, "0", nullptr, nullptr, nullptr, true},
    {"Page_Style", &P::Page_Style, nullptr, "Classic", nullptr, QT_TRANSLATE_NOOP("UserText", "Page style"),
     pageStyleProblem, true},
    {"Page_Language", &P::Page_Language, nullptr, "en", nullptr, QT_TRANSLATE_NOOP("UserText", "Page language"),
     pageLanguageProblem, true},
    {"Publish_Protocol", &P::Publish_Protocol, nullptr, "", nullptr, nullptr, nullptr, true},
    {"Publish_Host", &P::Publish_Host, nullptr, "", nullptr, nullptr, nullptr, true},
    {"Publish_Port", &P::Publish_Port, nullptr, "", nullptr, nullptr, nullptr, true},
    {"Publish_User", &P::Publish_User, nullptr, "", nullptr, nullptr, nullptr, true},
    {"Publish_Folder", &P::Publish_Folder, nullptr, "", nullptr, nullptr, nullptr, true},
    {"Site_Address", &P::Site_Address, nullptr, "", nullptr, nullptr, nullptr, true},
};

}  // namespace

QString ProjectKey::startValue() const
{
    return start ? QString::fromLatin1(start) : GuestbookProject::defaultProjectPath();
}

QString ProjectKey::loadFallback() const
{
    return fallback ? QString::fromLatin1(fallback) : startValue();
}

QString ProjectKey::valueIn(const GuestbookProject &project) const
{
    return text ? project.*text : QString::number(project.*flag);
}

void ProjectKey::setIn(GuestbookProject &project, const QString &value) const
{
    if (text)
        project.*text = value;
    else
        project.*flag = value == QLatin1String("1") ? 1 : 0;
}

const QList<ProjectKey> &ProjectKeys()
{
    return kProjectKeys;
}

const ProjectKey &ProjectKeyOf(QString GuestbookProject::*member)
{
    return *std::find_if(kProjectKeys.begin(), kProjectKeys.end(),
                         [member](const ProjectKey &row) { return row.text == member; });
}

QString ProjectKeyName(QString GuestbookProject::*member)
{
    return QString::fromLatin1(ProjectKeyOf(member).key);
}

bool IsOwnerPasswordValue(const QString &value)
{
    const QStringList parts = value.split(QLatin1Char(':'));
    const auto isHex = [](const QString &text, int length) {
        return text.size() == length && std::all_of(text.begin(), text.end(), [](QChar c) {
                   return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
               });
    };
    return parts.size() == 3 && parts.at(0) == QLatin1String("sha256") && isHex(parts.at(1), 32)
        && isHex(parts.at(2), 64);
}
