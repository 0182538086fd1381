#include "ItemPickerViewController.h"
#include "LibraryStyle.h"
#include "SimPresentation.h"
#include "TextFieldView.h"
#include "TextLabelView.h"
#include "TitleLabelView.h"
#include "UIGenerator.h"
#include "VStackViewController.h"
#include "ValueLabelView.h"
#include "platform/ColorScheme.h"
#include "platform/Contrast.h"
#include "platform/ElidingLabel.h"
#include "platform/NavigationController.h"
#include "platform/SegmentedControl.h"
#include "platform/Slider.h"
#include "platform/TableView.h"
#include "platform/TableViewCell.h"
#include "platform/TableViewHeaderView.h"
#include "platform/ViewController.h"
#include "sim/GraphFile.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStyle>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace NequoraUI;
using platform::ColorScheme;
using platform::Contrast;

namespace {

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(45, 45, 48));
    palette.setColor(QPalette::Base, QColor(30, 30, 32));
    palette.setColor(QPalette::Text, QColor(236, 236, 240));
    palette.setColor(QPalette::WindowText, QColor(236, 236, 240));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return palette;
}

// A palette a host might pick carelessly: mid-grey text on a grey base.
QPalette murkyPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(120, 120, 120));
    palette.setColor(QPalette::Base, QColor(140, 140, 140));
    palette.setColor(QPalette::Text, QColor(100, 100, 100));
    palette.setColor(QPalette::Highlight, QColor(130, 150, 170));
    return palette;
}

} // namespace

TEST(PaletteLook, TextsAndSliderPartsReachTheirContrastOnEveryPalette)
{
    const std::pair<const char *, QPalette> palettes[] = {
        {"light", QApplication::palette()}, {"dark", darkPalette()}, {"murky", murkyPalette()}};
    for (const auto &[name, palette] : palettes) {
        const ColorScheme c = ColorScheme::fromPalette(palette);
        for (const QColor &text : {c.label, c.secondaryLabel, c.tertiaryLabel, c.accentText})
            for (const QColor &under : {c.card, c.background})
                EXPECT_GE(Contrast::ratio(text, under), Contrast::textRatio)
                    << name << " " << text.name().toStdString() << " on "
                    << under.name().toStdString();
        for (const QColor &part : {c.track, c.knobOutline, c.accent})
            EXPECT_GE(Contrast::ratio(part, c.card), Contrast::controlRatio)
                << name << " " << part.name().toStdString();
        EXPECT_EQ(c.dark, std::string(name) == "dark") << name;
    }
    const ColorScheme light = ColorScheme::fromPalette(QApplication::palette());
    EXPECT_EQ(light.accent, QColor(0, 122, 255)) << "Qt's own palette keeps the library's blue";
    EXPECT_EQ(ColorScheme::fromPalette(darkPalette()).accent, QColor(42, 130, 218));
}

// The colours on screen are the scheme's: the slider's track as painted, and the row's texts as
// the style sheet sets them, before and after the screen's palette changes.
TEST(PaletteLook, AScreenShowsItsPalettesColoursAndFollowsAChange)
{
    QWidget screen;
    auto *row = new ValueLabelView(QStringLiteral("Rate"), QStringLiteral("2 Hz"));
    auto *slider = new platform::Slider;
    auto *layout = new QVBoxLayout(&screen);
    layout->addWidget(row);
    layout->addWidget(slider);
    LibraryStyle::apply(&screen);
    ASSERT_TRUE(NequoraUI::testing::shown(screen, 300, 200));
    const auto trackPixel = [slider] {
        const QImage image = slider->grab().toImage();
        return image.pixelColor(image.width() - 20, image.height() / 2);
    };
    EXPECT_EQ(trackPixel(), ColorScheme::fromPalette(QApplication::palette()).track);
    for (const QPalette &palette : {QApplication::palette(), darkPalette()}) {
        screen.setPalette(palette);
        QApplication::processEvents();
        const ColorScheme colors = ColorScheme::fromPalette(palette);
        const auto textColor = [row](const char *outlet) {
            return row->findChild<QLabel *>(QLatin1String(outlet))
                ->palette()
                .color(QPalette::WindowText);
        };
        EXPECT_EQ(textColor("valueLabel"), colors.secondaryLabel);
        EXPECT_EQ(textColor("titleLabel"), colors.label);
    }
}

