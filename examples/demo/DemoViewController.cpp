#include "DemoViewController.h"

#include "AudioSessionInfoView.h"
#include "DemoFactoryPresets.h"
#include "GalleryPage.h"
#include "LibraryStyle.h"
#include "PresetStore.h"
#include "RadialSliderWidget.h"
#include "TextLabelView.h"
#include "TitleLabelView.h"
#include "UIGenerator.h"
#include "VStackViewController.h"
#include "ValueLabelView.h"
#include "platform/ColorScheme.h"
#include "platform/DisplayLink.h"
#include "platform/NumberText.h"

#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <fstream>
#include <memory>
#include <vector>

namespace {

const char *const pageNames[] = {"Graph", "Session", "Radial Pad", "Gallery"};
const char *const pageFiles[] = {"graph.png", "session.png", "radial.png", "gallery.png"};

QWidget *titled(const QString &title, const QString &text, QWidget *body)
{
    auto *page = new QWidget;
    // A page of single library views: the library's look is set once, here at its top.
    NequoraUI::LibraryStyle::apply(page);
    // On a wide window the rows keep the generated screens' content width, centred.
    auto *centring = new QHBoxLayout(page);
    centring->setContentsMargins(0, 0, 0, 0);
    auto *column = new QWidget;
    column->setMaximumWidth(NequoraUI::VStackViewController::maximumContentWidth);
    centring->addStretch();
    centring->addWidget(column, 1);
    centring->addStretch();
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 12, 0, 12);
    layout->setSpacing(4);
    layout->addWidget(new NequoraUI::TitleLabelView(title));
    layout->addWidget(new NequoraUI::TextLabelView(text));
    layout->addWidget(body);
    layout->addStretch();
    return page;
}

