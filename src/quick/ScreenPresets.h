#pragma once

#include "GraphRowModel.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QtQml/qqmlregistration.h>
#include <memory>

namespace NequoraUI {

class PresetStore;
class ScreenSettings;

// What the Quick screen's preset bar shows and does: the store's presets to load (factory ones
// first, when the generator has a store), the A/B switch and its copy, and Reset All, with the
// widget bar's texts. Each writes through the screen's settings, so the rows show the new
// values and each action is one undo entry.
class ScreenPresets : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(NequoraUI::GraphRowModel *graph READ graph WRITE setGraph NOTIFY graphChanged)
    // The picker's texts: a prompt, then the presets; empty without a store.
    Q_PROPERTY(QStringList presetTexts READ presetTexts NOTIFY presetsChanged)
    Q_PROPERTY(int currentPreset READ currentPreset NOTIFY presetsChanged)
    Q_PROPERTY(QString slotText READ slotText NOTIFY slotChanged)
    Q_PROPERTY(QString slotAccessibleName READ slotAccessibleName NOTIFY slotChanged)
    Q_PROPERTY(QString copyText READ copyText NOTIFY slotChanged)
    // What the last load did; empty until then.
    Q_PROPERTY(QString statusText READ statusText NOTIFY statusTextChanged)

public:
    explicit ScreenPresets(QObject *parent = nullptr);

    GraphRowModel *graph() const { return m_graph; }
    void setGraph(GraphRowModel *graph);
    QStringList presetTexts() const;
    int currentPreset() const { return m_current; }
    QString slotText() const;
    QString slotAccessibleName() const;
    QString copyText() const;
    QString statusText() const { return m_status; }

    // Loads the preset the picker shows at index (the prompt at 0 loads nothing).
    Q_INVOKABLE bool loadPreset(int index);
    Q_INVOKABLE void switchSlot();
    // From the slot shown into the other one.
    Q_INVOKABLE void copySlot();
    Q_INVOKABLE void resetAll();
    // Lists the store's presets again.
    Q_INVOKABLE void refresh();

signals:
    void graphChanged();
    void presetsChanged();
    void slotChanged();
    void statusTextChanged();

private:
    // The graph's settings, made and followed once the bar has a graph.
    ScreenSettings *settings();
    bool showsA() const;
    void showStatus(const QString &text);

    QPointer<GraphRowModel> m_graph;
    QPointer<ScreenSettings> m_settings;
    QStringList m_names;
    QStringList m_texts;
    int m_current = 0;
    QString m_status;
};

} // namespace NequoraUI
