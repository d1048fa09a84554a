#pragma once

// Shared by the window and dialog tests: controls by name, mouse and key input, a
// scripted desktop in place of message boxes and the opener, and one fixture that
// starts the program in a folder of its own.

#include "support/testfolder.h"

#include "app/installdialogs.h"
#include "chrome/desktopactions.h"
#include "chrome/messageprompt.h"
#include "dialogs/frmabout.h"
#include "dialogs/frmaddfield.h"
#include "dialogs/frmcolors.h"
#include "dialogs/frmedit.h"
#include "dialogs/frmexisting.h"
#include "dialogs/frmmenu.h"
#include "dialogs/frmprotection.h"
#include "store/projectstore.h"
#include "store/settingsfile.h"
#include "wizard/dialogseams.h"
#include "wizard/folderbrowser.h"
#include "wizard/frmmain.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(GuestbookProject)

// Adds a row of test data: its name, then the values in the order of the columns.
template <typename... Values>
void addRow(const char *name, const Values &...values)
{
    (QTest::newRow(name) << ... << values);
}

// Finds a control by its name; warns when it is missing (the test then fails on it).
template <typename T = QWidget>
T *control(const QObject *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qWarning("control %s not found", qPrintable(name));
    return found;
}

// Answers every message box with the next queued answer (No once they run out),
// keeps what was shown and what the desktop was asked to open. Restores the real
// boxes, opener, folder chooser and dialogs afterwards.
class ScriptedDesktop
{
public:
    ScriptedDesktop()
    {
        MessagePrompt::setHandlerForTesting([this](const MessagePrompt::Shown &box) {
            shown.append(box);
            if (onMessage)
                onMessage(box);
            return answers.isEmpty() ? MessagePrompt::Answer::No : answers.takeFirst();
        });
        DesktopActions::setOpenerForTesting([this](const QString &target) { return opened.append(target), true; });
    }
    ~ScriptedDesktop()
    {
        MessagePrompt::setHandlerForTesting({});
        DesktopActions::setOpenerForTesting({});
        setFolderChooserForTesting({});
        mainWindowDialogs() = MainWindowDialogs();
    }

    // Each box as "<icon> <buttons>: <text>", the icon as i, ! or ?, the buttons as
    // Ok, YesNo or YesNoCancel.
    QStringList boxes() const
    {
        static const char *const buttonNames[] = {"Ok", "YesNo", "YesNoCancel"};
        QStringList result;
        for (const MessagePrompt::Shown &box : shown)
            result << QString("i!?"[int(box.icon)]) + ' ' + buttonNames[int(box.buttons)] + ": " + box.text;
        return result;
    }

    QList<MessagePrompt::Answer> answers;
    QStringList opened;
    QList<MessagePrompt::Shown> shown;
    std::function<void(const MessagePrompt::Shown &)> onMessage;
};

inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton,
                      Qt::MouseButtons held = Qt::NoButton)
{
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        held |= button;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A left click in the middle of the named control, as press and release.
inline void clickNamed(QWidget *parent, const QString &name)
{
    QWidget *target = control(parent, name);
    QVERIFY(target);
    sendMouse(target, QEvent::MouseButtonPress, target->rect().center(), Qt::LeftButton);
    sendMouse(target, QEvent::MouseButtonRelease, target->rect().center(), Qt::LeftButton);
}

// Runs act on the modal window once it is shown (by an exec() that the test is
// about to cause); closes the window afterwards should act leave it open, so that
// no test can hang.
inline void actOnModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        act(modal);
        if (modal && modal->isVisible())
            modal->close();
    });
}

// Types the text as keys would, one character at a time (QTest's key clicks take ASCII only).
inline void typeText(QLineEdit *box, const QString &text)
{
    box->clear();
    for (const QChar c : text)
        box->insert(QString(c));
}

inline QWidget *keyTarget(QWidget *window)
{
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused->window() == window->window())
        return focused;
    return window->focusWidget() ? window->focusWidget() : window;
}

