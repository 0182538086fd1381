#include "AudioFileView.h"
#include "AudioFilePickerViewController.h"
#include "AudioFilePickerViewControllerDelegate.h"
#include "ImportedAudioFiles.h"
#include "PresentingWindow.h"
#include "ViewControllerPresenter.h"

#include "platform/Color.h"
#include "platform/ColorScheme.h"
#include "platform/DocumentPicker.h"
#include "sim/SimAudioFile.h"
#include "support/IsolatedDataHome.h"

#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <memory>

using namespace NequoraUI;
using namespace NequoraUI::testing;

namespace {

const QUrl kick = QUrl::fromLocalFile(QStringLiteral("/samples/kick.wav"));
const QUrl snare = QUrl::fromLocalFile(QStringLiteral("/samples/snare.wav"));
const QUrl album(QStringLiteral("file:///music/Album%20One/"));

struct RecordingDelegate : QObject, AudioFilePickerViewControllerDelegate
{
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

struct AudioFileTest : PresentingWindow
{
    // Declared first: the inbox must move before anything looks for it.
    IsolatedDataHome dataHome;

    void SetUp() override
    {
        ASSERT_TRUE(dataHome.isValid());
        PresentingWindow::SetUp();
    }

    AudioFilePickerViewController *present(const QList<QUrl> &hostFiles)
    {
        auto *picker = new AudioFilePickerViewController(hostFiles);
        picker->setDelegate(&delegate);
        controller->present(new platform::NavigationController(picker), false);
        return picker;
    }
    QUrl writeFile(const char *name)
    {
        EXPECT_TRUE(SimAudioFile::writeTone(files.filePath(name).toStdString(), 0.05));
        return QUrl::fromLocalFile(files.filePath(name));
    }
    static platform::IndexPath importRow() { return {1, int(ImportedAudioFiles::count())}; }
    // Taps "Import File" and answers the document picker with chosen.
    static void importThrough(AudioFilePickerViewController *picker, const QList<QUrl> &chosen)
    {
        clickRow(picker, importRow());
        ASSERT_NE(picker->documentPicker(), nullptr);
        ASSERT_NE(picker->documentPicker()->dialog(), nullptr);
        picker->documentPicker()->pickDocuments(chosen);
    }

    std::unique_ptr<AudioFileView> makeView(std::optional<QUrl> initial, const QList<QUrl> &list)
    {
        auto view = std::make_unique<AudioFileView>(
            ViewControllerPresenter::of(controller), QStringLiteral("File"), initial, list,
            [this](const QUrl &file) { reported.append(file); });
        QObject::connect(view.get(), &AudioFileView::selectionChanged,
                         [this](const QUrl &file) { signalled.append(file); });
        return view;
    }

    QTemporaryDir files;
    RecordingDelegate delegate;
    QList<QUrl> reported, signalled;
};

} // namespace

TEST_F(AudioFileTest, AnImportAddsOnlyTheFirstFileAboveTheImportRowAndAnEmptyOneClosesThePicker)
{
    const qsizetype before = ImportedAudioFiles::count();
    QPointer<AudioFilePickerViewController> picker = present({});
    importThrough(picker, {writeFile("kick.wav"), writeFile("snare.wav")});
    ASSERT_EQ(ImportedAudioFiles::count(), before + 1);
    const QUrl imported = ImportedAudioFiles::all().last();
    EXPECT_EQ(QFileInfo(imported.toLocalFile()).dir().canonicalPath(),
              QDir(platform::DocumentPicker::inboxPath()).canonicalPath());
    EXPECT_TRUE(imported.fileName().startsWith(QStringLiteral("kick")));
    EXPECT_EQ(picker->tableView()->numberOfRows(1), before + 2);
    const platform::IndexPath newRow{1, static_cast<int>(before)};
    EXPECT_EQ(rowText(picker, newRow), imported.fileName());
    EXPECT_EQ(picker->tableView()->cellForRow(newRow)->textColor(), platform::Color::label());
    EXPECT_TRUE(delegate.chosen.isEmpty());

    // Cancelling the document picker's dialog changes nothing; the import row then chooses.
    clickRow(picker, importRow());
    picker->documentPicker()->dialog()->reject();
    EXPECT_EQ(ImportedAudioFiles::count(), before + 1);
    clickRow(picker, newRow);
    EXPECT_EQ(delegate.chosen, QList<QUrl>{imported});

    // An empty result closes the picker without reporting a choice or a cancellation.
    importThrough(picker, {});
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);
    EXPECT_TRUE(picker.isNull());
    EXPECT_EQ(delegate.chosen.size(), 1);
    EXPECT_EQ(delegate.cancellations, 0);
    EXPECT_EQ(ImportedAudioFiles::count(), before + 1);
}

