#pragma once

// Looking at a feature's page from a test: its controls by object name, a list's texts.
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QWidget>

// The control of that name below `root`; a missing one ends the test run.
template <typename T = QWidget> T* FindControl(const QWidget& root, const char* name)
{
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

inline QStringList ListItems(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}
