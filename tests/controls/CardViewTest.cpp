#include "platform/CardView.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace NequoraUI::platform;

namespace {

// The card as one antialiased rounded outline over its whole rectangle.
QImage wholeOutline(QSize size, qreal radius, const QColor &fill)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
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
