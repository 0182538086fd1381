#include "ParameterFilter.h"

#include "CollapsibleSectionView.h"
#include "ParameterBinding.h"

#include <QLabel>
#include <QLayout>

namespace NequoraUI {

ParameterFilter::ParameterFilter(const QList<QWidget *> &sections, QWidget *noMatchView,
                                 QObject *parent)
    : QObject(parent), m_noMatchView(noMatchView)
{
    for (QWidget *section : sections)
        addContainer(section, -1);
    m_shownRows = int(m_rows.size());
    if (m_noMatchView)
        m_noMatchView->hide();
}

QString ParameterFilter::folded(const QString &text)
{
    QString result;
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    result.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            result.append(c);
    return result.toCaseFolded();
}

void ParameterFilter::addContainer(QWidget *section, int parent)
{
    // A place in the stack may hold its section as its one child.
    auto *collapsible = qobject_cast<CollapsibleSectionView *>(section);
    if (!collapsible && section)
        collapsible =
            section->findChild<CollapsibleSectionView *>(QString(), Qt::FindDirectChildrenOnly);
    QLayout *stack =
        collapsible && collapsible->content() ? collapsible->content()->layout() : nullptr;
    if (!stack)
        return;
    const int index = int(m_containers.size());
    m_containers.push_back({section, folded(collapsible->titleLabel->text()), parent});
    for (int i = 0; i < stack->count(); ++i) {
        QWidget *row = stack->itemAt(i)->widget();
        if (!row)
            continue;
        if (qobject_cast<CollapsibleSectionView *>(row)) {
            addContainer(row, index);
            continue;
        }
        // Rows without a parameter (players, recorders, file rows) match by their node only.
        const auto *binding =
            row->findChild<ParameterBinding *>(QString(), Qt::FindDirectChildrenOnly);
        m_rows.push_back({row, binding ? folded(binding->name()) : QString(), index});
    }
}

void ParameterFilter::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    const QString needle = folded(text);

    // A container matches by its own name or by any container around it.
    std::vector<char> named(m_containers.size());
    std::vector<char> kept(m_containers.size());
    for (size_t i = 0; i < m_containers.size(); ++i) {
        const Container &container = m_containers[i];
        named[i] = container.name.contains(needle) ||
                   (container.parent >= 0 && named[size_t(container.parent)]);
        kept[i] = named[i];
    }
    std::vector<char> rowKept(m_rows.size());
    m_shownRows = 0;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const Row &row = m_rows[i];
        rowKept[i] =
            named[size_t(row.container)] || (!row.name.isEmpty() && row.name.contains(needle));
        if (!rowKept[i])
            continue;
        ++m_shownRows;
        for (int c = row.container; c >= 0 && !kept[size_t(c)]; c = m_containers[size_t(c)].parent)
            kept[size_t(c)] = true;
    }

    // Hide sections first and show them last, so that rows inside change while their section
    // is hidden: Qt then sends no show or hide events down each row.
    for (size_t i = 0; i < m_containers.size(); ++i)
        if (!kept[i])
            show(m_containers[i].widget, false, m_containers[i].shown);
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (kept[size_t(m_rows[i].container)])
            show(m_rows[i].widget, rowKept[i], m_rows[i].shown);
    for (size_t i = m_containers.size(); i-- > 0;)
        if (kept[i])
            show(m_containers[i].widget, true, m_containers[i].shown);
    if (m_noMatchView)
        m_noMatchView->setVisible(m_shownRows == 0 && !needle.isEmpty());
}

void ParameterFilter::show(QPointer<QWidget> &widget, bool shown, bool &state)
{
    if (state == shown || !widget)
        return;
    state = shown;
    widget->setVisible(shown);
}

} // namespace NequoraUI
