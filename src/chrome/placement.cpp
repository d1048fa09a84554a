#include "chrome/placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace {

// Moves the window with the pointer while one mouse button is held; used for every
// button but the left (window managers end their own move on the left button only)
// and where the window system cannot move the window for us.
class ManualDrag : public QObject
{
public:
    ManualDrag(QWidget *form, Qt::MouseButton button)
        : QObject(form)
        , m_form(form)
        , m_button(button)
        , m_offset(QCursor::pos() - form->pos())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseMove) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->buttons().testFlag(m_button))
                m_form->move(mouse->globalPosition().toPoint() - m_offset);
            else
                finish();  // the release went elsewhere: never keep following the pointer
        } else if (event->type() == QEvent::MouseButtonRelease
                   && static_cast<QMouseEvent *>(event)->button() == m_button) {
            finish();
        }
        return false;  // the events still reach their widgets: no click is swallowed
    }

private:
    void finish()
    {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    QWidget *m_form;
    Qt::MouseButton m_button;
    QPoint m_offset;
};

// Centres a window on the primary screen by its frame's size, and again whenever
// that size changes (a window manager adds the frame only once the window is shown).
class FrameCentring : public QObject
{
public:
    static FrameCentring *on(QWidget *form)
    {
        for (QObject *child : form->children()) {
            if (auto *existing = dynamic_cast<FrameCentring *>(child))
                return existing;
        }
        return new FrameCentring(form);
    }

    void centre()
    {
        m_frameSize = m_form->frameGeometry().size();
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QSize screenSize = screen->geometry().size();
        const int left = CenteredOffset(screenSize.width() * kTwipsPerPixel, m_frameSize.width() * kTwipsPerPixel);
        const int top = CenteredOffset(screenSize.height() * kTwipsPerPixel, m_frameSize.height() * kTwipsPerPixel);
        m_form->move(twipsToPixels(left), twipsToPixels(top));  // a twip count never falls on a half pixel
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) && m_form->isVisible()
            && m_form->frameGeometry().size() != m_frameSize)
            centre();
        return false;
    }

private:
    explicit FrameCentring(QWidget *form)
        : QObject(form)
        , m_form(form)
    {
        form->installEventFilter(this);
    }

    QWidget *m_form;
    QSize m_frameSize;
};

}  // namespace

void DragForm(QWidget *form, Qt::MouseButton button)
{
    QWindow *window = form->window()->windowHandle();
    if (button == Qt::LeftButton && window && window->startSystemMove())
        return;
    new ManualDrag(form->window(), button);
}

int CenteredOffset(int screenSize, int formSize)
{
    return int(std::nearbyint(screenSize / 2.0 - formSize / 2.0));  // default rounding: half to even
}

void CenterForm(QWidget *form)
{
    FrameCentring::on(form)->centre();
}

void PlaceAtCursor(QWidget *form)
{
    form->move(QCursor::pos());
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
}
