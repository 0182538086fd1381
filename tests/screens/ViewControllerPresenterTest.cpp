#include "ViewControllerPresenter.h"
#include "platform/ViewController.h"
#include "support/ManualAnimationDriver.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

using NequoraUI::ViewControllerPresenter;
using NequoraUI::platform::ViewController;

TEST(ViewControllerPresenter, EveryControllerHasOneAdapterThatDiesWithIt)
{
    EXPECT_EQ(ViewControllerPresenter::of(nullptr), nullptr);
    QPointer<ViewControllerPresenter> presenter;
    {
        ViewController controller;
        presenter = ViewControllerPresenter::of(&controller);
        ASSERT_TRUE(presenter);
        EXPECT_EQ(ViewControllerPresenter::of(&controller), presenter.data());
        EXPECT_EQ(presenter->parent(), &controller);
    }
    EXPECT_TRUE(presenter.isNull());
}

TEST(ViewControllerPresenter, PresentsAndDismissesAnimatedOnItsController)
{
    NequoraUI::testing::ManualAnimationDriver driver;
    QWidget window;
    window.resize(400, 600);
    window.show();
    ViewController controller;
    controller.view()->setParent(&window);
    ViewControllerPresenter *presenter = ViewControllerPresenter::of(&controller);

    QPointer<ViewController> presented = new ViewController;
    presenter->presentViewController(presented);
    EXPECT_EQ(controller.presentedViewController(), presented.data());
    EXPECT_TRUE(controller.isTransitioning()) << "animated";
    driver.advance(ViewController::transitionDurationMs + 50);
    EXPECT_FALSE(controller.isTransitioning());

    presenter->dismissPresentedViewController();
    EXPECT_TRUE(controller.isTransitioning()) << "animated";
    driver.advance(ViewController::transitionDurationMs + 50);
    EXPECT_EQ(controller.presentedViewController(), nullptr);
}
