#pragma once

#include "store/guestbookproject.h"

#include <QObject>

class LabelButton;
class QFrame;
class QLineEdit;
class QWidget;

// One step of the wizard: its frame and the controls in it. The controls are made
// on the step's first show (build); until then the window keeps the step's values
// in its project record. A built step fills its controls from a project and writes
// their values back into one; a step may refuse to be left for the next.
class WizardStep : public QObject
{
    Q_OBJECT

public:
    WizardStep(QWidget *window, const char *frameName, const QString &heading);

    QFrame *frame() const { return m_frame; }
    // The line above the frame while the step is shown ("Step 1: Introduction").
    QString heading() const { return m_heading; }
    bool isBuilt() const { return m_built; }
    // Makes the controls (once) and fills them from project.
    void build(const GuestbookProject &project);

    virtual void fill(const GuestbookProject &) {}
    virtual void writeBack(GuestbookProject &) const {}
    // Why the wizard cannot go on past this step with project; empty when it can.
    virtual QString validate(const GuestbookProject &) const { return QString(); }
    // The step has just been shown.
    virtual void shown() {}

protected:
    virtual void buildControls() = 0;
    QWidget *window() const { return m_window; }
    // The swatch asks for a colour for box, which gets it as "#rrggbb". Both tell a
    // screen reader the colour by name and text, after what it colours ("Text colour:
    // dark blue, #3333ff"); the swatch's new name says the picked colour as the picker closes.
    void linkColourSwatch(LabelButton *swatch, QLineEdit *box, const QString &colours);

private:
    QWidget *m_window;
    QFrame *m_frame;
    QString m_heading;
    bool m_built = false;
};
