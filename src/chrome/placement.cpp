#include "chrome/placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace {

// Moves the window with the pointer until a button is released; used where the
// window system cannot move it for us (no window manager).
class ManualDrag : public QObject
{
public:
    explicit ManualDrag(QWidget *form)
        : QObject(form)
        , m_form(form)
        , m_offset(QCursor::pos() - form->pos())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove) {
            m_form->move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - m_offset);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget *m_form;
    QPoint m_offset;
};

}  // namespace

void DragForm(QWidget *form)
{
    QWindow *window = form->window()->windowHandle();
    if (window && window->startSystemMove())
        return;
    new ManualDrag(form->window());
}

int CenteredOffset(int screenSize, int formSize)
{
    return int(std::nearbyint(screenSize / 2.0 - formSize / 2.0));  // default rounding: half to even
}

void CenterForm(QWidget *form)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize screenSize = screen->geometry().size();
    const QSize formSize = form->frameGeometry().size();
    const int left = CenteredOffset(screenSize.width() * kTwipsPerPixel, formSize.width() * kTwipsPerPixel);
    const int top = CenteredOffset(screenSize.height() * kTwipsPerPixel, formSize.height() * kTwipsPerPixel);
    form->move(twipsToPixels(left), twipsToPixels(top));  // a twip count never falls on a half pixel
}

void PlaceAtCursor(QWidget *form)
{
    form->move(QCursor::pos());
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
}
