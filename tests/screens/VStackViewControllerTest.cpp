#include "VStackViewController.h"
#include "GeneratedViews.h"
#include "platform/LayoutConstraint.h"
#include "support/Widgets.h"

#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using NequoraUI::VStackViewController;

namespace {

QList<QWidget *> labels(std::initializer_list<const char *> texts)
{
    QList<QWidget *> result;
    for (const char *text : texts)
        result.append(new QLabel(QString::fromLatin1(text)));
    return result;
}

} // namespace

TEST(VStackViewController, ShowsItsViewsTopToBottomInsetAndViewsSetBeforeLoadingOwnsUnheldViews)
{
    const QList<QWidget *> views = labels({"one", "two", "three"});
    VStackViewController controller(views);
    QWidget *screen = controller.view();
    ASSERT_TRUE(NequoraUI::testing::shown(*screen, 300, 800));
    ASSERT_EQ(widgetsOf(controller.contentStackView), views);
    EXPECT_LT(views[0]->mapTo(screen, QPoint()).y(), views[1]->mapTo(screen, QPoint()).y());
    EXPECT_LT(views[1]->mapTo(screen, QPoint()).y(), views[2]->mapTo(screen, QPoint()).y());
    // Rows keep their natural height at the top; the room below stays empty.
    EXPECT_EQ(views[0]->height(), views[0]->sizeHint().height());
    EXPECT_LT(views[2]->mapTo(screen, QPoint()).y(), 200);
    EXPECT_TRUE(screen->findChild<QScrollArea *>()->widget()->isAncestorOf(views[0]));
    EXPECT_EQ(views[0]->mapTo(screen, QPoint()).x(), 20);
    EXPECT_EQ(views[0]->width(), 300 - 40);

    // Views and inset count only before the view loads. The controller frees the views no
    // widget holds: a dropped one at once, the others with it or with its view.
    QWidget host;
    const QList<QWidget *> first = labels({"dropped", "kept"});
    const QPointer<QWidget> dropped = first[0], kept = first[1], hosted = new QLabel(&host);
    QPointer<QWidget> unshown;
    {
        VStackViewController later(first);
        const QList<QWidget *> shown = {kept, new QLabel};
        later.setViews(shown);
        EXPECT_TRUE(dropped.isNull()) << "a dropped view nobody holds is freed";
        later.setHorizontalInset(8.0);
        EXPECT_EQ(later.contentStackView, nullptr) << "nothing is built before the view loads";
        later.view();
        EXPECT_EQ(widgetsOf(later.contentStackView), shown);
        EXPECT_EQ(later.trailingSpaceConstraint->constant(), 8.0);
        EXPECT_EQ(later.contentStackView->contentsMargins().left(), 8);
        const QList<QWidget *> replaced = {new QLabel, hosted};
        unshown = replaced[0];
        later.setViews(replaced);
        later.setHorizontalInset(30.0);
        EXPECT_EQ(later.views(), replaced);
        EXPECT_EQ(widgetsOf(later.contentStackView), shown) << "the screen keeps what it showed";
        EXPECT_EQ(later.contentStackView->contentsMargins().right(), 8);
    }
    EXPECT_TRUE(kept.isNull()) << "placed views go with the view hierarchy";
    EXPECT_TRUE(unshown.isNull()) << "never shown, freed with the controller";
    EXPECT_FALSE(hosted.isNull()) << "another widget's child is left alone";
}

