// The protection dialog, opened from step 5, and the step's line on what is on.

#include "wizard/wizardtestsupport.h"

#include "chrome/labelbutton.h"
#include "generator/protection.h"

#include <QCryptographicHash>
#include <QSpinBox>

namespace {
const QString kCurrent = "sha256:" + QString(32, 'a') + ":" + QString(64, 'b');

// The password key: "none", "kept" (as before), "new" (the salted digest of typed) or itself.
QString passwordKey(const QString &value, const QString &typed)
{
    const QStringList parts = value.split(':');
    const QByteArray salt = QByteArray::fromHex(parts.value(1).toLatin1());
    if (value.isEmpty() || value == kCurrent)
        return value.isEmpty() ? "none" : "kept";
    const bool digest = parts.size() == 3 && parts.at(0) == "sha256" && salt.size() == 16
        && parts.at(2) == QCryptographicHash::hash(salt + typed.toUtf8(), QCryptographicHash::Sha256).toHex();
    return digest ? "new" : value;
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
        // The message, if any; the password key and step 5's line, "all" for what every row chose.
        QTest::addColumn<QString>("expected");
        const QString held = "all, owner page, new entries held for approval";
        addRow("nothing", QString(), QString("||"), QString("none all"));
        addRow("new password", QString(), QString("p\u00e4ss|p\u00e4ss|m"), "new " + held);
        addRow("blank keeps", kCurrent, QString("||m"), "kept " + held);
        addRow("replaced", kCurrent, QString("new|new|"), QString("new all, owner page"));
        addRow("removed", kCurrent, QString("||rm"), QString("none all"));
        addRow("moderation without owner page", QString(), QString("||m"), QString("none all"));
        addRow("confirmation differs", QString(), QString("abc|abd|"),
               QString("! Ok: Error: The password and its confirmation differ. Please type them again | "
                       "none Protection: off"));
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
        const QString seen = passwordKey(chosen.Owner_Password, parts.at(0)) + ' '
            + QString(line).replace("Protection: robot guard, at most 500 characters a field, 20 entries a page", "all");
        QCOMPARE(QStringList(f.boxes() << seen).join(" | "), expected);
    }
};

QTEST_MAIN(ProtectionDialogTest)
#include "tst_protectiondialog.moc"
