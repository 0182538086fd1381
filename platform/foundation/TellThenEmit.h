#pragma once

#include <QPointer>

namespace NequoraUI::platform {

// Tells an object's one direct listener (null for none), then emits the object's signal for
// whoever connected it. The listener may delete the object: the signal goes out only while the
// object is still alive.
template <typename Object, typename Listener>
void tellThenEmit(Object *object, Listener *listener, void (Listener::*tell)(),
                  void (Object::*signal)())
{
    const QPointer<Object> alive(object);
    if (listener)
        (listener->*tell)();
    if (alive)
        (object->*signal)();
}

} // namespace NequoraUI::platform
