#pragma once

// The designs whose generated pages are kept as golden files: the start-up design,
// one with a border and odd values, one with mixed field kinds, and two whose
// texts need the page code page (windows-1252 and windows-1251); and the pages'
// English texts, which a page in another language never holds.

#include "store/guestbookproject.h"

#include <QStringList>

inline const QStringList kGoldenDesigns = {"default", "bordered", "mixed", "western", "cyrillic"};

inline const QStringList kEnglishPageTexts = {
    "Sign my guestbook", "View Guestbook", "Sign Guestbook", "invalid length", "Thankyou", "Thank you", "has expired",
    "wait a moment", "web addresses", "too long", "Newer entries", "Older entries", "Date : ", "Error:", "Approve",
    "Restore", "Sign in", "Sign out", "Password:", "Cancel", "Delete all", "were deleted", "Deleted from",
    "characters in all", "The entry was", "Waiting for approval", "Deleted entries", "\"Entries"};

inline GuestbookProject goldenProject(const QString &design, const QString &path)
{
    GuestbookProject p = GuestbookProject::startupDefaults();
    p.Project_Path = path;
    if (design == QLatin1String("bordered")) {
        p.Project_Title = "Q", p.BG_Image = "Images/Back.GIF", p.BG_Color = "#FFCC00", p.TBL_Width = "80%";
        p.TBL_Border = 1, p.TBL_Border_Width = "2";
        p.M_FFace = "Times New Roman", p.M_FSize = "12", p.M_FColor = "#112233";
        p.H_FFace = "Arial", p.H_FSize = "10", p.H_FColor = "#0000FF";
        p.HM_FFace = "Arial", p.HM_FSize = "14", p.HM_FColor = "#00ff00";  // hover size unlike the link size
        p.Fields = {{"Your Comments", "Textarea", "5", "30"}};
    } else if (design == QLatin1String("mixed")) {
        p.Project_Title = "Club & news", p.BG_Image.clear(), p.TBL_Width = "33%", p.TBL_Border_Width = "3";
        p.M_FFace = "Tahoma", p.M_FSize = "20", p.H_FColor = "#333333", p.H_FSize = "9", p.HM_FSize = "9";
        p.Fields = {{"Your Name", "Text", "30", {}}, {"Note", "textarea", "15", "40"},
                    {"Message", "Textarea", "8", "50"}};
    } else if (design == QLatin1String("western")) {  // "Café Müller": "Straße", "Grüße in €"
        p.Project_Title = QStringLiteral("Caf\u00e9 M\u00fcller");
        p.Fields = {{QStringLiteral("Stra\u00dfe"), "Text", "40", {}},
                    {QStringLiteral("Gr\u00fc\u00dfe in \u20ac"), "Textarea", "5", "30"}};
    } else if (design == QLatin1String("cyrillic")) {  // "Гостевая книга": "Имя", "Отзыв"
        p.Project_Title = QStringLiteral("\u0413\u043e\u0441\u0442\u0435\u0432\u0430\u044f "
                                         "\u043a\u043d\u0438\u0433\u0430");
        p.Fields = {{QStringLiteral("\u0418\u043c\u044f"), "Text", "40", {}},
                    {QStringLiteral("\u041e\u0442\u0437\u044b\u0432"), "Textarea", "10", "39"}};
    }
    return p;
}

inline GuestbookProject defaultProject(const QString &path) { return goldenProject("default", path); }

// Settings/PageCodePage for a golden design; empty: the key is not set.
inline QString goldenCodePage(const QString &design)
{
    return design == QLatin1String("cyrillic") ? QStringLiteral("windows-1251") : QString();
}
