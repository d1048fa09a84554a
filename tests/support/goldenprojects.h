#pragma once

// The designs whose generated pages are kept as golden files: the start-up design,
// one with a border and odd values, one with mixed field kinds, and two whose
// texts need the page code page (windows-1252 and windows-1251).

#include "store/guestbookproject.h"

inline GuestbookProject defaultProject(const QString &path)
{
    GuestbookProject p = GuestbookProject::startupDefaults();
    p.Project_Path = path;
    return p;
}

inline GuestbookProject borderedProject(const QString &path)
{
    GuestbookProject p = defaultProject(path);
    p.Project_Title = QStringLiteral("Q");
    p.BG_Image = QStringLiteral("Images/Back.GIF");
    p.BG_Color = QStringLiteral("#FFCC00");
    p.TBL_Width = QStringLiteral("80%");
    p.TBL_Border = 1;
    p.TBL_Border_Width = QStringLiteral("2");
    p.M_FFace = QStringLiteral("Times New Roman");
    p.M_FSize = QStringLiteral("12");
    p.M_FColor = QStringLiteral("#112233");
    p.H_FFace = QStringLiteral("Arial");
    p.H_FSize = QStringLiteral("10");
    p.H_FColor = QStringLiteral("#0000FF");
    p.HM_FFace = QStringLiteral("Arial");
    p.HM_FSize = QStringLiteral("10");
    p.HM_FColor = QStringLiteral("#00ff00");
    p.Fields = {
        {QStringLiteral("Your Comments"), QStringLiteral("Textarea"), QStringLiteral("5"), QStringLiteral("30")}};
    return p;
}

inline GuestbookProject mixedProject(const QString &path)
{
    GuestbookProject p = defaultProject(path);
    p.Project_Title = QStringLiteral("Club & news");
    p.BG_Image.clear();
    p.TBL_Width = QStringLiteral("33%");
    p.TBL_Border_Width = QStringLiteral("3");
    p.M_FFace = QStringLiteral("Tahoma");
    p.M_FSize = QStringLiteral("20");
    p.H_FColor = QStringLiteral("#333333");
    p.H_FSize = QStringLiteral("9");
    p.HM_FSize = QStringLiteral("9");
    p.Fields = {{QStringLiteral("Your Name"), QStringLiteral("Text"), QStringLiteral("30"), QString()},
                {QStringLiteral("Note"), QStringLiteral("textarea"), QStringLiteral("15"), QStringLiteral("40")},
                {QStringLiteral("Message"), QStringLiteral("Textarea"), QStringLiteral("8"), QStringLiteral("50")}};
    return p;
}

// "Café Müller" with the fields "Straße" and "Grüße in €", for windows-1252.
inline GuestbookProject westernProject(const QString &path)
{
    GuestbookProject p = defaultProject(path);
    p.Project_Title = QStringLiteral("Caf\u00e9 M\u00fcller");
    p.Fields = {{QStringLiteral("Stra\u00dfe"), QStringLiteral("Text"), QStringLiteral("40"), QString()},
                {QStringLiteral("Gr\u00fc\u00dfe in \u20ac"), QStringLiteral("Textarea"), QStringLiteral("5"),
                 QStringLiteral("30")}};
    return p;
}

// "Гостевая книга" with the fields "Имя" and "Отзыв", for windows-1251.
inline GuestbookProject cyrillicProject(const QString &path)
{
    GuestbookProject p = defaultProject(path);
    p.Project_Title = QStringLiteral("\u0413\u043e\u0441\u0442\u0435\u0432\u0430\u044f \u043a\u043d\u0438\u0433\u0430");
    p.Fields = {{QStringLiteral("\u0418\u043c\u044f"), QStringLiteral("Text"), QStringLiteral("40"), QString()},
                {QStringLiteral("\u041e\u0442\u0437\u044b\u0432"), QStringLiteral("Textarea"), QStringLiteral("10"),
                 QStringLiteral("39")}};
    return p;
}
