#include "AudioFileView.h"
#include "AudioFilePickerViewController.h"
#include "ImportedAudioFiles.h"
#include "PresentingWindow.h"
#include "ViewControllerPresenter.h"

#include <memory>

using namespace NequoraUI;
using NequoraUI::testing::PresentingWindow;

namespace {

const QUrl kick = QUrl::fromLocalFile(QStringLiteral("/samples/kick.wav"));
const QUrl snare = QUrl::fromLocalFile(QStringLiteral("/samples/snare.wav"));
const QUrl album(QStringLiteral("file:///music/Album%20One/"));

class AudioFileViewTest : public PresentingWindow
{
protected:
    std::unique_ptr<AudioFileView> makeView(const std::optional<QUrl> &initialValue,
                                            const QList<QUrl> &audioFiles)
    {
        auto view = std::make_unique<AudioFileView>(
            ViewControllerPresenter::of(controller), QStringLiteral("File"), initialValue,
            audioFiles, [this](const QUrl &file) { reported.append(file); });
        QObject::connect(view.get(), &AudioFileView::selectionChanged,
                         [this](const QUrl &file) { signalled.append(file); });
        return view;
    }
    static QString valueText(AudioFileView &view)
    {
        return view.findChild<QLabel *>(QStringLiteral("valueLabel"))->text();
    }
    static void tapButton(AudioFileView &view)
    {
        QTest::mouseClick(view.findChild<QPushButton *>(QStringLiteral("actionButton")),
                          Qt::LeftButton);
    }

    QList<QUrl> reported;
    QList<QUrl> signalled;
};

} // namespace

TEST_F(AudioFileViewTest, NoInitialFileShowsNothingAndTheButtonStillOpensATitledPicker)
{
    auto view = makeView(std::nullopt, {});
    EXPECT_EQ(valueText(*view), QString());
    view->findChild<QLabel *>(QStringLiteral("titleLabel"))->setText(QStringLiteral("Loop"));
    tapButton(*view);
    auto *picker = presentedPicker<AudioFilePickerViewController>();
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(picker->title(), QStringLiteral("Loop"));
    EXPECT_EQ(picker->tableView()->numberOfRows(0), 0);
    EXPECT_EQ(picker->tableView()->numberOfRows(1), ImportedAudioFiles::count() + 1);
}

TEST_F(AudioFileViewTest, ChoosingTheShownFileStillReportsItAndCancellingChangesNothing)
{
    auto view = makeView(kick, {kick, album});
    EXPECT_EQ(valueText(*view), QStringLiteral("kick.wav"));
    tapButton(*view);
    finishTransitions();
    clickRow(presentedPicker<AudioFilePickerViewController>(), {0, 0});
    EXPECT_EQ(reported, QList<QUrl>{kick});
    EXPECT_EQ(valueText(*view), QStringLiteral("kick.wav"));
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);

    tapButton(*view);
    clickRow(presentedPicker<AudioFilePickerViewController>(), {0, 1});
    EXPECT_EQ(reported, QList<QUrl>({kick, album}));
    EXPECT_EQ(signalled, reported);
    EXPECT_EQ(view->file(), album);
    EXPECT_EQ(valueText(*view), QStringLiteral("Album One")) << "a folder URL shows its name";

    // Cancelling leaves the label and the handler alone.
    tapButton(*view);
    finishTransitions();
    clickCancel();
    finishTransitions();
    EXPECT_EQ(controller->presentedViewController(), nullptr);
    EXPECT_EQ(signalled.size(), 2);
    EXPECT_EQ(valueText(*view), QStringLiteral("Album One"));
}

TEST_F(AudioFileViewTest, FilesImportedThroughOneRowAreOfferedByAnother)
{
    auto first = makeView(std::nullopt, {});
    auto second = makeView(std::nullopt, {kick});
    tapButton(*first);
    auto *picker = presentedPicker<AudioFilePickerViewController>();
    picker->documentPickerDidPickDocumentsAt(nullptr, {snare});
    clickCancel();
    finishTransitions();

    tapButton(*second);
    picker = presentedPicker<AudioFilePickerViewController>();
    const platform::IndexPath imported{1, static_cast<int>(ImportedAudioFiles::count()) - 1};
    EXPECT_EQ(rowText(picker, imported), QStringLiteral("snare.wav"));
    clickRow(picker, imported);
    EXPECT_EQ(reported, QList<QUrl>{snare});
}

// Run under AddressSanitizer: neither the row nor its presenter may be reached once gone.
TEST_F(AudioFileViewTest, APickerOutlivingItsRowOrItsPresenterIsSafe)
{
    auto view = makeView(kick, {kick, snare});
    tapButton(*view);
    auto *picker = presentedPicker<AudioFilePickerViewController>();
    auto doomed = makeView(kick, {kick});
    std::swap(view, doomed);
    doomed.reset();
    clickRow(picker, {0, 0});
    clickCancel();
    EXPECT_TRUE(reported.isEmpty()) << "later choices are dropped";
    EXPECT_EQ(presentedPicker<AudioFilePickerViewController>(), picker);

    delete controller; // its presenter adapter goes with it
    tapButton(*view);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    AudioFilePickerViewController orphan({snare});
    view->audioFilePickerViewControllerDidSelectFile(&orphan, snare);
    view->didCancelInAudioFilePickerViewController(&orphan);
    EXPECT_EQ(valueText(*view), QStringLiteral("snare.wav"));
    EXPECT_EQ(reported, QList<QUrl>{snare});
}
