#include "publish/publishrun.h"

#include "generator/pageframe.h"
#include "generator/pagenames.h"
#include "generator/protection.h"
#include "generator/requestfilter.h"
#include "generator/sitedescription.h"
#include "store/programfolder.h"

#include <QDate>
#include <QFile>

QString UploadingName(const QString &name)
{
    return name + QStringLiteral(".quillset-upload");
}

QString BackupFolderFor(const QString &pageFolder, const QDate &day)
{
    const QString sep = ProgramFolder::separator();
    return ProgramFolder::withTrailingSeparator(pageFolder) + QStringLiteral("backup") + sep
        + day.toString(QStringLiteral("yyyy-MM-dd")) + sep;
}

PublishSet PublishSet::ofGuestbook(const QString &pageFolder, const GuestbookProject &project)
{
    PublishSet set;
    set.folder = ProgramFolder::withTrailingSeparator(pageFolder);
    set.pages = QStringList{kSignPageName, kEntryScriptName, kViewPageName};
    if (HasOwnerPage(project))
        set.pages << kOwnerPageName;
    if (const QString picture = LocalBackgroundPicture(project); !picture.isEmpty())
        set.pages << BackgroundFileName(picture);
    // The web.config that hides the data files goes up with the pages; one that the
    // site owner wrote stays on the computer, as Finish leaves it.
    if (QFile filter(set.folder + kRequestFilterName);
        IsProtected(project) && filter.open(QIODevice::ReadOnly) && IsOwnRequestFilter(filter.readAll()))
        set.pages << kRequestFilterName;
    set.dataFiles = DataFileNames(SiteProtection::of(project));
    return set;
}
