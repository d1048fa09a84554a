// Every window as a screen reader sees it: each clickable control a named button
// that can be pressed, each text or combo box named by its caption, and the step
// heading announced when a step is shown.

#include "wizard/wizardtestsupport.h"

#include "chrome/labelbutton.h"

#include <QAccessible>
#include <QPlainTextEdit>

namespace {

// One window shown for a test: a step of the main window or a dialog.
struct ShownWindow {
    explicit ShownWindow(const QString &name)
    {
        if (name.startsWith("step ")) {
            main.reset(new frmMain);
            main->DoMode(name.mid(5).toInt());
            window = main.get();
        } else {
            window = openWindow(name, owner, passed);
        }
        window->show();
    }
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    QWidget owner;
    QString passed;
    std::unique_ptr<frmMain> main;
    QWidget *window = nullptr;
};

bool isClickable(QWidget *widget)
{
    const auto *button = qobject_cast<LabelButton *>(widget);
    return (button && button->isButton()) || qobject_cast<QAbstractButton *>(widget);
}

bool isTextBox(QWidget *widget)
{
    const bool ownLineEdit = qobject_cast<QLineEdit *>(widget) && !qobject_cast<QComboBox *>(widget->parentWidget());
    return ownLineEdit || qobject_cast<QComboBox *>(widget) || qobject_cast<QPlainTextEdit *>(widget);
}

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// What is wrong with the control for a screen reader; empty when nothing is.
QString accessibleFault(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return QStringLiteral("no interface");
    const QString name = face->text(QAccessible::Name);
    if (name.trimmed().isEmpty())
        return QStringLiteral("no name");
    if (isTextBox(widget))
        return name == face->text(QAccessible::Value) ? QStringLiteral("named by its value") : QString();
    const bool checkBox = qobject_cast<QCheckBox *>(widget);
    if (face->role() != (checkBox ? QAccessible::CheckBox : QAccessible::Button))
        return QStringLiteral("role %1").arg(int(face->role()));
    const QAccessibleActionInterface *actions = face->actionInterface();
    const QString action =
        checkBox ? QAccessibleActionInterface::toggleAction() : QAccessibleActionInterface::pressAction();
    if (!actions || !actions->actionNames().contains(action))
        return QStringLiteral("no press action");
    return QString();
}

}  // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    // Each window's clickable controls and text boxes, and some names in full: the
    // heading names the shown step, and the step's frame carries it as its name, so
    // a screen reader says it as the focus enters the step.
    void everyControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("controls");  // clickable controls and text boxes the window shows
        QTest::addColumn<QStringList>("names");  // control=name
        const QString step5 = QStringLiteral("Step 5: Guestbook Generation");
        // Step 1: Back, Next, Open Existing, About, Help, Exit; from step 2 on, Preview as well.
        addRow("step 1", "step 1", 6, QStringList{"imgAbout=About"});
        // Step 2: two "...", palette, border, four boxes, two lists; step 3: three palettes, three boxes, six lists.
        addRow("step 2", "step 2", 17, QStringList{"txtTitle=Guestbook Title:"});
        addRow("step 3", "step 3", 19, QStringList{"imgHMColor=Link colour under the pointer"});
        addRow("step 4", "step 4", 8, QStringList());  // Add Field
        addRow("step 5", "step 5", 9, QStringList{"lblSteps=" + step5, "frStep4=" + step5});  // the folder link, Protection
        addRow("title dialog", "title", 4, QStringList());
        addRow("protection dialog", "protection", 9, QStringList());  // three check boxes, four boxes, OK, Cancel
        addRow("field dialog, multi-line", "field", 6, QStringList{"txtfldName=Field Name:"});
        addRow("field menu", "menu", 6, QStringList());
        addRow("project browser", "browser", 1, QStringList());
        addRow("colour picker", "colours", 1, QStringList());  // the preview cancels
        addRow("About box", "about", 3, QStringList());  // the link, Close, the disclaimer
    }

    void everyControl()
    {
        QFETCH(QString, window);
        QFETCH(int, controls);
        QFETCH(QStringList, names);
        const ShownWindow shown(window);
        QStringList faults;
        int checked = 0;
        for (QWidget *widget : shown.window->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(shown.window) || !(isClickable(widget) || isTextBox(widget)))
                continue;
            ++checked;
            if (const QString fault = accessibleFault(widget); !fault.isEmpty())
                faults << widget->objectName() + ": " + fault;
        }
        QCOMPARE(faults, QStringList());
        QCOMPARE(checked, controls);
        for (const QString &named : names) {
            QWidget *widget = control(shown.window, named.section('=', 0, 0));
            QVERIFY(widget);
            QCOMPARE(accessibleName(widget), named.section('=', 1));
        }
        CloseFieldMenu();
    }

    // Pressing a button through its accessible action clicks it.
    void pressActionClicks()
    {
        const WindowFixture f;
        QAccessible::queryAccessibleInterface(f.find("lblNext"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(f.window().CurrentMode(), 2);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
