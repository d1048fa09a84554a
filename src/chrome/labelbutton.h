#pragma once

#include <QAccessible>
#include <QColor>
#include <QLabel>

#include <functional>

// A label that acts as a button: a caption or picture over an optional outlined
// rectangle, pointing-hand pointer, clicked() on a left press and release over it.
// It takes the focus from the keyboard (Tab) only, and shows its dotted focus mark
// only once the keyboard is in use, so a mouse user never sees one; Enter and Space
// click it. Screen readers see a push button named by
// its accessible name, its caption or its tooltip, in that order.
// A mouse move over it lights the rectangle with the hover fill (when it has one)
// and reports hovered(), so neighbours can clear their own light; the light stays
// until someone calls clearHover(). Mouse moves stop here: the widget under it
// does not see them.
class LabelButton : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QColor fill READ fill WRITE setFill)

public:
    explicit LabelButton(QWidget *parent = nullptr);
    LabelButton(const QString &name, const QString &caption, const QFont &font, QWidget *parent);

    // The rectangle: outline, resting fill and hover fill. No outline: no rectangle
    // (a picture button or a link). No hover fill: the rectangle never lights.
    void setShape(const QColor &outline, const QColor &fill, const QColor &hoverFill = QColor());

    QColor fill() const { return m_fill; }
    void setFill(const QColor &fill);

    // Sets the caption. A label that can take the focus would carry a whole text
    // document for it (made here, on polish and on focus), which the caption, drawn as
    // plain text, never uses.
    void setText(const QString &caption);

    // Makes it a plain drawn rectangle: no clicks, no focus, no button for screen readers.
    void makeShapeOnly();
    bool isButton() const { return m_isButton; }
    // Clicks it as the mouse would, when it is enabled.
    void click();
    // The key that presses it from anywhere in its window ("Alt+N"), told to screen readers.
    void setShortcutText(const QString &keys) { m_shortcutText = keys; }
    QString shortcutText() const { return m_shortcutText; }

public slots:
    void clearHover();

signals:
    void clicked();
    void hovered();

protected:
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void lightUp();
    void paintContents(QPaintEvent *event);
    QRect focusMarkRect() const;
    int textFlags() const;

    QColor m_outline;
    QColor m_fill;
    QColor m_restingFill;
    QColor m_hoverFill;
    bool m_pressed = false;
    QString m_shortcutText;
    bool m_isButton = true;
};

// Lets screen readers see label buttons as push buttons and combo boxes by their
// captions (done once; every label button made calls it).
void installAccessibleWidgets();

// Screen readers see the widget in this role (a menu item, a picture, a dialog)
// rather than as Qt would show it; a label button keeps its press action. Set it
// before the widget is shown.
void setAccessibleRole(QWidget *widget, QAccessible::Role role);

// Makes every button of the group clear its light when another one lights up.
void linkHoverGroup(const QList<LabelButton *> &group);

// Runs react on every mouse move over the area itself (not over a child that takes
// the move); the move stops there.
void onMouseMove(QWidget *area, std::function<void()> react);

// A mouse move over the area clears the buttons' light.
void clearHoverOnMove(QWidget *area, const QList<LabelButton *> &buttons);
