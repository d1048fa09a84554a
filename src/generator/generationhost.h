#pragma once

#include <QString>

// What a generation run needs from the window that started it: the status line,
// and word that the pages are in place.
class GenerationHost
{
public:
    virtual ~GenerationHost();

    virtual void setStatusVisible(bool visible) = 0;
    virtual void setStatusText(const QString &text) = 0;
    // The pages are written into folder (with its trailing separator).
    virtual void generationFinished(const QString &folder) = 0;
};

// How a run ended: on failure, the system's error text, and for a failure inside
// the project folder, the folder and what the user can do.
struct GenerationOutcome {
    bool succeeded = true;
    QString errorText;
    QString remedy = {};

    static GenerationOutcome failure(const QString &errorText) { return {false, errorText}; }
    // What the user is shown after "Error: ".
    QString message() const { return remedy.isEmpty() ? errorText : errorText + QStringLiteral(". ") + remedy; }
};
