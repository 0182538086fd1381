#include "VStackViewController.h"

#include "LibraryStyle.h"
#include "platform/Interface.h"
#include "platform/LayoutConstraint.h"

#include <QSet>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

namespace NequoraUI {

VStackViewController::VStackViewController(QObject *parent) : platform::ViewController(parent) {}

VStackViewController::VStackViewController(QList<QWidget *> views, QObject *parent)
    : platform::ViewController(parent)
{
    setViews(std::move(views));
}

VStackViewController::~VStackViewController()
{
    deleteUnplaced({});
}

QList<QWidget *> VStackViewController::views() const
{
    QList<QWidget *> result;
    result.reserve(m_views.size());
    for (const auto &view : m_views)
        if (view)
            result.append(view);
    return result;
}

void VStackViewController::setViews(QList<QWidget *> views)
{
    deleteUnplaced(views);
    m_views.clear();
    m_views.reserve(views.size());
    for (QWidget *view : views)
        m_views.append(view);
}

void VStackViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->setObjectName(QStringLiteral("VStackViewController"));
    const auto ui = platform::Interface::load(QStringLiteral("VStackViewController"), view.get());
    // The screen's top: the one place the library's look is set for everything it shows.
    LibraryStyle::apply(view.get());
    contentStackView = ui.outlet<QVBoxLayout>("contentStackView");
    // A view rebuilt after its window destroyed it gets constraints of its own.
    delete leadingSpaceConstraint;
    delete trailingSpaceConstraint;
    leadingSpaceConstraint = new platform::LayoutConstraint(
        contentStackView, platform::LayoutConstraint::Edge::Left, this);
    trailingSpaceConstraint = new platform::LayoutConstraint(
        contentStackView, platform::LayoutConstraint::Edge::Right, this);
    setView(view.release());
}

void VStackViewController::viewDidLoad()
{
    platform::ViewController::viewDidLoad();
    leadingSpaceConstraint->setConstant(m_horizontalInset);
    trailingSpaceConstraint->setConstant(m_horizontalInset);
    for (const auto &view : m_views)
        if (view)
            contentStackView->addWidget(view);
}

void VStackViewController::deleteUnplaced(const QList<QWidget *> &keep)
{
    if (m_views.isEmpty())
        return;
    const QSet<QWidget *> kept(keep.begin(), keep.end());
    for (const auto &view : m_views)
        if (view && !view->parentWidget() && !kept.contains(view.data()))
            delete view.data();
}

} // namespace NequoraUI
