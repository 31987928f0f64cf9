#pragma once

#include "devserver/classdata.h"

#include <QByteArray>
#include <QList>

namespace Quillon::DevServer {

struct GradeRecord
{
    QByteArray id;
    QByteArray grades; // values joined by ';'
};

// Checks a grade upload (the line after its header: course, then identifier and grades per
// student) against the course the connection signed in to and the roster it was served.
// Every record must name a roster student once and hold one value per column title.
// Throws Quillon::Error with the reason; nothing is returned for a faulty upload.
QList<GradeRecord> ParseGradeUpload(QByteArray rest, const Course& course,
                                    const QList<SampleStudent>& roster);

} // namespace Quillon::DevServer
