#pragma once

#include <QString>

// What a generation run needs from the window that started it: the status line,
// the wizard step, the closing question, the "open" action and the generated flag.
class GenerationHost
{
public:
    virtual ~GenerationHost();

    virtual void setStatusVisible(bool visible) = 0;
    virtual void setStatusText(const QString &text) = 0;
    virtual void showWizardStep(int step) = 0;
    virtual bool askYesNo(const QString &question) = 0;
    virtual void openFolder(const QString &folder) = 0;
    virtual void setGuestbookGenerated(bool generated) = 0;
};

// How a run ended: on failure, the system's error text.
struct GenerationOutcome {
    bool succeeded = true;
    QString errorText;

    static GenerationOutcome failure(const QString &errorText) { return {false, errorText}; }
};
