#include "AudioFilePickerViewController.h"
#include "AudioFilePickerViewControllerDelegate.h"
#include "ImportedAudioFiles.h"
#include "PresentingWindow.h"
#include "support/IsolatedDataHome.h"

#include "platform/Color.h"
#include "platform/DocumentPicker.h"
#include "sim/SimAudioFile.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

using namespace NequoraUI;
using NequoraUI::testing::PresentingWindow;

namespace {

class RecordingDelegate : public QObject, public AudioFilePickerViewControllerDelegate
{
public:
    void audioFilePickerViewControllerDidSelectFile(AudioFilePickerViewController *,
                                                    const QUrl &file) override
    {
        chosen.append(file);
    }
    void didCancelInAudioFilePickerViewController(AudioFilePickerViewController *) override
    {
        ++cancellations;
    }

    QList<QUrl> chosen;
    int cancellations = 0;
};

class AudioFilePickerTest : public PresentingWindow
{
protected:
    // Declared first: the inbox must move before anything looks for it.
    IsolatedDataHome dataHome;

    void SetUp() override
    {
        ASSERT_TRUE(dataHome.isValid());
        ASSERT_TRUE(files.isValid());
        PresentingWindow::SetUp();
    }

    AudioFilePickerViewController *present(const QList<QUrl> &hostFiles)
    {
        auto *picker = new AudioFilePickerViewController(hostFiles);
        picker->setDelegate(&delegate);
        controller->present(new platform::NavigationController(picker), false);
        return picker;
    }
    QUrl writeFile(const QString &relativePath)
    {
        const QString path = files.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(SimAudioFile::writeTone(path.toStdString(), 0.05));
        return QUrl::fromLocalFile(path);
    }
    static platform::IndexPath importRow()
    {
        return {1, static_cast<int>(ImportedAudioFiles::count())};
    }
    // Taps "Import File" and answers the document picker with chosen.
    static void importThrough(AudioFilePickerViewController *picker, const QList<QUrl> &chosen)
    {
        clickRow(picker, importRow());
        ASSERT_NE(picker->documentPicker(), nullptr);
        ASSERT_NE(picker->documentPicker()->dialog(), nullptr);
        picker->documentPicker()->pickDocuments(chosen);
    }
    static void expectFileRowLook(platform::TableViewCell *cell)
    {
        EXPECT_EQ(cell->textColor(), platform::Color::label());
        EXPECT_EQ(cell->textLabel()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }

    QTemporaryDir files;
    RecordingDelegate delegate;
};

} // namespace

TEST_F(AudioFilePickerTest, FilesWithTheSameNameShowAlikeAndEachReportsItsOwnUrl)
{
    const QUrl first = writeFile(QStringLiteral("one/take.wav"));
    const QUrl second = writeFile(QStringLiteral("two/take.wav"));
    auto *picker = present({first, second, QUrl(QStringLiteral("file:///music/Album%20One/"))});
    EXPECT_EQ(rowText(picker, {0, 2}), QStringLiteral("Album One"));
    EXPECT_EQ(rowText(picker, {0, 0}), QStringLiteral("take.wav"));
    EXPECT_EQ(rowText(picker, {0, 1}), QStringLiteral("take.wav"));
    clickRow(picker, {0, 1});
    clickRow(picker, {0, 0});
    EXPECT_EQ(delegate.chosen, QList<QUrl>({second, first}));
    // The picker never closes itself after a choice; a destroyed delegate hears nothing.
    auto gone = std::make_unique<RecordingDelegate>();
    picker->setDelegate(gone.get());
    gone.reset();
    clickRow(picker, {0, 0});
    clickCancel();
    EXPECT_EQ(presentedPicker<AudioFilePickerViewController>(), picker);
}

TEST_F(AudioFilePickerTest, AnImportAddsOnlyTheFirstFileAboveTheImportRowWithoutChoosingIt)
{
    const qsizetype before = ImportedAudioFiles::count();
    auto *picker = present({});
    importThrough(picker,
                  {writeFile(QStringLiteral("kick.wav")), writeFile(QStringLiteral("snare.wav"))});

    ASSERT_EQ(ImportedAudioFiles::count(), before + 1);
    const QUrl imported = ImportedAudioFiles::all().last();
    EXPECT_EQ(QFileInfo(imported.toLocalFile()).dir().canonicalPath(),
              QDir(platform::DocumentPicker::inboxPath()).canonicalPath());
    EXPECT_TRUE(imported.fileName().startsWith(QStringLiteral("kick")));
    EXPECT_EQ(picker->tableView()->numberOfRows(1), before + 2);
    const platform::IndexPath newRow{1, static_cast<int>(before)};
    EXPECT_EQ(rowText(picker, newRow), imported.fileName());
    expectFileRowLook(picker->tableView()->cellForRow(newRow));
    EXPECT_TRUE(delegate.chosen.isEmpty());
    EXPECT_EQ(presentedPicker<AudioFilePickerViewController>(), picker);

    // Cancelling the document picker's dialog changes nothing; the import row then chooses.
    clickRow(picker, importRow());
    picker->documentPicker()->dialog()->reject();
    EXPECT_EQ(ImportedAudioFiles::count(), before + 1);
    clickRow(picker, newRow);
    EXPECT_EQ(delegate.chosen, QList<QUrl>{imported});
}

TEST_F(AudioFilePickerTest, AnEmptyDocumentResultClosesThePickerWithoutReporting)
{
    const qsizetype before = ImportedAudioFiles::count();
    QPointer<AudioFilePickerViewController> picker = present({writeFile("a.wav")});
    finishTransitions();
    importThrough(picker, {});
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);
    EXPECT_TRUE(picker.isNull());
    EXPECT_TRUE(delegate.chosen.isEmpty());
    EXPECT_EQ(delegate.cancellations, 0);
    EXPECT_EQ(ImportedAudioFiles::count(), before);
}

// The import row comes last, below the imported files; its cell is reused for file rows.
TEST_F(AudioFilePickerTest, SectionsAndACellReusedAfterShowingImportFileGetsTheFileRowLook)
{
    QList<QUrl> many;
    for (int i = 0; i < 100; ++i)
        many.append(QUrl::fromLocalFile(files.filePath(QStringLiteral("loop%1.wav").arg(i))));
    auto *picker = present(many);
    platform::TableView *table = picker->tableView();
    EXPECT_EQ(table->numberOfSections(), 2);
    EXPECT_EQ(table->headerTitle(0), QStringLiteral("Bundled Files"));
    EXPECT_EQ(table->headerTitle(1), QStringLiteral("Imported Files"));
    EXPECT_EQ(table->numberOfRows(0), 100);
    EXPECT_EQ(table->numberOfRows(1), ImportedAudioFiles::count() + 1);
    table->scrollToRow(importRow());
    platform::TableViewCell *importCell = table->cellForRow(importRow());
    ASSERT_NE(importCell, nullptr);
    EXPECT_EQ(importCell->textLabel()->text(), QStringLiteral("Import File"));
    EXPECT_EQ(importCell->textColor(), platform::Color::systemBlue());
    EXPECT_EQ(importCell->textLabel()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    table->scrollToRow({0, 0});
    ASSERT_TRUE(table->visibleCells().contains(importCell)) << "the import cell was not reused";
    EXPECT_TRUE(importCell->textLabel()->text().startsWith(QStringLiteral("loop")));
    expectFileRowLook(importCell);
}
