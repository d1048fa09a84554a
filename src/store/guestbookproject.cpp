#include "store/guestbookproject.h"

#include "store/programfolder.h"

bool GuestbookField::operator==(const GuestbookField &other) const
{
    return FieldName == other.FieldName && FieldType == other.FieldType && Rows == other.Rows && Cols == other.Cols;
}

bool GuestbookProject::operator==(const GuestbookProject &o) const
{
    return Project_Title == o.Project_Title && Project_Path == o.Project_Path && BG_Image == o.BG_Image
        && BG_Color == o.BG_Color && TBL_Width == o.TBL_Width && TBL_Border == o.TBL_Border
        && TBL_Border_Width == o.TBL_Border_Width && M_FColor == o.M_FColor && M_FFace == o.M_FFace
        && M_FSize == o.M_FSize && H_FColor == o.H_FColor && H_FFace == o.H_FFace && H_FSize == o.H_FSize
        && HM_FColor == o.HM_FColor && HM_FFace == o.HM_FFace && HM_FSize == o.HM_FSize && Fields == o.Fields;
}

QString GuestbookProject::defaultProjectPath()
{
    const QString sep = ProgramFolder::separator();
    return ProgramFolder::path() + sep + QStringLiteral("projects") + sep;
}

QList<GuestbookField> GuestbookProject::defaultFields()
{
    return {
        {QStringLiteral("Name"), QStringLiteral("Text"), QStringLiteral("40"), QString()},
        {QStringLiteral("E-mail"), QStringLiteral("Text"), QStringLiteral("40"), QString()},
        {QStringLiteral("Homepage"), QStringLiteral("Text"), QStringLiteral("40"), QString()},
        {QStringLiteral("Comments"), QStringLiteral("Textarea"), QStringLiteral("10"), QStringLiteral("39")},
    };
}

GuestbookProject GuestbookProject::startupDefaults()
{
    GuestbookProject p;
    p.Project_Title = QStringLiteral("My Guestbook");
    p.Project_Path = defaultProjectPath();
    p.BG_Image = QStringLiteral("None");
    p.BG_Color = QStringLiteral("#ffffff");
    p.TBL_Width = QStringLiteral("45%");
    p.TBL_Border = 0;
    p.TBL_Border_Width = QStringLiteral("0");
    p.M_FColor = QStringLiteral("#000000");
    p.M_FFace = QStringLiteral("Verdana");
    p.M_FSize = QStringLiteral("11");
    p.H_FColor = QStringLiteral("#3333ff");
    p.H_FFace = QStringLiteral("Verdana");
    p.H_FSize = QStringLiteral("11");
    p.HM_FColor = QStringLiteral("#ff0000");
    p.HM_FFace = QStringLiteral("Verdana");
    p.HM_FSize = QStringLiteral("11");
    p.Fields = defaultFields();
    return p;
}

// The start values with two exceptions, both as projects have always loaded and
// therefore kept: a missing link colour loads as dark grey "#333333" where a new
// project starts with blue "#3333ff", and a missing background image stays empty
// where a new project shows "None" (the pages treat both as no picture).
GuestbookProject GuestbookProject::loadFallbacks()
{
    GuestbookProject p = startupDefaults();
    p.H_FColor = QStringLiteral("#333333");
    p.BG_Image = QString();
    return p;
}

bool ListItemExists(const QList<GuestbookField> &list, const QString &text, int exceptIndex)
{
    for (int i = 0; i < list.size(); ++i) {
        if (i + 1 != exceptIndex && list.at(i).FieldName == text)
            return true;
    }
    return false;
}

QString SpacesToUnderscores(QString text)
{
    return text.replace(QLatin1Char(' '), QLatin1Char('_'));
}
