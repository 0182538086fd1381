#include "PresetBar.h"

#include "PresetStore.h"
#include "ScreenSettings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace NequoraUI {

namespace {

// Lines up with the sections below it, like the filter bar.
constexpr int barMargin = 20;
constexpr int barTopMargin = 12;

} // namespace

PresetBar::PresetBar(std::shared_ptr<PresetStore> store, ScreenSettings *settings, QWidget *parent)
    : QWidget(parent), m_store(std::move(store)), m_settings(settings)
{
    setObjectName(QStringLiteral("presetBar"));
    auto *lines = new QVBoxLayout(this);
    lines->setContentsMargins(barMargin, barTopMargin, barMargin, 0);
    auto *row = new QHBoxLayout;
    lines->addLayout(row);

    nameLabel = new QLabel(this);
    nameLabel->setObjectName(QStringLiteral("presetNameLabel"));
    row->addWidget(nameLabel);
    presetPicker = new QComboBox(this);
    presetPicker->setObjectName(QStringLiteral("presetPicker"));
    presetPicker->setAccessibleName(tr("Presets"));
    presetPicker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    nameLabel->setBuddy(presetPicker);
    row->addWidget(presetPicker, 1);
    saveButton = addButton(tr("Save"), QStringLiteral("savePresetButton"));
    saveAsButton = addButton(tr("Save As…"), QStringLiteral("saveAsPresetButton"));
    deleteButton = addButton(tr("Delete"), QStringLiteral("deletePresetButton"));
    row->addSpacing(12);
    slotButton = addButton(QString(), QStringLiteral("slotButton"));
    copyButton = addButton(QString(), QStringLiteral("copySlotButton"));
    resetButton = addButton(tr("Reset All"), QStringLiteral("resetAllButton"));
    for (QPushButton *button :
         {saveButton, saveAsButton, deleteButton, slotButton, copyButton, resetButton})
        row->addWidget(button);

    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("presetStatusLabel"));
    statusLabel->setWordWrap(true);
    statusLabel->setAccessibleName(tr("Preset status"));
    statusLabel->hide();
    lines->addWidget(statusLabel);

    connect(presetPicker, &QComboBox::activated, this, [this](int index) {
        if (!loadPreset(presetPicker->itemData(index).toString()))
            refresh();
    });
    connect(saveButton, &QPushButton::clicked, this, &PresetBar::save);
    connect(saveAsButton, &QPushButton::clicked, this, &PresetBar::saveAs);
    connect(deleteButton, &QPushButton::clicked, this, &PresetBar::deletePreset);
    connect(slotButton, &QPushButton::clicked, this, [this] {
        if (m_settings)
            m_settings->switchSlot();
    });
    connect(copyButton, &QPushButton::clicked, this, [this] {
        if (m_settings)
            m_settings->copyShownSlot();
    });
    connect(resetButton, &QPushButton::clicked, this, [this] {
        if (m_settings)
            m_settings->resetAll();
    });
    if (m_settings)
        connect(m_settings, &ScreenSettings::slotChanged, this, &PresetBar::showSlot);
    m_askName = [this](const QString &suggested) -> std::optional<QString> {
        bool ok = false;
        const QString name = QInputDialog::getText(this, tr("Save Preset"), tr("Preset name:"),
                                                   QLineEdit::Normal, suggested, &ok);
        return ok ? std::optional<QString>(name) : std::nullopt;
    };
    m_confirm = [this](const QString &question) {
        return QMessageBox::question(this, tr("Presets"), question) == QMessageBox::Yes;
    };
    setCurrent(QString());
    showSlot();
}

QPushButton *PresetBar::addButton(const QString &text, const QString &objectName)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

QString PresetBar::statusText() const
{
    return statusLabel->text();
}

void PresetBar::refresh()
{
    presetPicker->clear();
    presetPicker->addItem(tr("Choose a preset"), QString());
    for (const auto &entry : m_store->presets())
        presetPicker->addItem(entry.pickerText(), entry.name);
    const int current = m_current.isEmpty() ? 0 : presetPicker->findData(m_current);
    presetPicker->setCurrentIndex(std::max(current, 0));
    const auto entry = m_current.isEmpty() ? std::nullopt : m_store->find(m_current);
    deleteButton->setEnabled(entry && !entry->factory);
}

void PresetBar::setCurrent(const QString &name)
{
    const bool changed = name != m_current;
    m_current = name;
    nameLabel->setText(name.isEmpty() ? tr("No preset") : name);
    refresh();
    if (changed)
        emit currentPresetChanged(name);
}

void PresetBar::showStatus(const QString &text)
{
    statusLabel->setText(text);
    statusLabel->setVisible(!text.isEmpty());
}

void PresetBar::showSlot()
{
    const bool onA = !m_settings || m_settings->slot() == ScreenSettings::Slot::A;
    slotButton->setText(onA ? tr("A/B: A") : tr("A/B: B"));
    slotButton->setAccessibleName(onA ? tr("Compare: showing A, switch to B")
                                      : tr("Compare: showing B, switch to A"));
    copyButton->setText(onA ? tr("Copy A to B") : tr("Copy B to A"));
}

bool PresetBar::loadPreset(const QString &name)
{
    if (name.isEmpty() || !m_settings)
        return false;
    const auto loaded = m_store->load(name);
    if (!loaded.preset) {
        showStatus(loaded.error);
        return false;
    }
    showStatus(ScreenSettings::describe(name, m_settings->load(*loaded.preset)));
    setCurrent(name);
    return true;
}

bool PresetBar::save()
{
    const auto entry = m_current.isEmpty() ? std::nullopt : m_store->find(m_current);
    if (!entry || entry->factory)
        return saveAs();
    // Even the current preset is replaced only once the user says so: its file holds what was
    // last saved, which the screen may no longer show.
    return saveUnder(m_current, true);
}

bool PresetBar::saveAs()
{
    const auto name = m_askName ? m_askName(m_current) : std::nullopt;
    if (!name)
        return false;
    return saveUnder(name->trimmed(), true);
}

bool PresetBar::saveUnder(const QString &name, bool askFirst)
{
    if (!m_settings)
        return false;
    const Preset preset = m_settings->capture(name);
    auto result = m_store->save(preset, !askFirst);
    if (result.outcome == PresetStore::Outcome::NameTaken && m_confirm &&
        m_confirm(tr("Replace the preset \"%1\"?").arg(name)))
        result = m_store->save(preset, true);
    if (!result.ok()) {
        showStatus(result.outcome == PresetStore::Outcome::NameTaken ? QString() : result.message);
        return false;
    }
    showStatus(tr("Saved \"%1\".").arg(name));
    setCurrent(name);
    return true;
}

bool PresetBar::deletePreset()
{
    if (m_current.isEmpty() || !m_confirm ||
        !m_confirm(tr("Delete the preset \"%1\"?").arg(m_current)))
        return false;
    const auto result = m_store->remove(m_current);
    showStatus(result.ok() ? tr("Deleted \"%1\".").arg(m_current) : result.message);
    if (result.ok())
        setCurrent(QString());
    return result.ok();
}

} // namespace NequoraUI
