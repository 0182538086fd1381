#include "platform/Interface.h"
#include "platform/Slider.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using NequoraUI::platform::Interface;
using NequoraUI::platform::Slider;

namespace {

const QString testBundle = QStringLiteral(":/test");

// An owner standing for a library view: it declares the action the resource connects.
class Probe : public QWidget
{
    Q_OBJECT
public:
    explicit Probe(const QString &resource = QStringLiteral("Probe"))
    {
        const Interface ui = Interface::load(resource, this, testBundle);
        contentView = ui.outlet<QWidget>("contentView");
        titleLabel = ui.outlet<QLabel>("titleLabel");
        button = ui.outlet<QPushButton>("button");
        slider = ui.outlet<Slider>("slider");
    }
    int taps = 0;
    QWidget *contentView = nullptr;
    QLabel *titleLabel = nullptr;
    QPushButton *button = nullptr;
    Slider *slider = nullptr;

public slots:
    void tapped() { ++taps; }
};

// An owner with the action but no outlets of its own, to ask for outlets by hand.
class BareOwner : public QWidget
{
    Q_OBJECT
public slots:
    void tapped() {}
};

} // namespace

TEST(Interface, BindsOutletsAppliesPropertiesAndConnectsActions)
{
    Probe probe;
    EXPECT_EQ(probe.titleLabel->text(), "Designer text");
    EXPECT_EQ(probe.titleLabel->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(probe.titleLabel->font().pointSize(), 15);
    EXPECT_TRUE(probe.titleLabel->font().bold());
    EXPECT_EQ(probe.titleLabel->property("role").toString(), "heading");
    EXPECT_EQ(probe.button->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(probe.button->sizePolicy().horizontalStretch(), 2);
    EXPECT_EQ(probe.slider->maximumValue(), 5.5f);
    EXPECT_EQ(probe.contentView->parentWidget(), &probe);
    EXPECT_EQ(probe.contentView->layout()->spacing(), 7);
    EXPECT_EQ(probe.layout()->contentsMargins(), QMargins());

    Probe second;
    EXPECT_NE(second.titleLabel, probe.titleLabel);
    probe.resize(400, 90);
    probe.show();
    QTest::mouseClick(probe.button, Qt::LeftButton);
    EXPECT_EQ(probe.taps, 1);
    EXPECT_EQ(second.taps, 0) << "each load connects to its own owner only";
    EXPECT_EQ(probe.contentView->geometry(), probe.rect()) << "contentView covers its owner";
}

template <typename Outlet> static void loadOutlet(const char *name)
{
    BareOwner owner;
    Interface::load(QStringLiteral("Probe"), &owner, testBundle).outlet<Outlet>(name);
}

// Faults of a resource stop with its name and the fault.
TEST(InterfaceDeathTest, FaultyResourcesAndOutletsStopNamingResourceAndFault)
{
    const std::pair<const char *, const char *> faults[] = {
        {"Nowhere", "Interface resource \":/test/Nowhere.ui\" is missing"},
        {"MissingAction", "MissingAction.ui\": action \"vanished\\(\\)\" is not a slot of"},
        {"LibraryView", "init\\(coder:\\) has not been implemented.*NequoraUI::SliderView"},
        {"Truncated", "Truncated.ui\": malformed XML"},
        {"UnknownProperty", "class QLabel has no property \"noSuchProperty\""}};
    for (const auto &[resource, message] : faults)
        EXPECT_DEATH(Probe(QString::fromLatin1(resource)), message);
    EXPECT_DEATH(loadOutlet<QLabel>("valueLabel"),
                 "Interface resource \":/test/Probe.ui\": outlet \"valueLabel\" is missing");
    EXPECT_DEATH(loadOutlet<QLineEdit>("titleLabel"),
                 "outlet \"titleLabel\" is a QLabel, not a QLineEdit");
}

#include "InterfaceTest.moc"