// A desktop switching to dark while a generated screen is shown: the painted slider and the
// row's texts take the new colours on the next frame, and back again.
TEST(PaletteLook, AShownScreenRepaintsInANewApplicationPalette)
{
    const QPalette light = QApplication::palette();
    const auto engine = GraphFile::parse(R"({"nodes": [{"type": "Effect", "name": "Delay",
        "parameters": [{"kind": "float", "name": "Mix", "value": 0.5, "minimum": 0,
        "maximum": 1}]}]})",
                                         "palette.json");
    VStackViewController screen(UIGenerator().generateViews(*engine->graph()));
    ASSERT_TRUE(NequoraUI::testing::shown(*screen.view(), 390, 400));
    auto *slider = screen.view()->findChild<platform::Slider *>();
    auto *title = screen.view()->findChild<platform::ElidingLabel *>(QStringLiteral("titleLabel"));
    ASSERT_TRUE(slider && title);
    const auto trackPixel = [slider] {
        const QImage image = slider->grab().toImage();
        return image.pixelColor(image.width() - 20, image.height() / 2);
    };
    auto *value = screen.view()->findChild<platform::ElidingLabel *>(QStringLiteral("valueLabel"));
    for (const QPalette &palette : {darkPalette(), light}) {
        QApplication::setPalette(palette);
        QTest::qWait(50);
        const ColorScheme colors = ColorScheme::fromPalette(palette);
        EXPECT_EQ(trackPixel(), colors.track) << "dark " << colors.dark;
        EXPECT_EQ(title->textColor(), colors.label) << "dark " << colors.dark;
        EXPECT_EQ(value->textColor(), colors.secondaryLabel) << "dark " << colors.dark;
        // A plain line draws its tone itself: a palette of its own is a copy on every row.
        EXPECT_FALSE(title->testAttribute(Qt::WA_SetPalette) ||
                     value->testAttribute(Qt::WA_SetPalette));
    }
    QApplication::setPalette(light);
    // The rows paint their look themselves: a style sheet over them would cost every row a
    // style of its own.
    for (const QWidget *widget : screen.view()->findChildren<QWidget *>())
        EXPECT_FALSE(widget->style()->inherits("QStyleSheetStyle"))
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
}

// A wrapped text is drawn by QLabel from the palette: outside a style sheet the tone goes into
// the label's palette, also when the text only becomes wrapped or rich after its tone was set.
TEST(PaletteLook, ATextQLabelLaysOutTakesItsToneThroughThePalette)
{
    QWidget screen;
    auto *layout = new QVBoxLayout(&screen);
    auto *wrapped = new TextLabelView(QStringLiteral("A long note that wraps"));
    auto *rich = new platform::ElidingLabel;
    rich->setTone(platform::ElidingLabel::Indicator);
    rich->setText(QStringLiteral("plain first"));
    layout->addWidget(wrapped);
    layout->addWidget(rich);
    ASSERT_TRUE(NequoraUI::testing::shown(screen, 300, 120));
    const ColorScheme colors = ColorScheme::fromPalette(screen.palette());
    EXPECT_FALSE(rich->testAttribute(Qt::WA_SetPalette));
    rich->setText(QStringLiteral("<b>rich</b> now"));
    const auto *text = wrapped->findChild<platform::ElidingLabel *>(QStringLiteral("textLabel"));
    ASSERT_TRUE(text);
    const std::pair<const platform::ElidingLabel *, QColor> toned[] = {{text, colors.tertiaryLabel},
                                                                       {rich, colors.indicator}};
    for (const auto &[label, color] : toned) {
        EXPECT_EQ(label->palette().color(QPalette::WindowText), color);
        EXPECT_EQ(label->textColor(), color);
    }
}

// Outside a style sheet a row's field draws its texts in the library's colours: running text
// while read-only, a title's colour while editable, again after the palette changes.
TEST(PaletteLook, AFieldWithoutAStyleSheetTakesItsTextColourFromItsStateAndPalette)
{
    QWidget screen;
    auto *row = new TextFieldView(QStringLiteral("Preset"), QStringLiteral("Warm Hall"));
    (new QVBoxLayout(&screen))->addWidget(row);
    ASSERT_TRUE(NequoraUI::testing::shown(screen, 300, 120));
    const auto *field = row->findChild<QLineEdit *>();
    for (const QPalette &palette : {darkPalette(), QApplication::palette()})
        for (const bool readOnly : {true, false}) {
            screen.setPalette(palette);
            row->setReadOnly(readOnly);
            const ColorScheme colors = ColorScheme::fromPalette(palette);
            EXPECT_EQ(field->palette().color(QPalette::Text),
                      readOnly ? colors.tertiaryLabel : colors.label)
                << "dark " << colors.dark << " read-only " << readOnly;
        }
}

