#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;

namespace NequoraUI {

// What a row says about its parameter beyond its value: its description (the row's tooltip
// and its controls' accessible description), a mark at its leading edge while its value differs
// between A and B, and the controller bound to it ("CC 74") after its title. Everything a mark
// shows is in the accessible description too, so a screen reader hears it.
class RowMarks : public QObject
{
    Q_OBJECT

public:
    // The row's marks, made on first use; a child of the row.
    static RowMarks *of(QWidget *row);
    // The row's marks if they were made, or null: a row with nothing to mark makes none.
    static RowMarks *find(const QWidget *row);

    QString description() const { return m_description; }
    void setDescription(const QString &description);
    bool differsBetweenSlots() const { return m_differs; }
    void setDiffersBetweenSlots(bool differs);
    QString controllerText() const { return m_controller; }
    void setControllerText(const QString &text);

    // The description the row's controls carry now.
    QString accessibleDescription() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit RowMarks(QWidget *row);
    QWidget *row() const;
    void update();
    void place();

    QString m_description;
    bool m_differs = false;
    QString m_controller;
    QPointer<QWidget> m_slotMark;
    QPointer<QLabel> m_controllerLabel;
    QPointer<QLabel> m_watchedTitle;
};

} // namespace NequoraUI