// Presses keys, each to the widget that has the focus at that moment: T Tab, S
// Shift+Tab, E Enter, X Escape, _ Space, U D L R the arrows, H Home, $ End, M the Menu
// key, F Shift+F10, ^ Alt+Up, v Alt+Down. Text goes in with typeKeys.
inline void pressKeys(QWidget *window, const QString &keys)
{
    const QString letters = "TSEX_UDLRHMF$^v";
    static const Qt::Key named[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space,
                                    Qt::Key_Up,   Qt::Key_Down,    Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Home,
                                    Qt::Key_Menu, Qt::Key_F10,     Qt::Key_End,    Qt::Key_Up,     Qt::Key_Down};
    for (const QChar c : keys) {
        QVERIFY2(letters.contains(c), "unknown key letter");
        const Qt::KeyboardModifiers shift = c == 'S' || c == 'F' ? Qt::ShiftModifier
                                          : c == '^' || c == 'v' ? Qt::AltModifier
                                                                 : Qt::NoModifier;
        QTest::keyClick(keyTarget(window), named[letters.indexOf(c)], shift);
    }
}

inline void typeKeys(QWidget *window, const QString &text) { QTest::keyClicks(keyTarget(window), text); }
inline QString focusedName(QWidget *window) { return keyTarget(window)->objectName(); }

inline void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

using Rows = QList<QStringList>;

// The program started in a program folder of its own, with the real dialogs and a
// scripted desktop: a settings file written first (if given) or projects saved under
// the given titles, then the main window, shown.
class WindowFixture
{
public:
    explicit WindowFixture(const QByteArray &settings = {}, bool show = true, const QStringList &saved = {})
    {
        if (!settings.isEmpty())
            writeBytes(folder.file("Quillset.ini"), settings);
        for (const QString &title : saved)
            SaveProject(title, GuestbookProject::startupDefaults());
        InstallDialogs();
        main = std::make_unique<frmMain>();
        if (show)
            main->show();
    }

    frmMain &window() const { return *main; }
    template <typename T = QWidget>
    T *find(const QString &name) const { return control<T>(main.get(), name); }
    void step(int number) const { main->DoMode(number); }
    // Clicks "Next >>" for each N and "<< Back" for each B; calls DoMode for a digit.
    void walk(const QString &clicks) const
    {
        for (const QChar c : clicks)
            c.isDigit() ? main->DoMode(c.digitValue()) : clickNamed(main.get(), c == 'N' ? "lblNext" : "lblBack");
    }
    // Clicks a control of the window; dialog, when given, acts on the modal window it opens.
    void click(const QString &name, std::function<void(QWidget *)> dialog = {}) const
    {
        if (dialog)
            actOnModal(std::move(dialog));
        clickNamed(main.get(), name);
    }
    void setFields(const QList<GuestbookField> &fields) const
    {
        GuestbookProject project = main->readProject();
        project.Fields = fields;
        main->showProject(project);
    }
    QStringList boxes() const { return desktop.boxes(); }

