#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace NequoraUI::platform {

class NavigationController;
class NavigationItem;
class PresentationOverlay;

// A screen's controller. Its view is built on first use (loadView, then viewDidLoad, once) and
// owned by the controller. A controller can present another one modally over its window and
// dismiss it again; the presented controller is owned by its presenter until its dismissal has
// finished, then deleted.
class ViewController : public QObject
{
    Q_OBJECT

public:
    // Duration of the animated presentation and dismissal.
    static constexpr int transitionDurationMs = 300;

    explicit ViewController(QObject *parent = nullptr);
    ~ViewController() override;

    // The controller's view, loaded on first call. Never null.
    QWidget *view();
    bool isViewLoaded() const;

    QString title() const;
    // Also sets the navigation item's title, which a navigation bar shows.
    void setTitle(const QString &title);

    NavigationItem *navigationItem();

    // The container this controller is embedded in (a navigation controller's root has one).
    ViewController *parentViewController() const;
    // The nearest navigation controller among this controller and its containers.
    NavigationController *navigationController() const;

    // Shows controller modally over this controller's window and takes ownership of it.
    // Refused with a warning while this controller already presents another one; a refused
    // controller that nobody owns is deleted later.
    void present(ViewController *controller, bool animated);
    // On a presenter: dismisses what it presented. On a presented controller (or one embedded
    // in it) with nothing presented on top: dismisses itself. Otherwise does nothing.
    void dismiss(bool animated);

    // What this controller presents, until its dismissal has finished.
    ViewController *presentedViewController() const;
    // Who presented this controller, or the container it is embedded in.
    ViewController *presentingViewController() const;
    // True while a presentation or dismissal animation runs.
    bool isTransitioning() const;

    // Escape pressed in this controller's presented view: a controller that can be cancelled
    // does so and returns true. The default does nothing and returns false.
    virtual bool accessibilityPerformEscape();

signals:
    void titleChanged(const QString &title);

protected:
    // Builds the view and hands it over with setView(). The default is an empty widget.
    virtual void loadView();
    // Called once, right after the view has been loaded.
    virtual void viewDidLoad();
    // Takes ownership of view.
    void setView(QWidget *view);
    // Embeds child: it becomes this controller's QObject child and its parentViewController.
    void addChildViewController(ViewController *child);

private:
    void dismissPresented(bool animated);
    void finishDismissal();
    void forgetPresented();
    void discardOverlay();
    void onOverlayShown();

    QPointer<QWidget> m_view;
    bool m_viewLoading = false;
    QString m_title;
    NavigationItem *m_navigationItem = nullptr;
    QPointer<ViewController> m_parentController;

    QPointer<ViewController> m_presented;
    QPointer<ViewController> m_presenting;
    QPointer<PresentationOverlay> m_overlay;
    // Keyboard focus goes back here once the presented controller is dismissed.
    QPointer<QWidget> m_focusBeforePresenting;
    bool m_appearing = false;
    bool m_dismissing = false;
};

} // namespace NequoraUI::platform
