#include "SliderView.h"
#include "GestureBurst.h"
#include "InlineValueEditor.h"
#include "LibraryStyle.h"
#include "platform/Slider.h"
#include "support/Widgets.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>
#include <vector>

using namespace NequoraUI;
using Transform = ParameterPresentation::Transform;

namespace {

struct SliderFixture
{
    SliderFixture(float initial, float minimum, float maximum)
        : view("Gain", initial, minimum, maximum, [this](float v) { written.push_back(v); }),
          changed(&view, &SliderView::valueChanged)
    {
        LibraryStyle::apply(&view);
        EXPECT_TRUE(NequoraUI::testing::shown(view, 320, 80));
    }

    QLineEdit *editor() const { return view.findChild<QLineEdit *>("valueEditor"); }
    bool editing() const { return editor() && editor()->isVisible(); }

    void clickAt(float value)
    {
        QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointForValue(value));
    }

    std::vector<float> written;
    SliderView view;
    QSignalSpy changed;
    QLabel *label = view.findChild<QLabel *>("valueLabel");
    platform::Slider *slider = view.findChild<platform::Slider *>("slider");
};

// Presentations spelled by the fields they set; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
const ParameterPresentation hertz{.unit = "Hz"}, seconds{.unit = "s"}, whole{.step = 1},
    decibels{.transform = Transform::Decibels};

// Typed text, range maximum (minimum 0), presentation, value written (none: refused).
// clang-format off
const std::tuple<const char *, float, std::optional<ParameterPresentation>, std::optional<float>>
    typedCases[] = {
    {" 0.3 ", 1, {}, 0.3f}, {"1e300", 1, {}, 1.0f}, {"abc", 1, {}, {}}, {"nan", 1, {}, {}},
    {"-6 dB", 2, decibels, float(std::pow(10.0, -6.0 / 20.0))}, {"-inf dB", 2, decibels, 0.0f},
    {"1.2 kHz", 20000, hertz, 1200.0f}, {"5 ms", 20000, hertz, {}}, {"250 ms", 2, seconds, 0.25f},
    {"3.7", 10, whole, 4.0f}};
// clang-format on

} // namespace

TEST(SliderEntry, TypedTextIsWrittenOnceClampedAndSnappedOrRefused)
{
    for (const auto &[typed, maximum, presentation, written] : typedCases) {
        SCOPED_TRACE(typed);
        SliderFixture f(0.0f, 0.0f, maximum);
        if (presentation)
            f.view.setPresentation(*presentation);
        f.label->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.label, Qt::Key_Return);
        ASSERT_TRUE(f.editing());
        QTest::keyClicks(f.editor(), typed);
        QTest::keyClick(f.editor(), Qt::Key_Return);
        if (written) {
            EXPECT_EQ(f.written, std::vector<float>{*written});
            EXPECT_EQ(f.changed.count(), 1);
            EXPECT_TRUE(!f.editing() && f.label->hasFocus()) << "focus returns to the text";
        } else {
            EXPECT_TRUE(f.written.empty() && f.changed.isEmpty());
            EXPECT_TRUE(f.editing() && f.editor()->hasFocus()) << "a refused text stays";
        }
    }
}

TEST(SliderEntry, RefusalShowsUntilEditedEscapeWritesNothingAndADoubleClickResetsOnce)
{
    SliderFixture f(0.25f, 0.0f, 1.0f);
    QTest::mouseDClick(f.label, Qt::LeftButton);
    ASSERT_TRUE(f.editing());
    EXPECT_EQ(f.editor()->text(), "0.25");
    QTest::keyClicks(f.editor(), "loud");
    const QImage typed = f.editor()->grab().toImage();
    QTest::keyClick(f.editor(), Qt::Key_Return);
    EXPECT_TRUE(f.editor()->property("invalid").toBool());
    EXPECT_NE(f.editor()->grab().toImage(), typed) << "the refusal is visible";
    QTest::keyClick(f.editor(), Qt::Key_Backspace);
    EXPECT_FALSE(f.editor()->property("invalid").toBool());
    QTest::keyClick(f.editor(), Qt::Key_Escape);
    EXPECT_FALSE(f.editing());
    EXPECT_TRUE(f.written.empty());
    EXPECT_EQ(f.slider->value(), 0.25f);

    // Pressing the value text opens the editor; a host's parser reads what is typed.
    f.view.setValueParser([](const QString &t) { return t == "most" ? 0.75 : std::nan(""); });
    QAccessible::queryAccessibleInterface(f.label)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QTest::keyClicks(f.editor(), "most");
    QTest::keyClick(f.editor(), Qt::Key_Return);
    EXPECT_EQ(f.written, std::vector<float>{0.75f});

    // A double click on the slider returns to the value it was built with, written once.
    QTest::mouseDClick(f.slider, Qt::LeftButton, {}, f.slider->pointForValue(0.75f));
    EXPECT_EQ(f.written.back(), 0.25f) << "the press may move it first";
    EXPECT_EQ(std::count(f.written.begin(), f.written.end(), 0.25f), 1);
    EXPECT_EQ(f.label->text(), "0.25");

    // A slider in whole steps commits a whole number.
    f.view.setValueParser({});
    f.view.setStep(1.0f);
    QTest::mouseDClick(f.label, Qt::LeftButton);
    QTest::keyClicks(f.editor(), "0.7");
    QTest::keyClick(f.editor(), Qt::Key_Return);
    EXPECT_EQ(f.written.back(), 1.0f);
}

