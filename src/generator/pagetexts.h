#pragma once

#include <QString>
#include <QStringList>

// Every text that a visitor or the owner reads on the generated pages, in each
// page language (store/pagechoices.h). English is the pages' original wording.

enum class PageText {
    SignButton,
    ViewLink,
    SignLink,
    InvalidLength,
    Thanks,
    ThanksHeld,
    Expired,
    Wait,
    TooManyLinks,
    TooLong,
    NewerEntries,
    OlderEntries,
    DateItem,
    SaveFailed,
    EntryGone,
    Approve,
    Delete,
    TooManyAttempts,
    WrongPassword,
    ForeignChange,
    SignOut,
    WaitingForApproval,
    Entries,
    Password,
    SignIn,
    PagesOfEntries,
    // The owner page's own.
    ChangeUnfinished,
    EarlierChangeUnfinished,
    TooManyPasswords,
    ForeignSignIn,
    EntryApproved,
    EntryRestored,
    EntryDeleted,
    HeldEntriesDeleted,
    Restore,
    DeleteAllHeld,
    DeleteAllHeldQuestion,
    Cancel,
    OwnerExplanation,
    DeletedEntries,
    DeletedFrom,
    EntriesList,
    HeldList,
    CharactersInAll,
};

// The texts of one page language.
class PageTexts
{
public:
    // An unknown code gives the English texts; the check of the page values refuses it.
    explicit PageTexts(const QString &languageCode);

    QString language() const { return m_language; }
    QString text(PageText which) const;
    // Every text, for the check against the page code page.
    QStringList all() const;

private:
    QString m_language;
    int m_column = 0;
};
