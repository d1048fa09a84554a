// The field dialog and the field list's menu, driven by their controls' names.

#include "dialogtestsupport.h"

namespace {
const QString kInvalidName = QStringLiteral("! Ok: Error: Invalid field name");
const QString kDuplicate =
    QStringLiteral("! Ok: Error: Field name already present\r\n\r\nTo prevent problems, field names must be unique.");
// Names that differ only in capitals, or in a space against an underscore, would share one settings key.
const QString kClash = QStringLiteral("! Ok: Error: Field name too close to another field\r\n\r\n"
                                      "Field names must differ in more than capital letters, spaces and underscores.");

QList<GuestbookField> fieldsOf(const Rows &rows)
{
    QList<GuestbookField> fields;
    for (const QStringList &row : rows)
        fields.append({row.at(0), row.at(1), row.at(2), row.at(3)});
    return fields;
}

Rows rowsOf(const QList<GuestbookField> &fields)
{
    Rows rows;
    for (const GuestbookField &field : fields)
        rows.append({field.FieldName, field.FieldType, field.Rows, field.Cols});
    return rows;
}

// A shown field dialog on a list of rows, editing the given row or adding a field.
struct FieldDialog {
    explicit FieldDialog(const Rows &rows, int editRow = -1)
        : given(rows)
        , dialog(std::make_unique<frmAddField>(fieldsOf(rows), editRow, &owner))
    {
        dialog->show();
    }
    QLineEdit *name() const { return control<QLineEdit>(dialog.get(), "txtfldName"); }
    QComboBox *combo(const char *which) const { return control<QComboBox>(dialog.get(), which); }
    // The list the dialog gives back (as given unless accepted).
    Rows rows() const { return rowsOf(dialog->fields()); }

    QWidget owner;
    Rows given;
    std::unique_ptr<frmAddField> dialog;
};

// The window side of the field menu: a list of rows and a selected one.
struct MenuHost {
    FieldMenuCommands commands()
    {
        return {[this] { return selected; }, [] {}, [this](int row) { rows.removeAt(row); },
                [this](int row) { editsAsked << row; }};
    }
    Rows rows;
    int selected = -1;
    QList<int> editsAsked;
};
}  // namespace

class FieldEditingTest : public QObject
{
    Q_OBJECT

private slots:
    void nameFilter_data()
    {
        QTest::addColumn<QString>("typed");  // ^: the Home key
        QTest::addColumn<QString>("kept");
        addRow("the eight characters", "x/\\&?><+-y", "xy");
        addRow("quote, comma, equals", "Your \"name\", age=3", "Your name age3");
        addRow("others stay", "Full_name 2 (opt.)!", "Full_name 2 (opt.)!");
        addRow("typing at the start continues at the end", "ab^xy", "xaby");
    }

