#pragma once

#include "devserver/classdata.h"
#include "devserver/gradestore.h"
#include "devserver/logger.h"
#include "devserver/signins.h"

#include <QByteArray>

#include <cstdint>

namespace Quillon::DevServer {

// How the simulated class behaves.
struct SimulationSettings
{
    bool quiet = false;     // no activity of its own; only answers to the teacher
    double pace = 1.0;      // 2 runs the class twice as fast
    std::uint32_t seed = 0; // 0: a different class every run
};

// What the sessions of both servers share; owned by the DevServer.
struct ServerContext
{
    ClassData data;
    int students = -1; // roster size per course; negative: the sample roster as it is
    GradeStore store;
    SignInRegistry signIns;
    Logger& log;
    QByteArray commHost; // as announced by the name server
    quint16 commPort = 0;
    SimulationSettings simulation;
};

} // namespace Quillon::DevServer
