#pragma once

#include "platform/NavigationBar.h"
#include "platform/NavigationController.h"
#include "platform/TableView.h"
#include "platform/TableViewCell.h"
#include "platform/TableViewController.h"
#include "platform/ViewController.h"
#include "support/ManualAnimationDriver.h"
#include "support/Widgets.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace NequoraUI::testing {

// A shown window whose content is a view controller's view, so presented pickers really appear
// over it and their rows can be clicked. Animations run on a manual driver.
struct PresentingWindow : ::testing::Test
{
    void SetUp() override
    {
        window.resize(400, 600);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(controller->view());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { delete controller; }

    // Lets a presentation or dismissal animation finish, then deletes what was dismissed.
    void finishTransitions()
    {
        driver.advance(platform::ViewController::transitionDurationMs + 50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    platform::NavigationController *presentedNavigation() const
    {
        return controller ? qobject_cast<platform::NavigationController *>(
                                controller->presentedViewController())
                          : nullptr;
    }
    template <typename Picker> Picker *presentedPicker() const
    {
        auto *navigation = presentedNavigation();
        return navigation ? qobject_cast<Picker *>(navigation->rootViewController()) : nullptr;
    }

    static void clickRow(platform::TableViewController *picker, const platform::IndexPath &row)
    {
        platform::TableView *table = picker->tableView();
        table->scrollToRow(row);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRow(row).center());
    }
    void clickCancel()
    {
        QPushButton *cancel = presentedNavigation()->navigationBar()->rightButton();
        ASSERT_EQ(cancel->text(), QStringLiteral("Cancel"));
        QTest::mouseClick(cancel, Qt::LeftButton);
    }
    // Clicks a view's named button.
    static void tap(const QObject *view, const char *button)
    {
        QTest::mouseClick(child<QPushButton>(view, button), Qt::LeftButton);
    }
    static QString rowText(platform::TableViewController *picker, const platform::IndexPath &row)
    {
        picker->tableView()->scrollToRow(row);
        platform::TableViewCell *cell = picker->tableView()->cellForRow(row);
        return cell ? cell->textLabel()->text() : QStringLiteral("<not realised>");
    }

    ManualAnimationDriver driver;
    QWidget window;
    QPointer<platform::ViewController> controller = new platform::ViewController;
};

} // namespace NequoraUI::testing