// The value text takes focus, yet measures and draws as a label that does not; with focus it
// takes the style's focus colour.
TEST(SliderView, ValueTextLooksLikeAPlainLabelUntilFocused)
{
    SliderFixture f(0.5f, -100.0f, 100.0f);
    f.slider->setFocus(Qt::TabFocusReason);
    QLabel twin(f.label->parentWidget());
    twin.setObjectName(QStringLiteral("valueLabel"));
    twin.setAlignment(f.label->alignment());
    for (const float value : {0.5f, -6.25f, 100.0f, 1e-6f}) {
        SCOPED_TRACE(value);
        f.view.setValue(value);
        twin.setText(f.label->text());
        twin.ensurePolished();
        EXPECT_EQ(f.label->sizeHint(), twin.sizeHint());
        twin.resize(f.label->size());
        EXPECT_EQ(f.label->grab().toImage(), twin.grab().toImage());
    }
    const QImage unfocused = f.label->grab().toImage();
    f.label->setFocus(Qt::TabFocusReason);
    EXPECT_NE(f.label->grab().toImage(), unfocused);
}

// A screen holds thousands of rows: a shown row builds no text document for its focusable value
// text, and its key-run timer comes with the first key run, which still ends as one gesture.
TEST(SliderView, ARowMakesItsTextDocumentAndKeyTimerOnlyWhenUsed)
{
    SliderFixture f(0.5f, 0.0f, 1.0f);
    EXPECT_TRUE(f.view.findChildren<QTextDocument *>().isEmpty());
    EXPECT_TRUE(f.view.findChildren<GestureBurst *>().isEmpty());
    EXPECT_EQ(InlineValueEditor::of(f.label), nullptr) << "the typed entry comes when opened";
    QSignalSpy started(&f.view, &SliderView::gestureStarted);
    QSignalSpy ended(&f.view, &SliderView::gestureEnded);
    f.slider->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.slider, Qt::Key_Right);
    QTest::keyClick(f.slider, Qt::Key_Right);
    EXPECT_EQ(f.view.findChildren<GestureBurst *>().size(), 1);
    EXPECT_EQ(started.count(), 1);
    EXPECT_TRUE(ended.wait(2000));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(f.changed.count(), 2);
}

// The row's content covers it without a layout between them: the row's hints are the content's,
// a wider value text widens the layout the row sits in also while it is hidden, and a resize
// takes the content along.
TEST(SliderView, ContentCoversTheRowAndItsHintsFollowTheContent)
{
    QWidget host;
    // A title wide enough that the first line, not the track, sets the row's width.
    auto *row = new SliderView(QStringLiteral("Gain of the left and right channels together"), 0.5f,
                               0.0f, 1e6f, {});
    (new QVBoxLayout(&host))->addWidget(row);
    auto *content = row->findChild<QWidget *>(QStringLiteral("contentView"));
    ASSERT_TRUE(content);
    EXPECT_EQ(row->sizeHint(), content->sizeHint());
    EXPECT_EQ(row->minimumSizeHint(), content->minimumSizeHint());
    for (const bool shown : {false, true}) {
        SCOPED_TRACE(shown);
        if (shown)
            ASSERT_TRUE(NequoraUI::testing::shown(host, 320, 80));
        const int before = host.sizeHint().width();
        row->setDecimals(row->decimals() + 4);
        row->setValue(999999.0f);
        QApplication::processEvents();
        EXPECT_GT(host.sizeHint().width(), before);
        EXPECT_EQ(row->sizeHint(), content->sizeHint());
    }
    host.resize(500, 200);
    QApplication::processEvents();
    EXPECT_EQ(content->geometry(), row->rect());
    EXPECT_EQ(row->width(), host.width() - host.layout()->contentsMargins().left() -
                                host.layout()->contentsMargins().right());
}