// A picker opened over the screen takes a new application palette (the desktop turning dark),
// and a palette the host set on the screen stays the screen's after the restyle.
TEST(PaletteLook, AnOpenPickersRowsFollowAPaletteChange)
{
    const QPalette original = QApplication::palette();
    QWidget screen;
    platform::ViewController presenter;
    (new QVBoxLayout(&screen))->addWidget(presenter.view());
    LibraryStyle::apply(&screen);
    ASSERT_TRUE(NequoraUI::testing::shown(screen, 300, 400));
    auto *picker = new ItemPickerViewController({QStringLiteral("Sine")});
    presenter.present(new platform::NavigationController(picker), false);
    QApplication::processEvents();
    platform::TableViewCell *cell = picker->tableView()->cellForRow({0, 0});
    ASSERT_TRUE(cell);
    QApplication::setPalette(darkPalette());
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(cell->grab().toImage().pixelColor(4, 4),
              ColorScheme::fromPalette(darkPalette()).card);
    EXPECT_EQ(cell->textLabel()->palette().color(QPalette::WindowText),
              darkPalette().color(QPalette::WindowText));
    QApplication::setPalette(original);
    screen.setPalette(murkyPalette());
    QApplication::processEvents();
    EXPECT_EQ(screen.palette().color(QPalette::Base), murkyPalette().color(QPalette::Base));
}

TEST(PaletteLook, RightToLeftMirrorsTheSliderAndTheSegmentsWithTheirKeys)
{
    platform::Slider slider;
    slider.setLayoutDirection(Qt::RightToLeft);
    slider.resize(200, slider.sizeHint().height());
    EXPECT_GT(slider.pointForValue(0.0f).x(), slider.pointForValue(1.0f).x());
    EXPECT_FLOAT_EQ(slider.valueAtX(slider.width() - 14), 0.0f) << "the minimum is at the right";
    slider.setValue(0.5f);
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_GT(slider.value(), 0.5f) << "Left grows the value, as a mirrored QSlider does";
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_LT(slider.value(), 0.5f);

    platform::SegmentedControl segments;
    segments.setLayoutDirection(Qt::RightToLeft);
    segments.setSegmentTitles({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    segments.resize(300, segments.sizeHint().height());
    EXPECT_GT(segments.segmentRect(0).left(), segments.segmentRect(2).left());
    segments.setSelectedSegmentIndex(0);
    QTest::keyClick(&segments, Qt::Key_Left);
    EXPECT_EQ(segments.selectedSegmentIndex(), 1) << "Left goes to the segment drawn on the left";
    QTest::keyClick(&segments, Qt::Key_Right);
    EXPECT_EQ(segments.selectedSegmentIndex(), 0);
}

// At one and a half times the application's font, the demo graph's rows grow to fit at the
// demo's default width: no title or value is cut, in either direction.
TEST(PaletteLook, LargeTextFitsEveryRowOfTheDemoGraph)
{
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSizeF(original.pointSizeF() * 1.5);
    QApplication::setFont(large);
    const auto engine = GraphFile::load(NEQUORA_TEST_DEMO_GRAPH);
    UIGenerator generator;
    generator.presentationProvider = SimPresentation::provider(engine);
    const auto screen = generator.generateViewController(*engine->graph());
    ASSERT_TRUE(NequoraUI::testing::shown(*screen->view(), 750, 2400));
    const auto labels = screen->view()->findChildren<platform::ElidingLabel *>();
    EXPECT_GT(labels.size(), 10);
    const QWidget *viewport = screen->view()->findChild<QScrollArea *>()->viewport();
    for (const platform::ElidingLabel *label : labels) {
        if (!label->isVisible())
            continue;
        const QRect shown(label->mapTo(viewport, QPoint()), label->size());
        EXPECT_GE(shown.left(), 0) << label->text().toStdString();
        EXPECT_LE(shown.right(), viewport->width()) << label->text().toStdString();
        EXPECT_FALSE(label->isElided()) << label->text().toStdString();
        EXPECT_GE(label->height(), label->fontMetrics().height()) << label->text().toStdString();
    }
    QApplication::setFont(original);
}

// A page's title and a table's section header keep their proportion to the application's
// font when it grows while shown, so large text reaches them too.
TEST(PaletteLook, LargeTextGrowsThePageTitleAndTheSectionHeaders)
{
    const QFont original = QApplication::font();
    QWidget page;
    auto *title = new TitleLabelView(QStringLiteral("Synth"));
    auto *header = new platform::TableViewHeaderView;
    header->setText(QStringLiteral("Imported"));
    auto *layout = new QVBoxLayout(&page);
    layout->addWidget(title);
    layout->addWidget(header);
    ASSERT_TRUE(NequoraUI::testing::shown(page, 400, 300));
    QFont large = original;
    large.setPointSizeF(original.pointSizeF() * 1.5);
    QApplication::setFont(large);
    QApplication::processEvents();
    for (const auto &[label, proportion] :
         {std::pair<QLabel *, qreal>{title->titleLabel, TitleLabelView::titleScale},
          {header, platform::TableViewHeaderView::sizeScale}}) {
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), large.pointSizeF() * proportion);
        EXPECT_GE(label->height(), label->fontMetrics().height()) << label->text().toStdString();
    }
    QApplication::setFont(original);
}
