#include "RadialPadFixture.h"
#include "RadialSliderWidget.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPluginLoader>
#include <QPushButton>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlExtensionPlugin>
#include <QQuickWidget>

using namespace RadialTest;
using NequoraUI::RadialSliderWidget;

namespace {

// Through the qmldir, importing the module alone is enough for colour texts.
const QByteArray qmlPad = R"(
import QtQuick
import NequoraUI
NQRadialSliderControl {
    size: 200
    defaultPosition: Qt.point(1, 0.5)
    draggableControlColor: 'red'
    property int reports: 0
    onSliderPositionChanged: reports++
}
)";

} // namespace

TEST_F(RadialPad, TheBuildTreeHoldsAnInstallableModuleThatQmlImportsWithItsProperties)
{
    const QDir module(QCoreApplication::applicationDirPath() + "/../qml/NequoraUI");
    ASSERT_TRUE(module.exists("qmldir")) << module.absolutePath().toStdString();
    ASSERT_TRUE(module.exists("NequoraUI.qmltypes"));
    const QStringList plugins = module.entryList({"*nequorauiqmlplugin*"}, QDir::Files);
    ASSERT_EQ(plugins.size(), 1);
    QPluginLoader loader(module.filePath(plugins.first()));
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    ASSERT_NE(qobject_cast<QQmlEngineExtensionPlugin *>(loader.instance()), nullptr);

    QQmlEngine engine;
    engine.addImportPath(QDir(module.absolutePath() + "/..").absolutePath());
    QQmlComponent component(&engine);
    component.setData(qmlPad, QUrl());
    std::unique_ptr<QObject> object(component.create());
    ASSERT_TRUE(object) << component.errorString().toStdString();
    auto *pad = qobject_cast<NQRadialSliderControl *>(object.get());
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->width(), 200);
    EXPECT_EQ(pad->property("draggableControlColor").value<QColor>().rgba(), qRgb(255, 0, 0));
    EXPECT_EQ(pad->currentPosition(), QPointF(0, 0));

    pad->setParentItem(window->contentItem());
    EXPECT_EQ(pad->property("reports").toInt(), 1);
    EXPECT_EQ(pad->currentPosition(), QPointF(1, 0.5));
    QMetaObject::invokeMethod(pad, "updateCurrentPosition", Q_ARG(QPointF, QPointF(0.2, 0.2)));
    EXPECT_EQ(pad->property("reports").toInt(), 2);
    EXPECT_EQ(pad->property("currentPosition").toPointF(), QPointF(0.2, 0.2));
}

TEST_F(RadialPad, WidgetHostsShareOneEngineAndDrag)
{
    QWidget screen;
    auto *layout = new QHBoxLayout(&screen);
    layout->addWidget(new QLabel("Pad", &screen));
    std::vector<QPointF> seen;
    auto *first = new RadialSliderWidget(
        200, true, true, true, Qt::black, Qt::red, 40, {0.5, 0.5},
        [&](QPointF p) { seen.push_back(p); }, false, &screen);
    auto *second = new RadialSliderWidget(100, true, false, true, Qt::black, Qt::red, 20,
                                          {0.5, 0.5}, {}, false, &screen);
    layout->addWidget(first);
    layout->addWidget(second);
    EXPECT_EQ(first->quickWidget()->engine(), second->quickWidget()->engine());
    EXPECT_EQ(first->quickWidget()->engine(), RadialSliderWidget::sharedEngine());
    EXPECT_EQ(first->sizeHint(), QSize(200, 200));
    EXPECT_TRUE(seen.empty());

    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    ASSERT_EQ(seen.size(), 1u) << "appears once on screen";
    EXPECT_EQ(seen[0], QPointF(0.5, 0.5));
    screen.resize(600, 120); // a short host does not squeeze the pad
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(first->size(), QSize(200, 200));

    NQRadialSliderControl *pad = first->control();
    const auto toWidget = [&](double x, double y) {
        return pad->mapToScene(pad->padOrigin() + QPointF(x, y)).toPoint();
    };
    QTest::mousePress(first->quickWidget(), Qt::LeftButton, {}, toWidget(100, 100));
    QTest::mouseMove(first->quickWidget(), toWidget(150, 100));
    QTest::mouseRelease(first->quickWidget(), Qt::LeftButton, {}, toWidget(150, 100));
    EXPECT_EQ(pad->currentPosition(), QPointF(0.75, 0.5));

    const QRgb knob = first->quickWidget()->grabFramebuffer().pixel(toWidget(150, 100));
    EXPECT_GT(qRed(knob), 200);
    EXPECT_LT(qGreen(knob), 60);

    // Tab reaches the pad inside the widget, and its arrow keys move the knob.
    screen.activateWindow();
    first->quickWidget()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(first->quickWidget(), Qt::Key_Left);
    EXPECT_EQ(pad->currentPosition(), QPointF(0.75 - NQRadialSliderControl::keyStepFraction, 0.5));
}

