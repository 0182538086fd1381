#include "ParameterFilter.h"

#include "CollapsibleSectionView.h"
#include "LazyPlaces.h"
#include "ParameterBinding.h"
#include "VStackViewController.h"

#include <QLabel>
#include <QLayout>
#include <algorithm>

namespace NequoraUI {

namespace {

// Above this many places, a new text changes them all with their parent hidden.
constexpr size_t batchedPlaces = 32;

void foldAll(QStringList &names)
{
    for (QString &name : names)
        name = ParameterFilter::folded(name);
}

} // namespace

ParameterFilter::ParameterFilter(VStackViewController *stack, std::vector<PlaceNames> places,
                                 QWidget *noMatchView, QObject *parent)
    : QObject(parent), m_stack(stack), m_noMatchView(noMatchView)
{
    m_places.resize(size_t(stack->stackedViewCount()));
    for (size_t i = 0; i < m_places.size() && i < places.size(); ++i) {
        PlaceNames &names = m_places[i].names;
        names = std::move(places[i]);
        names.title = folded(names.title);
        foldAll(names.rows);
        foldAll(names.groups);
        names.rowGroups.resize(size_t(names.rows.size()), -1);
    }
    for (int i = 0; i < stack->stackedViewCount(); ++i)
        if (stack->isRealised(i))
            sectionMade(i, stack->madeView(i));
    // Sections come and go as the user scrolls, and so do the rows of long ones: each is
    // looked through again, and shows what the current text keeps.
    connect(stack, &VStackViewController::viewRealised, this, &ParameterFilter::sectionMade);
    connect(stack, &VStackViewController::viewContentChanged, this, &ParameterFilter::sectionMade);
    connect(stack, &VStackViewController::viewReleased, this, [this](int index) {
        if (index >= 0 && size_t(index) < m_places.size())
            forgetWidgets(m_places[size_t(index)]);
    });
    if (m_noMatchView)
        m_noMatchView->hide();
}

QString ParameterFilter::folded(const QString &text)
{
    // Most names are plain ASCII: nothing to decompose.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toCaseFolded();
    QString result;
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    result.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    return result.toCaseFolded();
}

void ParameterFilter::sectionMade(int index, QWidget *section)
{
    if (index < 0 || size_t(index) >= m_places.size() || !section)
        return;
    Place &place = m_places[size_t(index)];
    forgetWidgets(place);
    addContainer(place, section, -1);
    place.pages = section->findChild<LazyPlaces *>();
    // Made while a text is set: it shows only what the text keeps.
    if (!m_needle.isEmpty())
        applyToPlace(index, m_needle);
    // Made in a pass of the places, which tells the scroll bar once this returns.
    settleLevels();
}

void ParameterFilter::forgetWidgets(Place &place)
{
    place.containers.clear();
    place.rows.clear();
    place.pages = nullptr;
}

void ParameterFilter::addContainer(Place &place, QWidget *section, int parent)
{
    auto *collapsible = qobject_cast<CollapsibleSectionView *>(section);
    QLayout *stack =
        collapsible && collapsible->content() ? collapsible->content()->layout() : nullptr;
    if (!stack)
        return;
    const int index = int(place.containers.size());
    place.containers.push_back({section, folded(collapsible->titleLabel->text()), parent});
    addRows(place, stack, index);
}

void ParameterFilter::addRows(Place &place, QLayout *stack, int container)
{
    const int index = container;
    for (int i = 0; i < stack->count(); ++i) {
        QWidget *row = stack->itemAt(i)->widget();
        if (!row)
            continue;
        // Pages of rows made as they come: their rows belong to the section around them.
        if (LazyPlaces::isFrame(row)) {
            if (row->layout())
                addRows(place, row->layout(), index);
            continue;
        }
        if (qobject_cast<CollapsibleSectionView *>(row)) {
            addContainer(place, row, index);
            continue;
        }
        // Rows without a parameter (players, recorders, file rows) match by their node only.
        const auto *binding = ParameterBinding::of(row);
        place.rows.push_back({row, binding ? folded(binding->name()) : QString(), index});
    }
}

void ParameterFilter::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    m_needle = folded(text);
    m_shownRows = 0;
    m_unsettled.clear();
    // Many places shown or hidden one by one on screen each move every place below them;
    // with the places' parent hidden meanwhile they are laid out once, when it shows again.
    QWidget *places = m_stack ? m_stack->placesView() : nullptr;
    const bool batch = places && places->isVisible() && m_places.size() > batchedPlaces;
    if (batch)
        places->hide();
    for (int i = 0; i < int(m_places.size()); ++i)
        m_shownRows += applyToPlace(i, m_needle);
    if (batch)
        places->show();
    settleShown();
    if (m_noMatchView)
        m_noMatchView->setVisible(m_shownRows == 0 && !m_needle.isEmpty());
}

