#include "CollapsibleSectionView.h"
#include "LibraryStyle.h"
#include "support/ManualAnimationDriver.h"
#include "support/Widgets.h"

#include <QLabel>
#include <QStyle>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using NequoraUI::CollapsibleSectionView;

constexpr int foldMs = CollapsibleSectionView::foldDurationMs;

TEST(CollapsibleSection, TapsFoldAndUnfoldWithAFadeTurnBackMidFoldAndSurviveDeletion)
{
    // A section of three fixed-height rows inside a window tall enough to take it whole.
    NequoraUI::testing::ManualAnimationDriver driver;
    QWidget window;
    auto *content = new QWidget;
    auto *section = new CollapsibleSectionView(QStringLiteral("Reverb"), content);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(20);
    for (int i = 0; i < 3; ++i) {
        auto *row = new QLabel(QStringLiteral("row %1").arg(i));
        row->setFixedHeight(40);
        layout->addWidget(row);
    }
    auto *windowLayout = new QVBoxLayout(&window);
    windowLayout->addWidget(section);
    windowLayout->addStretch();
    // Each level of nested layouts takes its own round of posted layout requests.
    const auto advance = [&driver](int milliseconds = 0) {
        driver.advance(milliseconds);
        for (int round = 0; round < 4; ++round)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    };
    const auto tapTitle = [section] { QTest::mouseClick(section->titleLabel, Qt::LeftButton); };
    ASSERT_TRUE(NequoraUI::testing::shown(window, 360, 600));
    advance();
    const int expandedHeight = section->height();

    EXPECT_TRUE(content->isVisible());
    EXPECT_EQ(section->contentOpacity(), 1.0);
    EXPECT_EQ(content->height(), 3 * 40 + 2 * 20);
    EXPECT_GT(expandedHeight, content->height());

    tapTitle();
    EXPECT_TRUE(content->isHidden()) << "the flag reads the fold's target at once";
    EXPECT_TRUE(section->isFolding());
    advance(foldMs / 2);
    EXPECT_GT(section->contentOpacity(), 0.0);
    EXPECT_LT(section->contentOpacity(), 1.0);
    EXPECT_LT(section->height(), expandedHeight);
    EXPECT_GT(section->height(), expandedHeight - content->height());
    advance(foldMs);
    EXPECT_FALSE(section->isFolding());
    EXPECT_TRUE(content->isHidden());
    EXPECT_EQ(section->contentOpacity(), 0.0);
    const int foldedHeight = section->height();
    EXPECT_LE(foldedHeight, expandedHeight - content->height());

    tapTitle();
    EXPECT_FALSE(content->isHidden());
    EXPECT_EQ(section->contentOpacity(), 0.0) << "an unfold fades in from clear";
    advance(foldMs / 2);
    EXPECT_TRUE(content->isVisible());
    EXPECT_EQ(content->height(), 3 * 40 + 2 * 20) << "rows are revealed, never squashed";
    EXPECT_GT(section->height(), foldedHeight);
    EXPECT_LT(section->height(), expandedHeight);
    advance(foldMs);
    EXPECT_FALSE(section->isFolding());
    EXPECT_EQ(section->contentOpacity(), 1.0);
    EXPECT_EQ(section->height(), expandedHeight);

    // A tap during a fold turns back from the current flag; the height goes on from where it was.
    tapTitle();
    advance(foldMs / 2);
    const int midHeight = section->height();
    tapTitle();
    EXPECT_FALSE(content->isHidden());
    EXPECT_TRUE(section->isFolding());
    advance(16);
    EXPECT_GE(section->height(), midHeight);
    advance(foldMs);
    EXPECT_FALSE(section->isFolding());
    EXPECT_EQ(section->contentOpacity(), 1.0);
    EXPECT_EQ(section->height(), expandedHeight);

    window.resize(520, 600);
    advance();
    EXPECT_GT(content->width(), 400);
    EXPECT_EQ(section->stackView->geometry().width(), content->width()) << "exactly as wide";

    // Run under AddressSanitizer: a running fold must not reach a deleted section or content.
    auto *emptied = new CollapsibleSectionView(QStringLiteral("Delay"), new QLabel, &window);
    delete emptied->content();
    emptied->tappedTitleView();
    EXPECT_FALSE(emptied->isFolding()) << "taps without content do nothing";
    tapTitle();
    advance(foldMs / 2);
    delete section;
    advance(foldMs);
}

// The title bar is one button: the title at its leading edge, cut to the room the chevron
// leaves; the chevron drawn alike with and without the shared style sheet, turning with a fold.
TEST(CollapsibleSection, TheTitleBarPlacesItsTitleAndChevronInEitherDirectionAndStyle)
{
    QImage plainChevron;
    for (const auto direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        for (const bool styled : {false, true}) {
            QWidget window;
            window.setLayoutDirection(direction);
            if (styled)
                NequoraUI::LibraryStyle::apply(&window);
            auto *section = new CollapsibleSectionView(QStringLiteral("Reverb"), new QLabel);
            auto *wide = new CollapsibleSectionView(QString(200, QLatin1Char('W')), new QLabel);
            auto *layout = new QVBoxLayout(&window);
            layout->addWidget(section);
            layout->addWidget(wide);
            ASSERT_TRUE(NequoraUI::testing::shown(window, 360, 400));
            const QWidget *bar = section->titleLabel->parentWidget();
            const QRect title = section->titleLabel->geometry();
            EXPECT_EQ(title, QStyle::visualRect(direction, bar->rect(),
                                                {16, 10, section->titleLabel->sizeHint().width(),
                                                 bar->height() - 20}));
            EXPECT_LT(wide->titleLabel->width(), bar->width() - 32 - 8);
            EXPECT_GT(wide->titleLabel->width(), bar->width() / 2);
            // The card paints the same colour under both; the bar itself is clear under the sheet.
            const auto chevron = [&] {
                const QRect area(direction == Qt::LeftToRight ? bar->width() - 40 : 0, 0, 40, 44);
                return section->contentView->grab(area).toImage();
            };
            const QImage expanded = chevron();
            if (direction == Qt::LeftToRight) {
                plainChevron = styled ? plainChevron : expanded;
                EXPECT_EQ(expanded, plainChevron) << "the same chevron under the style sheet";
            }
            section->setExpanded(false);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            EXPECT_NE(chevron(), expanded) << "the chevron turns with the fold";
        }
    }
}