    void nameFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        FieldDialog field({});
        for (const QChar c : typed) {
            if (c == '^')
                QTest::keyClick(field.name(), Qt::Key_Home);
            else
                QTest::keyClicks(field.name(), QString(c));
        }
        QCOMPARE(field.name()->text(), kept);
        QCOMPARE(field.name()->cursorPosition(), kept.size());
    }

    void okChecks_data()
    {
        QTest::addColumn<int>("editRow");  // -1: add
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sizes");  // kind/rows/columns typed; empty: as the dialog shows them
        QTest::addColumn<QString>("message");
        QTest::addColumn<Rows>("after");
        const Rows start = {{"Name", "Text", "40", ""}, {"Homepage", "Text", "40", ""}};
        const auto added = [&start](const QStringList &field) { return start + Rows{field}; };
        addRow("empty name", -1, "", "", kInvalidName, start);
        addRow("one character", -1, "N", "", kInvalidName, start);
        addRow("two spaces", -1, "  ", "", QString(), added({"  ", "Text", "10", ""}));
        addRow("add listed name", -1, "Name", "", kDuplicate, start);
        addRow("add lower-case of listed", -1, "name", "", kClash, start);
        addRow("edit unchanged", 0, "Name", "", QString(), start);
        addRow("edit to other listed", 0, "Homepage", "", kDuplicate, start);
        addRow("edit to capitals of itself", 0, "NAME", "", QString(), Rows{{"NAME", "Text", "40", ""}, start[1]});
        addRow("Textarea stores columns", -1, "Field", "Textarea/10/40", QString(),
               added({"Field", "Textarea", "10", "40"}));
        addRow("lower-case text keeps hidden columns", -1, "Field", "text/10/40", QString(),
               added({"Field", "text", "10", "40"}));
        addRow("euro and accent in the page code page", -1, QStringLiteral("\u20ac \u00e9"), "", QString(),
               added({QStringLiteral("\u20ac \u00e9"), "Text", "10", ""}));
        addRow("Cyrillic outside the page code page", -1, QStringLiteral("\u0436\u0436"), "", kInvalidName, start);
        addRow("size as typed", -1, "Field", "Text/wide/40", QString(), added({"Field", "Text", "wide", ""}));
    }

    void okChecks()
    {
        QFETCH(int, editRow);
        QFETCH(QString, name);
        QFETCH(QString, sizes);
        QFETCH(QString, message);
        QFETCH(Rows, after);
        ScriptedDesktop desktop;
        FieldDialog field({{"Name", "Text", "40", ""}, {"Homepage", "Text", "40", ""}}, editRow);
        field.name()->setText(name);
        if (!sizes.isEmpty()) {
            typeText(field.combo("Combo1")->lineEdit(), sizes.section('/', 0, 0));
            typeText(field.combo("cboCols")->lineEdit(), sizes.section('/', 2, 2));
            typeText(field.combo("cboRows")->lineEdit(), sizes.section('/', 1, 1));
        }
        field.combo("Combo1")->setFocus();
        clickNamed(field.dialog.get(), "lblOK");

        QCOMPARE(field.rows(), after);
        QCOMPARE(desktop.boxes(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(field.dialog->isVisible(), !message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(field.dialog->focusWidget(), field.name());
    }

    void layouts_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("picked");
        QTest::addColumn<bool>("multiLine");
        QTest::newRow("picked Textarea") << "Textarea" << true << true;
        QTest::newRow("typed textarea in capitals") << "TEXTAREA" << false << true;
        QTest::newRow("typed something else") << "Memo" << false << false;
    }

    void layouts()
    {
        QFETCH(QString, kind);
        QFETCH(bool, picked);
        QFETCH(bool, multiLine);
        FieldDialog field({});
        QComboBox *kindBox = field.combo("Combo1");
        // Start from the other layout, so that the change is seen.
        kindBox->setEditText(multiLine ? QStringLiteral("Text") : QStringLiteral("Textarea"));
        if (picked)
            kindBox->setCurrentIndex(kindBox->findText(kind));
        else
            typeText(kindBox->lineEdit(), kind);

        // Frame height and the four buttons' tops in pixels (twips / 15), the column
        // box and its label, the caption of the size box.
        QWidget *dialog = field.dialog.get();
        QStringList seen{QString::number(control(dialog, "Frame1")->height())};
        for (const char *name : {"lblOK", "lblCancel"})
            seen << QString::number(control(dialog, name)->y());
        seen << (control(dialog, "cboCols")->isVisible() ? "cols" : "-")
             << (control(dialog, "Label4")->isVisible() ? "Label4" : "-") << control<QLabel>(dialog, "Label3")->text();
        const QStringList expected = multiLine ? QStringList{"115", "120", "120", "cols", "Label4", "Rows:"}
                                               : QStringList{"91", "96", "96", "-", "-", "Field size:"};
        QCOMPARE(seen, expected);
        // Re-centred after the change of height.
        const QPoint offCentre =
            dialog->frameGeometry().center() - QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1, qPrintable(QString::number(dialog->y())));
    }

    void editingEmail_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("stored");  // the second row's name afterwards
        addRow("OK", "lblOK", "Email");
        QTest::newRow("Cancel") << QString("lblCancel") << QString("E-mail");  // Escape: see the key table
    }

    void editingEmail()
    {
        QFETCH(QString, how);
        QFETCH(QString, stored);
        ScriptedDesktop desktop;
        FieldDialog field(kDefaultFields, 1);
        QVERIFY(field.dialog->isEditing());
        QCOMPARE(field.name()->text() + ' ' + field.combo("Combo1")->currentText() + ' '
                     + field.combo("cboRows")->currentText(),
                 QStringLiteral("Email Text 40"));
        clickNamed(field.dialog.get(), how);
        QVERIFY(!field.dialog->isVisible());
        Rows expected = kDefaultFields;
        expected[1][0] = stored;
        QCOMPARE(field.rows(), expected);
    }

    void menu_data()
    {
        QTest::addColumn<Rows>("fields");
        QTest::addColumn<int>("selected");  // -1: none
        QTest::addColumn<QString>("enabled");  // Add label and picture, Delete's, Edit's
        QTest::addColumn<Rows>("afterDelete");
        const Rows three = {{"One", "Text", "1", ""}, {"Two", "Text", "2", ""}, {"Three", "Textarea", "3", "4"}};
        QTest::newRow("empty list") << Rows{} << -1 << "110000" << Rows{};
        QTest::newRow("second of three selected") << three << 1 << "111111" << Rows{three[0], three[2]};
        QTest::newRow("none selected: Edit and Delete do nothing") << three << -1 << "111111" << three;
    }

    void menu()
    {
        QFETCH(Rows, fields);
        QFETCH(int, selected);
        QFETCH(QString, enabled);
        QFETCH(Rows, afterDelete);
        QWidget owner;
        MenuHost host;
        host.rows = fields;
        host.selected = selected;
        ShowFieldMenu(&owner, fields.size(), host.commands());
        QVERIFY(shownFieldMenu() && FieldMenuShown());
        QString seen;
        for (const char *name : {"lblAddField", "imgAdd", "lblDelete", "imgDelete", "lblEdit", "imgEdit"})
            seen += control(shownFieldMenu(), name)->isEnabled() ? '1' : '0';
        QCOMPARE(seen, enabled);
        if (selected < 0 && !fields.isEmpty()) {
            // Edit with no selected field opens no dialog either.
            bool dialogOpened = false;
            actOnModal([&dialogOpened](QWidget *modal) { dialogOpened = modal != nullptr; });
            clickNamed(shownFieldMenu(), "lblEdit");
            QCoreApplication::processEvents();
            QVERIFY(!dialogOpened && host.editsAsked.isEmpty());
        }
        clickNamed(shownFieldMenu(), "lblDelete");
        QCOMPARE(host.rows, afterDelete);
        QCOMPARE(FieldMenuShown(), selected < 0);  // a delete closes the menu
        CloseFieldMenu();
        QVERIFY(!shownFieldMenu() && !FieldMenuShown());
    }

    // A row the list does not have opens the dialog to add.
    void editRowOutsideTheList()
    {
        ScriptedDesktop desktop;
        FieldDialog field(kDefaultFields, 4);
        QVERIFY(!field.dialog->isEditing());
        field.name()->setText(QStringLiteral("City"));
        clickNamed(field.dialog.get(), "lblOK");
        QCOMPARE(field.rows(), (kDefaultFields + Rows{{"City", "Text", "10", ""}}));
    }

    void menuOpenedAndClosedFromTheList()
    {
        TestProgramFolder folder;
        ScriptedDesktop desktop;
        InstallDialogs();
        frmMain window;
        window.show();
        window.DoMode(4);
        auto *list = control<QTreeWidget>(&window, "lvwFields");
        QWidget *viewport = list->viewport();

        QCursor::setPos(120, 90);
        sendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::RightButton);
        QPointer<frmMenu> menu = shownFieldMenu();
        QVERIFY(menu && menu->isVisible() && FieldMenuShown());
        QCOMPARE(menu->parentWidget(), &window);
        QCOMPARE(menu->pos(), QPoint(120, 90));

        // A second right press only moves the menu.
        QCursor::setPos(300, 200);
        sendMouse(viewport, QEvent::MouseButtonPress, QPoint(20, 20), Qt::RightButton);
        QCOMPARE(shownFieldMenu(), menu.data());
        QCOMPARE(menu->pos(), QPoint(300, 200));

        // Another button closes it; no command runs.
        sendMouse(viewport, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
        QVERIFY(!shownFieldMenu() && !FieldMenuShown());
        QTRY_VERIFY(!menu);
        QCOMPARE(rowsOf(list), kDefaultFields);
    }
};

QTEST_MAIN(FieldEditingTest)
#include "tst_fieldediting.moc"
