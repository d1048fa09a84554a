#include "store/projectkeys.h"

#include <algorithm>

namespace {

using P = GuestbookProject;

// A missing link colour loads as dark grey where a new project starts with blue,
// and a missing background image loads empty where a new project shows "None"
// (the pages treat both as no picture): projects have always loaded so. The title
// is not loaded from its key but from the section name.
const QList<ProjectKey> kProjectKeys = {
    {"Project_Title", &P::Project_Title, nullptr, "My Guestbook", nullptr, "Title"},
    {"Project_Path", &P::Project_Path, nullptr, nullptr, nullptr, nullptr},
    {"BG_Image", &P::BG_Image, nullptr, "None", "", "Background image"},
    {"BG_Color", &P::BG_Color, nullptr, "#ffffff", nullptr, "Background colour"},
    {"TBL_Width", &P::TBL_Width, nullptr, "45%", nullptr, "Table width"},
    {"TBL_Border", nullptr, &P::TBL_Border, "0", nullptr, nullptr},
    {"TBL_Border_Width", &P::TBL_Border_Width, nullptr, "0", nullptr, "Border width"},
    {"M_FColor", &P::M_FColor, nullptr, "#000000", nullptr, "Text colour"},
    {"M_FFace", &P::M_FFace, nullptr, "Verdana", nullptr, "Text font"},
    {"M_FSize", &P::M_FSize, nullptr, "11", nullptr, "Text size"},
    {"H_FColor", &P::H_FColor, nullptr, "#3333ff", "#333333", "Link colour"},
    {"H_FFace", &P::H_FFace, nullptr, "Verdana", nullptr, "Link font"},
    {"H_FSize", &P::H_FSize, nullptr, "11", nullptr, "Link size"},
    {"HM_FColor", &P::HM_FColor, nullptr, "#ff0000", nullptr, "Hover colour"},
    {"HM_FFace", &P::HM_FFace, nullptr, "Verdana", nullptr, "Hover font"},
    {"HM_FSize", &P::HM_FSize, nullptr, "11", nullptr, "Hover size"},
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
