#include "RadialPadFixture.h"

#include <QAccessible>
#include <QFontDatabase>
#include <limits>

using namespace RadialTest;

const auto expectPosition = [](QPointF actual, QPointF expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x(), expected.x(), tolerance);
    EXPECT_NEAR(actual.y(), expected.y(), tolerance);
};

const auto isRed = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };

TEST_F(RadialPad, StartsAtTheOriginReportsTheMappedDefaultOnEachAppearingAndGivenPositionsOnce)
{
    build({.defaultPosition = {1, 1}});
    EXPECT_EQ(control->currentPosition(), QPointF(0, 0));
    EXPECT_TRUE(reports.empty()) << "the initial (0, 0) is never reported";

    control->setParentItem(window->contentItem());
    ASSERT_EQ(reports.size(), 1u);
    expectPosition(reports[0], {0.853553, 0.853553}, 1e-6);
    expectPosition(control->currentPosition(), reports[0]);

    control->updateCurrentPosition({0.2, 0.3});
    control->setVisible(false);
    EXPECT_EQ(reports.size(), 2u) << "leaving the screen reports nothing";
    control->setVisible(true);
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[2], reports[0]);
    // Appearing again where it already is reports nothing.
    control->setParentItem(nullptr);
    control->setParentItem(window->contentItem());
    EXPECT_EQ(reports.size(), 3u);

    // Without the knob only updateCurrentPosition moves it, storing what it is given, once.
    show({.showDraggableControl = false});
    reports.clear();
    drag({100, 100}, {150, 100});
    EXPECT_TRUE(reports.empty());
    control->updateCurrentPosition({2, 2});
    control->updateCurrentPosition({2, 2});
    EXPECT_EQ(reports, std::vector<QPointF>{QPointF(2, 2)});
    EXPECT_EQ(control->currentPosition(), QPointF(2, 2));
}

TEST_F(RadialPad, DragFromTheKnobFollowsTheFingerAndClampsToTheCircle)
{
    show({});
    reports.clear();
    QTest::mousePress(window.get(), Qt::LeftButton, {}, windowPoint({100, 100}));
    EXPECT_TRUE(reports.empty()) << "touching the knob's centre does not move it";
    // Outside the disc the knob slides along the circle.
    const std::pair<QPointF, QPointF> moves[] = {{{150, 100}, {0.75, 0.5}},
                                                 {{300, 100}, {1, 0.5}},
                                                 {{100, 0}, {0.5, 1}},
                                                 {{0, 0}, {0.146447, 0.853553}},
                                                 {{-100, 300}, {0.146447, 0.146447}},
                                                 {{100, -50}, {0.5, 1}}};
    for (const auto &[point, position] : moves) {
        QTest::mouseMove(window.get(), windowPoint(point));
        expectPosition(control->currentPosition(), position, 1e-6);
        expectPosition(reports.back(), position, 1e-6);
    }
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, windowPoint({100, -50}));
    EXPECT_EQ(reports.size(), 6u);

    // A press on the knob's edge jumps the knob under the finger; one away from it does nothing.
    control->updateCurrentPosition({0.5, 0.5});
    drag({118, 100}, {118, 100});
    expectPosition(control->currentPosition(), {0.59, 0.5});
    reports.clear();
    drag({40, 100}, {60, 120});
    EXPECT_TRUE(reports.empty());
}

TEST_F(RadialPad, CallbackRunsBeforeTheSignalAndTheDebugLineAndWithoutEitherADragOnlyMoves)
{
    CapturedStdout out;
    std::vector<std::string> seen;
    onReport = [&] { seen.push_back("callback after [" + out.text() + "]"); };
    build({.debugModeEnabled = true});
    QObject::connect(control.get(), &NQRadialSliderControl::sliderPositionChanged, control.get(),
                     [&](QPointF) { seen.push_back("signal after [" + out.text() + "]"); });
    control->setParentItem(window->contentItem());
    const std::string line = "[NQRadialSliderControl] New (X,Y) position: (0.5, 0.5)\n";
    EXPECT_EQ(seen, (std::vector<std::string>{"callback after []", "signal after []"}));
    EXPECT_EQ(out.text(), line);

    control->updateCurrentPosition({0.5, 0.5});
    EXPECT_EQ(out.text(), line) << "an equal value prints nothing";
    control->updateCurrentPosition({0.1, 1});
    const std::string lines = line + "[NQRadialSliderControl] New (X,Y) position: (0.1, 1.0)\n";
    EXPECT_EQ(out.text(), lines);

    // Without callback or debug mode a drag only moves the knob.
    show({.withCallback = false});
    drag({100, 100}, {150, 100});
    expectPosition(control->currentPosition(), {0.75, 0.5});
    EXPECT_EQ(out.text(), lines);
}

TEST_F(RadialPad, AnUnusableSizeDrawsNothingAndIgnoresDrags)
{
    for (const double size : {0.0, -200.0, std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity()}) {
        show({.size = size});
        EXPECT_EQ(control->implicitWidth(), 0) << size;
        control->setSize(QSizeF(200, 200));
        reports.clear();
        QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(150, 150));
        QTest::mouseMove(window.get(), QPoint(200, 150));
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(200, 150));
        EXPECT_TRUE(reports.empty()) << size;
        EXPECT_FALSE(control->contains(QPointF(100, 100))) << size;
        expectBlank(3);
    }
}

