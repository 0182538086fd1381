#include "platform/ViewController.h"
#include "platform/NavigationController.h"
#include "platform/NavigationItem.h"
#include "platform/PresentationOverlay.h"
#include "support/ManualAnimationDriver.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace NequoraUI::platform;
using NequoraUI::testing::ManualAnimationDriver;

namespace {

class CountingController : public ViewController
{
public:
    using ViewController::ViewController;
    int loads = 0;
    int didLoads = 0;

protected:
    void loadView() override
    {
        ++loads;
        setView(new QLabel(QStringLiteral("content")));
    }
    void viewDidLoad() override
    {
        ++didLoads;
        // The view is usable from viewDidLoad on.
        EXPECT_TRUE(isViewLoaded());
    }
};

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

PresentationOverlay *overlayOf(QWidget *window)
{
    return window->findChild<PresentationOverlay *>(QString(), Qt::FindDirectChildrenOnly);
}

class PresentationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(400, 600);
        window.show();
        presenter.view()->setParent(&window);
    }
    ManualAnimationDriver driver;
    QWidget window;
    // Declared after the window: destroyed first, as a local of the test body would be.
    ViewController presenter;
};

} // namespace

TEST(ViewControllerTest, LoadsItsViewOnceOnFirstUseAndTitlesItsNavigationItem)
{
    CountingController controller;
    EXPECT_FALSE(controller.isViewLoaded());
    QWidget *view = controller.view();
    EXPECT_EQ(qobject_cast<QLabel *>(view)->text(), QStringLiteral("content"));
    EXPECT_EQ(controller.view(), view);
    EXPECT_EQ(controller.loads, 1);
    EXPECT_EQ(controller.didLoads, 1);

    int changes = 0;
    QObject::connect(&controller, &ViewController::titleChanged, &controller,
                     [&changes] { ++changes; });
    controller.setTitle(QStringLiteral("Files"));
    controller.setTitle(QStringLiteral("Files"));
    EXPECT_EQ(controller.navigationItem()->title(), QStringLiteral("Files"));
    EXPECT_EQ(changes, 1);

    QPointer<QWidget> plain;
    {
        ViewController bare;
        plain = bare.view();
        EXPECT_TRUE(plain->children().isEmpty());
    }
    EXPECT_TRUE(plain.isNull());
}

TEST_F(PresentationTest, AnimatedPresentationSlidesOverAndFollowsTheWindowAndDismissalDeletes)
{
    auto *presented = new CountingController;
    QPointer<CountingController> watch(presented);

    presenter.present(presented, true);
    EXPECT_EQ(presenter.presentedViewController(), presented);
    EXPECT_EQ(presented->presentingViewController(), &presenter);
    EXPECT_EQ(presented->parent(), &presenter);
    PresentationOverlay *overlay = overlayOf(&window);
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(overlay->geometry(), window.rect());
    EXPECT_TRUE(presenter.isTransitioning());
    EXPECT_EQ(presented->view()->parentWidget(), overlay);

    driver.advance(150);
    EXPECT_GT(overlay->progress(), 0.0);
    EXPECT_LT(overlay->progress(), 1.0);
    EXPECT_GT(presented->view()->y(), 0);
    driver.advance(200);
    EXPECT_FALSE(presenter.isTransitioning());
    EXPECT_DOUBLE_EQ(overlay->progress(), 1.0);
    EXPECT_EQ(presented->view()->geometry(), window.rect());
    EXPECT_TRUE(presented->view()->isVisible());
    window.resize(500, 700); // the overlay and the presented view follow the window
    EXPECT_EQ(overlay->size(), QSize(500, 700));
    EXPECT_EQ(presented->view()->size(), QSize(500, 700));

    presenter.dismiss(true);
    EXPECT_TRUE(presenter.isTransitioning());
    // Still presented until the animation has finished.
    EXPECT_EQ(presenter.presentedViewController(), presented);
    driver.advance(350);
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
    processDeferredDeletes();
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(overlayOf(&window), nullptr);
}

TEST_F(PresentationTest, RootOfAPresentedNavigationControllerDismissesIt)
{
    // The root asks the controller that presented its container.
    auto *root = new ViewController;
    auto *navigation = new NavigationController(root);
    QPointer<NavigationController> navigationWatch(navigation);
    presenter.present(navigation, false);
    EXPECT_EQ(root->presentingViewController(), &presenter);
    EXPECT_EQ(root->navigationController(), navigation);
    root->dismiss(true);
    driver.advance(400);
    processDeferredDeletes();
    EXPECT_TRUE(navigationWatch.isNull());
}

