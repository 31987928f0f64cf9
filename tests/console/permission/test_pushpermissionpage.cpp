// The "Push Permission" page on a class of its own: the two lists, Grant and Revoke answered as
// a teacher would, the class switches, and what reaches a scripted communication server.
#include "common/core/studentlist.h"
#include "console/permission/pushpermissionpage.h"
#include "tests/support/modalwatcher.h"
#include "tests/support/pagecontrols.h"
#include "tests/support/scriptedpeer.h"
#include "tests/support/standaloneclass.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>

using namespace Brivane;
using namespace Qt::StringLiterals;
using Quillon::ssOffline;

namespace {

// Checks the box is the question with the given text and the confirmation icon, then clicks.
ModalWatcher::Answer Confirm(const QString& text, QMessageBox::StandardButton button)
{
    return [text, button](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY2(box, "expected a message box");
        QCOMPARE(box->text(), text);
        QCOMPARE(box->icon(), QMessageBox::Question);
        QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        box->button(button)->click();
    };
}

ModalWatcher::Answer Notice(const QString& text)
{
    return [text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY2(box, "expected a message box");
        QCOMPARE(box->text(), text);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        box->button(QMessageBox::Ok)->click();
    };
}

} // namespace

// Jane Doe, Mary Ann Okafor and Al Ng online, Bo Li offline; every one starts with permission
// but Al Ng. The page is shown and joined to a scripted communication server.
struct PermissionFixture
{
    StandaloneClass lesson{{"Jane", "Doe", "Mary Ann", "Okafor", "Bo", "Li", "Al", "Ng"}};
    ScriptedPeer server;
    ModalWatcher boxes;
    QWidget window;
    TPushPermissionPage page{lesson, &window};

    PermissionFixture()
    {
        for (int i = 0; i < lesson.Roster().Count(); ++i) {
            Quillon::TStudent& student = *lesson.Roster().Items(i);
            student.FPushPermission = student.FFirstName != "Al";
            student.SetStatus(student.FFirstName == "Bo" ? ssOffline : Quillon::ssHappy);
        }
        lesson.ConnectTo(server);
        window.resize(784, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        click("BitBtn2");
    }
    template <typename T = QWidget> T* control(const char* name) const { return FindControl<T>(page, name); }
    QListWidget* left() const { return control<QListWidget>("ListBox_online"); }
    QListWidget* right() const { return control<QListWidget>("ListBox_Push"); }
    void click(const char* name) const { QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton); }
    void clickAndAnswer(const char* name) const
    {
        click(name);
        QTRY_COMPARE(boxes.Pending(), 0);
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }
    Quillon::TStudent& student(int position) { return *lesson.Roster().Items(position); }
    // Ends with a switch click, so every line written before it has arrived when it has.
    QList<QByteArray> linesSentThenSwitch()
    {
        const int before = int(server.ReceivedLines().size());
        click("cbxDisablePrivate");
        if (!server.WaitForLines(before + 1))
            return {"(no switch line)"};
        QList<QByteArray> lines = server.ReceivedLines();
        lines.removeLast();
        return lines;
    }
};

class TestPushPermissionPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controls_asTheTeacherFindsThem()
    {
        PermissionFixture f;
        QCOMPARE(f.control<QGroupBox>("GroupBox_Push")->title(), u"Push Permission Management"_s);
        QCOMPARE(f.control<QLabel>("Label_hint")->text(), u"Grant/Revoke push permission to Student:"_s);
        QCOMPARE(
            f.control<QLabel>("Label3")->text(),
            u"Note: The left list is all the students. The right list is students who has push permission"_s);
        QCOMPARE(f.control<QAbstractButton>("SpeedButton1")->text(), u"Grant"_s);
        QCOMPARE(f.control<QAbstractButton>("SpeedButton4")->text(), u"Revoke"_s);
        QCOMPARE(f.control<QAbstractButton>("BitBtn2")->text(), u"Refresh"_s);
        QCOMPARE(f.control<QCheckBox>("cbxOnlyTeacher")->text(), u"Only Push to Teacher"_s);
        QCOMPARE(f.control<QCheckBox>("cbxDisablePrivate")->text(), u"Disable Private Talking"_s);
        QVERIFY(!f.control<QCheckBox>("cbxOnlyTeacher")->isChecked());
        QVERIFY(!f.control<QCheckBox>("cbxDisablePrivate")->isChecked());
    }

    void refresh_onlineLeft_withPermissionRight_inRosterOrder()
    {
        PermissionFixture f;
        QCOMPARE(ListItems(f.left()), (QStringList{u"Jane Doe"_s, u"Mary Ann Okafor"_s, u"Al Ng"_s}));
        QCOMPARE(ListItems(f.right()), (QStringList{u"Jane Doe"_s, u"Mary Ann Okafor"_s}));
    }

    // The student's names hold a blank, so a lookup by the listed text would find no one.
    void revokeThenGrant_blankInFirstName_sendsCode5Each()
    {
        PermissionFixture f;
        f.right()->setCurrentRow(1);
        f.boxes.Then(Confirm(u"You want to revoke Push Permission of Mary Ann Okafor?"_s, QMessageBox::Yes));
        f.clickAndAnswer("SpeedButton4");
        QCOMPARE(ListItems(f.right()), (QStringList{u"Jane Doe"_s}));
        QVERIFY(!f.student(1).FPushPermission);

        f.left()->setCurrentRow(1);
        f.boxes.Then(Confirm(u"You want to grant Push Permission to Mary Ann Okafor?"_s, QMessageBox::Yes));
        f.clickAndAnswer("SpeedButton1");
        QCOMPARE(ListItems(f.right()), (QStringList{u"Jane Doe"_s, u"Mary Ann Okafor"_s}));
        QVERIFY(f.student(1).FPushPermission);

        QCOMPARE(f.linesSentThenSwitch(), (QList<QByteArray>{Packet({"5", "Mary Ann", "Okafor", "0"}),
                                                             Packet({"5", "Mary Ann", "Okafor", "-1"})}));
    }

    void grant_alreadyListed_asksThenNotices_sendsNothing()
    {
        PermissionFixture f;
        f.left()->setCurrentRow(0);
        f.boxes.Then(Confirm(u"You want to grant Push Permission to Jane Doe?"_s, QMessageBox::Yes));
        f.boxes.Then(Notice(u"Jane Doe already has push permission!"_s));
        f.clickAndAnswer("SpeedButton1");
        QCOMPARE(ListItems(f.right()), (QStringList{u"Jane Doe"_s, u"Mary Ann Okafor"_s}));
        QCOMPARE(f.linesSentThenSwitch(), QList<QByteArray>());
    }

    void grantOrRevoke_noSelectionOrNo_changesNothing_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("row"); // selected in the button's list; -1 none
        QTest::addColumn<QString>("box");
        QTest::newRow("grant without selection")
            << QByteArray("SpeedButton1") << -1
            << u"Please select the name of the student from the left list at first!"_s;
        QTest::newRow("revoke without selection")
            << QByteArray("SpeedButton4") << -1
            << u"Please select the name of the student from the right list at first!"_s;
        QTest::newRow("grant answered No")
            << QByteArray("SpeedButton1") << 2 << u"You want to grant Push Permission to Al Ng?"_s;
        QTest::newRow("revoke answered No")
            << QByteArray("SpeedButton4") << 0 << u"You want to revoke Push Permission of Jane Doe?"_s;
    }

    void grantOrRevoke_noSelectionOrNo_changesNothing()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, row);
        QFETCH(QString, box);
        PermissionFixture f;
        const bool grant = button == "SpeedButton1";
        if (row >= 0) {
            (grant ? f.left() : f.right())->setCurrentRow(row);
            f.boxes.Then(Confirm(box, QMessageBox::No));
        } else {
            f.boxes.Then(Notice(box));
        }
        f.clickAndAnswer(button.constData());
        QCOMPARE(f.boxes.SeenTexts(), QStringList{box});
        QCOMPARE(ListItems(f.right()), (QStringList{u"Jane Doe"_s, u"Mary Ann Okafor"_s}));
        QCOMPARE(f.linesSentThenSwitch(), QList<QByteArray>());
    }

    void revoke_notUndoneByRefresh()
    {
        PermissionFixture f;
        f.right()->setCurrentRow(0);
        f.boxes.Then(ModalWatcher::ClickBox(QMessageBox::Yes));
        f.clickAndAnswer("SpeedButton4");
        f.click("BitBtn2");
        QCOMPARE(ListItems(f.left()), (QStringList{u"Jane Doe"_s, u"Mary Ann Okafor"_s, u"Al Ng"_s}));
        QCOMPARE(ListItems(f.right()), (QStringList{u"Mary Ann Okafor"_s}));
        QCOMPARE(f.linesSentThenSwitch(), QList<QByteArray>{Packet({"5", "Jane", "Doe", "0"})});
    }

    void offlineStudent_leavesRightListOnly_backAfterRefreshOnline()
    {
        PermissionFixture f;
        f.page.RemoveFromPushList(f.student(1)); // still online: stays
        QCOMPARE(ListItems(f.right()), (QStringList{u"Jane Doe"_s, u"Mary Ann Okafor"_s}));

        f.student(0).SetStatus(ssOffline);
        f.page.RemoveFromPushList(f.student(0));
        QCOMPARE(ListItems(f.left()), (QStringList{u"Jane Doe"_s, u"Mary Ann Okafor"_s, u"Al Ng"_s}));
        QCOMPARE(ListItems(f.right()), (QStringList{u"Mary Ann Okafor"_s}));
        QVERIFY(f.student(0).FPushPermission);

        f.student(0).SetStatus(Quillon::ssSad);
        f.click("BitBtn2");
        QCOMPARE(ListItems(f.right()), (QStringList{u"Jane Doe"_s, u"Mary Ann Okafor"_s}));
    }

    // The communication loop runs while the question is open; a student above the selected one
    // going offline shifts the rows, and the one asked about is still the one revoked.
    void revoke_rowsShiftWhileAsking_revokesTheStudentAskedAbout()
    {
        PermissionFixture f;
        f.right()->setCurrentRow(1);
        f.boxes.Then(ModalWatcher::ClickBoxWhen(
            [&f] {
                f.student(0).SetStatus(ssOffline);
                f.page.RemoveFromPushList(f.student(0));
                return true;
            },
            QMessageBox::Yes));
        f.clickAndAnswer("SpeedButton4");
        QCOMPARE(f.boxes.SeenTexts(),
                 QStringList{u"You want to revoke Push Permission of Mary Ann Okafor?"_s});
        QCOMPARE(ListItems(f.right()), QStringList());
        QVERIFY(f.student(0).FPushPermission);
        QVERIFY(!f.student(1).FPushPermission);
        QCOMPARE(f.linesSentThenSwitch(), QList<QByteArray>{Packet({"5", "Mary Ann", "Okafor", "0"})});
    }

    void switches_eachClickOneLineWithTheNewState()
    {
        PermissionFixture f;
        f.click("cbxOnlyTeacher");
        f.click("cbxOnlyTeacher");
        f.click("cbxDisablePrivate");
        QVERIFY(f.server.WaitForLines(3));
        QCOMPARE(f.server.ReceivedLines(),
                 (QList<QByteArray>{Packet({"14", "-1"}), Packet({"14", "0"}), Packet({"15", "-1"})}));
        QVERIFY(!f.control<QCheckBox>("cbxOnlyTeacher")->isChecked());
        QVERIFY(f.control<QCheckBox>("cbxDisablePrivate")->isChecked());
    }
};

QTEST_MAIN(TestPushPermissionPage)
#include "test_pushpermissionpage.moc"
