#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace NequoraUI {

// What the user folded on a screen whose sections come and go as it scrolls: a section made
// again opens as the user left it, and so do the groups inside it.
class FoldMemory : public QObject
{
    Q_OBJECT

public:
    explicit FoldMemory(QObject *parent = nullptr) : QObject(parent) {}

    // How the section at index was last left, or initially when the user never folded it.
    bool isFolded(int index, bool initially) const;
    // Folds the groups of a section just made as they were left, and records every fold of
    // the section and its groups from now on.
    void follow(int index, QWidget *section);

private:
    static QString key(int index, const QString &group);

    // By section index and group title (empty for the section itself).
    QHash<QString, bool> m_folded;
};

} // namespace NequoraUI
