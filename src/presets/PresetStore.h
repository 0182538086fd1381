#pragma once

#include "FactoryPresetProvider.h"
#include "Preset.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace NequoraUI {

// The presets of one screen: the host's factory presets (read-only, listed first) and the
// user's, one JSON file each (PresetFile) in a folder the host names. Saving is atomic (a
// temporary file renamed over the old one), so a crash never leaves half a preset.
class PresetStore
{
public:
    struct Entry
    {
        QString name;
        bool factory = false;
        // The user preset's file; empty for factory presets.
        QString path;

        // What a preset picker lists: the name, marked for a factory preset.
        QString pickerText() const;
    };
    enum class Outcome
    {
        Done,
        // Saving or renaming onto a name a user preset has: ask the user, then overwrite.
        NameTaken,
        // Factory presets cannot be saved over, renamed or deleted.
        FactoryPreset,
        NotFound,
        Failed,
    };
    struct Result
    {
        Outcome outcome = Outcome::Done;
        // Why, for the user, when not done.
        QString message;
        bool ok() const { return outcome == Outcome::Done; }
    };
    struct Loaded
    {
        std::optional<Preset> preset;
        QString error;
    };

    explicit PresetStore(QString folder, std::shared_ptr<FactoryPresetProvider> factory = {});

    QString folder() const { return m_folder; }
    // Factory presets in their order, then the user's by name. A user file that cannot be
    // read is listed by its file name, so choosing it says what is wrong with it.
    std::vector<Entry> presets() const;
    std::optional<Entry> find(const QString &name) const;

    Loaded load(const QString &name) const;
    // overwrite: the user agreed to replace the preset of that name.
    Result save(const Preset &preset, bool overwrite = false) const;
    Result rename(const QString &name, const QString &newName, bool overwrite = false) const;
    Result remove(const QString &name) const;

private:
    std::vector<Entry> userPresets() const;
    Result checkWritable(const QString &name, bool overwrite, const QString &keep = {}) const;
    Result write(const Preset &preset, const QString &path) const;

    QString m_folder;
    std::shared_ptr<FactoryPresetProvider> m_factory;
};

} // namespace NequoraUI
