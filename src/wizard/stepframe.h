#pragma once

#include <QFrame>

// A step of the wizard: a white panel with a thin outline.
class StepFrame : public QFrame
{
    Q_OBJECT

public:
    explicit StepFrame(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
