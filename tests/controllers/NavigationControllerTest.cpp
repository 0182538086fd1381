#include "platform/NavigationController.h"
#include "platform/BarButtonItem.h"
#include "platform/NavigationBar.h"
#include "platform/NavigationItem.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace NequoraUI::platform;

TEST(NavigationControllerTest, BarShowsTheRootTitleAndARightButtonReachingItsTargetWhileItLives)
{
    auto taps = std::make_unique<QSpinBox>(); // its stepUp slot counts the taps
    auto *root = new ViewController;
    root->setTitle(QStringLiteral("Bundled"));
    NavigationItem *item = root->navigationItem();
    item->setRightBarButtonItem(new BarButtonItem(
        QStringLiteral("Cancel"), BarButtonItem::Style::Done, taps.get(), "stepUp"));
    NavigationController navigation(root);
    navigation.view()->show();
    NavigationBar *bar = navigation.navigationBar();
    EXPECT_EQ(bar->titleLabel()->text(), QStringLiteral("Bundled"));
    EXPECT_LT(bar->geometry().bottom(), root->view()->geometry().top());
    root->setTitle(QStringLiteral("Imported")); // the bar follows later title changes
    EXPECT_EQ(bar->titleLabel()->text(), QStringLiteral("Imported"));

    QPushButton *button = bar->rightButton();
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(button->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(button->font().bold());
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(taps->value(), 2);

    item->rightBarButtonItem()->setStyle(BarButtonItem::Style::Plain);
    EXPECT_FALSE(button->font().bold());
    item->setRightBarButtonItem(nullptr);
    EXPECT_FALSE(button->isVisible());

    // An item set once the bar is showing appears too; SLOT() names work as well.
    item->setRightBarButtonItem(new BarButtonItem(
        QStringLiteral("Done"), BarButtonItem::Style::Plain, taps.get(), SLOT(stepUp())));
    button = bar->rightButton();
    EXPECT_TRUE(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(taps->value(), 3);

    taps.reset();
    EXPECT_EQ(item->rightBarButtonItem()->target(), nullptr);
    QTest::mouseClick(button, Qt::LeftButton); // must not reach freed memory (checked under ASan)
}
