#include "chrome/desktopstartup.h"

#include "chrome/messageprompt.h"
#include "chrome/pictures.h"
#include "store/product.h"
#include "store/programfolder.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>

#include <array>

namespace {

// The icon in the sizes installed for the desktop (kept in the program as the pixels of
// the installed files), each made the first time a picture of about that size is asked
// for; a window system that shows no icons never makes one.
class InstalledIconEngine : public QIconEngine
{
public:
    QIconEngine *clone() const override { return new InstalledIconEngine(*this); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {{48, 48}, {256, 256}}; }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return QSize(kSides[pick(size)], kSides[pick(size)]).boundedTo(size);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const size_t which = pick(size);
        if (m_pictures[which].isNull())
            m_pictures[which] = QPixmap::fromImage(
                Pictures::keptPixels(QStringLiteral("icon%1").arg(kSides[which]), QSize(kSides[which], kSides[which])));
        const QPixmap &picture = m_pictures[which];
        if (picture.width() <= size.width() && picture.height() <= size.height())
            return picture;
        return picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    static constexpr std::array<int, 2> kSides = {48, 256};

    // The smallest picture that covers size, or the largest.
    static size_t pick(const QSize &size) { return qMax(size.width(), size.height()) <= kSides[0] ? 0 : 1; }

    std::array<QPixmap, 2> m_pictures;
};

QString unwritableFolderError(const QString &folder)
{
    return QCoreApplication::translate("DesktopStartup",
                                       "Error: Quillset cannot save its settings in %1. Projects will not be kept.")
        .arg(folder);
}
}  // namespace

void DesktopStartup::setIdentity()
{
    QGuiApplication::setDesktopFileName(kDesktopId);
}

void DesktopStartup::setWindowIcon()
{
    QApplication::setWindowIcon(QIcon(new InstalledIconEngine));
}

void DesktopStartup::chooseDataFolder()
{
    const ProgramFolder::Choice choice = ProgramFolder::chooseAtStartUp();
    if (!choice.writable)
        MessagePrompt::error(nullptr, unwritableFolderError(choice.folder));
}
