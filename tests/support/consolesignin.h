#pragma once

#include <QByteArray>
#include <QList>

class ModalWatcher;
class ScriptedPeer;

// Plays the name server's part of a console sign-in, once the console's window is shown and its
// login answered: credentials request, the course list (the dialog answered by picking
// `pickCourse`), the communication server's address and the roster (pairs of names). Returns
// once the console has connected to `commServer`; a step that does not happen fails the test.
void ScriptConsoleSignIn(ScriptedPeer& nameServer, ScriptedPeer& commServer, ModalWatcher& boxes,
                         const QList<QByteArray>& courses, int pickCourse, const QList<QByteArray>& roster);
