#include "platform/ViewController.h"
#include "platform/NavigationController.h"
#include "platform/NavigationItem.h"
#include "platform/PresentationOverlay.h"
#include "support/ManualAnimationDriver.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <gtest/gtest.h>
#include <memory>

using namespace NequoraUI::platform;

namespace {

struct CountingController : ViewController
{
    // A viewDidLoad made before the view is usable counts a thousand.
    int loads = 0, didLoads = 0;

protected:
    void loadView() override { setView(new QLabel(QString::number(++loads))); }
    void viewDidLoad() override { didLoads += isViewLoaded() ? 1 : 1000; }
};

struct PresentationTest : ::testing::Test
{
    void SetUp() override
    {
        window.resize(400, 600);
        window.show();
        presenter.view()->setParent(&window);
    }
    PresentationOverlay *overlay()
    {
        return window.findChild<PresentationOverlay *>(QString(), Qt::FindDirectChildrenOnly);
    }
    static void runDeferredDeletes() { qApp->sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    NequoraUI::testing::ManualAnimationDriver driver;
    QWidget window;
    // Declared after the window: destroyed first, as a local of the test body would be.
    ViewController presenter;
};

} // namespace

TEST(ViewControllerTest, LoadsItsViewOnceOnFirstUseAndTitlesItsNavigationItem)
{
    CountingController controller;
    EXPECT_FALSE(controller.isViewLoaded());
    controller.view();
    EXPECT_EQ(qobject_cast<QLabel *>(controller.view())->text(), QStringLiteral("1"));
    EXPECT_EQ(controller.didLoads, 1);

    int changes = 0;
    QObject::connect(&controller, &ViewController::titleChanged, &controller, [&] { ++changes; });
    controller.setTitle(QStringLiteral("Files"));
    controller.setTitle(QStringLiteral("Files"));
    EXPECT_EQ(controller.navigationItem()->title(), QStringLiteral("Files"));
    EXPECT_EQ(changes, 1);

    QPointer<QWidget> plain = std::make_unique<ViewController>()->view();
    EXPECT_TRUE(plain.isNull()) << "the view goes with its controller";
}

TEST_F(PresentationTest, AnimatedPresentationSlidesOverAndFollowsTheWindowAndDismissalDeletes)
{
    QPointer<ViewController> presented = new ViewController;
    presenter.present(presented, true);
    EXPECT_EQ(presented->parent(), &presenter);
    ASSERT_NE(overlay(), nullptr);
    EXPECT_EQ(presented->view()->parentWidget(), overlay());

    driver.advance(150);
    EXPECT_TRUE(overlay()->progress() > 0.0 && overlay()->progress() < 1.0);
    EXPECT_GT(presented->view()->y(), 0);
    driver.advance(200);
    EXPECT_FALSE(presenter.isTransitioning());
    EXPECT_EQ(presented->view()->geometry(), window.rect());
    EXPECT_TRUE(presented->view()->isVisible());
    window.resize(500, 700); // the overlay and the presented view follow the window
    EXPECT_EQ(overlay()->size(), QSize(500, 700));
    EXPECT_EQ(presented->view()->size(), QSize(500, 700));

    presenter.dismiss(true);
    EXPECT_EQ(presenter.presentedViewController(), presented) << "until the animation ends";
    driver.advance(350);
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
    runDeferredDeletes();
    EXPECT_TRUE(presented.isNull());
    EXPECT_EQ(overlay(), nullptr);
}

TEST_F(PresentationTest, SecondPresentationIsRefusedAndDeletingThePresentedEndsTheFirst)
{
    auto *first = new ViewController;
    ViewController windowless;
    windowless.present(first, false);
    EXPECT_EQ(first->view()->parentWidget()->parentWidget(), windowless.view())
        << "without a window the overlay sits on the presenter's own view";
    windowless.dismiss(false);
    presenter.present(first = new ViewController, false);
    QPointer<ViewController> second = new ViewController;
    presenter.present(second, false);
    EXPECT_EQ(presenter.presentedViewController(), first);
    EXPECT_EQ(second->presentingViewController(), nullptr);
    runDeferredDeletes();
    EXPECT_TRUE(second.isNull());

    delete first;
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
    runDeferredDeletes();
    EXPECT_EQ(overlay(), nullptr);
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
    runDeferredDeletes();
    EXPECT_EQ(overlay()->content(), second->view());

    // Dismissing mid-presentation reverses from where the slide is.
    presenter.dismiss(false);
    runDeferredDeletes();
    presenter.present(new ViewController, true);
    driver.advance(100);
    const qreal reached = overlay()->progress();
    presenter.dismiss(true);
    driver.advance(16);
    EXPECT_LT(overlay()->progress(), reached);
    driver.advance(400);
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
}

// Run under AddressSanitizer: an animation outliving its overlay would show there.
TEST_F(PresentationTest, DestroyingThePresenterOrWindowMidTransitionCleansUp)
{
    // Closing the window mid-dismissal still deletes the presented controller.
    auto host = std::make_unique<QWidget>();
    presenter.view()->setParent(host.get());
    QPointer<ViewController> presented = new ViewController;
    presenter.present(presented, false);
    presenter.dismiss(true);
    driver.advance(50);
    host.reset();
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
    runDeferredDeletes();
    EXPECT_TRUE(presented.isNull());

    for (const bool dismissing : {false, true}) {
        SCOPED_TRACE(dismissing ? "mid-dismissal" : "mid-presentation");
        auto doomed = std::make_unique<ViewController>();
        doomed->view()->setParent(&window);
        presented = new ViewController;
        doomed->present(presented, !dismissing);
        if (dismissing)
            doomed->dismiss(true);
        driver.advance(100);
        doomed.reset();
        EXPECT_TRUE(presented.isNull());
        if (!dismissing) { // a dismissing overlay goes with the deferred deletes below
            EXPECT_EQ(overlay(), nullptr);
        }
        driver.advance(400);
        runDeferredDeletes();
        EXPECT_EQ(overlay(), nullptr);
    }
}

TEST_F(PresentationTest, NestedPresentationStacksAndUnwindsInOrder)
{
    auto *root = new ViewController;
    QPointer<NavigationController> middle = new NavigationController(root);
    presenter.present(middle, false);
    EXPECT_EQ(root->presentingViewController(), &presenter);
    EXPECT_EQ(root->navigationController(), middle);
    QPointer<ViewController> top = new ViewController;
    middle->present(top, false);
    auto *late = new QWidget(&window); // added to the window after both presentations
    late->show();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);

    // Children paint in list order: the top presentation last, the late widget below both.
    const auto position = [&](const QObject *child) { return window.children().indexOf(child); };
    EXPECT_LT(position(late), position(middle->view()->parentWidget()));
    EXPECT_LT(position(middle->view()->parentWidget()), position(top->view()->parentWidget()));

    top->dismiss(false);
    EXPECT_EQ(middle->presentedViewController(), nullptr);
    EXPECT_EQ(presenter.presentedViewController(), middle);
    runDeferredDeletes();
    EXPECT_TRUE(top.isNull());
    root->dismiss(true); // the root asks the controller that presented its container
    driver.advance(400);
    runDeferredDeletes();
    EXPECT_TRUE(middle.isNull());
}