    // Plays a script of steps separated by "|" and returns what came of it, a line each,
    // the program folder written "~" (in the script too):
    //   N, B, digits       as walk;  yes, no, cancel: the answer to the next message box (shown as in boxes())
    //   chooser=folder     the folder chooser's answer; asked, it adds "chooser <prompt> at <folder it opens at>"
    //   picker=BBGGRR      the colour picker's answer (else cancelled); asked, it adds "picker"
    //   nofields           empties the field list;  read-only: makes the settings file read-only
    //   open=title         saves the design under that title and opens it as Open Existing does
    //   close              asks the window to close;  the project browser, asked, adds "browser"
    //   file=path          writes a file there;  program=folder: moves the program's folder there
    //   name=text          types into that line edit, combo or spin box;  Section/Key=value: stores a key
    //   minimise           minimises the window
    //   keys=letters       presses those keys (as pressKeys);  focus=name: gives that control the focus
    //   ?name              adds "name=" the control's text (a list: its first column), the stored key
    //                      (?Section/Key), the files of the folder (?~/folder) or the names of a page's
    //                      form controls (?~/folder/page)
    //   ?+name             adds "+name=shown" (", cut": a label too low for its text) or "+name=hidden"
    //   ?focus             adds "focus=" the control with the focus;  ?minimised: yes or no
    //   @name ... @        clicks that control; the steps up to the lone "@" act on the dialog it
    //                      opens, which adds "dialog open" if they leave it open
    //   anything else      clicks the control of that name (a check box: toggles it)
    // Last come the targets the desktop was asked to open, each as "opened <target>".
    QStringList play(const QString &script)
    {
        setFolderChooserForTesting([this](QWidget *, const QString &prompt, const QString &openAt) {
            m_seen << "chooser " + prompt + " at " + openAt;
            return m_folderAnswer;
        });
        mainWindowDialogs().pickColor = [this](QWidget &, const QString &) {
            m_seen << "picker";
            return m_colourAnswer;
        };
        mainWindowDialogs().showExistingProjects = [this](QWidget &, auto) { m_seen << "browser"; };
        desktop.onMessage = [this](const MessagePrompt::Shown &) { m_seen << desktop.boxes().last(); };
        const QStringList steps = script.split('|', Qt::SkipEmptyParts);
        for (qsizetype i = 0, end = 0; i < steps.size(); ++i) {
            if (!steps[i].startsWith('@')) {
                playStep(steps[i], main.get());
                continue;
            }
            end = steps.indexOf("@", i + 1) < 0 ? steps.size() : steps.indexOf("@", i + 1);
            click(steps[i].mid(1), [this, inDialog = steps.mid(i + 1, end - i - 1)](QWidget *dialog) {
                for (const QString &step : inDialog)
                    dialog ? playStep(step, dialog) : void(m_seen << "no dialog for " + step);
                if (dialog && dialog->isVisible())
                    m_seen << "dialog open";
            });
            i = end;
        }
        for (const QString &target : desktop.opened)
            m_seen << "opened " + target;
        return m_seen.replaceInStrings(QDir::fromNativeSeparators(folder.path()), "~");
    }

    TestProgramFolder folder;
    ScriptedDesktop desktop;
    std::unique_ptr<frmMain> main;

private:
    void playStep(const QString &step, QWidget *root)
    {
        const QString name = step.section('=', 0, 0);
        const QString value = inFolder(step.section('=', 1));
        if (step == "yes" || step == "no" || step == "cancel")
            desktop.answers << MessagePrompt::Answer(QStringList{"yes", "no", "cancel"}.indexOf(step));
        else if (step == "nofields")
            setFields({});
        else if (step == "read-only")
            QFile::setPermissions(SettingsFilePath(), QFileDevice::ReadOwner);
        else if (step == "close")
            main->close();
        else if (name == "file")
            QDir().mkpath(QFileInfo(value).path()) ? writeBytes(value, "file") : void(m_seen << "no folder: " + value);
        else if (name == "open")
            SaveProject(value, main->readProject()), main->openProject(value);
        else if (name == "program")
            ProgramFolder::setPathForTesting(value);
        else if (name == "chooser")
            m_folderAnswer = value;
        else if (name == "picker")
            m_colourAnswer = value.toInt(nullptr, 16);
        else if (name == "keys")
            pressKeys(root, value);
        else if (step == "minimise")
            root->window()->setWindowState(Qt::WindowMinimized), QCoreApplication::processEvents();
        else if (name == "focus")
            control(root, value)->setFocus(Qt::TabFocusReason);
        else if (step.startsWith('?'))
            m_seen << step.mid(1) + '=' + report(step.mid(1), root);
        else if (auto *box = root->findChild<QCheckBox *>(step))
            box->click();  // its middle may lie beside its short caption
        else if (!step.contains('='))
            QRegularExpression("^[NB0-9]+$").match(step).hasMatch() ? walk(step) : clickNamed(root, step);
        else if (name.contains('/'))
            SaveINISettings({{name.section('/', 0, 0), name.section('/', 1), value}});
        else
            control(root, name)->setProperty(textProperty(control(root, name)), value);
    }
    QString report(const QString &name, QWidget *root) const
    {
        if (name == "minimised")
            return root->window()->isMinimized() ? "yes" : "no";
        if (name == "focus")
            return root->focusWidget() ? root->focusWidget()->objectName() : QString("none");
        if (name.startsWith('~') && QFileInfo(inFolder(name)).isFile()) {
            QStringList controls;
            for (const auto &match : QRegularExpression("name=\"([^\"]*)\"").globalMatch(readBytes(inFolder(name))))
                controls << match.captured(1);
            return controls.join(' ');
        }
        if (name.startsWith('~'))
            return QDir(inFolder(name)).entryList(QDir::Files).join(' ');
        if (auto *list = root->findChild<QTreeWidget *>(name)) {
            QStringList rows;
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                rows << list->topLevelItem(row)->text(0);
            return rows.join(' ');
        }
        if (name.startsWith('+'))
            return shownOrCut(control(root, name.mid(1)), root);
        if (name.contains('/'))
            return GetINISetting(name.section('/', 0, 0), name.section('/', 1), "-");  // "-": missing
        return control(root, name)->property(textProperty(control(root, name))).toString();
    }
    // "hidden", "shown", or "shown, cut" for a wrapping label too low for its text.
    static QString shownOrCut(const QWidget *widget, const QWidget *root)
    {
        if (!widget->isVisibleTo(root))
            return "hidden";
        const auto *label = qobject_cast<const QLabel *>(widget);
        const bool cut = label && label->wordWrap() && label->heightForWidth(label->width()) > label->height();
        return cut ? "shown, cut" : "shown";
    }
    static const char *textProperty(const QWidget *box)
    {
        return box->inherits("QComboBox") ? "currentText" : box->inherits("QAbstractSpinBox") ? "value" : "text";
    }
    QString inFolder(QString text) const
    {
        return text.contains('~') ? QDir::toNativeSeparators(text.replace('~', folder.path())) : text;
    }

