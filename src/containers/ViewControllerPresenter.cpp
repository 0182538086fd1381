#include "ViewControllerPresenter.h"

#include "platform/ViewController.h"

namespace NequoraUI {

namespace {

const char *const adapterName = "NequoraUI.ViewControllerPresenter";

// Lets any platform view controller serve as a presenter. It is the controller's QObject child,
// so it lives exactly as long as the controller does.
class ViewControllerPresenterAdapter final : public ViewControllerPresenter
{
public:
    explicit ViewControllerPresenterAdapter(platform::ViewController *viewController)
        : ViewControllerPresenter(viewController)
    {
        setObjectName(QLatin1String(adapterName));
    }

    void presentViewController(platform::ViewController *controller) override
    {
        if (platform::ViewController *owner = viewController())
            owner->present(controller, true);
    }

    void dismissPresentedViewController() override
    {
        if (platform::ViewController *owner = viewController())
            owner->dismiss(true);
    }

private:
    platform::ViewController *viewController() const
    {
        return qobject_cast<platform::ViewController *>(parent());
    }
};

} // namespace

ViewControllerPresenter *ViewControllerPresenter::of(platform::ViewController *viewController)
{
    if (!viewController)
        return nullptr;
    auto *existing = viewController->findChild<ViewControllerPresenter *>(
        QLatin1String(adapterName), Qt::FindDirectChildrenOnly);
    if (existing)
        return existing;
    return new ViewControllerPresenterAdapter(viewController);
}

} // namespace NequoraUI
