#pragma once

#include <QColor>
#include <QLabel>

#include <functional>

// A label that acts as a button: a caption or picture over an optional outlined
// rectangle, pointing-hand pointer, clicked() on a left press and release over it.
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

public slots:
    void clearHover();

signals:
    void clicked();
    void hovered();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void lightUp();

    QColor m_outline;
    QColor m_fill;
    QColor m_restingFill;
    QColor m_hoverFill;
    bool m_pressed = false;
};

// Makes every button of the group clear its light when another one lights up.
void linkHoverGroup(const QList<LabelButton *> &group);

// Runs react on every mouse move over the area itself (not over a child that takes
// the move); the move stops there.
void onMouseMove(QWidget *area, std::function<void()> react);

// A mouse move over the area clears the buttons' light.
void clearHoverOnMove(QWidget *area, const QList<LabelButton *> &buttons);
