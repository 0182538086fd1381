#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QVariant>
#include <functional>
#include <memory>

#include "ParameterPresentation.h"
#include "RowViewListener.h"
#include "SliderViewListener.h"

#include <optional>
#include <variant>

class NQBoolParameter;
class NQFloatParameter;
class NQIntParameter;
class NQParameter;
class NQStringParameter;
class NQUIntParameter;
class QUndoStack;
class QWidget;

namespace NequoraUI {

// Ties one generated row to its parameter. It shows values the engine took on elsewhere
// without reporting them (follow), records each finished user change on an undo stack (a
// drag is one change, however many moves it took), and writes undone and redone values back.
// Values are in the engine's terms: a double for numbers, a bool, a QString.
//
// The binding is no object of its own: its row keeps it as the listener it tells of each user
// change, and deletes it with itself. ParameterBinding::of(row) finds it.
class ParameterBinding : public SliderViewListener, public RowViewListener
{
    Q_DECLARE_TR_FUNCTIONS(NequoraUI::ParameterBinding)

public:
    ~ParameterBinding() override;
    ParameterBinding(const ParameterBinding &) = delete;
    ParameterBinding &operator=(const ParameterBinding &) = delete;

    using TextWriter = std::function<void(const QString &)>;

    // Binds a row the generator made for parameter; null for a row or parameter kind it does
    // not know. undoStack may be null: changes are then not recorded. presentation is the one
    // the row was made with (its choices tell the value of a segment or picker row);
    // writeText writes an edited text field's text, without which text edits are not recorded.
    static ParameterBinding *bind(QWidget *row, const std::shared_ptr<NQParameter> &parameter,
                                  QUndoStack *undoStack,
                                  const std::optional<ParameterPresentation> &presentation = {},
                                  TextWriter writeText = {});
    // The binding of a row bind() bound, while the row exists; null for any other widget.
    // Cheap: it asks the row, not its children.
    static ParameterBinding *of(const QWidget *row);

    // The bound row, which keeps the binding.
    QWidget *row() const { return m_row; }
    QString name() const { return m_name; }
    // The value the row shows, in the engine's terms.
    QVariant shownValue() const { return m_shown; }
    // True while the user is in the middle of changing the row (dragging, typing).
    bool isEditing() const;

    // Shows the engine's value if the row shows another one and the user is not changing it.
    // Reports nothing and writes nothing.
    void follow();
    // Writes a value into the engine and shows it without reporting it (undo and redo).
    void apply(const QVariant &value);
    // Shows the engine's value, whatever the row shows and even while the user changes it
    // (after a preset, A/B or controller wrote it). Reports nothing and writes nothing.
    void refresh();

    // The bound parameter while someone else keeps it.
    std::shared_ptr<NQParameter> parameter() const { return m_parameter.lock(); }
    // Told true before each user gesture on the row writes, false after its last write.
    using GestureHook = std::function<void(bool started)>;
    void setGestureHook(GestureHook hook) { m_gestureHook = std::move(hook); }
    // Told after each user change the row wrote into the engine.
    void setChangeHook(std::function<void()> hook) { m_changeHook = std::move(hook); }
    // Records each finished user change in place of the binding's own undo entry, which lives
    // only as long as the row: a screen whose rows come and go records by parameter instead.
    using UndoHook = std::function<void(const QString &text, const QVariant &before)>;
    void setUndoHook(UndoHook hook) { m_undoHook = std::move(hook); }

private:
    // The control the row shows its value in.
    enum class Control : quint8
    {
        Slider,
        Switch,
        Segments,
        Picker,
        Text,
    };
    // How the engine value is read and written. Number and Boolean rows hold their parameter,
    // as their control's handler does; a text row holds it weakly and keeps nothing alive.
    using Access = std::variant<std::shared_ptr<NQFloatParameter>, std::shared_ptr<NQIntParameter>,
                                std::shared_ptr<NQUIntParameter>, std::shared_ptr<NQBoolParameter>,
                                std::weak_ptr<NQStringParameter>>;

    ParameterBinding(QWidget *row, const std::shared_ptr<NQParameter> &parameter, Control control,
                     Access access, QUndoStack *undoStack,
                     QList<ParameterPresentation::Choice> choices = {}, TextWriter writeText = {});
    // Made for view, which keeps it as its listener and deletes it with itself.
    template <typename View>
    static ParameterBinding *
    adoptedBy(View *view, Control control, Access access,
              const std::shared_ptr<NQParameter> &parameter, QUndoStack *undoStack,
              QList<ParameterPresentation::Choice> choices = {}, TextWriter writeText = {});
    static std::optional<Access> numberAccess(const std::shared_ptr<NQParameter> &parameter);
    static ParameterBinding *bindSlider(QWidget *row, const std::shared_ptr<NQParameter> &parameter,
                                        QUndoStack *undoStack);
    static ParameterBinding *bindChoices(QWidget *row,
                                         const std::shared_ptr<NQParameter> &parameter,
                                         QUndoStack *undoStack,
                                         const ParameterPresentation &presentation);
    static ParameterBinding *bindText(QWidget *row, const std::shared_ptr<NQParameter> &parameter,
                                      QUndoStack *undoStack, TextWriter writeText);

    QVariant read() const;
    // False for parameters the row cannot write; their changes are not recorded.
    bool canWrite() const;
    void write(const QVariant &value) const;
    void show(const QVariant &value);
    bool controlIsEditing() const;
    qsizetype choiceIndex(const QVariant &value) const;

    // After the row wrote a user change; shown is the row's value in the engine's terms.
    void userChanged(const QVariant &shown);
    // Every row tells its binding directly: no connections per row.
    void sliderViewChanged(float value) override;
    void sliderViewGestureStarted() override;
    void sliderViewGestureEnded() override;
    void rowViewChanged() override;
    void rowViewGestureStarted() override;
    void rowViewGestureEnded() override;
    void gestureBegan();
    void gestureEnded();
    void tellGesture(bool started) const;
    void record(const QVariant &oldValue, const QVariant &newValue);

    QWidget *const m_row;
    const QString m_name;
    const std::weak_ptr<NQParameter> m_parameter;
    GestureHook m_gestureHook;
    std::function<void()> m_changeHook;
    UndoHook m_undoHook;
    const Access m_access;
    // The values of a segment or picker row's choices.
    const QList<ParameterPresentation::Choice> m_choices;
    // Writes an edited text field's text; empty for other rows.
    const TextWriter m_writeText;
    QPointer<QUndoStack> m_undoStack;
    QVariant m_shown;
    QVariant m_gestureStart;
    const Control m_control;
    bool m_inGesture = false;
    bool m_gestureChanged = false;
};

} // namespace NequoraUI
