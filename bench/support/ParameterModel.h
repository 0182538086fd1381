#pragma once

#include "NQFloatParameter.h"
#include "ScreenPeers.h"

#include <QAbstractListModel>

namespace BenchSupport {

// The list model a Qt Quick developer puts in front of the engine's parameters.
class ParameterModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role
    {
        NameRole = Qt::UserRole,
        MinimumRole,
        MaximumRole,
        ValueRole
    };

    explicit ParameterModel(Parameters parameters, QObject *parent = nullptr)
        : QAbstractListModel(parent), parameters(std::move(parameters))
    {}

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(parameters.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const auto &parameter = *parameters[size_t(index.row())];
        switch (role) {
        case NameRole:
            return QString::fromStdString(parameter.name());
        case MinimumRole:
            return parameter.minimumValue();
        case MaximumRole:
            return parameter.maximumValue();
        case ValueRole:
            return parameter.value();
        }
        return {};
    }

    QHash<int, QByteArray> roleNames() const override
    {
        return {{NameRole, "name"},
                {MinimumRole, "minimum"},
                {MaximumRole, "maximum"},
                {ValueRole, "value"}};
    }

    Q_INVOKABLE void setValueAt(int row, double value)
    {
        parameters[size_t(row)]->setValue(float(value));
        emit dataChanged(index(row), index(row), {ValueRole});
    }

private:
    Parameters parameters;
};

} // namespace BenchSupport
