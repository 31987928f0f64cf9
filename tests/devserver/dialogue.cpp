#include "tests/devserver/dialogue.h"

#include "testdata.h"

#include <QString>

Quillon::DevServer::DevServerOptions TestOptions(const QString& stateDirectory)
{
    Quillon::DevServer::DevServerOptions options;
    options.dataDirectory = QStringLiteral(QUILLON_TEST_DATA_DIR);
    options.stateDirectory = stateDirectory;
    options.simulation.quiet = true;
    options.simulation.seed = 1;
    return options;
}

bool SignInConsole(quint16 namePort, const QByteArray& first, const QByteArray& last,
                   const QByteArray& password, const QByteArray& course)
{
    LineClient client;
    if (!client.Connect(namePort) || client.ReadLine() != Line({"0"}))
        return false;
    client.Send({"2", first, last, password});
    if (!client.ReadLine().startsWith(Line({"1"}).chopped(2)))
        return false;
    client.Send({course});
    if (!client.ReadLine().startsWith(Line({"2"}).chopped(2)))
        return false;
    client.SendRaw("\xC2\xC3\xC4\r\n");
    return client.ReadLine().startsWith(Line({"3"}).chopped(2));
}

QByteArray SignInOffice(LineClient& client, quint16 namePort, const QByteArray& course)
{
    if (!client.Connect(namePort) || client.ReadLine() != Line({"0"}))
        return QByteArray();
    client.Send({"3", "Ann", "Lee", "secret"});
    if (client.ReadLine().isEmpty())
        return QByteArray();
    client.Send({course});
    if (!client.ReadLine().startsWith(Line({"4"}).chopped(2)))
        return QByteArray();
    client.SendRaw("\xC2\xC3\xC4\r\n");
    return client.ReadLine();
}
