#include "PresetStore.h"

#include "PresetFile.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QObject>
#include <QSaveFile>
#include <algorithm>

namespace NequoraUI {

namespace {

PresetStore::Result failure(PresetStore::Outcome outcome, const QString &message)
{
    return {outcome, message};
}

} // namespace

QString PresetStore::Entry::pickerText() const
{
    return factory ? QObject::tr("%1 (factory)").arg(name) : name;
}

PresetStore::PresetStore(QString folder, std::shared_ptr<FactoryPresetProvider> factory)
    : m_folder(std::move(folder)), m_factory(std::move(factory))
{}

std::vector<PresetStore::Entry> PresetStore::presets() const
{
    std::vector<Entry> entries;
    if (m_factory)
        for (const Preset &preset : m_factory->factoryPresets())
            entries.push_back({preset.name, true, {}});
    const std::vector<Entry> user = userPresets();
    entries.insert(entries.end(), user.begin(), user.end());
    return entries;
}

std::vector<PresetStore::Entry> PresetStore::userPresets() const
{
    std::vector<Entry> entries;
    const QDir folder(m_folder);
    for (const QString &file : folder.entryList({QStringLiteral("*.json")}, QDir::Files)) {
        const QString path = folder.filePath(file);
        QFile input(path);
        std::optional<Preset> preset;
        if (input.open(QIODevice::ReadOnly))
            preset = PresetFile::fromJson(input.readAll(), nullptr);
        entries.push_back(
            {preset ? preset->name : QFileInfo(file).completeBaseName(), false, path});
    }
    QCollator byName;
    byName.setNumericMode(true);
    byName.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(entries.begin(), entries.end(),
              [&byName](const Entry &a, const Entry &b) { return byName(a.name, b.name); });
    return entries;
}

std::optional<PresetStore::Entry> PresetStore::find(const QString &name) const
{
    for (const Entry &entry : presets())
        if (entry.name == name)
            return entry;
    return std::nullopt;
}

PresetStore::Loaded PresetStore::load(const QString &name) const
{
    const auto entry = find(name);
    if (!entry)
        return {std::nullopt, QObject::tr("There is no preset \"%1\".").arg(name)};
    if (entry->factory) {
        for (Preset &preset : m_factory->factoryPresets())
            if (preset.name == name)
                return {std::move(preset), {}};
    }
    QFile input(entry->path);
    if (!input.open(QIODevice::ReadOnly))
        return {std::nullopt,
                QObject::tr("Cannot read %1: %2").arg(entry->path, input.errorString())};
    QString error;
    auto preset = PresetFile::fromJson(input.readAll(), &error);
    if (!preset)
        return {std::nullopt, QObject::tr("%1 is not a usable preset: %2").arg(entry->path, error)};
    return {std::move(preset), {}};
}

PresetStore::Result PresetStore::checkWritable(const QString &name, bool overwrite,
                                               const QString &keep) const
{
    if (name.trimmed().isEmpty())
        return failure(Outcome::Failed, QObject::tr("A preset needs a name."));
    const auto existing = find(name);
    if (existing && existing->factory)
        return failure(Outcome::FactoryPreset,
                       QObject::tr("\"%1\" is a factory preset; choose another name.").arg(name));
    if (existing && !overwrite && existing->path != keep)
        return failure(Outcome::NameTaken,
                       QObject::tr("A preset named \"%1\" exists already.").arg(name));
    return {};
}

PresetStore::Result PresetStore::save(const Preset &given, bool overwrite) const
{
    Preset preset = given;
    preset.name = preset.name.trimmed();
    if (const Result check = checkWritable(preset.name, overwrite); !check.ok())
        return check;
    // Over the file the name has now, which a person may have renamed by hand.
    const auto existing = find(preset.name);
    return write(preset, existing ? existing->path
                                  : QDir(m_folder).filePath(PresetFile::fileNameFor(preset.name)));
}

PresetStore::Result PresetStore::write(const Preset &preset, const QString &path) const
{
    if (!QDir().mkpath(m_folder))
        return failure(Outcome::Failed, QObject::tr("Cannot make the folder %1.").arg(m_folder));
    QSaveFile output(path);
    if (!output.open(QIODevice::WriteOnly) || output.write(PresetFile::toJson(preset)) < 0 ||
        !output.commit())
        return failure(Outcome::Failed,
                       QObject::tr("Cannot write %1: %2").arg(path, output.errorString()));
    return {};
}

PresetStore::Result PresetStore::rename(const QString &name, const QString &given,
                                        bool overwrite) const
{
    const QString newName = given.trimmed();
    const auto entry = find(name);
    if (!entry)
        return failure(Outcome::NotFound, QObject::tr("There is no preset \"%1\".").arg(name));
    if (entry->factory)
        return failure(Outcome::FactoryPreset,
                       QObject::tr("\"%1\" is a factory preset; it cannot be renamed.").arg(name));
    if (const Result check = checkWritable(newName, overwrite, entry->path); !check.ok())
        return check;
    Loaded loaded = load(name);
    if (!loaded.preset)
        return failure(Outcome::Failed, loaded.error);
    loaded.preset->name = newName;
    const auto target = find(newName);
    const QString path =
        target ? target->path : QDir(m_folder).filePath(PresetFile::fileNameFor(newName));
    if (const Result written = write(*loaded.preset, path); !written.ok())
        return written;
    // The new file is complete before the old one goes, so a failure loses nothing.
    if (path != entry->path && !QFile::remove(entry->path))
        return failure(
            Outcome::Failed,
            QObject::tr("Saved as \"%1\", but cannot remove %2.").arg(newName, entry->path));
    return {};
}

PresetStore::Result PresetStore::remove(const QString &name) const
{
    const auto entry = find(name);
    if (!entry)
        return failure(Outcome::NotFound, QObject::tr("There is no preset \"%1\".").arg(name));
    if (entry->factory)
        return failure(Outcome::FactoryPreset,
                       QObject::tr("\"%1\" is a factory preset; it cannot be deleted.").arg(name));
    QFile file(entry->path);
    if (!file.remove())
        return failure(Outcome::Failed,
                       QObject::tr("Cannot delete %1: %2").arg(entry->path, file.errorString()));
    return {};
}

} // namespace NequoraUI
