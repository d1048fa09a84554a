#pragma once

#include "store/pagechoices.h"

#include <QList>
#include <QString>

// One field of the sign form: a row of the field list.
struct GuestbookField {
    QString FieldName;
    QString FieldType;  // "Text" or "Textarea"; whatever the field dialog's kind box held
    QString Rows;  // input size (Text) or number of rows (Textarea)
    QString Cols;  // number of columns; empty for "Text"

    bool operator==(const GuestbookField &other) const;
};

// Every design choice of one guestbook, members named after their settings keys.
// Values are the texts the user typed or picked, unparsed; TBL_Border, Spam_Guard
// and Moderate_Entries are 0 or 1.
struct GuestbookProject {
    QString Project_Title;
    QString Project_Path;
    QString BG_Image;
    QString BG_Color;
    QString TBL_Width;
    int TBL_Border = 0;
    QString TBL_Border_Width;
    QString M_FColor;
    QString M_FFace;
    QString M_FSize;
    QString H_FColor;
    QString H_FFace;
    QString H_FSize;
    QString HM_FColor;
    QString HM_FFace;
    QString HM_FSize;
    // Protection, all off in a project saved without these keys.
    int Spam_Guard = 0;
    QString Max_Entry_Length;  // most characters in one posted field; "0": no limit
    QString Entries_Per_Page;  // entries on one view page; "0": all
    QString Owner_Password;  // "sha256:<salt>:<digest>"; empty: no owner page
    int Moderate_Entries = 0;
    // Where Publish sends the guestbook; empty in a project never published. No password: it is never saved here.
    QString Publish_Protocol;  // "sftp", "ftps" or "ftp"
    QString Publish_Host;
    QString Publish_Port;  // empty: the protocol's own
    QString Publish_User;
    QString Publish_Folder;
    QString Site_Address;  // the web address of the published folder, for the links and the site check
    QList<GuestbookField> Fields;
    // The pages' look and language ("Classic"/"Modern", a code of PageLanguages()).
    // After the fields, so that a project written out member by member keeps its order.
    QString Page_Style = kClassicPageStyle;
    QString Page_Language = kDefaultPageLanguage;

    bool operator==(const GuestbookProject &other) const;

    // The project a fresh window starts with.
    static GuestbookProject startupDefaults();
    static QList<GuestbookField> defaultFields();
    // Where guestbooks go unless the user picks another folder: "<program folder>/projects/".
    static QString defaultProjectPath();
};

// The text with every space as "_": how a project title names its settings section
// and folder, and how a field name becomes a settings key and a form control name.
QString SpacesToUnderscores(QString text);