// A moved knob repaints the strip between its places alone; that matches a whole repaint.
TEST(SliderView, KnobStripRepaintMatchesAWholeRepaint)
{
    SliderFixture f(0.3f, 0.0f, 1.0f);
    QImage image = f.slider->grab().toImage();
    const int left = f.slider->pointForValue(0.3f).x() - 16;
    const QRect strip(left, 0, f.slider->pointForValue(0.7f).x() + 16 - left, f.slider->height());
    f.view.setValue(0.7f);
    f.slider->render(&image, strip.topLeft(), QRegion(strip));
    EXPECT_EQ(image, f.slider->grab().toImage());
}

// The label shows the value passed in, not the pinned one, and nothing is reported; a user change
// shows two decimals (keeping the sign) and reports the full value.
TEST(SliderView, ProgrammaticValuesPinSilentlyAndUserChangesShowTwoDecimalsOfTheFullValue)
{
    SliderFixture f(5.0f, 0.0f, 4.0f);
    EXPECT_EQ(f.slider->value(), 4.0f);
    EXPECT_EQ(f.label->text(), "5.0");
    f.view.setValue(-7.25f);
    EXPECT_EQ(f.slider->value(), 0.0f);
    EXPECT_EQ(f.label->text(), "-7.25");
    f.view.setValue(0.1f);
    EXPECT_EQ(f.label->text(), "0.1");
    EXPECT_TRUE(f.written.empty() && f.changed.isEmpty());

    f.clickAt(3.0f);
    f.clickAt(2.0f);
    ASSERT_EQ(f.written.size(), 2u);
    EXPECT_EQ(f.written[1], f.slider->value());
    EXPECT_EQ(f.label->text(), QString::number(double(f.written[1]), 'f', 2));
    f.clickAt(4.0f / 3.0f);
    const float third = f.written.back();
    EXPECT_NEAR(third, 1.3333f, 0.02f);
    EXPECT_NE(third * 100.0f, std::round(third * 100.0f)) << "more than two decimals";
    EXPECT_EQ(f.label->text(), QString::number(double(third), 'f', 2));

    QTest::mousePress(f.slider, Qt::LeftButton, {}, f.slider->pointForValue(1));
    QTest::mouseMove(f.slider, f.slider->pointForValue(2));
    QTest::mouseMove(f.slider, f.slider->pointForValue(3.6f));
    QTest::mouseRelease(f.slider, Qt::LeftButton, {}, f.slider->pointForValue(3.6f));
    EXPECT_GE(f.written.size(), 6u) << "every move of a drag";
    EXPECT_NEAR(f.written.back(), 3.6f, 0.05f);
    EXPECT_EQ(f.changed.count(), qsizetype(f.written.size()));
    EXPECT_EQ(f.changed.last().at(0).toFloat(), f.view.value());

    SliderFixture negative(0.0f, -0.002f, 0.0f);
    negative.clickAt(-0.001f);
    ASSERT_EQ(negative.written.size(), 1u);
    EXPECT_LT(negative.written[0], 0.0f);
    EXPECT_EQ(negative.label->text(), "-0.00");
}

// Whole steps over 0-4: a key's share of the track (a hundredth, a tenth) is under half a step,
// yet each arrow or page key moves one.
TEST(SliderView, KeysMoveAPresentedWholeNumberSliderAtLeastOneStep)
{
    const std::pair<Qt::Key, float> keys[] = {
        {Qt::Key_Up, 1}, {Qt::Key_Left, -1}, {Qt::Key_PageUp, 1}, {Qt::Key_PageDown, -1}};
    for (const auto &[key, sign] : keys) {
        SCOPED_TRACE(key);
        SliderFixture f(2.0f, 0.0f, 4.0f);
        f.view.setPresentation(whole);
        QTest::keyClick(f.slider, key);
        QTest::keyClick(f.slider, key);
        EXPECT_EQ(f.written, (std::vector<float>{2 + sign, 2 + 2 * sign}));
    }
}
