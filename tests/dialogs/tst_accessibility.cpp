// Every window as a screen reader sees it: each clickable control a named button,
// check box or menu item that can be pressed (or a named picture), each text or
// combo box named by its caption, the windows in their roles with their titles.

#include "wizard/wizardtestsupport.h"

#include "chrome/labelbutton.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QPlainTextEdit>

// A combo box's own line edit is the combo box.
static bool isTextBox(QWidget *widget)
{
    return (qobject_cast<QLineEdit *>(widget) && !qobject_cast<QComboBox *>(widget->parentWidget()))
        || qobject_cast<QComboBox *>(widget) || qobject_cast<QPlainTextEdit *>(widget);
}

static bool isClickable(QWidget *widget)
{
    const auto *button = qobject_cast<LabelButton *>(widget);
    return (button && button->isButton()) || qobject_cast<QAbstractButton *>(widget);
}

// One thing a screen reader learns of the control: its name, description, role or
// whether it (a list: its current row) has the focus.
static QString accessibleFact(QWidget *widget, const QString &what)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (what == "role")
        return QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role()));
    if (what == "focused")
        return face->state().focused || face->focusChild() ? "yes" : "no";
    return face->text(what == "name" ? QAccessible::Name : QAccessible::Description);
}

// What is wrong with the control for a screen reader, after ": "; empty when nothing is.
static QString accessibleFault(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    const QString name = face ? face->text(QAccessible::Name) : QString();
    if (name.trimmed().isEmpty())
        return QStringLiteral(": no name");
    if (isTextBox(widget))
        return name == face->text(QAccessible::Value) ? QStringLiteral(": named by its value") : QString();
    const QAccessible::Role role = face->role();
    const QString action = role == QAccessible::CheckBox ? QAccessibleActionInterface::toggleAction()
                                                         : QAccessibleActionInterface::pressAction();
    const bool pressable = face->actionInterface() && face->actionInterface()->actionNames().contains(action);
    const bool control = QList{QAccessible::Button, QAccessible::CheckBox, QAccessible::MenuItem}.contains(role);
    return role == QAccessible::Graphic || (control && pressable) ? QString() : QStringLiteral(": role %1").arg(role);
}

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    // Each window's clickable controls and text boxes, and some facts in full: the step's
    // frame is named by the heading, so a screen reader says it as the focus enters.
    void everyControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("controls");  // clickable controls and text boxes the window shows
        QTest::addColumn<QStringList>("facts");  // control.name|description|role|focused=value; no control: the window
        const QString step5 = QStringLiteral("Step 5: Guestbook Generation");
        // Step 1: Back, Next, Open Existing, About, Help, Exit; from step 2 on, Preview as well.
        addRow("step 1", "step 1", 6, QStringList{"imgAbout.name=About", ".role=Window", ".name=Quillset"});
        // Step 2: two "...", palette, border, four boxes, two lists; step 3: three palettes, three boxes, six lists.
        addRow("step 2", "step 2", 17, QStringList{"txtTitle.name=Guestbook Title:"});
        addRow("step 3", "step 3", 19,
               QStringList{"imgHMColor.name=Link colour under the pointer", "txtFColor.description=Text colour",
                           "cboFont.description=Text font", "cboHMPX.description=Link font size under the pointer"});
        addRow("step 4", "step 4", 8, QStringList());  // Add Field
        addRow("step 5", "step 5", 9, QStringList{"lblSteps.name=" + step5, "frStep4.name=" + step5});
        addRow("title dialog", "title", 4, QStringList());
        addRow("protection dialog", "protection", 9, QStringList());  // three check boxes, four boxes, OK, Cancel
        addRow("field dialog, multi-line", "field", 6, QStringList{"txtfldName.name=Field Name:"});
        addRow("field menu", "menu", 6,
               QStringList{".role=PopupMenu", ".name=Menu", "lblAddField.role=MenuItem", "imgAdd.role=Graphic",
                           "imgAdd.name=Add new Field", "imgDelete.name=Delete Field", "imgEdit.name=Edit Field"});
        addRow("project browser", "browser", 1, QStringList{".role=Dialog", ".name=Load Project"});
        addRow("colour picker", "colours", 1,  // the preview cancels
               QStringList{"picPreview.role=Graphic", "picPreview.name=Colour preview", ".role=Dialog"});
        addRow("About box", "about", 3, QStringList());  // the link, Close, the disclaimer
    }

    void everyControl()
    {
        QFETCH(QString, window);
        QFETCH(int, controls);
        QFETCH(QStringList, facts);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        QWidget owner;
        QString passed;
        QWidget *shown = openWindow(window, owner, passed);
        shown->show();
        QStringList checked;  // each as its name and its fault
        for (QWidget *widget : shown->findChildren<QWidget *>())
            if (widget->isVisibleTo(shown) && (isClickable(widget) || isTextBox(widget)))
                checked << widget->objectName() + accessibleFault(widget);
        QCOMPARE(checked.filter(": "), QStringList());
        QCOMPARE(checked.size(), controls);
        for (const QString &fact : facts) {
            const QString what = fact.section('=', 0, 0);
            QWidget *widget = what.startsWith('.') ? shown : control(shown, what.section('.', 0, 0));
            QCOMPARE(widget ? what + '=' + accessibleFact(widget, what.section('.', 1)) : what + " missing", fact);
        }
        CloseFieldMenu();
    }

    // Pressing a button through its accessible action clicks it; a step left behind
    // keeps no focused control, and has its list's current row back when shown again.
    void pressActionClicks()
    {
        const WindowFixture f;
        QAccessibleActionInterface *next = QAccessible::queryAccessibleInterface(f.find("lblNext"))->actionInterface();
        next->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.window().CurrentMode(), 2);
        f.step(4);
        auto *list = f.find<QTreeWidget>("lvwFields");
        list->setCurrentItem(list->topLevelItem(1));
        QCOMPARE(accessibleFact(list, "focused"), "yes");
        f.step(5);
        QCOMPARE(accessibleFact(list, "focused"), "no");
        f.step(4);
        QCOMPARE(list->currentIndex().row(), 1);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
