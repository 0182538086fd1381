#pragma once

#include "ViewController.h"

namespace NequoraUI::platform {

class NavigationBar;

// A container showing its root controller's view below a navigation bar that displays the
// root's navigation item (title and right bar button).
class NavigationController : public ViewController
{
    Q_OBJECT

public:
    // Takes ownership of rootViewController.
    explicit NavigationController(ViewController *rootViewController, QObject *parent = nullptr);

    ViewController *rootViewController() const;
    // The controller on top of the stack; with one controller, the root.
    ViewController *topViewController() const;
    // Passed on to the top controller.
    bool accessibilityPerformEscape() override;
    // The title bar (loads the view).
    NavigationBar *navigationBar();

protected:
    void loadView() override;

private:
    QPointer<ViewController> m_root;
    QPointer<NavigationBar> m_bar;
};

} // namespace NequoraUI::platform
