#pragma once

#include "RowViewListener.h"
#include "platform/TellThenEmit.h"

#include <QPointer>

namespace NequoraUI {

// Reports one user change of a switch, segmented or picker row: its gesture around the
// handler's write, the row's listener told before each of its signals. A receiver may delete
// the row: nothing is told or emitted after that.
template <typename View, typename Write, typename... Signal, typename... Values>
void reportRowChange(View *view, const Write &write, void (View::*changed)(Signal...),
                     Values &&...values)
{
    const QPointer<View> alive(view);
    platform::tellThenEmit(view, view->listener(), &RowViewListener::rowViewGestureStarted,
                           &View::gestureStarted);
    if (alive)
        write();
    if (alive && view->listener())
        view->listener()->rowViewChanged();
    if (alive)
        (view->*changed)(std::forward<Values>(values)...);
    if (alive)
        platform::tellThenEmit(view, view->listener(), &RowViewListener::rowViewGestureEnded,
                               &View::gestureEnded);
}

} // namespace NequoraUI
