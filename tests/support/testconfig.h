#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes config_teacher.ini with the given text into dir; returns false when it cannot.
inline bool WriteTeacherConfig(const QString& dir, const QByteArray& text)
{
    QFile file(dir + QStringLiteral("/config_teacher.ini"));
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

inline QByteArray NameServerConfig(quint16 port)
{
    return "[NameServer]\r\nHost=127.0.0.1\r\nPort=" + QByteArray::number(port) + "\r\n";
}
