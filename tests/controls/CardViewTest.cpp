#include "platform/CardView.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace NequoraUI::platform;

namespace {

// The card as one antialiased rounded outline over its whole rectangle.
QImage wholeOutline(QSize size, qreal radius, const QColor &fill,
                    const QColor &behind = Qt::transparent, int ratio = 1)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(behind);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(QPointF(), QSizeF(size)), radius, radius);
    return image;
}

} // namespace

// However much of a card is exposed, a strip of its corners, its middle or all of it, every
// pixel painted is the pixel of the whole outline: no seam where the corners meet the fill.
TEST(CardView, EveryExposedPartPaintsAsTheWholeOutline)
{
    const QColor fill(40, 120, 200);
    struct Case
    {
        QSize size;
        qreal radius;
        QRect exposed;
    };
    const Case cases[] = {{{300, 880}, 10, {0, 0, 300, 880}},  {{300, 880}, 10, {0, 0, 300, 5}},
                          {{300, 880}, 10, {0, 860, 300, 20}}, {{300, 880}, 10, {0, 5, 300, 400}},
                          {{300, 880}, 10, {3, 2, 8, 870}},    {{300, 880}, 7.5, {0, 0, 300, 880}},
                          {{300, 21}, 10, {0, 0, 300, 21}},    {{300, 22}, 10, {0, 0, 300, 22}},
                          {{300, 40}, 10, {0, 15, 300, 20}}};
    for (const auto &[size, radius, exposed] : cases) {
        SCOPED_TRACE(testing::Message() << size.height() << " tall, exposed from " << exposed.y()
                                        << " for " << exposed.height());
        CardView card;
        card.resize(size);
        card.setSurface(CardView::Surface::None);
        card.setBackgroundColor(fill);
        card.setCornerRadius(radius);
        QImage painted(size, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        // A region renders at the offset given for its top left corner.
        card.render(&painted, exposed.topLeft(), QRegion(exposed), QWidget::DrawChildren);
        const QImage expected = wholeOutline(size, radius, fill);
        int differing = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QRgb want = exposed.contains(x, y) ? expected.pixel(x, y) : 0;
                differing += painted.pixel(x, y) != want;
            }
        EXPECT_EQ(differing, 0);
    }
}

// Over an opaque background, at one and two device pixels per pixel, and with a translucent
// colour, the corners blend into what lies behind as the outline itself would.
TEST(CardView, CornersBlendAsTheWholeOutlineAtEveryRatio)
{
    const QColor behind(230, 231, 235);
    for (const QColor &fill : {QColor(40, 120, 200), QColor(20, 20, 20, 150)})
        for (int ratio : {1, 2}) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", alpha " << fill.alpha());
            const QSize size(120, 90);
            CardView card;
            card.resize(size);
            card.setBackgroundColor(fill);
            card.setCornerRadius(10);
            QImage painted(size * ratio, QImage::Format_ARGB32_Premultiplied);
            painted.setDevicePixelRatio(ratio);
            painted.fill(behind);
            // The top right quarter only, then the rest: two paints meet at no seam.
            const QRegion quarter(QRect(60, 0, 60, 45));
            card.render(&painted, QPoint(60, 0), quarter, QWidget::DrawChildren);
            card.render(&painted, QPoint(), QRegion(card.rect()) - quarter, QWidget::DrawChildren);
            EXPECT_EQ(painted, wholeOutline(size, 10, fill, behind, ratio));
        }
}
