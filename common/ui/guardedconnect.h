#pragma once

#include "common/ui/errorreport.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

#include <type_traits>
#include <utility>

namespace Quillon {

// The one way a handler is connected to the event loop: whatever it throws ends in the general
// error report over `window` instead of crossing the event loop. The handler may take the
// signal's arguments or none.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection ConnectGuarded(const Sender* sender, Signal signal, QWidget* window, Handler handler)
{
    return QObject::connect(sender, signal, window,
                            [window, handler = std::move(handler)](const auto&... args) mutable {
                                Guarded(window, [&] {
                                    if constexpr (std::is_invocable_v<Handler&, decltype(args)...>)
                                        handler(args...);
                                    else
                                        handler();
                                });
                            });
}

// Runs the handler once the event loop is next free, the same way guarded.
template <typename Handler> void PostGuarded(QWidget* window, Handler handler)
{
    QTimer::singleShot(0, window,
                       [window, handler = std::move(handler)]() mutable { Guarded(window, handler); });
}

} // namespace Quillon
