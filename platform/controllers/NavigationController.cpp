#include "NavigationController.h"

#include "NavigationBar.h"

#include <QVBoxLayout>
#include <QWidget>

namespace NequoraUI::platform {

NavigationController::NavigationController(ViewController *rootViewController, QObject *parent)
    : ViewController(parent), m_root(rootViewController)
{
    addChildViewController(rootViewController);
}

ViewController *NavigationController::rootViewController() const
{
    return m_root;
}

ViewController *NavigationController::topViewController() const
{
    return m_root;
}

bool NavigationController::accessibilityPerformEscape()
{
    return m_root && m_root->accessibilityPerformEscape();
}

NavigationBar *NavigationController::navigationBar()
{
    view();
    return m_bar;
}

void NavigationController::loadView()
{
    auto *container = new QWidget;
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_bar = new NavigationBar(container);
    layout->addWidget(m_bar);
    if (m_root) {
        m_bar->setNavigationItem(m_root->navigationItem());
        layout->addWidget(m_root->view(), 1);
        // Focus given to the navigation lands in its content (a picker's list).
        container->setFocusProxy(m_root->view());
    } else {
        layout->addStretch(1);
    }
    setView(container);
}

} // namespace NequoraUI::platform
