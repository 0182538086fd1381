#include "RowMarks.h"

#include "platform/ElidingLabel.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace NequoraUI {

namespace {

// The mark sits in the row's leading margin, clear of its title.
constexpr int markWidth = 4;
constexpr int markInset = 5;
constexpr int markVerticalInset = 8;
constexpr int controllerGap = 8;

// A rounded bar in the highlight colour of the shared palette.
class SlotMark : public QWidget
{
public:
    explicit SlotMark(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("slotMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette().color(QPalette::Highlight));
        painter.drawRoundedRect(rect(), markWidth / 2.0, markWidth / 2.0);
    }
};

} // namespace

RowMarks *RowMarks::of(QWidget *row)
{
    if (auto *marks = find(row))
        return marks;
    return new RowMarks(row);
}

RowMarks *RowMarks::find(const QWidget *row)
{
    return row->findChild<RowMarks *>(QString(), Qt::FindDirectChildrenOnly);
}

RowMarks::RowMarks(QWidget *row) : QObject(row)
{
    row->installEventFilter(this);
}

QWidget *RowMarks::row() const
{
    return static_cast<QWidget *>(parent());
}

void RowMarks::setDescription(const QString &description)
{
    m_description = description;
    update();
}

void RowMarks::setDiffersBetweenSlots(bool differs)
{
    if (differs == m_differs)
        return;
    m_differs = differs;
    if (differs && !m_slotMark)
        m_slotMark = new SlotMark(row());
    if (m_slotMark)
        m_slotMark->setVisible(differs);
    update();
}

void RowMarks::setControllerText(const QString &text)
{
    if (text == m_controller)
        return;
    m_controller = text;
    if (!text.isEmpty() && !m_controllerLabel) {
        auto *label = new platform::ElidingLabel(row());
        label->setTone(platform::ElidingLabel::Tone::AccentText);
        m_controllerLabel = label;
        m_controllerLabel->setObjectName(QStringLiteral("controllerLabel"));
        m_controllerLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont small = m_controllerLabel->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        m_controllerLabel->setFont(small);
        m_controllerLabel->setForegroundRole(QPalette::Highlight);
    }
    if (m_controllerLabel) {
        m_controllerLabel->setText(text);
        m_controllerLabel->setVisible(!text.isEmpty());
    }
    update();
}

QString RowMarks::accessibleDescription() const
{
    QStringList parts;
    if (!m_description.isEmpty())
        parts.append(m_description);
    if (m_differs)
        parts.append(tr("Differs between A and B."));
    if (!m_controller.isEmpty())
        parts.append(tr("MIDI controller: %1.").arg(m_controller));
    return parts.join(QLatin1Char(' '));
}

void RowMarks::update()
{
    const QString text = accessibleDescription();
    row()->setToolTip(text);
    row()->setAccessibleDescription(text);
    // Screen readers read the focused control, so each control of the row carries it.
    for (QWidget *control : row()->findChildren<QWidget *>())
        if (control->focusPolicy() & Qt::TabFocus)
            control->setAccessibleDescription(text);
    place();
}

// The title label is the row's first label; the controller text follows its text.
void RowMarks::place()
{
    if (m_slotMark) {
        m_slotMark->setGeometry(markInset, markVerticalInset, markWidth,
                                std::max(0, row()->height() - 2 * markVerticalInset));
        m_slotMark->raise();
    }
    if (!m_controllerLabel || m_controllerLabel->isHidden())
        return;
    const auto *title = row()->findChild<QLabel *>(QStringLiteral("titleLabel"));
    if (!title)
        title = row()->findChild<QLabel *>(QStringLiteral("title"));
    const QSize size = m_controllerLabel->sizeHint();
    QPoint at(row()->width() - size.width() - controllerGap, 0);
    if (title) {
        // Laid out after the row is: its own moves place the text again.
        if (title != m_watchedTitle) {
            m_watchedTitle = const_cast<QLabel *>(title);
            m_watchedTitle->installEventFilter(this);
        }
        const QPoint origin = title->mapTo(row(), QPoint(0, 0));
        const int textWidth = title->fontMetrics().horizontalAdvance(title->text());
        at = QPoint(origin.x() + std::min(textWidth, title->width()) + controllerGap,
                    origin.y() + (title->height() - size.height()) / 2);
    }
    m_controllerLabel->setGeometry(QRect(at, size));
    m_controllerLabel->raise();
}

bool RowMarks::eventFilter(QObject *watched, QEvent *event)
{
    const auto type = event->type();
    if (type == QEvent::Resize || type == QEvent::Move || type == QEvent::Show)
        if (watched == parent() || (m_controllerLabel && m_controllerLabel->isVisible()))
            place();
    return QObject::eventFilter(watched, event);
}

} // namespace NequoraUI