int ParameterFilter::applyToPlace(int index, const QString &needle)
{
    Place &place = m_places[size_t(index)];
    if (!place.containers.empty())
        return applyToMadePlace(index, needle);
    // Not made: its names alone say whether it stays; a hidden place is not made.
    std::vector<char> rowKept;
    const int kept = keptByNames(place.names, needle, rowKept);
    if (m_stack)
        m_stack->setPlaceShown(index, kept > 0);
    return kept;
}

int ParameterFilter::keptByNames(const PlaceNames &names, const QString &needle,
                                 std::vector<char> &rowKept)
{
    rowKept.assign(size_t(names.rows.size()), 1);
    if (names.title.contains(needle))
        return std::max(1, int(names.rows.size()));
    std::vector<char> groupNamed(size_t(names.groups.size()));
    for (qsizetype g = 0; g < names.groups.size(); ++g)
        groupNamed[size_t(g)] = names.groups[g].contains(needle);
    int kept = 0;
    for (qsizetype r = 0; r < names.rows.size(); ++r) {
        const int group = names.rowGroups[size_t(r)];
        rowKept[size_t(r)] =
            (group >= 0 && groupNamed[size_t(group)]) || names.rows[r].contains(needle);
        kept += rowKept[size_t(r)];
    }
    return kept;
}

// A page of rows not made stays when one of its rows would; a page hides when none of its
// rows is kept, so it leaves no gap.
int ParameterFilter::applyToPages(Place &place, const QString &needle)
{
    std::vector<char> rowKept;
    const int kept = keptByNames(place.names, needle, rowKept);
    size_t first = 0;
    for (int page = 0; page < place.pages->count(); ++page) {
        const size_t end = std::min(rowKept.size(), first + size_t(place.pages->weight(page)));
        place.pages->setShown(page, std::any_of(rowKept.begin() + qsizetype(first),
                                                rowKept.begin() + qsizetype(end),
                                                [](char keep) { return keep != 0; }));
        first = end;
    }
    return kept;
}

int ParameterFilter::applyToMadePlace(int index, const QString &needle)
{
    Place &place = m_places[size_t(index)];
    auto &containers = place.containers;
    // A container matches by its own name or by any container around it.
    std::vector<char> named(containers.size());
    std::vector<char> kept(containers.size());
    for (size_t i = 0; i < containers.size(); ++i) {
        const Container &container = containers[i];
        named[i] = container.name.contains(needle) ||
                   (container.parent >= 0 && named[size_t(container.parent)]);
        kept[i] = named[i];
    }
    std::vector<char> rowKept(place.rows.size());
    int shownRows = 0;
    for (size_t i = 0; i < place.rows.size(); ++i) {
        const Row &row = place.rows[i];
        rowKept[i] =
            named[size_t(row.container)] || (!row.name.isEmpty() && row.name.contains(needle));
        if (!rowKept[i])
            continue;
        ++shownRows;
        for (int c = row.container; c >= 0 && !kept[size_t(c)]; c = containers[size_t(c)].parent)
            kept[size_t(c)] = true;
    }

    // A section whose rows come as they are needed is judged by its names: most of its rows
    // are not made.
    if (place.pages) {
        shownRows = applyToPages(place, needle);
        kept[0] = shownRows > 0;
    }
    // The place hides first and shows last, so that rows inside change while it is hidden:
    // Qt then sends no show or hide events down each row. Its outermost section is the place.
    const bool placeKept = !kept.empty() && kept[0];
    if (!placeKept && m_stack)
        m_stack->setPlaceShown(index, false);
    for (size_t i = containers.size(); i-- > 1;)
        show(containers[i].widget, kept[i], containers[i].shown);
    for (size_t i = 0; i < place.rows.size(); ++i)
        if (kept[size_t(place.rows[i].container)])
            show(place.rows[i].widget, rowKept[i], place.rows[i].shown);
    if (placeKept && m_stack)
        m_stack->setPlaceShown(index, true);
    return shownRows;
}

void ParameterFilter::show(QPointer<QWidget> &widget, bool shown, bool &state)
{
    if (state == shown || !widget)
        return;
    state = shown;
    widget->setVisible(shown);
    QWidget *parent = widget->parentWidget();
    if (parent && (m_unsettled.empty() || m_unsettled.back() != parent))
        m_unsettled.emplace_back(parent);
}

// Every level above a row shown or hidden would otherwise take a posted layout request of its
// own, one event-loop round after the other: the scroll bar would catch up with the new height
// over as many frames.
void ParameterFilter::settleShown()
{
    settleLevels();
    if (m_stack)
        m_stack->settlePlaces();
}

void ParameterFilter::settleLevels()
{
    for (const QPointer<QWidget> &level : m_unsettled)
        if (level)
            LazyPlaces::settleLayoutsFrom(level);
    m_unsettled.clear();
}

} // namespace NequoraUI
