#include "ViewControllerPresenter.h"
#include "platform/ViewController.h"
#include "support/ManualAnimationDriver.h"

#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

using NequoraUI::ViewControllerPresenter;
using NequoraUI::platform::ViewController;

TEST(ViewControllerPresenter, OneAdapterPerControllerPresentsAndDismissesAnimatedAndDiesWithIt)
{
    EXPECT_EQ(ViewControllerPresenter::of(nullptr), nullptr);
    NequoraUI::testing::ManualAnimationDriver driver;
    QWidget window;
    window.resize(400, 600);
    window.show();
    QPointer<ViewControllerPresenter> presenter;
    {
        ViewController controller;
        controller.view()->setParent(&window);
        presenter = ViewControllerPresenter::of(&controller);
        EXPECT_EQ(ViewControllerPresenter::of(&controller), presenter.data());

        presenter->presentViewController(new ViewController);
        EXPECT_NE(controller.presentedViewController(), nullptr);
        EXPECT_TRUE(controller.isTransitioning()) << "animated";
        driver.advance(ViewController::transitionDurationMs + 50);
        presenter->dismissPresentedViewController();
        EXPECT_TRUE(controller.isTransitioning()) << "animated";
        driver.advance(ViewController::transitionDurationMs + 50);
        EXPECT_EQ(controller.presentedViewController(), nullptr);
    }
    EXPECT_TRUE(presenter.isNull());
}