TEST_F(RadialPad, ArrowKeysMoveTheKnobInsideTheCircleHomeReturnsItAndFocusShowsARing)
{
    show({});
    const QImage unfocused = render();
    control->forceActiveFocus();
    ASSERT_TRUE(control->hasActiveFocus());
    EXPECT_NE(render(), unfocused) << "a focus ring";
    reports.clear();
    const double step = NQRadialSliderControl::keyStepFraction;
    const std::tuple<Qt::Key, QPointF> keys[] = {{Qt::Key_Right, {0.5 + step, 0.5}},
                                                 {Qt::Key_Up, {0.5 + step, 0.5 + step}},
                                                 {Qt::Key_Left, {0.5, 0.5 + step}},
                                                 {Qt::Key_Down, {0.5, 0.5}}};
    for (const auto &[key, expected] : keys) {
        QTest::keyClick(window.get(), key);
        expectPosition(control->currentPosition(), expected);
    }
    EXPECT_EQ(reports.size(), 4u) << "each step reports once, like a drag";
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(window.get(), Qt::Key_Right);
    expectPosition(control->currentPosition(), {1, 0.5});
    QTest::keyClick(window.get(), Qt::Key_Home);
    expectPosition(control->currentPosition(), {0.5, 0.5});

    QAccessibleInterface *pad = QAccessible::queryAccessibleInterface(control.get());
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->text(QAccessible::Name), "XY pad");
    EXPECT_EQ(pad->text(QAccessible::Value), "x 0.50, y 0.50");
    EXPECT_TRUE(pad->state().focused);
    control->setFocus(false);
    EXPECT_EQ(render(), unfocused);
}

// The knob is a white disc with outline and dot at its position, even outside the pad.
TEST_F(RadialPad, PaintsTheKnobDashedRingsInsideTheirDiametersAndAHalfOpaqueGridABlurLightens)
{
    show({});
    QImage image = render();
    EXPECT_TRUE(isRed(padPixel(image, {100, 100}))) << "dot at the knob's centre";
    EXPECT_TRUE(isRed(padPixel(image, {113, 100}))) << "dot is 28 across";
    EXPECT_EQ(padPixel(image, {116, 107}), qRgb(255, 255, 255)) << "white between dot and edge";
    EXPECT_GT(qRed(padPixel(image, {119.6, 100})), qGreen(padPixel(image, {119.6, 100})) + 60)
        << "outline on the knob's edge";
    for (const double strokeRadius : {99.5, 89.5}) {
        const double coverage = ringCoverage(image, strokeRadius);
        EXPECT_GT(coverage, 0.5) << "ring of stroke radius " << strokeRadius;
        EXPECT_LT(coverage, 0.95) << "dashed, ring of stroke radius " << strokeRadius;
    }
    // Nothing of the outer ring reaches beyond the pad.
    EXPECT_EQ(padPixel(image, {100, -2}), qRgb(255, 255, 255));
    EXPECT_EQ(padPixel(image, {201.5, 100}), qRgb(255, 255, 255));
    const int plain = qGray(padPixel(image, {100, 150}));
    EXPECT_GT(plain, 100) << "grid curves are drawn at half opacity";
    EXPECT_LT(plain, 200) << "the vertical diameter is a grid curve";

    control->updateCurrentPosition({1.2, 0.5});
    image = render();
    EXPECT_TRUE(isRed(padPixel(image, {240, 100})));
    EXPECT_FALSE(isRed(padPixel(image, {100, 100})));

    show({.draggableControlSize = 400});
    image = render();
    EXPECT_TRUE(isRed(padPixel(image, {195, 100}))) << "dot 200 across";
    EXPECT_EQ(padPixel(image, {210, 100}), qRgb(255, 255, 255)) << "knob 400 across";

    show({.blurCenterView = true});
    const int frosted = qGray(padPixel(render(), {100, 150}));
    EXPECT_GT(frosted, plain + 15);
    EXPECT_LT(frosted, 255) << "the disc is translucent";

    // Without grid lines neither curves nor rings show, and the layout is unchanged.
    show({.showCircleGridLines = false, .showDraggableControl = false});
    expectBlank(2);
    EXPECT_EQ(control->width(), 200);
}

TEST_F(RadialPad, DebugReadoutSitsAboveThePadBeyondTheFrame)
{
    if (QFontDatabase::families().isEmpty())
        GTEST_SKIP() << "no fonts installed (scripts/setup.sh installs them)";
    CapturedStdout out;
    show({.debugModeEnabled = true, .at = {50, 150}});
    // The readout does not enlarge the frame: readout and pad are centred together.
    EXPECT_EQ(QSizeF(control->width(), control->height()), QSizeF(200, 200));
    const QImage image = render();

    int textPixels = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < image.width(); ++x)
            textPixels += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    EXPECT_GT(textPixels, 50) << "readout text above the item's frame";
    EXPECT_GT(windowPoint({0, 0}).y(), 150) << "the pad moved down by half the readout";
    EXPECT_TRUE(isRed(padPixel(image, {100, 100})));
}
