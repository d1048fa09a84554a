#include "chrome/labelbutton.h"

#include "chrome/keyboard.h"
#include "chrome/pictures.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

const char kRoleProperty[] = "accessibleRole";

// The role given to the widget, or fallback. Read on each call: Qt may make the
// interface (as a name is set) before the role is given.
QAccessible::Role roleOf(const QObject *object, QAccessible::Role fallback)
{
    const QVariant role = object->property(kRoleProperty);
    return role.isValid() ? role.value<QAccessible::Role>() : fallback;
}

// A label button as screen readers see it: a push button (or the role given it) that can be pressed.
class LabelButtonAccessible : public QAccessibleWidget
{
public:
    explicit LabelButtonAccessible(LabelButton *button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QAccessible::Role role() const override { return roleOf(object(), QAccessible::Button); }

    QString text(QAccessible::Text t) const override
    {
        const auto *button = static_cast<const LabelButton *>(widget());
        if (t == QAccessible::Accelerator && !button->shortcutText().isEmpty())
            return button->shortcutText();
        if (t != QAccessible::Name || !button->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        return button->text().isEmpty() ? button->toolTip() : button->text();
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        const QString keys = static_cast<const LabelButton *>(widget())->shortcutText();
        return action == pressAction() && !keys.isEmpty() ? QStringList{keys} : QStringList();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LabelButton *>(widget())->click();
    }
};

// An editable combo box named by its caption (the label whose buddy it is, or its
// accessible name), never by the text it holds; its text is its value.
class CaptionedComboAccessible : public QAccessibleWidget
{
public:
    explicit CaptionedComboAccessible(QComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const QComboBox *>(widget())->currentText();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            static_cast<QComboBox *>(widget())->showPopup();
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    const bool hasRole = object->property(kRoleProperty).isValid();
    auto *button = qobject_cast<LabelButton *>(object);
    if (button && (button->isButton() || hasRole))
        return new LabelButtonAccessible(button);
    if (hasRole && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), roleOf(object, QAccessible::Client));
    // Qt names a combo box by its text on Linux; a reader would hear the value twice.
    if (className == QLatin1String("QComboBox"))
        return new CaptionedComboAccessible(static_cast<QComboBox *>(object));
    return nullptr;
}

}  // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    installAccessibleWidgets();
    widget->setProperty(kRoleProperty, QVariant::fromValue(role));
}

void installAccessibleWidgets()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

LabelButton::LabelButton(QWidget *parent)
    : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    installAccessibleWidgets();
    watchKeyboardUse();
}

LabelButton::LabelButton(const QString &name, const QString &caption, const QFont &font, QWidget *parent)
    : LabelButton(parent)
{
    setObjectName(name);
    setText(caption);
    setFont(font);
}

void LabelButton::setText(const QString &caption)
{
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    QLabel::setText(caption);
    setFocusPolicy(policy);
}

void LabelButton::setShape(const QColor &outline, const QColor &fill, const QColor &hoverFill)
{
    m_outline = outline;
    m_restingFill = fill;
    m_hoverFill = hoverFill;
    setFill(fill);
}

void LabelButton::setFill(const QColor &fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void LabelButton::makeShapeOnly()
{
    m_isButton = false;
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    unsetCursor();
}

void LabelButton::click()
{
    if (isEnabled())
        emit clicked();
}

void LabelButton::clearHover()
{
    setFill(m_restingFill);
}

void LabelButton::lightUp()
{
    if (m_hoverFill.isValid())
        setFill(m_hoverFill);
    emit hovered();
}

bool LabelButton::event(QEvent *event)
{
    return event->type() == QEvent::Polish ? QFrame::event(event) : QLabel::event(event);
}

// A disabled button gets no moves: they go on to the widget under it.
void LabelButton::mouseMoveEvent(QMouseEvent *event)
{
    lightUp();
    event->accept();
}

void LabelButton::paintEvent(QPaintEvent *event)
{
    if (m_outline.isValid()) {
        QPainter painter(this);
        Pictures::drawOutline(painter, rect(), m_outline, m_fill);
    }
    paintContents(event);
    if (keyboardInUse() && hasFocus()) {
        QPainter painter(this);
        painter.setPen(Qt::white);
        painter.drawRect(focusMarkRect());
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(focusMarkRect());
    }
}

// The focus mark, a dotted line over a white one so that it shows on any colour:
// inside a button's outline, around a link's text (never through it), and along the
// edges of a picture, which has no room for it inside.
QRect LabelButton::focusMarkRect() const
{
    const QRect edges = rect().adjusted(0, 0, -1, -1);
    if (m_outline.isValid())
        return edges.adjusted(2, 2, -2, -2);
    if (text().isEmpty())
        return edges;
    return fontMetrics().boundingRect(contentsRect(), textFlags(), text()).adjusted(-2, -1, 1, 1) & edges;
}

int LabelButton::textFlags() const
{
    return int(QStyle::visualAlignment(layoutDirection(), alignment())) | (wordWrap() ? Qt::TextWordWrap : 0);
}

// A label that takes the focus lays its text out as rich text, a pixel higher than
// a plain label: the caption is drawn here as a plain label draws it, so taking the
// focus changes nothing on screen.
void LabelButton::paintContents(QPaintEvent *event)
{
    if (text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const int m = margin();
    style()->drawItemText(&painter, contentsRect().adjusted(m, m, -m, -m), textFlags(), option.palette, isEnabled(),
                          text(), foregroundRole());
}

void LabelButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            click();
        break;
    default: QLabel::keyPressEvent(event); return;
    }
    event->accept();
}

void LabelButton::focusInEvent(QFocusEvent *event)
{
    update();
    QFrame::focusInEvent(event);
}

void LabelButton::focusOutEvent(QFocusEvent *event)
{
    update();
    QLabel::focusOutEvent(event);
}

void LabelButton::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void LabelButton::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

namespace {

class MoveWatcher : public QObject
{
public:
    MoveWatcher(QWidget *area, std::function<void()> react)
        : QObject(area)
        , m_react(std::move(react))
    {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::MouseMove || !static_cast<QWidget *>(watched)->isEnabled())
            return false;
        m_react();
        event->accept();
        return true;
    }

private:
    std::function<void()> m_react;
};

}  // namespace

void onMouseMove(QWidget *area, std::function<void()> react)
{
    new MoveWatcher(area, std::move(react));
}

void clearHoverOnMove(QWidget *area, const QList<LabelButton *> &buttons)
{
    onMouseMove(area, [buttons] {
        for (LabelButton *button : buttons)
            button->clearHover();
    });
}

void linkHoverGroup(const QList<LabelButton *> &group)
{
    for (LabelButton *button : group) {
        for (LabelButton *other : group) {
            if (other != button)
                QObject::connect(button, &LabelButton::hovered, other, &LabelButton::clearHover);
        }
    }
}
