#include "ScreenPresets.h"

#include "GraphRowModel.h"
#include "PresetStore.h"
#include "ScreenSettings.h"

#include <algorithm>

namespace NequoraUI {

ScreenPresets::ScreenPresets(QObject *parent) : QObject(parent) {}

void ScreenPresets::setGraph(GraphRowModel *graph)
{
    if (graph == m_graph)
        return;
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = nullptr;
    m_graph = graph;
    // The model makes the settings before its first change, so B holds what the screen showed
    // until then; opening the screen makes none.
    m_current = 0;
    showStatus(QString());
    refresh();
    emit graphChanged();
    emit slotChanged();
}

ScreenSettings *ScreenPresets::settings()
{
    if (!m_settings && m_graph) {
        m_settings = m_graph->settings();
        connect(m_settings, &ScreenSettings::slotChanged, this, &ScreenPresets::slotChanged);
        // Settings made elsewhere (MIDI learn) may have switched already.
        emit slotChanged();
    }
    return m_settings;
}

QStringList ScreenPresets::presetTexts() const
{
    return m_texts;
}

void ScreenPresets::refresh()
{
    // The preset last loaded stays chosen while the store still has it.
    const QString current = m_names.value(m_current);
    m_names.clear();
    m_texts.clear();
    const auto store = m_graph ? m_graph->presetStore() : nullptr;
    if (store) {
        m_texts.append(tr("Choose a preset"));
        m_names.append(QString());
        for (const auto &entry : store->presets()) {
            m_texts.append(entry.pickerText());
            m_names.append(entry.name);
        }
    }
    m_current = current.isEmpty() ? 0 : std::max(int(m_names.indexOf(current)), 0);
    emit presetsChanged();
}

bool ScreenPresets::loadPreset(int index)
{
    const auto store = m_graph ? m_graph->presetStore() : nullptr;
    const QString name = m_names.value(index);
    if (!store || name.isEmpty() || !settings())
        return false;
    const auto loaded = store->load(name);
    if (!loaded.preset) {
        showStatus(loaded.error);
        refresh();
        return false;
    }
    showStatus(ScreenSettings::describe(name, settings()->load(*loaded.preset)));
    m_current = index;
    emit presetsChanged();
    return true;
}

bool ScreenPresets::showsA() const
{
    // Until the bar has used the settings, the screen shows what it was built with: A.
    return !m_settings || m_settings->slot() == ScreenSettings::Slot::A;
}

QString ScreenPresets::slotText() const
{
    return showsA() ? tr("A/B: A") : tr("A/B: B");
}

QString ScreenPresets::slotAccessibleName() const
{
    return showsA() ? tr("Compare: showing A, switch to B") : tr("Compare: showing B, switch to A");
}

QString ScreenPresets::copyText() const
{
    return showsA() ? tr("Copy A to B") : tr("Copy B to A");
}

void ScreenPresets::switchSlot()
{
    if (ScreenSettings *current = settings())
        current->switchSlot();
}

void ScreenPresets::copySlot()
{
    if (ScreenSettings *current = settings())
        current->copyShownSlot();
}

void ScreenPresets::resetAll()
{
    if (ScreenSettings *current = settings())
        current->resetAll();
}

void ScreenPresets::showStatus(const QString &text)
{
    if (text == m_status)
        return;
    m_status = text;
    emit statusTextChanged();
}

} // namespace NequoraUI
