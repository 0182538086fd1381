#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QWidget;

namespace NequoraUI {

// Narrows a generated screen to the rows whose parameter name, or whose node's (or group's)
// name, contains a text. Case and accents do not count: "CAFE" finds "Café". Sections left
// without a row hide; a "nothing matches" view shows when no row is left. Names are folded
// once, when the filter is made; each new text only compares.
class ParameterFilter : public QObject
{
    Q_OBJECT

public:
    // sections: the screen's views in order (a collapsible section, or a place holding one);
    // sections are filtered by their rows, other views are left alone. noMatchView may be null.
    ParameterFilter(const QList<QWidget *> &sections, QWidget *noMatchView,
                    QObject *parent = nullptr);

    // Compatibility-decomposed, combining marks dropped, case-folded.
    static QString folded(const QString &text);

    QString text() const { return m_text; }
    // An empty text shows every row and section again.
    void setText(const QString &text);
    // Rows the current text keeps.
    int shownRowCount() const { return m_shownRows; }

private:
    // A section (a node, or a group inside one) and the rows directly in it.
    struct Container
    {
        QPointer<QWidget> widget;
        QString name;
        int parent = -1;
        bool shown = true;
    };
    struct Row
    {
        QPointer<QWidget> widget;
        QString name;
        int container = -1;
        bool shown = true;
    };

    void addContainer(QWidget *section, int parent);
    void show(QPointer<QWidget> &widget, bool shown, bool &state);

    std::vector<Container> m_containers;
    std::vector<Row> m_rows;
    QPointer<QWidget> m_noMatchView;
    QString m_text;
    int m_shownRows = 0;
};

} // namespace NequoraUI
