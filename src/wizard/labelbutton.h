#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>

// A label that acts as a button: pointing-hand pointer, reports a click (left
// press and release over it) and every press with its button. It keeps mouse
// moves to itself so that the frame under it does not see them.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(QWidget *parent = nullptr);

signals:
    void clicked();
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

// The rectangle drawn under a label button; its fill changes on hover.
class HoverShape : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QColor fill READ fill WRITE setFill)

public:
    explicit HoverShape(QWidget *parent = nullptr);

    QColor fill() const { return m_fill; }
    void setFill(const QColor &fill);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = Qt::white;
};

// A step of the wizard: a white panel with a thin outline.
class StepFrame : public QFrame
{
    Q_OBJECT

public:
    explicit StepFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
