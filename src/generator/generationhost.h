#pragma once

#include "store/usertext.h"

#include <QString>

// What a generation run needs from the window that started it: the status line,
// and word that the pages are in place.
class GenerationHost
{
public:
    virtual ~GenerationHost();

    virtual void setStatusVisible(bool visible) = 0;
    // The window shows the text in the user's language; the run logs it in English.
    virtual void setStatusText(const UserText &text) = 0;
    // The pages are written into folder (with its trailing separator).
    virtual void generationFinished(const QString &folder) = 0;
};

// How a run ended: on failure, the system's error text, and for a failure inside
// the project folder, the folder and what the user can do.
struct GenerationOutcome {
    bool succeeded = true;
    UserText errorText;
    UserText remedy = {};

    static GenerationOutcome failure(const UserText &errorText) { return {false, errorText}; }
    // What the user is shown after "Error: ".
    UserText message() const
    {
        return remedy.isNull() ? errorText
                               : UserText(QT_TRANSLATE_NOOP("UserText", "%1. %2")).arg(errorText).arg(remedy);
    }
};
