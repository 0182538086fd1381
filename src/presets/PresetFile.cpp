#include "PresetFile.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>

namespace NequoraUI {

namespace {

const QString formatName = QStringLiteral("NequoraUI preset");
// Enough of the name to recognise the file in a folder listing.
constexpr qsizetype fileNameStemLength = 40;

QJsonValue jsonOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::QString:
        return value.toString();
    default:
        return value.toDouble();
    }
}

QVariant valueOf(const QJsonValue &json)
{
    if (json.isBool())
        return json.toBool();
    if (json.isString())
        return json.toString();
    if (json.isDouble())
        return json.toDouble();
    // Arrays, objects and null: kept as nothing, so loading reports them as skipped.
    return QVariant();
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool readControllers(const QJsonValue &json, Preset &preset, QString *error)
{
    if (json.isUndefined())
        return true;
    if (!json.isArray())
        return fail(error, QObject::tr("\"controllers\" is not a list"));
    for (const QJsonValue &item : json.toArray()) {
        const QJsonObject binding = item.toObject();
        const int channel = binding.value(QLatin1String("channel")).toInt(-1);
        const int controller = binding.value(QLatin1String("controller")).toInt(-1);
        const QString node = binding.value(QLatin1String("node")).toString();
        const QString parameter = binding.value(QLatin1String("parameter")).toString();
        if (channel < 0 || channel > 15 || controller < 0 || controller > 127 || node.isEmpty() ||
            parameter.isEmpty())
            return fail(error, QObject::tr("a controller binding is incomplete or out of range"));
        preset.controllers.push_back({channel, controller, {node, parameter}});
    }
    return true;
}

} // namespace

QString ControllerBinding::text() const
{
    const QString cc = QStringLiteral("CC %1").arg(controller);
    return channel == 0 ? cc : cc + QStringLiteral(" (ch %1)").arg(channel + 1);
}

QByteArray PresetFile::toJson(const Preset &preset)
{
    QJsonObject nodes;
    for (const auto &[key, value] : preset.values) {
        QJsonObject node = nodes.value(key.node).toObject();
        node.insert(key.parameter, jsonOf(value));
        nodes.insert(key.node, node);
    }
    QJsonArray controllers;
    for (const auto &binding : preset.controllers)
        controllers.append(QJsonObject{{QStringLiteral("channel"), binding.channel},
                                       {QStringLiteral("controller"), binding.controller},
                                       {QStringLiteral("node"), binding.key.node},
                                       {QStringLiteral("parameter"), binding.key.parameter}});
    const QJsonObject root{{QStringLiteral("format"), formatName},
                           {QStringLiteral("version"), version},
                           {QStringLiteral("name"), preset.name},
                           {QStringLiteral("values"), nodes},
                           {QStringLiteral("controllers"), controllers}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Preset> PresetFile::fromJson(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        fail(error, QObject::tr("not valid JSON (%1 at byte %2)")
                        .arg(parseError.errorString())
                        .arg(parseError.offset));
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != formatName) {
        fail(error, QObject::tr("not a preset file"));
        return std::nullopt;
    }
    const int fileVersion = root.value(QLatin1String("version")).toInt(0);
    if (fileVersion < 1 || fileVersion > version) {
        fail(error, QObject::tr("preset version %1 is not one this program reads (1 to %2)")
                        .arg(root.value(QLatin1String("version")).toVariant().toString())
                        .arg(version));
        return std::nullopt;
    }
    Preset preset;
    preset.name = root.value(QLatin1String("name")).toString().trimmed();
    if (preset.name.isEmpty()) {
        fail(error, QObject::tr("the preset has no name"));
        return std::nullopt;
    }
    const QJsonValue values = root.value(QLatin1String("values"));
    if (!values.isObject()) {
        fail(error, QObject::tr("\"values\" is not an object of nodes"));
        return std::nullopt;
    }
    const QJsonObject nodes = values.toObject();
    for (auto node = nodes.begin(); node != nodes.end(); ++node) {
        const QJsonObject parameters = node.value().toObject();
        for (auto parameter = parameters.begin(); parameter != parameters.end(); ++parameter)
            preset.values.push_back({{node.key(), parameter.key()}, valueOf(parameter.value())});
    }
    if (!readControllers(root.value(QLatin1String("controllers")), preset, error))
        return std::nullopt;
    return preset;
}

QString PresetFile::fileNameFor(const QString &presetName)
{
    QString stem;
    for (const QChar c : presetName.left(fileNameStemLength)) {
        const bool safe = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                          (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                          (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                          c == QLatin1Char('-') || c == QLatin1Char('_');
        stem.append(safe ? c : QLatin1Char('_'));
    }
    if (stem.isEmpty())
        stem = QStringLiteral("preset");
    // The hash tells apart names a case-blind file system or the replaced characters would
    // make one.
    const QByteArray hash =
        QCryptographicHash::hash(presetName.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    return stem + QLatin1Char('-') + QString::fromLatin1(hash) + QStringLiteral(".json");
}

} // namespace NequoraUI
