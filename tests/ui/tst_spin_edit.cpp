// The spin field's five rules, and the drop-down list's change event.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "rtl/format_settings.h"
#include "ui/vcl/drop_down_list.h"
#include "ui/vcl/spin_edit.h"

using namespace almanix;

class TestSpinEdit : public QObject {
    Q_OBJECT

    // A field of 1 to 13 with at most 2 characters, shown and focused, beside a second widget
    // that can take the focus away.
    struct Fixture {
        QWidget window;
        SpinEdit* field = new SpinEdit(1, 13, 2, &window);
        QLineEdit* other = new QLineEdit(&window);
        Fixture() {
            field->setGeometry(0, 0, 43, 24);
            other->setGeometry(0, 30, 43, 24);
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            field->setFocus();
        }
    };

private slots:
    void init() { FormatSettings = TFormatSettings{}; }

    void reading_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "12" << 12;
        QTest::newRow("signed") << "+7" << 7;
        QTest::newRow("negative, unclamped") << "-3" << -3;
        QTest::newRow("above the range, unclamped") << "99" << 99;
        QTest::newRow("empty reads the minimum") << "" << 1;
        QTest::newRow("letters read the minimum") << "a1" << 1;
        QTest::newRow("a lone sign reads the minimum") << "-" << 1;
    }
    void reading() {
        QFETCH(QString, text);
        QFETCH(int, value);
        SpinEdit field(1, 13, 2);
        field.SetText(text);
        QCOMPARE(field.Value(), value);
    }

    void writing_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("written");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("events");
        QTest::newRow("in range") << "5" << 7 << "7" << 1;
        QTest::newRow("below the minimum") << "5" << -4 << "1" << 1;
        QTest::newRow("above the maximum") << "5" << 40 << "13" << 1;
        QTest::newRow("the text already shown") << "5" << 5 << "5" << 0;
        QTest::newRow("clamped to the text already shown") << "13" << 14 << "13" << 0;
        QTest::newRow("same value, other text") << "05" << 5 << "5" << 1;
    }
    void writing() {
        QFETCH(QString, before);
        QFETCH(int, written);
        QFETCH(QString, after);
        QFETCH(int, events);
        SpinEdit field(1, 13, 2);
        field.SetText(before);
        QSignalSpy changed(&field, &SpinEdit::changed);
        field.SetValue(written);
        QCOMPARE(field.Text(), after);
        QCOMPARE(changed.count(), events);
    }

    void focusLossClampsOutOfRange_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("events");
        QTest::newRow("above") << "14" << "13" << 1;
        QTest::newRow("below") << "0" << "1" << 1;
        QTest::newRow("in range") << "9" << "9" << 0;
        QTest::newRow("empty reads in range") << "" << "" << 0;
    }
    void focusLossClampsOutOfRange() {
        QFETCH(QString, typed);
        QFETCH(QString, after);
        QFETCH(int, events);
        Fixture f;
        f.field->Editor()->clear();
        QTest::keyClicks(f.field->Editor(), typed);
        QCOMPARE(f.field->Text(), typed);  // kept as typed while focused
        QSignalSpy changed(f.field, &SpinEdit::changed);
        f.other->setFocus();
        QCOMPARE(f.field->Text(), after);
        QCOMPARE(changed.count(), events);
    }

    // A menu opening or another window taking the focus does not leave the field: a menu
    // command still reads the number as typed.
    void menuOrOtherWindowDoesNotClamp_data() {
        QTest::addColumn<int>("reason");
        QTest::newRow("menu") << int(Qt::PopupFocusReason);
        QTest::newRow("other window") << int(Qt::ActiveWindowFocusReason);
    }
    void menuOrOtherWindowDoesNotClamp() {
        QFETCH(int, reason);
        Fixture f;
        f.field->Editor()->clear();
        QTest::keyClicks(f.field->Editor(), QStringLiteral("25"));
        QFocusEvent out(QEvent::FocusOut, static_cast<Qt::FocusReason>(reason));
        QApplication::sendEvent(f.field->Editor(), &out);
        QCOMPARE(f.field->Text(), QStringLiteral("25"));
    }

    // Ctrl+letter shortcuts of the window reach it from the field, except the field's own
    // clipboard, undo and select-all keys.
    // (A line edit takes Ctrl+E as "end of line" under X11's key scheme, Ctrl+Y as "redo"
    // under the one the offscreen platform uses.)
    void windowShortcutsPassTheField_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+E") << int(Qt::Key_E);
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y);
    }
    void windowShortcutsPassTheField() {
        QFETCH(int, key);
        Fixture f;
        auto* action = new QAction(&f.window);
        action->setShortcut(QKeySequence(Qt::CTRL | key));
        f.window.addAction(action);
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keyClick(f.field->Editor(), static_cast<Qt::Key>(key), Qt::ControlModifier);
        QCOMPARE(triggered.count(), 1);
    }

    void stepping_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QString>("after");
        QTest::newRow("up") << "5" << true << "6";
        QTest::newRow("down") << "5" << false << "4";
        QTest::newRow("up stops at the maximum") << "13" << true << "13";
        QTest::newRow("down stops at the minimum") << "1" << false << "1";
        QTest::newRow("up from a typed value above the range") << "20" << true << "13";
        QTest::newRow("up from text that reads the minimum") << "x" << true << "2";
    }
    void stepping() {
        QFETCH(QString, before);
        QFETCH(bool, up);
        QFETCH(QString, after);
        // Once by button, once by arrow key.
        for (bool byKey : {false, true}) {
            Fixture f;
            f.field->SetText(before);
            if (byKey)
                QTest::keyClick(f.field->Editor(), up ? Qt::Key_Up : Qt::Key_Down);
            else
                QTest::mouseClick(up ? f.field->UpButton() : f.field->DownButton(), Qt::LeftButton);
            QCOMPARE(f.field->Text(), after);
        }
    }

    void keyFilter_data() {
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters dropped") << "." << "1a2" << "12";
        QTest::newRow("signs pass") << "." << "+-" << "+-";
        QTest::newRow("decimal point passes") << "." << "1." << "1.";
        QTest::newRow("comma locale: comma passes") << "," << "1,." << "1,";
        QTest::newRow("blank dropped") << "." << " 3" << "3";
        QTest::newRow("at most two characters") << "." << "123" << "12";
    }
    void keyFilter() {
        QFETCH(QString, decimal);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        FormatSettings.DecimalSeparator = decimal.toStdString();
        Fixture f;
        f.field->Editor()->clear();
        QTest::keyClicks(f.field->Editor(), typed);
        QCOMPARE(f.field->Text(), shown);
    }

    void enterIsDroppedControlKeysPass() {
        Fixture f;
        f.field->SetText(QStringLiteral("12"));
        QSignalSpy returned(f.field->Editor(), &QLineEdit::returnPressed);
        QTest::keyClick(f.field->Editor(), Qt::Key_Return);
        QCOMPARE(returned.count(), 0);
        QTest::keyClick(f.field->Editor(), Qt::Key_End);
        QTest::keyClick(f.field->Editor(), Qt::Key_Backspace);
        QCOMPARE(f.field->Text(), QStringLiteral("1"));
    }

    void pasteGoesInUnfiltered() {
        Fixture f;
        f.field->Editor()->clear();
        QApplication::clipboard()->setText(QStringLiteral("x9"));
        QSignalSpy changed(f.field, &SpinEdit::changed);
        QTest::keyClick(f.field->Editor(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.field->Text(), QStringLiteral("x9"));
        QCOMPARE(f.field->Value(), 1);
        QCOMPARE(changed.count(), 1);
    }

    void typingRaisesChanged() {
        Fixture f;
        f.field->Editor()->clear();
        QSignalSpy changed(f.field, &SpinEdit::changed);
        QTest::keyClicks(f.field->Editor(), QStringLiteral("14"));
        QCOMPARE(changed.count(), 2);
    }

    void dropDownListRaisesChangedOnlyForTheUser() {
        QWidget window;
        auto* list = new DropDownList({"Nisan", "Iyar", "Sivan"}, &window);
        window.show();
        QCOMPARE(list->ItemIndex(), -1);
        QCOMPARE(list->Text(), QString());
        QSignalSpy changed(list, &DropDownList::changed);
        list->SetItemIndex(1);
        QCOMPARE(list->Text(), QStringLiteral("Iyar"));
        list->SetItemIndex(7);
        QCOMPARE(list->ItemIndex(), -1);
        QCOMPARE(changed.count(), 0);
        list->SetItemIndex(0);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->ItemIndex(), 1);
        QCOMPARE(changed.count(), 1);
    }
};

QTEST_MAIN(TestSpinEdit)
#include "tst_spin_edit.moc"
