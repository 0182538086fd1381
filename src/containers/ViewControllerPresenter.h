#pragma once

#include <QObject>

namespace NequoraUI {

namespace platform {
class ViewController;
}

// Something that can present a view controller modally and dismiss what it presented.
// Holders keep it weakly (QPointer) and skip the call once it has gone.
class ViewControllerPresenter : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Presents controller modally, animated, with no completion action.
    virtual void presentViewController(platform::ViewController *controller) = 0;
    // Dismisses what this presenter presented, animated, with no completion action.
    virtual void dismissPresentedViewController() = 0;

    // Every platform view controller is a presenter through a small adapter it owns (a QObject
    // child, made once and reused), so a QPointer to it goes empty when the controller dies.
    // Returns nullptr for a null controller.
    static ViewControllerPresenter *of(platform::ViewController *viewController);
};

} // namespace NequoraUI
