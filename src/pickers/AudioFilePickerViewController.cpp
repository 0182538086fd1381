#include "AudioFilePickerViewController.h"

#include "AudioFilePickerViewControllerDelegate.h"
#include "ImportedAudioFiles.h"

#include "platform/BarButtonItem.h"
#include "platform/Color.h"
#include "platform/ColorScheme.h"
#include "platform/DocumentPicker.h"
#include "platform/NavigationItem.h"
#include "platform/TableViewCell.h"

#include <QLabel>
#include <QtDebug>

namespace NequoraUI {

namespace {
constexpr int bundledSection = 0;
} // namespace

AudioFilePickerViewController::AudioFilePickerViewController(const QList<QUrl> &files,
                                                             QObject *parent)
    : platform::TableViewController(parent), m_files(files)
{
    registerCellClass<platform::TableViewCell>(cellIdentifier);
    navigationItem()->setRightBarButtonItem(
        new platform::BarButtonItem(QStringLiteral("Cancel"), platform::BarButtonItem::Style::Done,
                                    this, "tappedCancelButton"));
}

void AudioFilePickerViewController::setDelegate(AudioFilePickerViewControllerDelegate *delegate)
{
    auto *object = dynamic_cast<QObject *>(delegate);
    if (delegate && !object) {
        qWarning("AudioFilePickerViewController: a delegate must also be a QObject; refused");
        delegate = nullptr;
    }
    m_delegateObject = object;
    m_delegate = delegate;
}

AudioFilePickerViewControllerDelegate *AudioFilePickerViewController::delegate() const
{
    return m_delegateObject ? m_delegate : nullptr;
}

QString AudioFilePickerViewController::displayName(const QUrl &file)
{
    return file.adjusted(QUrl::StripTrailingSlash).fileName();
}

int AudioFilePickerViewController::numberOfSections() const
{
    return 2;
}

std::optional<QString> AudioFilePickerViewController::titleForHeaderInSection(int section) const
{
    return section == bundledSection ? QStringLiteral("Bundled Files")
                                     : QStringLiteral("Imported Files");
}

int AudioFilePickerViewController::numberOfRowsInSection(int section) const
{
    if (section == bundledSection)
        return static_cast<int>(m_files.size());
    // The extra last row is "Import File".
    return static_cast<int>(ImportedAudioFiles::count()) + 1;
}

platform::TableViewCell *
AudioFilePickerViewController::cellForRowAt(const platform::IndexPath &indexPath)
{
    auto *cell = dequeueReusableCell(cellIdentifier, indexPath);
    // A reused cell may have been the blue, centred import row.
    cell->setTextColor(platform::Color::label(cell->palette()));
    cell->textLabel()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (indexPath.section == bundledSection) {
        cell->textLabel()->setText(displayName(m_files.at(indexPath.row)));
    } else if (indexPath.row < ImportedAudioFiles::count()) {
        cell->textLabel()->setText(displayName(ImportedAudioFiles::all().at(indexPath.row)));
    } else {
        cell->textLabel()->setText(QStringLiteral("Import File"));
        // The accent as a text, readable on the row.
        cell->setTextColor(platform::ColorScheme::fromPalette(cell->palette()).accentText);
        cell->textLabel()->setAlignment(Qt::AlignCenter);
    }
    return cell;
}

void AudioFilePickerViewController::didSelectRowAt(const platform::IndexPath &indexPath)
{
    if (indexPath.section == bundledSection)
        reportFile(m_files.at(indexPath.row));
    else if (indexPath.row < ImportedAudioFiles::count())
        reportFile(ImportedAudioFiles::all().at(indexPath.row));
    else
        openDocumentPicker();
}

void AudioFilePickerViewController::reportFile(const QUrl &file)
{
    if (auto *receiver = delegate())
        receiver->audioFilePickerViewControllerDidSelectFile(this, file);
}

void AudioFilePickerViewController::openDocumentPicker()
{
    // Owned by the picker, so it cannot outlive it; an earlier one is replaced.
    delete m_documentPicker;
    m_documentPicker = new platform::DocumentPicker(this);
    m_documentPicker->setDelegate(this);
    m_documentPicker->present(view());
}

void AudioFilePickerViewController::documentPickerDidPickDocumentsAt(platform::DocumentPicker *,
                                                                     const QList<QUrl> &urls)
{
    if (urls.isEmpty()) {
        // Nothing is presented on top, so this closes the picker itself.
        dismiss(true);
        return;
    }
    ImportedAudioFiles::append(urls.first());
    reloadData();
}

bool AudioFilePickerViewController::accessibilityPerformEscape()
{
    tappedCancelButton();
    return true;
}

void AudioFilePickerViewController::tappedCancelButton()
{
    if (auto *receiver = delegate())
        receiver->didCancelInAudioFilePickerViewController(this);
}

} // namespace NequoraUI