// The import row comes last, below the imported files; its cell is reused for file rows.
TEST_F(AudioFileTest, PickerSectionsRowsOfTheSameNameAndACellReusedAfterShowingImportFile)
{
    const QUrl first = QUrl::fromLocalFile(QStringLiteral("/one/take.wav"));
    const QUrl second = QUrl::fromLocalFile(QStringLiteral("/two/take.wav"));
    QList<QUrl> many{first, second, album};
    for (int i = 3; i < 100; ++i)
        many.append(QUrl::fromLocalFile(QStringLiteral("/loop%1.wav").arg(i)));
    auto *picker = present(many);
    for (const auto &[row, text] : {std::pair{2, "Album One"}, {0, "take.wav"}, {1, "take.wav"}})
        EXPECT_EQ(rowText(picker, {0, row}), text);
    clickRow(picker, {0, 1});
    clickRow(picker, {0, 0});
    EXPECT_EQ(delegate.chosen, QList<QUrl>({second, first}));
    EXPECT_EQ(presentedPicker<AudioFilePickerViewController>(), picker) << "it never closes itself";

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
    EXPECT_EQ(importCell->textColor(),
              platform::ColorScheme::fromPalette(table->palette()).accentText);
    EXPECT_EQ(importCell->textLabel()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    table->scrollToRow({0, 0});
    ASSERT_TRUE(table->visibleCells().contains(importCell)) << "the import cell was not reused";
    EXPECT_NE(importCell->textLabel()->text(), QStringLiteral("Import File"));
    EXPECT_EQ(importCell->textColor(), platform::Color::label());
    EXPECT_EQ(importCell->textLabel()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(AudioFileTest, ChoosingTheShownFileStillReportsItCancellingChangesNothingEmptyOnesOpenToo)
{
    auto view = makeView(kick, {kick, album});
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("kick.wav"));
    tap(view.get(), "actionButton");
    finishTransitions();
    clickRow(presentedPicker<AudioFilePickerViewController>(), {0, 0});
    EXPECT_EQ(reported, QList<QUrl>{kick});
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("kick.wav"));
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);

    tap(view.get(), "actionButton");
    clickRow(presentedPicker<AudioFilePickerViewController>(), {0, 1});
    EXPECT_EQ(reported, QList<QUrl>({kick, album}));
    EXPECT_EQ(signalled, reported);
    EXPECT_EQ(view->file(), album);
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("Album One"))
        << "a folder URL shows its name";

    // Cancelling leaves the label and the handler alone.
    tap(view.get(), "actionButton");
    finishTransitions();
    clickCancel();
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);
    EXPECT_EQ(signalled.size(), 2);
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("Album One"));

    // Without a file or files the button opens an empty picker, titled at tap time.
    auto empty = makeView(std::nullopt, {});
    EXPECT_EQ(labelText(empty.get(), "valueLabel"), QString());
    child<QLabel>(empty.get(), "titleLabel")->setText(QStringLiteral("Loop"));
    tap(empty.get(), "actionButton");
    auto *picker = presentedPicker<AudioFilePickerViewController>();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->title(), QStringLiteral("Loop"));
    EXPECT_EQ(picker->tableView()->numberOfRows(0), 0);
    EXPECT_EQ(picker->tableView()->numberOfRows(1), ImportedAudioFiles::count() + 1);
}

// Run under AddressSanitizer: neither the row nor its presenter may be reached once gone.
TEST_F(AudioFileTest, APickerOutlivingItsRowOrItsPresenterIsSafe)
{
    auto view = makeView(kick, {kick, snare});
    tap(view.get(), "actionButton");
    auto *picker = presentedPicker<AudioFilePickerViewController>();
    auto doomed = makeView(kick, {kick});
    std::swap(view, doomed);
    doomed.reset();
    clickRow(picker, {0, 0});
    clickCancel();
    EXPECT_TRUE(reported.isEmpty()) << "later choices are dropped";
    EXPECT_EQ(presentedPicker<AudioFilePickerViewController>(), picker);

    delete controller; // its presenter adapter goes with it
    tap(view.get(), "actionButton");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    AudioFilePickerViewController orphan({snare});
    view->audioFilePickerViewControllerDidSelectFile(&orphan, snare);
    view->didCancelInAudioFilePickerViewController(&orphan);
    EXPECT_EQ(labelText(view.get(), "valueLabel"), QStringLiteral("snare.wav"));
    EXPECT_EQ(reported, QList<QUrl>{snare});
}
