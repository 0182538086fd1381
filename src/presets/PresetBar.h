#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace NequoraUI {

class PresetStore;
class ScreenSettings;

// The bar above a generated screen's sections: the current preset's name, a picker of the
// store's presets (factory ones first), Save, Save As, Delete, the A/B switch with its copy
// button, and Reset All. A line below says what the last action did (what a preset skipped,
// why a file could not be read). Every part is a standard control, reachable by Tab.
//
// Save writes over the preset shown, which the user chose; Save As and a rename never replace
// another preset without asking through confirm.
class PresetBar : public QWidget
{
    Q_OBJECT

public:
    // Asks for a preset name, suggesting one; none cancels.
    using NameQuestion = std::function<std::optional<QString>(const QString &suggested)>;
    // Asks a yes-or-no question (replace a preset, delete one).
    using Confirmation = std::function<bool(const QString &question)>;

    PresetBar(std::shared_ptr<PresetStore> store, ScreenSettings *settings,
              QWidget *parent = nullptr);

    // Default to Qt's input dialog and message box.
    void setNameQuestion(NameQuestion ask) { m_askName = std::move(ask); }
    void setConfirmation(Confirmation confirm) { m_confirm = std::move(confirm); }

    // The preset last loaded or saved; empty for none.
    QString currentPreset() const { return m_current; }
    QString statusText() const;

    // As the buttons and the picker do.
    bool loadPreset(const QString &name);
    bool save();
    bool saveAs();
    bool deletePreset();
    // Lists the store's presets again (after files changed behind the bar's back).
    void refresh();

    QLabel *nameLabel = nullptr;
    QComboBox *presetPicker = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *saveAsButton = nullptr;
    QPushButton *deleteButton = nullptr;
    QPushButton *slotButton = nullptr;
    QPushButton *copyButton = nullptr;
    QPushButton *resetButton = nullptr;
    QLabel *statusLabel = nullptr;

signals:
    void currentPresetChanged(const QString &name);

private:
    bool saveUnder(const QString &name, bool askFirst);
    void setCurrent(const QString &name);
    void showStatus(const QString &text);
    void showSlot();
    QPushButton *addButton(const QString &text, const QString &objectName);

    std::shared_ptr<PresetStore> m_store;
    QPointer<ScreenSettings> m_settings;
    NameQuestion m_askName;
    Confirmation m_confirm;
    QString m_current;
};

} // namespace NequoraUI
