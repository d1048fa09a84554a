#include "publish/sitecheck.h"

#include "generator/pagenames.h"
#include "generator/protection.h"

#include <QCoreApplication>

QUrl SiteFolderOf(const QString &siteAddress)
{
    QString address = siteAddress.trimmed();
    if (!address.contains(QLatin1String("://")))
        address.prepend(QStringLiteral("http://"));
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    return QUrl(address);
}

SiteAddresses AddressesOf(const QString &siteAddress, bool hasOwnerPage)
{
    if (siteAddress.trimmed().isEmpty())
        return {};
    const QUrl folder = SiteFolderOf(siteAddress);
    return {folder.resolved(QUrl(kSignPageName)), hasOwnerPage ? folder.resolved(QUrl(kOwnerPageName)) : QUrl()};
}

QString AddressesText(const QString &siteAddress, bool hasOwnerPage)
{
    const SiteAddresses addresses = AddressesOf(siteAddress, hasOwnerPage);
    QString text;
    if (!addresses.signPage.isEmpty())
        text = QCoreApplication::translate("frmPublish", "Your guestbook: ") + addresses.signPage.toDisplayString();
    if (!addresses.ownerPage.isEmpty())
        text += QLatin1Char('\n') + QCoreApplication::translate("frmPublish", "Your owner page: ")
            + addresses.ownerPage.toDisplayString();
    return text;
}