TEST(VStackViewController, DeferredViewsAreMadeAsTheyComeIntoViewAndScrollTheWholeList)
{
    VStackViewController controller;
    std::vector<VStackViewController::DeferredView> deferred;
    int made = 0;
    for (int index = 0; index < 200; ++index)
        deferred.push_back({[index, &made]() -> QWidget * {
                                ++made;
                                if (index == 1)
                                    return nullptr;
                                auto *view = new QLabel(QString::number(index));
                                view->setFixedHeight(index % 2 ? 60 : 40);
                                return view;
                            },
                            1});
    controller.setDeferredViews(std::move(deferred));
    QWidget *early = controller.realiseView(150);
    ASSERT_TRUE(early);
    EXPECT_FALSE(early->parentWidget()) << "made before the view loads, placed when it does";

    QWidget *screen = controller.view();
    ASSERT_TRUE(NequoraUI::testing::shown(*screen, 300, 400));
    EXPECT_TRUE(screen->isAncestorOf(early));
    EXPECT_TRUE(controller.isShownInViewport(controller.stackedView(0)));
    EXPECT_TRUE(controller.isRealised(1));
    EXPECT_EQ(controller.stackedView(1), nullptr) << "a maker may give nothing";
    EXPECT_LT(made, 20) << "only places near the visible part are made";
    EXPECT_FALSE(controller.isRealised(100));

    QScrollBar *bar = screen->findChild<QScrollArea *>()->verticalScrollBar();
    for (int step = 0; step < 5 && bar->value() < bar->maximum(); ++step) {
        bar->setValue(bar->maximum());
        QCoreApplication::processEvents();
    }
    ASSERT_TRUE(controller.isRealised(199));
    EXPECT_TRUE(controller.isShownInViewport(controller.stackedView(199))) << "the end shows";
    EXPECT_FALSE(controller.isShownInViewport(controller.stackedView(0)));
    EXPECT_LT(made, 40) << "the places scrolled past are not made";

    // Places hidden from the top, whole blocks of them among them, leave no gap.
    const int top = controller.stackedView(0)->mapTo(controller.placesView(), QPoint()).y();
    for (int index = 0; index < 70; ++index)
        controller.setPlaceShown(index, false);
    bar->setValue(0);
    QCoreApplication::processEvents();
    ASSERT_TRUE(controller.isRealised(70));
    EXPECT_EQ(controller.stackedView(70)->mapTo(controller.placesView(), QPoint()).y(), top);
    EXPECT_EQ(controller.views().size(), 199) << "all made on reading, but the empty one";
}

namespace {

struct CountedRow : QLabel
{
    using QLabel::QLabel;
    int resizes = 0;
    void resizeEvent(QResizeEvent *event) override { ++resizes, QLabel::resizeEvent(event); }
};

} // namespace

// A screen taller than its window lays every row out once, at the width beside the scroll bar
// it is painted at, not first at the width of a viewport without one.
TEST(VStackViewController, LaysEveryRowOfATallScreenOutOnceAtItsShownWidth)
{
    QList<QWidget *> sections;
    QList<CountedRow *> rows;
    for (int index = 0; index < 30; ++index) {
        auto *content = new QWidget;
        auto *stack = new QVBoxLayout(content);
        stack->setContentsMargins(0, 0, 0, 0);
        for (int row = 0; row < 2; ++row)
            stack->addWidget(rows.emplace_back(new CountedRow(QString::number(row))));
        sections.append(new NequoraUI::CollapsibleSectionView(QString::number(index), content));
    }
    VStackViewController controller(sections);
    ASSERT_TRUE(NequoraUI::testing::shown(*controller.view(), 390, 600));
    QScrollArea *area = controller.view()->findChild<QScrollArea *>();
    ASSERT_TRUE(area->verticalScrollBar()->isVisible());
    for (qsizetype index = 0; index < rows.size(); ++index) {
        EXPECT_EQ(rows[index]->width(), area->viewport()->width() - 40) << index;
        EXPECT_EQ(rows[index]->resizes, 1) << index;
    }
}

TEST(LayoutConstraint, MovesOneMarginAndSurvivesItsLayout)
{
    using NequoraUI::platform::LayoutConstraint;
    QWidget widget;
    auto *layout = new QVBoxLayout(&widget);
    layout->setContentsMargins(1, 2, 3, 4);
    LayoutConstraint bottom(layout, LayoutConstraint::Edge::Bottom);
    EXPECT_EQ(bottom.constant(), 4.0);
    bottom.setConstant(12.6);
    EXPECT_EQ(layout->contentsMargins(), QMargins(1, 2, 3, 13));
    bottom.setConstant(-5.0);
    EXPECT_EQ(layout->contentsMargins().bottom(), 0);
    delete layout;
    bottom.setConstant(7.0);
    EXPECT_EQ(bottom.constant(), 7.0);
}
