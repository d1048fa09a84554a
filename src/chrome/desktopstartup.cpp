#include "chrome/desktopstartup.h"

#include "chrome/messageprompt.h"
#include "store/product.h"
#include "store/programfolder.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPainter>

#include <array>

namespace {

// The installed picture of the icon with the given side, from its pixels kept in the
// program (premultiplied ARGB, written from the PNG file when the program was built).
QPixmap installedPicture(int side)
{
    QFile file(QStringLiteral(":/icons/%1.argb32").arg(side));
    const qint64 bytes = qint64(side) * side * 4;
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    if (!file.open(QIODevice::ReadOnly) || file.size() != bytes
        || file.read(reinterpret_cast<char *>(picture.bits()), bytes) != bytes)
        return {};
    return QPixmap::fromImage(std::move(picture));
}

// The icon in the sizes installed for the desktop, each read from its file the first
// time a picture of about that size is asked for; a window system that shows no icons
// never reads one.
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
            m_pictures[which] = installedPicture(kSides[which]);
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
