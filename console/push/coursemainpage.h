#pragma once

#include <QString>

namespace Brivane {

// The course main page the console starts with when config_teacher.ini names none.
inline const QString DefaultCourseMainPage = QStringLiteral("http://localhost/");

// The course main page from MainPage in section [Course] of config_teacher.ini, as screen text.
QString ReadCourseMainPage(const QString& iniFile);

} // namespace Brivane
