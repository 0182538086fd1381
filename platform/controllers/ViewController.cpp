#include "ViewController.h"

#include "NavigationController.h"
#include "NavigationItem.h"
#include "PresentationOverlay.h"

#include <QWidget>

namespace NequoraUI::platform {

ViewController::ViewController(QObject *parent) : QObject(parent) {}

ViewController::~ViewController()
{
    // A presented controller deleted behind its presenter's back leaves no empty overlay.
    if (m_presenting)
        m_presenting->forgetPresented();
    // The overlay lives in the window, not in this object tree: it (and the presented view in
    // it) would otherwise outlive the presentation.
    if (m_overlay) {
        m_overlay->disconnect(this);
        delete m_overlay;
    }
    delete m_view;
}

QWidget *ViewController::view()
{
    // A view destroyed by its window is built again, as after a memory warning on the device.
    if (!m_view && !m_viewLoading) {
        m_viewLoading = true;
        loadView();
        if (!m_view)
            setView(new QWidget);
        m_viewLoading = false;
        viewDidLoad();
    }
    return m_view;
}

bool ViewController::isViewLoaded() const
{
    return !m_view.isNull();
}

QString ViewController::title() const
{
    return m_title;
}

void ViewController::setTitle(const QString &title)
{
    navigationItem()->setTitle(title);
    if (title == m_title)
        return;
    m_title = title;
    emit titleChanged(m_title);
}

NavigationItem *ViewController::navigationItem()
{
    if (!m_navigationItem)
        m_navigationItem = new NavigationItem(this);
    return m_navigationItem;
}

ViewController *ViewController::parentViewController() const
{
    return m_parentController;
}

NavigationController *ViewController::navigationController() const
{
    for (auto *controller = this; controller; controller = controller->parentViewController()) {
        if (auto *navigation = qobject_cast<const NavigationController *>(controller))
            return const_cast<NavigationController *>(navigation);
    }
    return nullptr;
}

void ViewController::present(ViewController *controller, bool animated)
{
    if (!controller || controller == this || controller->m_presenting) {
        qWarning("ViewController: cannot present %p: it is null, the presenter itself or "
                 "already presented",
                 static_cast<void *>(controller));
        return;
    }
    // A dismissal still animating is completed at once rather than refusing the new controller.
    if (m_presented && m_dismissing)
        finishDismissal();
    if (m_presented) {
        qWarning("ViewController: attempt to present a controller on %p, which is already "
                 "presenting another one",
                 static_cast<void *>(this));
        if (!controller->parent())
            controller->deleteLater();
        return;
    }

    controller->setParent(this);
    m_presented = controller;
    controller->m_presenting = this;

    // Without a window yet, the presenter's own view is the top-level widget that hosts it.
    m_overlay = new PresentationOverlay(view()->window());
    m_overlay->setContent(controller->view());
    connect(m_overlay, &PresentationOverlay::escapePressed, this, [this] {
        if (m_presented && !m_dismissing)
            m_presented->accessibilityPerformEscape();
    });
    connect(m_overlay, &PresentationOverlay::transitionFinished, this, [this](bool shown) {
        if (shown)
            onOverlayShown();
        else
            finishDismissal();
    });
    // The window may close under a running dismissal, which then never reports its end.
    connect(m_overlay, &QObject::destroyed, this, [this] {
        m_overlay = nullptr;
        if (m_dismissing)
            finishDismissal();
    });
    if (animated) {
        m_appearing = true;
        m_overlay->animateTo(true, transitionDurationMs);
    } else {
        m_overlay->setProgress(1.0);
    }
    m_focusBeforePresenting = view()->window()->focusWidget();
    controller->view()->setFocus();
}

bool ViewController::accessibilityPerformEscape()
{
    return false;
}

void ViewController::onOverlayShown()
{
    m_appearing = false;
}

void ViewController::dismiss(bool animated)
{
    if (m_presented) {
        dismissPresented(animated);
        return;
    }
    if (auto *presenter = presentingViewController())
        presenter->dismissPresented(animated);
}

void ViewController::dismissPresented(bool animated)
{
    if (!m_presented || m_dismissing)
        return;
    m_dismissing = true;
    m_appearing = false;
    if (animated && m_overlay)
        m_overlay->animateTo(false, transitionDurationMs);
    else
        finishDismissal();
}

void ViewController::finishDismissal()
{
    QPointer<ViewController> controller = m_presented;
    m_presented = nullptr;
    m_dismissing = false;
    m_appearing = false;
    discardOverlay();
    if (controller) {
        controller->m_presenting = nullptr;
        controller->deleteLater();
    }
    if (m_focusBeforePresenting)
        m_focusBeforePresenting->setFocus();
}

void ViewController::forgetPresented()
{
    m_presented = nullptr;
    m_dismissing = false;
    m_appearing = false;
    discardOverlay();
}

void ViewController::discardOverlay()
{
    if (!m_overlay)
        return;
    // Its animation may still be running until the deferred delete: it must no longer report
    // to this presenter, which may be presenting something else by then.
    m_overlay->disconnect(this);
    m_overlay->hide();
    m_overlay->deleteLater();
    m_overlay = nullptr;
}

ViewController *ViewController::presentedViewController() const
{
    return m_presented;
}

ViewController *ViewController::presentingViewController() const
{
    if (m_presenting)
        return m_presenting;
    return m_parentController ? m_parentController->presentingViewController() : nullptr;
}

bool ViewController::isTransitioning() const
{
    return m_appearing || m_dismissing;
}

void ViewController::loadView()
{
    setView(new QWidget);
}

void ViewController::viewDidLoad() {}

void ViewController::setView(QWidget *view)
{
    if (m_view == view)
        return;
    delete m_view;
    m_view = view;
}

void ViewController::addChildViewController(ViewController *child)
{
    if (!child || child == this)
        return;
    child->setParent(this);
    child->m_parentController = this;
}

} // namespace NequoraUI::platform
