#pragma once

#include <QProcess>
#include <QString>
#include <QTextDocument>

#include <memory>

// unrtf's HTML rendering of a file, loaded into a document so its text and formats can be read;
// nullptr when unrtf fails.
inline std::unique_ptr<QTextDocument> ReadBackRtf(const QString& path)
{
    QProcess unrtf;
    unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--html"), path});
    if (!unrtf.waitForFinished(10000) || unrtf.exitStatus() != QProcess::NormalExit || unrtf.exitCode() != 0)
        return nullptr;
    auto document = std::make_unique<QTextDocument>();
    document->setHtml(QString::fromUtf8(unrtf.readAllStandardOutput()));
    return document;
}
