// Geometry of styled screens in a shown window: where rows put their controls, how a section
// sits while it folds, how wide content gets.
#include "AudioFileView.h"
#include "CollapsibleSectionView.h"
#include "LibraryStyle.h"
#include "PickerView.h"
#include "SwitchView.h"
#include "UIGenerator.h"
#include "VStackViewController.h"
#include "sim/SimEngine.h"
#include "support/ManualAnimationDriver.h"
#include "support/Widgets.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace NequoraUI;

namespace {

int rightEdge(const QWidget *widget, const QWidget *window)
{
    return widget->mapTo(window, QPoint(widget->width(), 0)).x();
}

QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return {widget->mapTo(ancestor, QPoint()), widget->size()};
}

} // namespace

TEST(ScreenGeometry, RowButtonsEndWhereSwitchesEnd)
{
    QWidget window;
    LibraryStyle::apply(&window);
    auto *layout = new QVBoxLayout(&window);
    auto *switchRow = new SwitchView(QStringLiteral("Bypass"), false, {});
    layout->addWidget(switchRow);
    layout->addWidget(new AudioFileView(nullptr, QStringLiteral("File"),
                                        QUrl::fromLocalFile(QStringLiteral("/a/Take.wav")), {},
                                        {}));
    layout->addWidget(new PickerView(static_cast<ViewControllerPresenter *>(nullptr),
                                     QStringLiteral("Scale"), QStringLiteral("Dorian"), {}, {}));
    ASSERT_TRUE(NequoraUI::testing::shown(window, 700, 400));

    const int edge =
        rightEdge(switchRow->findChild<QWidget *>(QStringLiteral("toggleSwitch")), &window);
    EXPECT_GT(edge, 600);
    for (const char *name : {"actionButton", "selectButton"}) {
        const auto *button = window.findChild<QPushButton *>(QLatin1String(name));
        EXPECT_EQ(rightEdge(button, &window), edge) << name;
        EXPECT_EQ(button->width(), button->sizeHint().width()) << name << ": text at the edge";
    }
}

TEST(ScreenGeometry, FoldKeepsTheTitleStillAndTheFoldedCardEven)
{
    NequoraUI::testing::ManualAnimationDriver driver;
    SimEngine engine;
    for (const char *name : {"Filter", "Delay"}) {
        auto node = engine.addNode("Effect", name);
        for (int index = 0; index < 4; ++index)
            node->addFloatParameter("Gain " + std::to_string(index), 0.5f, 0.0f, 1.0f);
    }
    const auto controller = UIGenerator::generateViewController(*engine.graph(), {});
    auto *stack = qobject_cast<VStackViewController *>(controller.get());
    QWidget *screen = controller->view();
    ASSERT_TRUE(NequoraUI::testing::shown(*screen, 390, 900));
    auto *first = qobject_cast<CollapsibleSectionView *>(stack->stackedView(0));
    auto *second = qobject_cast<CollapsibleSectionView *>(stack->stackedView(1));
    ASSERT_TRUE(first && second);

    const auto titleTops = [&] {
        // One round of posted layout requests, as before a frame is painted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        return std::pair(rectIn(first->titleLabel, screen).top(),
                         rectIn(second->titleLabel, second).top());
    };
    const auto [firstTop, secondTop] = titleTops();
    first->tappedTitleView();
    second->tappedTitleView();
    for (int step = 0; step < 6; ++step) {
        driver.advance(CollapsibleSectionView::foldDurationMs / 5);
        const auto [firstNow, secondNow] = titleTops();
        EXPECT_EQ(firstNow, firstTop) << "step " << step;
        EXPECT_EQ(secondNow, secondTop) << "step " << step;
    }
    ASSERT_FALSE(first->isFolding());
    const QRect title = rectIn(first->titleLabel, first->contentView);
    EXPECT_NEAR(title.top(), first->contentView->height() - title.bottom() - 1, 1)
        << "folded, the card has even room above and below its title";
}

TEST(ScreenGeometry, WideScreensCentreContentOfAMaximumWidth)
{
    VStackViewController controller(QList<QWidget *>{new QLabel(QStringLiteral("Row"))});
    QWidget *screen = controller.view();
    ASSERT_TRUE(NequoraUI::testing::shown(*screen, 1920, 600));
    const QRect row = rectIn(controller.views().first(), screen);
    EXPECT_EQ(row.width(), VStackViewController::maximumContentWidth);
    EXPECT_NEAR(row.left(), screen->width() - row.right() - 1, 20) << "centred";
}

TEST(ScreenGeometry, AFocusedSectionHeaderKeepsTheCardsRoundedCorners)
{
    VStackViewController controller(QList<QWidget *>{
        new CollapsibleSectionView(QStringLiteral("Filter"), new QLabel(QStringLiteral("Row")))});
    QWidget *screen = controller.view();
    ASSERT_TRUE(NequoraUI::testing::shown(*screen, 390, 300));
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    QTest::keyClick(screen, Qt::Key_Tab); // keyboard focus, as a user gives it
    auto *section = qobject_cast<CollapsibleSectionView *>(controller.views().first());
    const QWidget *header = section->findChild<QWidget *>(QStringLiteral("titleView"));
    ASSERT_TRUE(header->hasFocus());
    const QImage image = screen->grab().toImage();
    const QPoint corner = header->mapTo(screen, QPoint(0, 0));
    EXPECT_EQ(image.pixelColor(corner), image.pixelColor(corner - QPoint(2, 2)))
        << "the corner outside the card's rounding shows the page";
    EXPECT_NE(image.pixelColor(header->mapTo(screen, header->rect().center() - QPoint(60, 0))),
              QColor(Qt::white))
        << "the focus shows";
}
