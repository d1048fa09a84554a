// The protection dialog, opened from step 5, and the step's line on what is on.

#include "wizard/wizardtestsupport.h"

#include "chrome/labelbutton.h"
#include "generator/protection.h"

#include <QSpinBox>

namespace {
const QString kCurrent = "sha256:" + QString(32, 'a') + ":" + QString(64, 'b');

// The password key: "none", "kept" (as before), "new" (the salted digest of typed) or itself.
QString passwordKey(const QString &value, const QString &typed)
{
    const QByteArray salt = QByteArray::fromHex(value.section(':', 1, 1).toLatin1());
    const bool digest = salt.size() == 16 && value == OwnerPasswordValue(typed, salt);
    return value.isEmpty() ? "none" : value == kCurrent ? "kept" : digest ? "new" : value;
}
}  // namespace

class ProtectionDialogTest : public QObject
{
    Q_OBJECT

private slots:
    // Every row ticks the robot guard and chooses 500 characters and 20 entries a page.
    void choices_data()
    {
        QTest::addColumn<QString>("current");  // the password key before
        QTest::addColumn<QString>("typed");  // password|confirmation|r: remove the owner page, m: moderate
        // The message, if any; the password key, Moderate_Entries and step 5's line, "all" for
        // what every row chose.
        QTest::addColumn<QString>("expected");
        const QString held = "all, owner page, new entries held for approval";
        addRow("nothing", QString(), QString("||"), QString("none 0 all"));
        addRow("new password", QString(), QString("p\u00e4ss|p\u00e4ss|m"), "new 1 " + held);
        addRow("blank keeps", kCurrent, QString("||m"), "kept 1 " + held);
        addRow("replaced", kCurrent, QString("new|new|"), QString("new 0 all, owner page"));
        addRow("removed", kCurrent, QString("||rm"), QString("none 0 all"));
        addRow("moderation without owner page", QString(), QString("||m"), QString("none 0 all"));
        addRow("confirmation differs", QString(), QString("abc|abd|"),
               QString("! Ok: Error: The password and its confirmation differ. Please type them again | "
                       "none 0 Protection: off"));
    }

    void choices()
    {
        QFETCH(QString, current);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const QStringList parts = typed.split('|');
        const WindowFixture f;
        GuestbookProject project = f.window().readProject();
        project.Owner_Password = current;
        f.window().showProject(project);
        f.step(5);
        f.click("lblProtection", [&](QWidget *dialog) {
            control<QCheckBox>(dialog, "chkSpamGuard")->setChecked(true);
            control<QSpinBox>(dialog, "txtMaxLength")->setValue(500);
            control<QSpinBox>(dialog, "txtPerPage")->setValue(20);
            typeText(control<QLineEdit>(dialog, "txtPassword"), parts.at(0));
            typeText(control<QLineEdit>(dialog, "txtConfirm"), parts.at(1));
            control<QCheckBox>(dialog, "chkRemoveOwner")->setChecked(parts.at(2).contains('r'));
            control<QCheckBox>(dialog, "chkModerate")->setChecked(parts.at(2).contains('m'));
            control<LabelButton>(dialog, "lblOK")->click();
        });
        const GuestbookProject chosen = f.window().readProject();
        const QString line = f.find<QLabel>("lblProtectionState")->text();
        QCOMPARE(ProtectionSummary(chosen), line);  // the window's project holds what the line says
        const QString guarded = "Protection: robot guard, at most 500 characters a field, 20 entries a page";
        const QString seen = passwordKey(chosen.Owner_Password, parts.at(0)) + ' '
            + QString::number(chosen.Moderate_Entries) + ' ' + QString(line).replace(guarded, "all");
        QCOMPARE(QStringList(f.boxes() << seen).join(" | "), expected);
    }
};

QTEST_MAIN(ProtectionDialogTest)
#include "tst_protectiondialog.moc"