    QStringList m_seen;
    QString m_folderAnswer;
    int m_colourAnswer = -1;
};

// A dialog by name, made on owner: "title" (a new title typed), "field" (a multi-line
// field), "line field" (a single-line one), "colours" (or "colours <colour>" on that
// colour), "about", "menu" (two fields), "empty menu", "browser" (two saved projects);
// or the main window on "step N". What the menu and the browser pass on is added to passed.
inline QWidget *openWindow(const QString &name, QWidget &owner, QString &passed)
{
    if (name.startsWith("step ")) {
        auto *main = new frmMain;
        main->setParent(&owner, main->windowFlags());
        main->DoMode(name.mid(5).toInt());
        return main;
    }
    if (name == "title") {
        auto *dialog = new frmEdit(QStringLiteral("My Guestbook"), &owner);
        control<QLineEdit>(dialog, "txtNew")->setText(QStringLiteral("Garden Club"));
        return dialog;
    }
    if (name.endsWith("field"))
        return new frmAddField(name == "field" ? GuestbookField{"Comments", "Textarea", "10", "39"}
                                              : GuestbookField{"Name", "Text", "10", "40"},
                               {"E-mail"}, &owner);
    if (name.startsWith("colours"))
        return new frmColors(&owner, name != "colours" ? colorValue(QColor(name.mid(8)).rgb()) : -1);
    if (name == "about")
        return new frmAbout(&owner);
    if (name == "protection") {
        GuestbookProject withOwnerPage = GuestbookProject::startupDefaults();  // every control enabled
        withOwnerPage.Owner_Password = "sha256:" + QString(32, '1') + ":" + QString(64, '2');
        return new frmProtection(withOwnerPage, &owner);
    }
    if (name.endsWith("menu")) {
        ShowFieldMenu(owner, name == "menu" ? 2 : 0, QPoint(50, 60),
                      [&passed](FieldMenuCommand command) { passed += " command " + QString::number(int(command)); });
        return shownFieldMenu();
    }
    SaveProject(QStringLiteral("Garden"), GuestbookProject::startupDefaults());
    SaveProject(QStringLiteral("Club news"), GuestbookProject::startupDefaults());
    ShowExistingProjects(owner, [&passed](const QString &title) { passed += " chosen " + title; });
    return shownExistingProjects();
}
