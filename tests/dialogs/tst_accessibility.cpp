// Every window as a screen reader sees it: each clickable control a named button
// that can be pressed, each text or combo box named by its caption, and the step
// heading announced when a step is shown.

#include "dialogtestsupport.h"

#include "chrome/labelbutton.h"

#include <QAccessible>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>

namespace {

using WindowMaker = std::function<QWidget *(QWidget *owner)>;

QWidget *mainWindowAt(int step)
{
    auto *window = new frmMain;
    window->DoMode(step);
    return window;
}

// The windows by name, each made and shown on an owner.
QWidget *makeWindow(const QString &name, QWidget *owner)
{
    if (name.startsWith("step "))
        return mainWindowAt(name.mid(5).toInt());
    if (name == "title")
        return new frmEdit(QStringLiteral("My Guestbook"), owner);
    if (name == "field")
        return new frmAddField({{"Comments", "Textarea", "10", "39"}}, 0, owner);
    if (name == "colours")
        return new frmColors(owner);
    if (name == "about")
        return new frmAbout(owner);
    if (name == "protection") {
        GuestbookProject withOwnerPage = GuestbookProject::startupDefaults();  // every control enabled
        withOwnerPage.Owner_Password = "sha256:" + QString(32, '1') + ":" + QString(64, '2');
        return new frmProtection(withOwnerPage, owner);
    }
    FieldMenuCommands none{[] { return 0; }, [] {}, [](int) {}, [](int) {}};
    if (name == "menu") {
        ShowFieldMenu(owner, 1, none);
        return shownFieldMenu();
    }
    ShowExistingProjects(
        owner, [](const QString &) {}, [] { return QString(); });
    return shownExistingProjects();
}

// One window shown for a test, with a saved project for the project browser.
struct ShownWindow {
    explicit ShownWindow(const QString &name)
    {
        SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
        window.reset(makeWindow(name, &owner));
        window->show();
    }
    TestProgramFolder folder;
    ScriptedDesktop desktop;
    QWidget owner;
    std::unique_ptr<QWidget> window;
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
    const QAccessible::Role role = checkBox ? QAccessible::CheckBox : QAccessible::Button;
    if (face->role() != role)
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
    void everyControl_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("controls");  // clickable controls and text boxes the window shows
        QTest::newRow("step 1") << "step 1" << 6;  // Back, Next, Open Existing, About, Help, Exit
        // From step 2 on, Preview as well.
        QTest::newRow("step 2") << "step 2" << 17;  // two "...", palette, border; four boxes, two lists
        QTest::newRow("step 3") << "step 3" << 19;  // three palettes, three boxes, six lists
        QTest::newRow("step 4") << "step 4" << 8;  // Add Field
        QTest::newRow("step 5") << "step 5" << 9;  // the folder link, Protection
        QTest::newRow("title dialog") << "title" << 4;
        QTest::newRow("protection dialog") << "protection" << 9;  // three check boxes, four boxes, OK, Cancel
        QTest::newRow("field dialog, multi-line") << "field" << 6;
        QTest::newRow("field menu") << "menu" << 6;
        QTest::newRow("project browser") << "browser" << 1;
        QTest::newRow("colour picker") << "colours" << 1;  // the preview cancels
        QTest::newRow("About box") << "about" << 3;  // the link, Close, the disclaimer
    }

    void everyControl()
    {
        QFETCH(QString, window);
        QFETCH(int, controls);
        const ShownWindow shown(window);
        QStringList faults;
        int checked = 0;
        for (QWidget *widget : shown.window->findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(shown.window.get()) || !(isClickable(widget) || isTextBox(widget)))
                continue;
            ++checked;
            if (const QString fault = accessibleFault(widget); !fault.isEmpty())
                faults << widget->objectName() + ": " + fault;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        QCOMPARE(checked, controls);
    }

    void names_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        addRow("About", "step 1", "imgAbout", "About");
        addRow("background colour", "step 2", "imgBGcolor", "Background colour");
        addRow("border", "step 2", "chkBorder", "Table border");
        addRow("title box", "step 2", "txtTitle", "Guestbook Title:");
        addRow("hover colour", "step 3", "imgHMColor", "Link colour under the pointer");
        addRow("face list", "step 3", "cboFont", "Font Face:");
        addRow("Add Field", "step 4", "lblNewField", "Add Field");
        addRow("Preview", "step 5", "lblPreview", "Preview");  // shown from step 2 on: see the counts above
        addRow("field name", "field", "txtfldName", "Field Name:");
        addRow("close browser", "browser", "imgExit", "Close");
    }

    void names()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        const ShownWindow shown(window);
        QWidget *widget = ::control(shown.window.get(), control);
        QVERIFY(widget);
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    }

    // Pressing a button through its accessible action clicks it.
    void pressActionClicks()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        QAccessibleInterface *next = QAccessible::queryAccessibleInterface(::control(&window, "lblNext"));
        next->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(window.CurrentMode(), 2);
    }

    // The heading names the shown step, and the step's frame carries it as its name,
    // so a screen reader says it as the focus enters the step. (The change event the
    // window sends reaches screen readers only on a platform with an accessibility
    // bus; the offscreen platform has none.)
    void stepHeadingNamesTheStep_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("heading");
        addRow("2", 2, "frStep1", "Step 2: Title, body and tables");
        addRow("5", 5, "frStep4", "Step 5: Guestbook Generation");
    }

    void stepHeadingNamesTheStep()
    {
        QFETCH(int, step);
        QFETCH(QString, frame);
        QFETCH(QString, heading);
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        frmMain window;
        window.DoMode(step);
        QCOMPARE(QAccessible::queryAccessibleInterface(::control(&window, "lblSteps"))->text(QAccessible::Name),
                 heading);
        QCOMPARE(QAccessible::queryAccessibleInterface(::control(&window, frame))->text(QAccessible::Name), heading);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
