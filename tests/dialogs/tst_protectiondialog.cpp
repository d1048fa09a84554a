// The protection dialog and its line on step 5.

#include "wizard/wizardtestsupport.h"

#include "chrome/labelbutton.h"

#include <QCryptographicHash>
#include <QSpinBox>

namespace {

const QString kCurrent = "sha256:" + QString(32, 'a') + ":" + QString(64, 'b');

// The password key holds the salted digest of password.
bool holdsDigestOf(const QString &value, const QString &password)
{
    const QStringList parts = value.split(':');
    const QByteArray salt = QByteArray::fromHex(parts.value(1).toLatin1());
    return parts.size() == 3 && parts.at(0) == "sha256" && salt.size() == 16
        && parts.at(2) == QCryptographicHash::hash(salt + password.toUtf8(), QCryptographicHash::Sha256).toHex();
}

}  // namespace

class ProtectionDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void choices_data()
    {
        QTest::addColumn<QString>("current");  // the password key before
        QTest::addColumn<QStringList>("typed");  // password, confirmation
        QTest::addColumn<bool>("remove");
        QTest::addColumn<bool>("moderate");
        QTest::addColumn<QString>("password");  // "kept", "new", "none", or "refused"
        QTest::addColumn<int>("held");
        addRow("nothing", QString(), QStringList{"", ""}, false, false, "none", 0);
        addRow("new password", QString(), QStringList{"p\u00e4ss", "p\u00e4ss"}, false, true, "new", 1);
        addRow("confirmation differs", QString(), QStringList{"abc", "abd"}, false, false, "refused", 0);
        addRow("blank keeps", kCurrent, QStringList{"", ""}, false, true, "kept", 1);
        addRow("replaced", kCurrent, QStringList{"new", "new"}, false, false, "new", 0);
        addRow("removed", kCurrent, QStringList{"", ""}, true, true, "none", 0);
        addRow("moderation without owner page", QString(), QStringList{"", ""}, false, true, "none", 0);
    }
    void choices()
    {
        QFETCH(QString, current);
        QFETCH(QStringList, typed);
        QFETCH(bool, remove);
        QFETCH(bool, moderate);
        QFETCH(QString, password);
        QFETCH(int, held);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        GuestbookProject project = GuestbookProject::startupDefaults();
        project.Owner_Password = current;
        frmProtection dialog(project, nullptr);
        control<QCheckBox>(&dialog, "chkSpamGuard")->setChecked(true);
        control<QSpinBox>(&dialog, "txtMaxLength")->setValue(500);
        control<QSpinBox>(&dialog, "txtPerPage")->setValue(20);
        typeText(control<QLineEdit>(&dialog, "txtPassword"), typed.at(0));
        typeText(control<QLineEdit>(&dialog, "txtConfirm"), typed.at(1));
        control<QCheckBox>(&dialog, "chkRemoveOwner")->setChecked(remove);
        control<QCheckBox>(&dialog, "chkModerate")->setChecked(moderate);
        control<LabelButton>(&dialog, "lblOK")->click();

        QCOMPARE(dialog.result() == QDialog::Accepted, password != "refused");
        if (password == "refused") {
            QCOMPARE(desktop.boxes(),
                     QStringList{"! Ok: Error: The password and its confirmation differ. Please type them again"});
            return;
        }
        const GuestbookProject chosen = dialog.project();
        QCOMPARE(chosen.Spam_Guard, 1);
        QCOMPARE(chosen.Max_Entry_Length, QStringLiteral("500"));
        QCOMPARE(chosen.Entries_Per_Page, QStringLiteral("20"));
        if (password == "new")
            QVERIFY(holdsDigestOf(chosen.Owner_Password, typed.at(0)));
        else
            QCOMPARE(chosen.Owner_Password, password == "kept" ? current : QString());
        QCOMPARE(chosen.Moderate_Entries, held);
    }

    // Step 5 says what is on, and the window's project takes what the dialog gave.
    void stepLine()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        window.DoMode(5);
        QLabel *line = control<QLabel>(&window, "lblProtectionState");
        QCOMPARE(line->text(), QStringLiteral("Protection: off"));
        mainWindowDialogs().editProtection = [](QWidget &, const GuestbookProject &p) {
            GuestbookProject chosen = p;
            chosen.Spam_Guard = 1;
            chosen.Entries_Per_Page = "20";
            chosen.Owner_Password = kCurrent;
            chosen.Moderate_Entries = 1;
            return std::optional<GuestbookProject>(chosen);
        };
        control<LabelButton>(&window, "lblProtection")->click();
        QCOMPARE(line->text(),
                 QStringLiteral("Protection: robot guard, 20 entries a page, owner page, new entries held for approval"));
        QCOMPARE(window.readProject().Owner_Password, kCurrent);
        QCOMPARE(window.readProject().Moderate_Entries, 1);
    }
};

QTEST_MAIN(ProtectionDialogTest)
#include "tst_protectiondialog.moc"
