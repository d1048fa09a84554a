#pragma once

#include <QDialog>

// The About box: name, version, build, author, home page, licence, disclaimer and
// a copyright line that opens the home page.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *owner);
};

// "major.minor" and the revision of a version "major.minor.revision", each as plain
// decimal ("1.02.0006" gives "1.2" and "6").
struct AboutVersion {
    QString version;
    QString build;
};
AboutVersion aboutVersion(const QString &applicationVersion);

// The notices of the About box.
namespace AboutText {
extern const QString kAuthor;
extern const QString kLicence;
extern const char *const kDisclaimer;  // as the source text of a translation
extern const QString kCopyright;
}  // namespace AboutText