// Runs the event loop until page shows what it has to show, and no longer: the views refreshed
// per display frame have had their first frame, every Qt Quick scene has rendered, and every
// pending layout and paint is done.
void waitUntilShown(QWidget *page)
{
    QEventLoop loop;
    int pending = 0;
    const auto arrived = [&pending, &loop] {
        if (--pending == 0)
            loop.quit();
    };
    std::unique_ptr<NequoraUI::platform::DisplayLink> frame;
    if (page->findChild<NequoraUI::AudioSessionInfoView *>()) {
        ++pending;
        frame = std::make_unique<NequoraUI::platform::DisplayLink>(page, [&frame, arrived] {
            frame->invalidate();
            arrived();
        });
        frame->addToRunLoop();
    }
    std::vector<QMetaObject::Connection> scenes;
    for (QQuickWidget *quick : page->findChildren<QQuickWidget *>()) {
        ++pending;
        auto rendered = std::make_shared<bool>(false);
        scenes.push_back(QObject::connect(quick->quickWindow(), &QQuickWindow::afterRendering,
                                          &loop, [rendered, arrived] {
                                              if (!std::exchange(*rendered, true))
                                                  arrived();
                                          }));
    }
    if (pending > 0) {
        // A safety net only: a scene that never renders must not hang the demo.
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    for (const auto &connection : scenes)
        QObject::disconnect(connection);
    // A row hidden by the filter reaches the page one nesting level per layout pass (section
    // content, folding clip, card, block, stack, scroll area), so one pass would show a card
    // still as tall as before.
    for (int pass = 0; pass < 8; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(page->window(), QEvent::UpdateRequest);
}

// The host's own chrome in the library's colours, so that it follows the palette too.
QString pageListSheet(const QPalette &palette)
{
    using NequoraUI::platform::ColorScheme;
    const ColorScheme colors = ColorScheme::fromPalette(palette);
    QString sheet = QStringLiteral(
        "#demoRoot { background: @card@; }"
        "QListWidget#pageList { background: @bar@; border: none; border-right: 1px solid @line@;"
        " padding-top: 12px; font-size: 11pt; }"
        "QListWidget#pageList::item { padding: 8px 16px; color: @text@; border-radius: 6px; }"
        "QListWidget#pageList::item:selected { background: @tint@; color: @accent@; }"
        "QToolBar#editBar { background: @bar@; border: none; border-right: 1px solid @line@;"
        " padding: 8px 12px; spacing: 6px; }"
        "QToolBar#editBar QToolButton { color: @text@; padding: 4px 10px; border-radius: 6px; }"
        "QToolBar#editBar QToolButton:hover { background: @line@; }"
        "QToolBar#editBar QToolButton:disabled { color: @disabled@; }");
    sheet.replace(QLatin1String("@card@"), colors.card.name());
    sheet.replace(QLatin1String("@bar@"), colors.groupFill.name());
    sheet.replace(QLatin1String("@line@"), colors.controlFill.name());
    sheet.replace(QLatin1String("@text@"), colors.tertiaryLabel.name());
    sheet.replace(QLatin1String("@tint@"), colors.accentTint.name());
    sheet.replace(QLatin1String("@accent@"), colors.accentText.name());
    sheet.replace(QLatin1String("@disabled@"), colors.disabledLabel.name());
    return sheet;
}

} // namespace

DemoViewController::DemoViewController(std::shared_ptr<NQAudioEngine> engine,
                                       const NQAudioGraph &graph, const QList<QUrl> &audioFiles,
                                       NequoraUI::ParameterPresentationProvider presentations,
                                       bool followsParameters, QObject *parent)
    : ViewController(parent), engine(std::move(engine)), undoStack(new QUndoStack(this))
{
    setTitle(QStringLiteral("NequoraUI Demo"));
    NequoraUI::UIGenerator generator;
    generator.audioFiles = audioFiles;
    generator.presentationProvider = std::move(presentations);
    generator.undoStack = undoStack;
    generator.showsFilter = true;
    generator.followsParameters = followsParameters;
    generator.presetStore = std::make_shared<NequoraUI::PresetStore>(
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
            QStringLiteral("/presets"),
        std::make_shared<DemoFactoryPresets>());
    m_graphController = generator.generateViewController(graph).release();
    addChildViewController(m_graphController);
}

void DemoViewController::loadView()
{
    auto *root = new QWidget;
    root->setObjectName(QStringLiteral("demoRoot"));
    root->setWindowTitle(title());
    root->setStyleSheet(pageListSheet(root->palette()));
    auto *layout = new QHBoxLayout(root);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pageList = new QListWidget(root);
    pageList->setObjectName(QStringLiteral("pageList"));
    pageList->setFixedWidth(170);
    // In the Tab chain: arrows pick a page, Tab moves into it.
    pageList->setAccessibleName(QStringLiteral("Pages"));
    pages = new QStackedWidget(root);
    auto *side = new QVBoxLayout;
    side->setSpacing(0);
    side->addWidget(pageList, 1);
    side->addWidget(makeEditBar());
    layout->addLayout(side);
    layout->addWidget(pages, 1);

    pages->addWidget(m_graphController->view());
    pages->addWidget(makeSessionPage());
    pages->addWidget(makeRadialPadPage());
    pages->addWidget(new GalleryPage(this));
    for (const char *name : pageNames)
        pageList->addItem(QString::fromLatin1(name));
    connect(pageList, &QListWidget::currentRowChanged, pages, &QStackedWidget::setCurrentIndex);
    pageList->setCurrentRow(0);
    root->resize(920, 720);
    setView(root);
}

// The host's Edit commands for the undo stack. The graph page answers Ctrl+Z and Ctrl+Shift+Z
// itself, so the actions carry no shortcut of their own (two would make the keys ambiguous).
QWidget *DemoViewController::makeEditBar()
{
    auto *bar = new QToolBar;
    bar->setObjectName(QStringLiteral("editBar"));
    bar->setFixedWidth(pageList->width());
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QAction *undo = undoStack->createUndoAction(bar);
    QAction *redo = undoStack->createRedoAction(bar);
    for (QAction *action : {undo, redo}) {
        action->setShortcuts({});
        bar->addAction(action);
    }
    undo->setToolTip(QStringLiteral("Undo the last change on the graph page (Ctrl+Z)"));
    redo->setToolTip(QStringLiteral("Redo it (Ctrl+Shift+Z)"));
    bar->widgetForAction(undo)->setObjectName(QStringLiteral("undoButton"));
    bar->widgetForAction(redo)->setObjectName(QStringLiteral("redoButton"));
    return bar;
}

void DemoViewController::setFilterText(const QString &text)
{
    if (auto *field = graphScreen()->findChild<QLineEdit *>(QStringLiteral("filterField")))
        field->setText(text);
}

QWidget *DemoViewController::makeSessionPage()
{
    return titled(QStringLiteral("Audio Session"),
                  QStringLiteral("The engine's state, refreshed on every display frame."),
                  new NequoraUI::AudioSessionInfoView(engine));
}

QWidget *DemoViewController::makeRadialPadPage()
{
    auto *readout = new NequoraUI::ValueLabelView(QStringLiteral("Position"), QString());
    auto *pad = new NequoraUI::RadialSliderWidget(
        260, true, true, true, QColor(99, 102, 241), QColor(37, 99, 235), 36, QPointF(0.75, 0.75),
        [readout](QPointF position) {
            readout->setStringValue(
                QStringLiteral("(%1, %2)")
                    .arg(QString::fromStdString(
                             NequoraUI::platform::NumberText::fixed(position.x(), 3)),
                         QString::fromStdString(
                             NequoraUI::platform::NumberText::fixed(position.y(), 3))));
        },
        false);
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pad, 0, Qt::AlignHCenter);
    layout->addWidget(readout);
    return titled(QStringLiteral("Radial Pad"),
                  QStringLiteral("Drag the knob; it stays inside the circle."), body);
}

int DemoViewController::pageCount() const
{
    return int(std::size(pageNames));
}

void DemoViewController::showPage(int index)
{
    view();
    pageList->setCurrentRow(index);
}

std::vector<std::filesystem::path>
DemoViewController::renderPages(const std::filesystem::path &folder)
{
    QWidget *window = view();
    window->show();
    std::error_code failure;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, failure);
    std::vector<std::filesystem::path> written;
    for (int index = 0; index < pageCount(); ++index) {
        showPage(index);
        waitUntilShown(pages->widget(index));
        const std::filesystem::path path = absolute / pageFiles[index];
        if (failure || !savePng(window->grab(), path))
            return {};
        written.push_back(path);
    }
    return written;
}

// Encoded in memory and written through the standard library: a Qt file name is text, which
// cannot hold every name the file system can.
bool DemoViewController::savePng(const QPixmap &shot, const std::filesystem::path &file)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !shot.save(&buffer, "PNG"))
        return false;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(png.constData(), png.size());
    out.close();
    return bool(out);
}
