#pragma once

// Finding a window's controls by name, as the tests drive them.

#include <QWidget>

namespace kwtest {

// The child control of that name; a missing control stops the suite.
template <typename T>
T *find(const QWidget *window, const QString &name)
{
    T *child = window->findChild<T *>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

} // namespace kwtest
