#include "WidgetFactory.h"

#include "CardView.h"
#include "ElidingLabel.h"
#include "ProgressBar.h"
#include "SegmentedControl.h"
#include "Slider.h"
#include "Switch.h"

#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QWidget>

namespace NequoraUI::platform {

namespace {

template <typename T> WidgetFactory::Entry entry()
{
    return {[](QWidget *parent) -> QWidget * { return new T(parent); }, &T::staticMetaObject};
}

const QHash<QString, WidgetFactory::Entry> &registry()
{
    static const QHash<QString, WidgetFactory::Entry> classes = {
        {QStringLiteral("QWidget"), entry<QWidget>()},
        {QStringLiteral("QFrame"), entry<QFrame>()},
        {QStringLiteral("QLabel"), entry<QLabel>()},
        {QStringLiteral("QLineEdit"), entry<QLineEdit>()},
        {QStringLiteral("QPushButton"), entry<QPushButton>()},
        {QStringLiteral("QToolButton"), entry<QToolButton>()},
        {QStringLiteral("QCheckBox"), entry<QCheckBox>()},
        {QStringLiteral("QScrollArea"), entry<QScrollArea>()},
        {QStringLiteral("NequoraUI::platform::Slider"), entry<Slider>()},
        {QStringLiteral("NequoraUI::platform::Switch"), entry<Switch>()},
        {QStringLiteral("NequoraUI::platform::SegmentedControl"), entry<SegmentedControl>()},
        {QStringLiteral("NequoraUI::platform::ProgressBar"), entry<ProgressBar>()},
        {QStringLiteral("NequoraUI::platform::ElidingLabel"), entry<ElidingLabel>()},
        {QStringLiteral("NequoraUI::platform::CardView"), entry<CardView>()},
    };
    return classes;
}

} // namespace

WidgetFactory::Entry WidgetFactory::find(const QString &className)
{
    return registry().value(className);
}

} // namespace NequoraUI::platform
