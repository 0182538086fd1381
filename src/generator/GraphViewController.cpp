#include "GraphViewController.h"

#include "ControllerMap.h"
#include "LibraryStyle.h"
#include "ParameterFilter.h"
#include "ParameterFollower.h"
#include "PresetBar.h"
#include "PresetStore.h"
#include "ScreenSettings.h"
#include "platform/ElidingLabel.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QShortcut>
#include <QUndoStack>

namespace NequoraUI {

namespace {

// The filter bar lines up with the sections below it.
constexpr int filterBarMargin = 20;
constexpr int filterBarTopMargin = 12;

} // namespace

GraphViewController::GraphViewController(QUndoStack *undoStack, QObject *parent)
    : VStackViewController(parent), m_undoStack(undoStack ? undoStack : new QUndoStack(this))
{}

GraphViewController::~GraphViewController()
{
    // Rows going with the view end their gestures; this is no longer there to report them.
    if (m_settings)
        m_settings->disconnect(this);
}

void GraphViewController::viewDidLoad()
{
    VStackViewController::viewDidLoad();
    if (m_showsFilter)
        addFilter();
    // Above the filter: presets are about the whole screen, the filter about what it lists.
    if (m_settings && m_presetStore) {
        presetBar = new PresetBar(m_presetStore, m_settings);
        qobject_cast<QBoxLayout *>(view()->layout())->insertWidget(0, presetBar);
        // The bars above the rows take the shared style sheet; the rows paint from the palette.
        LibraryStyle::apply(presetBar);
    }
    addUndoShortcuts();
    if (m_followsParameters)
        m_follower = new ParameterFollower(
            this, view()->findChild<QScrollArea *>(QStringLiteral("scrollView")), this);
}

ScreenSettings *GraphViewController::setParameters(GraphParameters parameters,
                                                   std::shared_ptr<PresetStore> presetStore)
{
    delete m_settings;
    m_settings = new ScreenSettings(std::move(parameters), m_undoStack, this);
    m_presetStore = std::move(presetStore);
    connect(m_settings, &ScreenSettings::gestureStarted, this,
            &GraphViewController::gestureStarted);
    connect(m_settings, &ScreenSettings::gestureEnded, this, &GraphViewController::gestureEnded);
    return m_settings;
}

bool GraphViewController::controllerEvent(int channel, int controller, int value)
{
    return m_settings && m_settings->controllers()->controllerEvent(channel, controller, value);
}

void GraphViewController::resetAll()
{
    if (m_settings)
        m_settings->resetAll();
}

void GraphViewController::switchSlot()
{
    if (m_settings)
        m_settings->switchSlot();
}

void GraphViewController::addFilter()
{
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("filterBar"));
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(filterBarMargin, filterBarTopMargin, filterBarMargin, 0);
    filterField = new QLineEdit(bar);
    filterField->setObjectName(QStringLiteral("filterField"));
    filterField->setPlaceholderText(tr("Filter parameters"));
    filterField->setClearButtonEnabled(true);
    barLayout->addWidget(filterField);
    qobject_cast<QBoxLayout *>(view()->layout())->insertWidget(0, bar);
    LibraryStyle::apply(bar);

    auto *noMatch = new platform::ElidingLabel;
    noMatch->setText(tr("No parameters match"));
    noMatch->setTone(platform::ElidingLabel::Tone::SecondaryLabel);
    noMatchLabel = noMatch;
    noMatchLabel->setObjectName(QStringLiteral("noMatchLabel"));
    noMatchLabel->setAlignment(Qt::AlignCenter);
    contentStackView->addWidget(noMatchLabel);

    // Sections not made yet are filtered by the names the generator gave for them.
    connect(filterField, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (!m_filter)
            m_filter = new ParameterFilter(
                this, m_filterNames ? m_filterNames() : std::vector<ParameterFilter::PlaceNames>{},
                noMatchLabel, this);
        m_filter->setText(text);
    });
    auto *find =
        new QShortcut(QKeySequence::Find, view(), nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, filterField, [field = filterField] {
        field->setFocus(Qt::ShortcutFocusReason);
        field->selectAll();
    });
    auto *clear = new QShortcut(QKeySequence(Qt::Key_Escape), filterField, nullptr, nullptr,
                                Qt::WidgetShortcut);
    connect(clear, &QShortcut::activated, filterField, &QLineEdit::clear);
}

void GraphViewController::addUndoShortcuts()
{
    // Text fields keep their own Ctrl+Z while they have the focus.
    auto *undo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), view(), nullptr, nullptr,
                               Qt::WidgetWithChildrenShortcut);
    auto *redo = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), view(), nullptr,
                               nullptr, Qt::WidgetWithChildrenShortcut);
    connect(undo, &QShortcut::activated, this, [this] {
        if (m_undoStack)
            m_undoStack->undo();
    });
    connect(redo, &QShortcut::activated, this, [this] {
        if (m_undoStack)
            m_undoStack->redo();
    });
}

} // namespace NequoraUI
