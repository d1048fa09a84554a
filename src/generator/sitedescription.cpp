#include "generator/sitedescription.h"

#include "generator/pageframe.h"
#include "generator/pagevalues.h"
#include "generator/protection.h"
#include "store/pagechoices.h"

PageDesign PageDesign::of(const GuestbookProject &p)
{
    return {p.Project_Title,
            p.BG_Color,
            p.BG_Image,
            {p.M_FFace, p.M_FSize, p.M_FColor},
            {p.H_FFace, p.H_FSize, p.H_FColor},
            {p.HM_FFace, p.HM_FSize, p.HM_FColor},
            p.TBL_Border == 1,
            p.TBL_Border_Width,
            p.TBL_Width,
            p.Fields};
}

SiteProtection SiteProtection::of(const GuestbookProject &project)
{
    const QStringList password = project.Owner_Password.split(QLatin1Char(':'));
    return {project.Spam_Guard == 1,
            project.Max_Entry_Length.toInt(),
            project.Entries_Per_Page.toInt(),
            HasOwnerPage(project),
            HoldsEntries(project),
            password.value(1),
            password.value(2)};
}

SiteDescription::SiteDescription(const GuestbookProject &project, SiteTarget target)
    : modern(project.Page_Style == kModernPageStyle)
    , preview(target == SiteTarget::Preview)
    , texts(project.Page_Language)
    , design(PageDesign::of(project))
    , protection(SiteProtection::of(project))
    , links(preview ? kPreviewPageLinks : kServerPageLinks)
    , codePage(ResolvePageCodePage(project))
{
    if (preview)
        return;
    if (protection.isOn())
        secret = NewSiteSecret();
    // A picture on this computer goes beside the pages, which name it by its file name.
    localBackgroundPicture = LocalBackgroundPicture(project);
    if (!localBackgroundPicture.isEmpty())
        design.backgroundImage = BackgroundFileName(localBackgroundPicture);
}
