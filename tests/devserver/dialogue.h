#pragma once

#include "devserver/devserver.h"
#include "tests/devserver/lineclient.h"

#include <QByteArray>
#include <QString>

// Options of a quiet server over the tests' small class, keeping its grades in stateDirectory.
Quillon::DevServer::DevServerOptions TestOptions(const QString& stateDirectory);

// The console's sign-in up to the roster; true when every step came as expected.
bool SignInConsole(quint16 namePort, const QByteArray& first, const QByteArray& last,
                   const QByteArray& password, const QByteArray& course);

// The course office's sign-in of Ann Lee up to the roster, which it returns (empty when a
// step went wrong); the client stays connected for uploads.
QByteArray SignInOffice(LineClient& client, quint16 namePort, const QByteArray& course = "Algebra");
