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

// An owner standing for a library view: it declares the action the resource connects.
class Probe : public QWidget
{
    Q_OBJECT

public:
    explicit Probe(const char *resource = "Probe")
        : ui(Interface::load(QLatin1String(resource), this, QStringLiteral(":/test")))
    {}

    const Interface ui;
    int taps = 0;

public slots:
    void tapped() { ++taps; }
};

} // namespace

TEST(Interface, BindsOutletsAppliesPropertiesAndConnectsActions)
{
    Probe probe;
    const auto *title = probe.ui.outlet<QLabel>("titleLabel");
    EXPECT_EQ(title->text(), "Designer text");
    EXPECT_EQ(title->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_EQ(title->font().pointSize(), 15);
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(title->property("role").toString(), "heading");
    auto *button = probe.ui.outlet<QPushButton>("button");
    EXPECT_EQ(button->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(button->sizePolicy().horizontalStretch(), 2);
    EXPECT_EQ(probe.ui.outlet<Slider>("slider")->maximumValue(), 5.5f);
    auto *content = probe.ui.outlet<QWidget>("contentView");
    EXPECT_EQ(content->parentWidget(), &probe);
    EXPECT_EQ(content->layout()->spacing(), 7);
    EXPECT_EQ(probe.layout()->contentsMargins(), QMargins());

    Probe second;
    EXPECT_NE(second.ui.outlet<QLabel>("titleLabel"), title);
    probe.resize(400, 90);
    probe.show();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(probe.taps, 1);
    EXPECT_EQ(second.taps, 0) << "each load connects to its own owner only";
    EXPECT_EQ(content->geometry(), probe.rect()) << "contentView covers its owner";
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
        EXPECT_DEATH(Probe{resource}, message);
    EXPECT_DEATH(Probe().ui.outlet<QLabel>("valueLabel"),
                 "Interface resource \":/test/Probe.ui\": outlet \"valueLabel\" is missing");
    EXPECT_DEATH(Probe().ui.outlet<QLineEdit>("titleLabel"),
                 "outlet \"titleLabel\" is a QLabel, not a QLineEdit");
}

#include "InterfaceTest.moc"