// Right to left, the pad's axes stay as they are: it is a surface, not a row to mirror. A drag
// to the right still moves the knob right and draws it there, and Left still means less x.
TEST_F(RadialPad, RightToLeftDoesNotMirrorThePad)
{
    QWidget screen;
    screen.setLayoutDirection(Qt::RightToLeft);
    auto *layout = new QHBoxLayout(&screen);
    auto *host = new RadialSliderWidget(200, true, false, true, Qt::black, Qt::red, 40, {0.5, 0.5},
                                        {}, false, &screen);
    layout->addWidget(host);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    NQRadialSliderControl *pad = host->control();
    EXPECT_EQ(host->quickWidget()->layoutDirection(), Qt::RightToLeft);
    const auto toWidget = [&](double x, double y) {
        return pad->mapToScene(pad->padOrigin() + QPointF(x, y)).toPoint();
    };
    QTest::mousePress(host->quickWidget(), Qt::LeftButton, {}, toWidget(100, 100));
    QTest::mouseMove(host->quickWidget(), toWidget(150, 100));
    QTest::mouseRelease(host->quickWidget(), Qt::LeftButton, {}, toWidget(150, 100));
    EXPECT_EQ(pad->currentPosition(), QPointF(0.75, 0.5));
    const QRgb drawn = host->quickWidget()->grabFramebuffer().pixel(toWidget(150, 100));
    EXPECT_TRUE(qRed(drawn) > 200 && qGreen(drawn) < 60) << "the knob is drawn where dragged";

    screen.activateWindow();
    host->quickWidget()->setFocus(Qt::TabFocusReason);
    QTest::keyClick(host->quickWidget(), Qt::Key_Left);
    EXPECT_EQ(pad->currentPosition(), QPointF(0.75 - NQRadialSliderControl::keyStepFraction, 0.5));
}

// Tab and Shift+Tab walk into the pad and out again, on either side, like any control.
TEST_F(RadialPad, TabAndShiftTabMoveFocusIntoAndOutOfAWidgetHostedPad)
{
    QWidget screen;
    auto *layout = new QHBoxLayout(&screen);
    auto *before = new QLineEdit(&screen);
    auto *host = new RadialSliderWidget(100, true, false, true, Qt::black, Qt::red, 20, {0.5, 0.5},
                                        {}, false, &screen);
    auto *after = new QPushButton("Section", &screen);
    for (QWidget *widget : {static_cast<QWidget *>(before), static_cast<QWidget *>(host),
                            static_cast<QWidget *>(after)})
        layout->addWidget(widget);
    screen.show();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    before->setFocus(Qt::OtherFocusReason);
    const std::tuple<Qt::KeyboardModifiers, QWidget *> steps[] = {
        {Qt::NoModifier, host->quickWidget()},
        {Qt::NoModifier, after},
        {Qt::ShiftModifier, host->quickWidget()},
        {Qt::ShiftModifier, before}};
    for (const auto &[modifiers, expected] : steps) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        EXPECT_EQ(QApplication::focusWidget(), expected);
    }
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(host->control()->hasActiveFocus()) << "the pad itself takes the keys";
}

// A QML document that adds nothing for accessibility still has the pad in its window's tree.
TEST_F(RadialPad, AQmlOnlyPadIsInItsWindowsAccessibleTreeWithRoleAndName)
{
    QQmlEngine engine;
    engine.addImportPath(QCoreApplication::applicationDirPath() + "/../qml");
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport NequoraUI\n"
                      "Window { width: 200; height: 200; NQRadialSliderControl { size: 100 } }",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    auto *qmlWindow = qobject_cast<QQuickWindow *>(object.get());
    ASSERT_TRUE(qmlWindow) << component.errorString().toStdString();
    qmlWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(qmlWindow));
    std::vector<QAccessibleInterface *> pending = {
        QAccessible::queryAccessibleInterface(qmlWindow)};
    QAccessibleInterface *pad = nullptr;
    while (!pending.empty() && !pad) {
        QAccessibleInterface *node = pending.back();
        pending.pop_back();
        if (!node)
            continue;
        if (node->role() == QAccessible::Slider)
            pad = node;
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
    }
    ASSERT_TRUE(pad) << "no slider in the window's accessible tree";
    EXPECT_EQ(pad->text(QAccessible::Name), "XY pad");
}
