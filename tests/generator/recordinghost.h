#pragma once

#include "generator/generationhost.h"

#include <QStringList>

// Stands in for the main window: records, in order, everything the run asks of it.
class RecordingHost : public GenerationHost
{
public:
    bool answerYes = false;
    QStringList events;  // "visible", "hidden", "step 2", "ask", "open <folder>", "generated"
    QStringList statuses;  // every status text, in order
    QString question;

    void setStatusVisible(bool visible) override { events << (visible ? "visible" : "hidden"); }
    void setStatusText(const QString &text) override { statuses << text; }
    void showWizardStep(int step) override { events << QStringLiteral("step %1").arg(step); }
    bool askYesNo(const QString &text) override
    {
        question = text;
        events << QStringLiteral("ask");
        return answerYes;
    }
    void openFolder(const QString &folder) override { events << QStringLiteral("open ") + folder; }
    void setGuestbookGenerated(bool generated) override { events << (generated ? "generated" : "not generated"); }
};
