// The protection dialog, opened from step 5, and the step's line on what is on.

#include "wizard/wizardtestsupport.h"

#include "generator/protection.h"

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
    // Every row ticks the robot guard and chooses 500 characters and 20 entries a page, then
    // plays its steps in the dialog (see WindowFixture::play) and clicks OK.
    void choices_data()
    {
        QTest::addColumn<QString>("current");  // the password key before
        QTest::addColumn<QString>("steps");
        // The message, if any; the password key, Moderate_Entries and step 5's line, "all" for
        // what every row chose.
        QTest::addColumn<QString>("expected");
        const QString held = "all, owner page, new entries held for approval";
        addRow("nothing", QString(), QString(), QString("none 0 all"));
        addRow("new password", QString(), QString("txtPassword=p\u00e4ss|txtConfirm=p\u00e4ss|chkModerate"),
               "new 1 " + held);
        addRow("blank keeps", kCurrent, QString("chkModerate"), "kept 1 " + held);
        addRow("replaced", kCurrent, QString("txtPassword=new|txtConfirm=new"), QString("new 0 all, owner page"));
        addRow("removed", kCurrent, QString("chkModerate|chkRemoveOwner"), QString("none 0 all"));
        addRow("moderation, then the password taken back", QString(),
               QString("txtPassword=x|chkModerate|txtPassword=|txtConfirm="), QString("none 0 all"));
        addRow("confirmation differs", QString(), QString("txtPassword=abc|txtConfirm=abd"),
               QString("! Ok: Error: The password and its confirmation differ. Please type them again | dialog open | "
                       "none 0 Protection: off"));
    }

    void choices()
    {
        QFETCH(QString, current);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        WindowFixture f;
        GuestbookProject project = f.window().readProject();
        project.Owner_Password = current;
        f.window().showProject(project);
        QStringList seen = f.play("5|@lblProtection|chkSpamGuard|txtMaxLength=500|txtPerPage=20|" + steps
                                  + "|lblOK|@|?lblProtectionState");
        const GuestbookProject chosen = f.window().readProject();
        const QString line = seen.takeLast().mid(19);
        QCOMPARE(ProtectionSummary(chosen), line);  // the window's project holds what the line says
        const QString guarded = "Protection: robot guard, at most 500 characters a field, 20 entries a page";
        const QString typed = steps.section("txtPassword=", -1).section('|', 0, 0);
        seen << passwordKey(chosen.Owner_Password, typed) + ' ' + QString::number(chosen.Moderate_Entries) + ' '
                + QString(line).replace(guarded, "all");
        QCOMPARE(seen.join(" | "), expected);
    }
};

QTEST_MAIN(ProtectionDialogTest)
#include "tst_protectiondialog.moc"
