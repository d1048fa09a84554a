#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>

// A label that acts as a button: pointing-hand pointer, reports a click (left
// release over it) and every press with its button. It keeps mouse moves to
// itself so that the widget under it does not see them.
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

// A label button with its caption centred, named for lookup.
ClickLabel *makeLabelButton(const QString &name, const QString &caption, const QFont &font, QWidget *parent);

// The rectangle drawn under a label button: a fill inside a one-pixel outline.
// The fill changes on hover.
class HoverShape : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QColor fill READ fill WRITE setFill)

public:
    explicit HoverShape(QWidget *parent = nullptr);

    QColor fill() const { return m_fill; }
    void setFill(const QColor &fill);
    void setOutline(const QColor &outline);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill = Qt::white;
    QColor m_outline = QColor(160, 160, 160);
};
