#pragma once

#include <QHash>
#include <QString>

namespace NequoraUI {

// A parameter as presets and controller bindings name it: its node's display name and its own
// name. A second node of the same display name is named "Name #2", a third "Name #3".
struct ParameterKey
{
    QString node;
    QString parameter;

    friend bool operator==(const ParameterKey &, const ParameterKey &) = default;
    friend size_t qHash(const ParameterKey &key, size_t seed = 0)
    {
        return qHashMulti(seed, key.node, key.parameter);
    }
    // "Node/Parameter", for messages.
    QString text() const { return node + QLatin1Char('/') + parameter; }
};

} // namespace NequoraUI
