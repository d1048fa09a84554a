#pragma once

// The three designs whose generated pages are kept as golden files: the start-up
// design, one with a border and odd values, and one with mixed field kinds.

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
