#include "LibraryStyle.h"
#include "SliderView.h"
#include "platform/Slider.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace NequoraUI;

namespace {

struct EntryFixture
{
    EntryFixture(float initial, float minimum, float maximum)
        : view(QStringLiteral("Gain"), initial, minimum, maximum,
               [this](float value) { written.push_back(value); }),
          changed(&view, &SliderView::valueChanged)
    {
        LibraryStyle::apply(&view);
        view.show();
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
        label = view.findChild<QLabel *>(QStringLiteral("valueLabel"));
        slider = view.findChild<platform::Slider *>(QStringLiteral("slider"));
    }

    QLineEdit *editor() const { return view.findChild<QLineEdit *>(QStringLiteral("valueEditor")); }
    bool editing() const { return editor() && editor()->isVisible(); }

    // Opens the editor from the keyboard, types over the selected text and presses a key.
    void type(const QString &text, Qt::Key key = Qt::Key_Return)
    {
        label->setFocus(Qt::TabFocusReason);
        QTest::keyClick(label, Qt::Key_Return);
        ASSERT_TRUE(editing());
        QTest::keyClicks(editor(), text);
        QTest::keyClick(editor(), key);
    }

    std::vector<float> written;
    SliderView view;
    QSignalSpy changed;
    QLabel *label = nullptr;
    platform::Slider *slider = nullptr;
};

ParameterPresentation presentation(QString unit, double step = 0, bool decibels = false)
{
    ParameterPresentation shown;
    shown.unit = std::move(unit);
    shown.step = step;
    if (decibels)
        shown.transform = ParameterPresentation::Transform::Decibels;
    return shown;
}

struct TypedCase
{
    const char *text;
    float minimum, maximum;
    std::optional<ParameterPresentation> shown;
    std::optional<float> written; // none: refused
};

const TypedCase typedCases[] = {
    {"0.3", 0, 1, {}, 0.3f},
    {" 7 ", 0, 1, {}, 1.0f},
    {"-5", 0, 1, {}, 0.0f},
    {"1e300", 0, 1, {}, 1.0f},
    {"abc", 0, 1, {}, {}},
    {"nan", 0, 1, {}, {}},
    {" ", 0, 1, {}, {}},
    {"-6 dB", 0, 2, presentation({}, 0, true), float(std::pow(10.0, -6.0 / 20.0))},
    {"-inf dB", 0, 2, presentation({}, 0, true), 0.0f},
    {"1.2 kHz", 20, 20000, presentation("Hz"), 1200.0f},
    {"5 ms", 20, 20000, presentation("Hz"), {}},
    {"250 ms", 0, 2, presentation("s"), 0.25f},
    {"3.7", 0, 10, presentation({}, 1), 4.0f},
};

} // namespace

TEST(SliderEntry, TypedTextIsWrittenOnceClampedAndSnappedOrRefused)
{
    for (const TypedCase &c : typedCases) {
        SCOPED_TRACE(c.text);
        EntryFixture f(c.minimum, c.minimum, c.maximum);
        if (c.shown)
            f.view.setPresentation(*c.shown);
        const QString before = f.label->text();
        f.type(QString::fromUtf8(c.text));
        if (c.written) {
            ASSERT_EQ(f.written.size(), 1u);
            EXPECT_FLOAT_EQ(f.written[0], *c.written);
            EXPECT_EQ(f.changed.count(), 1);
            EXPECT_FLOAT_EQ(f.view.value(), *c.written);
            EXPECT_FALSE(f.editing());
            EXPECT_TRUE(f.label->hasFocus()) << "focus returns to the value text";
        } else {
            EXPECT_TRUE(f.written.empty());
            EXPECT_EQ(f.changed.count(), 0);
            EXPECT_TRUE(f.editing() && f.editor()->hasFocus()) << "a refused text stays";
            EXPECT_EQ(f.label->text(), before);
        }
    }
}

TEST(SliderEntry, RefusalShowsUntilEditedAndEscapeWritesNothing)
{
    EntryFixture f(0.5f, 0.0f, 1.0f);
    QTest::mouseDClick(f.label, Qt::LeftButton);
    ASSERT_TRUE(f.editing());
    EXPECT_EQ(f.editor()->text(), "0.5");
    EXPECT_EQ(f.editor()->accessibleName(), "Gain");
    QTest::keyClicks(f.editor(), "loud");
    const QImage typed = f.editor()->grab().toImage();
    QTest::keyClick(f.editor(), Qt::Key_Return);
    EXPECT_TRUE(f.editor()->property("invalid").toBool());
    EXPECT_NE(f.editor()->grab().toImage(), typed) << "the refusal is visible";

    QTest::keyClick(f.editor(), Qt::Key_Backspace);
    EXPECT_FALSE(f.editor()->property("invalid").toBool());
    QTest::keyClicks(f.editor(), "0.9");
    QTest::keyClick(f.editor(), Qt::Key_Escape);
    EXPECT_FALSE(f.editing());
    EXPECT_TRUE(f.written.empty());
    EXPECT_EQ(f.label->text(), "0.5");
    EXPECT_EQ(f.slider->value(), 0.5f);
}

TEST(SliderEntry, DoubleClickOnTheSliderReturnsToTheBuiltValueOnce)
{
    EntryFixture f(0.25f, 0.0f, 1.0f);
    f.view.setValue(0.75f);
    QTest::mouseDClick(f.slider, Qt::LeftButton, {}, f.slider->pointForValue(0.75f));
    ASSERT_FALSE(f.written.empty());
    EXPECT_EQ(f.written.back(), 0.25f);
    EXPECT_EQ(std::count(f.written.begin(), f.written.end(), 0.25f), 1);
    EXPECT_EQ(f.slider->value(), 0.25f);
    EXPECT_EQ(f.label->text(), "0.25");
}

TEST(SliderEntry, ValueTextIsANamedButtonThatOpensTheEditor)
{
    EntryFixture f(0.25f, 0.0f, 1.0f);
    QAccessibleInterface *text = QAccessible::queryAccessibleInterface(f.label);
    EXPECT_EQ(text->role(), QAccessible::Button);
    EXPECT_EQ(text->text(QAccessible::Name), "Gain");
    EXPECT_EQ(text->text(QAccessible::Value), "0.25");
    text->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(f.editing());

    f.view.setValueParser([](const QString &typed) -> std::optional<double> {
        return typed == "half" ? std::optional(0.5) : std::nullopt;
    });
    QTest::keyClicks(f.editor(), "half");
    QTest::keyClick(f.editor(), Qt::Key_Return);
    EXPECT_EQ(f.written, std::vector<float>{0.5f});
}
