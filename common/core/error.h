#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace Quillon {

// An error whose message is the text the teacher reads in the general error report.
class Error : public std::exception
{
public:
    explicit Error(QString message);
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A field that does not convert to the integer or boolean it must hold.
class ConvertError : public Error
{
public:
    using Error::Error;
};

// A connection that could not be opened, was closed or broke, or a write that failed.
class ConnectionError : public Error
{
public:
    using Error::Error;
};

} // namespace Quillon