TEST_F(PresentationTest, SecondPresentationIsRefusedAndDeletingThePresentedEndsTheFirst)
{
    auto *first = new ViewController;
    ViewController windowless;
    windowless.present(first, false);
    EXPECT_EQ(first->view()->parentWidget()->parentWidget(), windowless.view())
        << "without a window the overlay sits on the presenter's own view";
    windowless.dismiss(false);
    first = new ViewController;
    presenter.present(first, false);
    auto *second = new ViewController;
    QPointer<ViewController> watch(second);
    presenter.present(second, false);
    EXPECT_EQ(presenter.presentedViewController(), first);
    EXPECT_EQ(second->presentingViewController(), nullptr);
    processDeferredDeletes();
    EXPECT_TRUE(watch.isNull());

    delete first;
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
    processDeferredDeletes();
    EXPECT_EQ(overlayOf(&window), nullptr);
    presenter.present(new ViewController, false);
    EXPECT_NE(presenter.presentedViewController(), nullptr);
}

TEST_F(PresentationTest, PresentingDuringADismissalCompletesTheDismissalFirst)
{
    auto *first = new ViewController;
    presenter.present(first, false);
    presenter.dismiss(true);
    driver.advance(100);
    auto *second = new ViewController;
    presenter.present(second, true);
    EXPECT_EQ(presenter.presentedViewController(), second);
    EXPECT_EQ(first->presentingViewController(), nullptr);
    driver.advance(400);
    // The first overlay's animation, still running until its deferred delete, is not taken for
    // the end of the second presentation.
    EXPECT_EQ(presenter.presentedViewController(), second);
    processDeferredDeletes();
    EXPECT_EQ(overlayOf(&window)->content(), second->view());
}

TEST_F(PresentationTest, DismissingMidPresentationReversesFromWhereItIs)
{
    presenter.present(new ViewController, true);
    driver.advance(100);
    const qreal reached = overlayOf(&window)->progress();
    presenter.dismiss(true);
    driver.advance(16);
    EXPECT_LT(overlayOf(&window)->progress(), reached);
    driver.advance(400);
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
}

TEST_F(PresentationTest, DestroyingThePresenterMidTransitionRemovesTheOverlay)
{
    for (const bool dismissing : {false, true}) {
        SCOPED_TRACE(dismissing ? "mid-dismissal" : "mid-presentation");
        auto doomed = std::make_unique<ViewController>();
        doomed->view()->setParent(&window);
        auto *presented = new ViewController;
        QPointer<ViewController> watch(presented);
        doomed->present(presented, !dismissing);
        if (dismissing)
            doomed->dismiss(true);
        driver.advance(100);
        doomed.reset();
        EXPECT_TRUE(watch.isNull());
        if (!dismissing) { // a dismissing overlay goes with the deferred deletes below
            EXPECT_EQ(overlayOf(&window), nullptr);
        }
        driver.advance(400); // the animation is gone with the overlay (checked under ASan)
        processDeferredDeletes();
        EXPECT_EQ(overlayOf(&window), nullptr);
    }
}

TEST_F(PresentationTest, ClosingTheWindowMidDismissalStillDeletesThePresented)
{
    auto host = std::make_unique<QWidget>();
    presenter.view()->setParent(host.get());
    auto *presented = new ViewController;
    QPointer<ViewController> watch(presented);
    presenter.present(presented, false);
    presenter.dismiss(true);
    driver.advance(50);
    host.reset();
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
    processDeferredDeletes();
    EXPECT_TRUE(watch.isNull());
}

TEST_F(PresentationTest, NestedPresentationStacksAndUnwindsInOrder)
{
    auto *middle = new ViewController;
    presenter.present(middle, false);
    auto *top = new ViewController;
    QPointer<ViewController> topWatch(top);
    middle->present(top, false);
    auto *late = new QWidget(&window); // added to the window after both presentations
    late->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);

    // Children paint in list order: the top presentation last, the late widget below both.
    const QObjectList children = window.children();
    const auto position = [&children](const QObject *child) { return children.indexOf(child); };
    EXPECT_LT(position(late), position(middle->view()->parentWidget()));
    EXPECT_LT(position(middle->view()->parentWidget()), position(top->view()->parentWidget()));

    top->dismiss(false);
    EXPECT_EQ(middle->presentedViewController(), nullptr);
    EXPECT_EQ(presenter.presentedViewController(), middle);
    processDeferredDeletes();
    EXPECT_TRUE(topWatch.isNull());
}
