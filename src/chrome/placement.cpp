#include "chrome/placement.h"

#include "chrome/keyboard.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

// One axis of a window of length on a screen from lo to hi (hi excluded): at first
// where it fits there, else at second where that fits, else first moved the least
// that brings it onto the screen, its start kept on the screen when it is too long.
int fittedStart(int first, int second, int length, int lo, int hi)
{
    const auto fits = [&](int start) { return start >= lo && start + length <= hi; };
    const int start = fits(first) || !fits(second) ? first : second;
    return std::max(lo, std::min(start, hi - length));
}

// Where a window of size lies on the screen: first or second, by the rule above.
QPoint fitted(const QRect &screen, const QSize &size, QPoint first, QPoint second)
{
    return {fittedStart(first.x(), second.x(), size.width(), screen.left(), screen.left() + screen.width()),
            fittedStart(first.y(), second.y(), size.height(), screen.top(), screen.top() + screen.height())};
}

// The window's owner (the window itself when it has none), and the screen that holds it.
const QWidget *ownerOf(const QWidget *form)
{
    return form->parentWidget() ? form->parentWidget()->window() : form;
}

const QScreen *screenOf(const QWidget *form)
{
    const QScreen *screen = ownerOf(form)->screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

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
        const bool owned = m_form->parentWidget();
        const QScreen *screen = owned ? screenOf(m_form) : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect area = screen->geometry();
        const int left = CenteredOffset(area.width() * kTwipsPerPixel, m_frameSize.width() * kTwipsPerPixel);
        const int top = CenteredOffset(area.height() * kTwipsPerPixel, m_frameSize.height() * kTwipsPerPixel);
        // A twip count never falls on a half pixel.
        QPoint place = (owned ? area.topLeft() : QPoint()) + QPoint(twipsToPixels(left), twipsToPixels(top));
        if (owned)  // only the main window may stand past the screen's edges
            place = fitted(screen->availableGeometry(), m_frameSize, place, place);
        m_form->move(place);
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

class ModalWindowRestorer : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::WindowStateChange && window && window->isWindow() && window->isModal()
            && window->isMinimized()) {
            QTimer::singleShot(0, window, [window] {
                window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
                window->show();
                window->raise();
                window->activateWindow();
            });
        }
        return false;
    }
};

}  // namespace

void KeepModalWindowsUnminimised()
{
    static ModalWindowRestorer *restorer = nullptr;
    if (restorer)
        return;
    restorer = new ModalWindowRestorer;
    restorer->setParent(qApp);
    qApp->installEventFilter(restorer);
}

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

QPoint PopupPosition(const QRect &screen, const QSize &size, const QPoint &pointer, const QRect &control,
                     bool byKeyboard)
{
    const QRect at = byKeyboard ? control : QRect(pointer, QSize(0, 0));
    return fitted(screen, size, {at.left(), at.top() + at.height()},
                  {at.left() + at.width() - size.width(), at.top() - size.height()});
}

void PlacePopup(QWidget *popup, std::optional<QRect> control)
{
    const QWidget *focused = popup->parentWidget() ? ownerOf(popup)->focusWidget() : nullptr;
    if (!control && focused && lastInputWasKey())
        control = QRect(focused->mapToGlobal(QPoint(0, 0)), focused->size());
    const QScreen *screen = screenOf(popup);
    popup->move(PopupPosition(screen ? screen->availableGeometry() : QRect(), popup->frameGeometry().size(),
                              QCursor::pos(), control.value_or(QRect()), control.has_value()));
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips / kTwipsPerPixel));
}
