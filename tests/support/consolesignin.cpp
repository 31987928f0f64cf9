#include "tests/support/consolesignin.h"

#include "tests/support/modalwatcher.h"
#include "tests/support/scriptedpeer.h"

#include <QTest>

void ScriptConsoleSignIn(ScriptedPeer& nameServer, ScriptedPeer& commServer, ModalWatcher& boxes,
                         const QList<QByteArray>& courses, int pickCourse, const QList<QByteArray>& roster)
{
    QVERIFY(nameServer.WaitForClient());
    nameServer.SendLine(Packet({"0"}));
    QVERIFY(nameServer.WaitForLines(1));
    boxes.Then(ModalWatcher::PickCourse(pickCourse));
    nameServer.SendLine(Packet(QList<QByteArray>{"1"} + courses));
    QVERIFY(nameServer.WaitForLines(2));
    nameServer.SendLine(Packet({"2", "127.0.0.1", QByteArray::number(commServer.Port())}));
    QVERIFY(nameServer.WaitForLines(3));
    nameServer.SendLine(Packet(QList<QByteArray>{"3"} + roster));
    QVERIFY(commServer.WaitForClient());
}
