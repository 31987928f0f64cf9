#pragma once

#include <QFont>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

// Each line of a chat transcript as "<b><i>:<colour>:<text>", b for bold and i for italic.
inline QStringList TranscriptLines(const QTextDocument& document)
{
    QStringList lines;
    if (document.isEmpty())
        return lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCharFormat format = block.charFormat();
        if (!block.begin().atEnd())
            format = block.begin().fragment().charFormat();
        QString style;
        if (format.fontWeight() >= QFont::Bold)
            style += u'b';
        if (format.fontItalic())
            style += u'i';
        lines << style + u':' + format.foreground().color().name() + u':' + block.text();
    }
    return lines;
}
