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

// How a run ended: on failure, the system's error text.
struct GenerationOutcome {
    bool succeeded = true;
    QString errorText;

    static GenerationOutcome failure(const QString &errorText) { return {false, errorText}; }
};
