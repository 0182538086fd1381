#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

class QLayout;
class QWidget;

namespace NequoraUI {

class LazyPlaces;
class VStackViewController;

// Narrows a generated screen to the rows whose parameter name, or whose node's (or group's)
// name, contains a text. Case and accents do not count: "CAFE" finds "Café". Sections left
// without a row hide; a "nothing matches" view shows when no row is left.
//
// The filter works on the names of the graph, not on its widgets: a section not made yet is
// kept or hidden by its names alone (a hidden place is not made), and only sections already
// made show or hide their rows. A section made later takes the current text as it is made.
// Names are folded once, when the filter is made; each new text only compares.
class ParameterFilter : public QObject
{
    Q_OBJECT

public:
    // The names of one place of the stack, as the generator will make its section.
    struct PlaceNames
    {
        QString title;
        // One per row with a parameter, with the index of its group in groups (-1 for none).
        QStringList rows;
        std::vector<int> rowGroups;
        QStringList groups;
    };

    // places: one per place of stack, in order. noMatchView may be null.
    ParameterFilter(VStackViewController *stack, std::vector<PlaceNames> places,
                    QWidget *noMatchView, QObject *parent = nullptr);

    // Compatibility-decomposed, combining marks dropped, case-folded.
    static QString folded(const QString &text);

    QString text() const { return m_text; }
    // An empty text shows every row and section again.
    void setText(const QString &text);
    // Rows the current text keeps, made or not.
    int shownRowCount() const { return m_shownRows; }

private:
    // A section made (a node, or a group inside one) and the rows directly in it.
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
    // A place of the stack: its names, and once its section is made, its widgets.
    struct Place
    {
        PlaceNames names;
        std::vector<Container> containers;
        std::vector<Row> rows;
        // The pages of a section whose rows are made as they come, one per weight unit row.
        QPointer<LazyPlaces> pages;
    };

    void sectionMade(int index, QWidget *section);
    static void forgetWidgets(Place &place);
    void addContainer(Place &place, QWidget *section, int parent);
    void addRows(Place &place, QLayout *stack, int container);
    // How many of the names' rows the needle keeps, and which.
    static int keptByNames(const PlaceNames &names, const QString &needle,
                           std::vector<char> &rowKept);
    static int applyToPages(Place &place, const QString &needle);
    // Applies the needle to one place; returns the rows it keeps.
    int applyToPlace(int index, const QString &needle);
    int applyToMadePlace(int index, const QString &needle);
    void show(QPointer<QWidget> &widget, bool shown, bool &state);
    void settleShown();
    void settleLevels();

    QPointer<VStackViewController> m_stack;
    std::vector<Place> m_places;
    QPointer<QWidget> m_noMatchView;
    QString m_text;
    QString m_needle;
    int m_shownRows = 0;
    // The parents of the rows and groups the current text showed or hid.
    std::vector<QPointer<QWidget>> m_unsettled;
};

} // namespace NequoraUI
