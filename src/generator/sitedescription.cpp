#include "generator/sitedescription.h"

#include "store/applog.h"
#include "store/pagechoices.h"

#include <QDir>
#include <QRandomGenerator>
#include <QUrl>

namespace {

// Modern pages are UTF-8; Classic ones are in the settings' code page, whose
// fallback from a name that is not usable is logged.
PageCodePage pageCodePage(const GuestbookProject &project)
{
    if (project.Page_Style == kModernPageStyle)
        return PageCodePage(QStringLiteral("UTF-8"));
    const PageCodePage codePage = PageCodePage::fromSettings();
    if (const QString fallback = codePage.fallbackLogLine(); !fallback.isEmpty())
        WriteLog(fallback);
    return codePage;
}

}  // namespace

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
    , codePage(pageCodePage(project))
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

bool HasOwnerPage(const GuestbookProject &project)
{
    return !project.Owner_Password.isEmpty();
}

bool HoldsEntries(const GuestbookProject &project)
{
    return HasOwnerPage(project) && project.Moderate_Entries == 1;
}

bool IsProtected(const GuestbookProject &project)
{
    return SiteProtection::of(project).isOn();
}

QString NewSiteSecret()
{
    QByteArray bytes(16, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    return QString::fromLatin1(bytes.toHex());
}

QString LocalBackgroundPicture(const GuestbookProject &p)
{
    const QString image = p.BG_Image.trimmed();
    if (image.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QUrl(image).toLocalFile();
    // A drive letter counts as a full path on every system, so that a project made on Windows is seen as local.
    const bool drivePath = image.size() > 2 && image.at(0).isLetter() && image.at(1) == QLatin1Char(':')
        && (image.at(2) == QLatin1Char('\\') || image.at(2) == QLatin1Char('/'));
    return QDir::isAbsolutePath(image) || drivePath ? image : QString();
}

QString BackgroundFileName(const QString &localPath)
{
    return QString(localPath).replace(QLatin1Char('\\'), QLatin1Char('/')).section(QLatin1Char('/'), -1);
}
