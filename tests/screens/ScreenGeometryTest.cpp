#include "AudioFileView.h"
#include "CollapsibleSectionView.h"
#include "LiveValueView.h"
#include "PickerView.h"
#include "SwitchView.h"
#include "VStackViewController.h"
#include "ValueLabelView.h"
#include "platform/ElidingLabel.h"
#include "support/ManualAnimationDriver.h"
#include "support/Widgets.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

using namespace NequoraUI;

// A styled stacked screen on a wide window, as a user sees it: rows, a fold and a focused header.
TEST(ScreenGeometry, RowsEdgesWidthFoldAndFocusOnAWideWindow)
{
    NequoraUI::testing::ManualAnimationDriver driver;
    auto *rows = new QWidget;
    auto *layout = new QVBoxLayout(rows);
    layout->addWidget(new SwitchView(QStringLiteral("Bypass"), false, {}));
    layout->addWidget(new AudioFileView(nullptr, "File", QUrl::fromLocalFile("/Take.wav"), {}, {}));
    layout->addWidget(new PickerView(static_cast<ViewControllerPresenter *>(nullptr),
                                     QStringLiteral("Scale"), QStringLiteral("Dorian"), {}, {}));
    auto *huge = new ValueLabelView(QStringLiteral("Sample Rate"), QString(309, u'9') + " Hz");
    layout->addWidget(huge);
    auto *first = new CollapsibleSectionView(QStringLiteral("Filter"), rows);
    auto *second = new CollapsibleSectionView(QStringLiteral("Delay"), nullptr);
    VStackViewController controller(QList<QWidget *>{first, second});
    QWidget *screen = controller.view();
    ASSERT_TRUE(NequoraUI::testing::shown(*screen, 1920, 900));
    const auto rect = [screen](auto *w) { return QRect(w->mapTo(screen, QPoint()), w->size()); };

    EXPECT_EQ(first->width(), VStackViewController::maximumContentWidth) << "huge value included";
    EXPECT_NEAR(rect(first).center().x(), screen->width() / 2, 10);
    auto *value = huge->findChild<platform::ElidingLabel *>(QStringLiteral("valueLabel"));
    ASSERT_TRUE(value && value->isElided());
    value->grab();
    EXPECT_EQ(value->toolTip(), value->text());

    const int edge = rect(rows->findChild<QWidget *>(QStringLiteral("toggleSwitch"))).right();
    for (const char *name : {"actionButton", "selectButton"}) {
        const auto *button = rows->findChild<QPushButton *>(QLatin1String(name));
        EXPECT_EQ(rect(button).right(), edge) << name;
        EXPECT_EQ(button->width(), button->sizeHint().width()) << name << ": text at the edge";
    }

    // A frame may be painted after each round of layout requests: the title never moves.
    const int top = rect(first->titleLabel).top();
    first->tappedTitleView();
    for (int step = 0; step < 6; ++step) {
        driver.advance(CollapsibleSectionView::foldDurationMs / 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        EXPECT_EQ(rect(first->titleLabel).top(), top) << step;
    }
    const QRect title = rect(first->titleLabel).translated(-rect(first->contentView).topLeft());
    EXPECT_NEAR(title.top(), first->contentView->height() - title.bottom() - 1, 1) << "even";

    // A strip of the card repainted alone (behind a changed row) is what the whole card shows
    // there; the corners stay clear.
    QWidget *card = second->contentView;
    QImage whole(card->size(), QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::transparent);
    QImage part = whole;
    card->render(&whole, {}, {}, {});
    const QRect strip(0, card->height() / 2 - 2, card->width(), 4);
    card->render(&part, strip.topLeft(), strip, {});
    EXPECT_EQ(part.copy(strip), whole.copy(strip));
    EXPECT_EQ(whole.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(whole.pixelColor(whole.rect().center()), QColor(Qt::white));

    // Keyboard focus keeps the card's rounded corners.
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen));
    screen->setAttribute(Qt::WA_KeyboardFocusChange);
    auto *header = second->findChild<QWidget *>(QStringLiteral("titleView"));
    header->setFocus(Qt::TabFocusReason);
    const QImage image = screen->grab().toImage();
    const QPoint corner = rect(header).topLeft();
    EXPECT_EQ(image.pixelColor(corner), image.pixelColor(corner - QPoint(2, 2)));
}

namespace {

// Counts the layout requests a row and the views above it receive.
struct LayoutRequestCounter : QObject
{
    QWidget *row = nullptr;
    int count = 0;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        count += event->type() == QEvent::LayoutRequest && widget &&
                 (widget == row || widget->isAncestorOf(row));
        return false;
    }
};

} // namespace

// A new value of the same width (a meter's next reading), or a followed one narrower than its
// widest, lays out nothing above the label; a wider one gets its room, set before the first
// show, while shown or while hidden.
TEST(ScreenGeometry, AValueOfTheSameWidthLaysOutNothingAndAWiderOneGetsRoom)
{
    auto *rows = new QWidget;
    auto *early = new ValueLabelView(QStringLiteral("Hold"), QStringLiteral("-12.5 dB, held"));
    auto *meter = new ValueLabelView(QStringLiteral("Peak"), QStringLiteral("-12.5 dB"));
    QString reading = QStringLiteral("-10.5 dB");
    auto *live = new LiveValueView(QStringLiteral("Level"), [&reading] { return reading; });
    auto *layout = new QVBoxLayout(rows);
    for (QWidget *row : {static_cast<QWidget *>(early), static_cast<QWidget *>(meter),
                         static_cast<QWidget *>(live)})
        layout->addWidget(row);
    VStackViewController controller(
        QList<QWidget *>{new CollapsibleSectionView(QStringLiteral("Meters"), rows)});
    ASSERT_TRUE(NequoraUI::testing::shown(*controller.view(), 390, 600));
    const auto settle = [] {
        for (int round = 0; round < 8; ++round)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    };
    const auto hasRoom = [](QWidget *row) {
        auto *label = row->findChild<platform::ElidingLabel *>(QStringLiteral("valueLabel"));
        return !label->isElided() && label->width() >= label->sizeHint().width();
    };
    settle();
    EXPECT_TRUE(hasRoom(early));
    LayoutRequestCounter requests;
    qApp->installEventFilter(&requests);
    const std::tuple<QWidget *, std::function<void()>, bool> steps[] = {
        {meter, [&] { meter->setStringValue(QStringLiteral("-21.5 dB")); }, false},
        {meter, [&] { meter->setStringValue(QStringLiteral("-1221.5 dB")); }, true},
        {live, [&] { reading = QStringLiteral("-9.5 dB"), live->updateData(); }, false},
        {meter,
         [&] {
             meter->hide();
             meter->setStringValue(QStringLiteral("-12.5 dB, the loudest since the start"));
             meter->show();
         },
         true}};
    for (size_t step = 0; step < std::size(steps); ++step) {
        const auto &[row, change, laysOut] = steps[step];
        requests.row = row;
        requests.count = 0;
        change();
        settle();
        EXPECT_EQ(requests.count > 0, laysOut) << step;
        EXPECT_TRUE(hasRoom(row)) << step;
    }
}
