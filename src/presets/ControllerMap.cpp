#include "ControllerMap.h"

#include "GestureBurst.h"
#include "RowMarks.h"
#include "ScreenSettings.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace NequoraUI {

namespace {

constexpr int channels = 16;
constexpr int lastSevenBit = 127;
constexpr int lastFourteenBit = 16383;
// Controllers below this are MSBs whose LSB is the controller 32 above.
constexpr int pairedControllers = 32;

} // namespace

ControllerMap::ControllerMap(ScreenSettings *settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{}

ControllerMap::~ControllerMap() = default;

void ControllerMap::attach(int index, QWidget *row)
{
    m_rows.insert(index, row);
    if (m_settings->parameters().kind(index) == GraphParameters::Kind::Text ||
        !m_settings->parameters().isWritable(index))
        return;
    // The control inside leaves a context menu event it has no menu for to its row, where this
    // map sees it: a filter is cheaper than a connection on each of thousands of rows.
    row->installEventFilter(this);
    showBinding(index);
}

bool ControllerMap::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    // Looked up only when the user asks for a menu, so the rows need no index of their own.
    for (auto row = m_rows.cbegin(); row != m_rows.cend(); ++row) {
        if (row.value() != watched)
            continue;
        QMenu *menu = contextMenu(row.key(), row.value());
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ControllerMap::finishGestures()
{
    for (GestureBurst *burst : std::as_const(m_bursts))
        burst->finish();
}

QMenu *ControllerMap::contextMenu(int index, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    if (m_learning == index)
        menu->addAction(tr("Cancel MIDI Learn"), this, &ControllerMap::cancelLearning);
    else
        menu->addAction(tr("Learn MIDI Controller"), this, [this, index] { learn(index); });
    if (const auto binding = bindingOf(index))
        menu->addAction(tr("Forget MIDI Controller (%1)").arg(binding->text()), this,
                        [this, index] { forget(index); });
    return menu;
}

void ControllerMap::learn(int index)
{
    const int previous = std::exchange(m_learning, index);
    if (previous >= 0)
        showBinding(previous);
    showBinding(index);
}

void ControllerMap::cancelLearning()
{
    const int previous = std::exchange(m_learning, -1);
    if (previous >= 0)
        showBinding(previous);
}

bool ControllerMap::controllerEvent(int channel, int controller, int value)
{
    if (channel < 0 || channel >= channels || controller < 0 || controller > lastSevenBit ||
        value < 0 || value > lastSevenBit)
        return false;
    if (m_learning >= 0) {
        bind(channel, controller, std::exchange(m_learning, -1));
        return true;
    }
    bool moved = false;
    // The LSB of a bound MSB refines it.
    if (controller >= pairedControllers && controller < 2 * pairedControllers) {
        const auto pair = m_bound.find(slotOf(channel, controller - pairedControllers));
        if (pair != m_bound.end()) {
            pair->fine = true;
            move(*pair, double(pair->msb * 128 + value) / lastFourteenBit);
            moved = true;
        }
    }
    const auto bound = m_bound.find(slotOf(channel, controller));
    if (bound == m_bound.end())
        return moved;
    bound->msb = value;
    move(*bound,
         bound->fine ? double(value * 128) / lastFourteenBit : double(value) / lastSevenBit);
    return true;
}

void ControllerMap::move(Bound &bound, double proportion)
{
    const auto value = m_settings->parameters().atProportion(bound.index, proportion);
    if (!value)
        return;
    const int index = bound.index;
    GestureBurst *burst = burstFor(index);
    if (!burst->isActive())
        m_gestureStart.insert(index, m_settings->parameters().read(index));
    burst->touch();
    m_settings->writeAndShow(index, *value);
}

GestureBurst *ControllerMap::burstFor(int index)
{
    GestureBurst *&burst = m_bursts[index];
    if (burst)
        return burst;
    burst = new GestureBurst(this);
    connect(burst, &GestureBurst::started, this,
            [this, index] { m_settings->beginGesture(index); });
    connect(burst, &GestureBurst::ended, this, [this, index] {
        m_settings->recordChange(tr("Controller Move"), index, m_gestureStart.take(index));
        m_settings->endGesture(index);
    });
    return burst;
}

void ControllerMap::bind(int channel, int controller, int index)
{
    // One controller per parameter, one parameter per controller.
    for (auto it = m_bound.begin(); it != m_bound.end();)
        it = it->index == index ? m_bound.erase(it) : std::next(it);
    const auto taken = m_bound.find(slotOf(channel, controller));
    if (taken != m_bound.end()) {
        const int previous = taken->index;
        m_bound.erase(taken);
        showBinding(previous);
    }
    m_bound.insert(slotOf(channel, controller), Bound{index});
    showBinding(index);
    emit bindingsChanged();
}

void ControllerMap::forget(int index)
{
    for (auto it = m_bound.begin(); it != m_bound.end();)
        it = it->index == index ? m_bound.erase(it) : std::next(it);
    showBinding(index);
    emit bindingsChanged();
}

std::optional<ControllerBinding> ControllerMap::bindingOf(int index) const
{
    for (auto it = m_bound.begin(); it != m_bound.end(); ++it)
        if (it->index == index)
            return ControllerBinding{it.key() / 128, it.key() % 128,
                                     m_settings->parameters().key(index)};
    return std::nullopt;
}

std::vector<ControllerBinding> ControllerMap::bindings() const
{
    std::vector<ControllerBinding> all;
    for (auto it = m_bound.begin(); it != m_bound.end(); ++it)
        all.push_back({it.key() / 128, it.key() % 128, m_settings->parameters().key(it->index)});
    std::sort(all.begin(), all.end(), [](const auto &a, const auto &b) {
        return slotOf(a.channel, a.controller) < slotOf(b.channel, b.controller);
    });
    return all;
}

QStringList ControllerMap::setBindings(const std::vector<ControllerBinding> &bindings)
{
    QStringList skipped;
    if (bindings.empty())
        return skipped;
    std::vector<int> shown;
    for (const Bound &bound : std::as_const(m_bound))
        shown.push_back(bound.index);
    m_bound.clear();
    for (const int index : shown)
        showBinding(index);
    for (const auto &binding : bindings) {
        const int index = m_settings->parameters().indexOf(binding.key);
        if (index < 0 || m_settings->parameters().kind(index) == GraphParameters::Kind::Text)
            skipped.append(tr("%1: %2 cannot move it").arg(binding.key.text(), binding.text()));
        else
            bind(binding.channel, binding.controller, index);
    }
    emit bindingsChanged();
    return skipped;
}

void ControllerMap::showBinding(int index)
{
    const QPointer<QWidget> row = m_rows.value(index);
    if (!row)
        return;
    const auto binding = bindingOf(index);
    const QString text = m_learning == index ? tr("Learning…")
                         : binding           ? binding->text()
                                             : QString();
    // A row no controller was ever bound to gets no marks for it.
    if (RowMarks *marks = text.isEmpty() ? RowMarks::find(row) : RowMarks::of(row))
        marks->setControllerText(text);
}

} // namespace NequoraUI
