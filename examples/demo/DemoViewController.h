#pragma once

#include "ParameterPresentation.h"

#include "platform/ViewController.h"

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <vector>

class NQAudioEngine;
class NQAudioGraph;
class QListWidget;
class QStackedWidget;
class QUndoStack;

// The demo's window: a list of pages on the left (the generated graph screen, the session
// monitor, the radial pad and the widget gallery) with Undo and Redo below it, and the chosen
// page on the right.
class DemoViewController : public NequoraUI::platform::ViewController
{
    Q_OBJECT
public:
    DemoViewController(std::shared_ptr<NQAudioEngine> engine, const NQAudioGraph &graph,
                       const QList<QUrl> &audioFiles,
                       NequoraUI::ParameterPresentationProvider presentations = {},
                       bool followsParameters = false, QObject *parent = nullptr);

    // The generated graph screen.
    QWidget *graphScreen() const { return m_graphController->view(); }
    ViewController *graphController() const { return m_graphController; }
    // Puts text into the graph page's filter box.
    void setFilterText(const QString &text);

    int pageCount() const;
    void showPage(int index);
    // Renders every page into folder as PNG files named after the pages; returns their paths,
    // or nothing when a file cannot be written. Paths are the file system's bytes, so a folder
    // whose name is not UTF-8 works.
    std::vector<std::filesystem::path> renderPages(const std::filesystem::path &folder);
    // Writes shot as a PNG file at file; false when it cannot.
    static bool savePng(const QPixmap &shot, const std::filesystem::path &file);

protected:
    void loadView() override;

private:
    QWidget *makeSessionPage();
    QWidget *makeRadialPadPage();
    QWidget *makeEditBar();

    std::shared_ptr<NQAudioEngine> engine;
    // The changes made on the graph page, for the Edit bar and Ctrl+Z / Ctrl+Shift+Z.
    QUndoStack *undoStack = nullptr;
    ViewController *m_graphController = nullptr;
    QListWidget *pageList = nullptr;
    QStackedWidget *pages = nullptr;
};
