#include "platform/DocumentPicker.h"

#include "platform/DocumentPickerDelegate.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

namespace NequoraUI::platform {

namespace {
// Far more imports of one name than anyone makes; a bound keeps a broken folder from spinning.
constexpr int maximumNameAttempts = 100000;
} // namespace

DocumentPicker::DocumentPicker(QObject *parent) : QObject(parent) {}

DocumentPicker::~DocumentPicker()
{
    if (m_dialog) {
        m_dialog->disconnect(this);
        delete m_dialog;
    }
}

void DocumentPicker::setDelegate(DocumentPickerDelegate *delegate)
{
    auto *object = dynamic_cast<QObject *>(delegate);
    if (delegate && !object) {
        qWarning("DocumentPicker: the delegate must be a QObject to be held weakly; ignored");
        return;
    }
    m_delegate = delegate;
    m_delegateObject = object;
}

DocumentPickerDelegate *DocumentPicker::delegate() const
{
    return m_delegateObject ? m_delegate : nullptr;
}

QStringList DocumentPicker::contentTypes()
{
    QStringList types;
    for (const QMimeType &type : QMimeDatabase().allMimeTypes()) {
        if (type.name().startsWith(QLatin1String("audio/")))
            types.append(type.name());
    }
    types.sort();
    return types;
}

void DocumentPicker::present(QWidget *over)
{
    if (m_dialog) {
        m_dialog->raise();
        return;
    }
    QWidget *window = over ? over->window() : nullptr;
    m_dialog = new QFileDialog(window, tr("Import Audio File"));
    m_dialog->setOption(QFileDialog::DontUseNativeDialog);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_dialog->setFileMode(QFileDialog::ExistingFile);
    m_dialog->setAcceptMode(QFileDialog::AcceptOpen);
    m_dialog->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);

    // One filter with every audio pattern first, then one per type.
    QStringList patterns;
    QStringList filters;
    QMimeDatabase database;
    for (const QString &name : contentTypes()) {
        const QMimeType type = database.mimeTypeForName(name);
        if (type.globPatterns().isEmpty())
            continue;
        patterns += type.globPatterns();
        filters.append(type.filterString());
    }
    patterns.removeDuplicates();
    filters.prepend(tr("Audio files (%1)").arg(patterns.join(QLatin1Char(' '))));
    m_dialog->setNameFilters(filters);

    connect(m_dialog, &QDialog::finished, this, &DocumentPicker::dialogFinished);
    m_dialog->open();
}

QFileDialog *DocumentPicker::dialog() const
{
    return m_dialog;
}

void DocumentPicker::dialogFinished(int result)
{
    QList<QUrl> chosen;
    if (m_dialog && result == QDialog::Accepted)
        chosen = m_dialog->selectedUrls();
    m_dialog = nullptr; // deletes itself on close
    if (result == QDialog::Accepted)
        pickDocuments(chosen);
    else
        reportCancellation();
}

void DocumentPicker::pickDocuments(const QList<QUrl> &chosen)
{
    QList<QUrl> copies;
    const QString inbox = inboxPath();
    for (const QUrl &source : chosen) {
        const QUrl copy = importCopy(source, inbox);
        if (copy.isValid())
            copies.append(copy);
    }
    // Files were chosen but none arrived: the user is told nothing was imported, not handed a
    // URL to data that is not there, and the list stays as it was.
    if (!chosen.isEmpty() && copies.isEmpty()) {
        reportCancellation();
        return;
    }
    // A signal receiver may delete this picker or the delegate.
    QPointer<DocumentPicker> self(this);
    QPointer<QObject> receiverObject = m_delegateObject;
    DocumentPickerDelegate *receiver = delegate();
    emit documentsPicked(copies);
    if (self && receiverObject && receiver)
        receiver->documentPickerDidPickDocumentsAt(this, copies);
}

void DocumentPicker::reportCancellation()
{
    QPointer<DocumentPicker> self(this);
    QPointer<QObject> receiverObject = m_delegateObject;
    DocumentPickerDelegate *receiver = delegate();
    emit cancelled();
    if (self && receiverObject && receiver)
        receiver->documentPickerWasCancelled(this);
}

QString DocumentPicker::inboxPath()
{
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Inbox";
    QDir().mkpath(path);
    return path;
}

QString DocumentPicker::uniqueFileName(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    if (!dir.exists(fileName))
        return fileName;
    const QFileInfo info(fileName);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    for (int number = 1; number < maximumNameAttempts; ++number) {
        const QString candidate = QStringLiteral("%1-%2%3").arg(base).arg(number).arg(suffix);
        if (!dir.exists(candidate))
            return candidate;
    }
    return QString();
}

QUrl DocumentPicker::importCopy(const QUrl &source, const QString &inbox)
{
    const QString sourcePath = source.toLocalFile();
    if (!source.isLocalFile() || !QFileInfo(sourcePath).isFile()) {
        qWarning("DocumentPicker: cannot import %s: not a readable local file",
                 qPrintable(source.toString()));
        return QUrl();
    }
    // QFile::copy never overwrites; should another import take the name first, try the next.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString name = uniqueFileName(inbox, QFileInfo(sourcePath).fileName());
        if (name.isEmpty())
            break;
        const QString destination = QDir(inbox).filePath(name);
        QFile file(sourcePath);
        if (file.copy(destination))
            return QUrl::fromLocalFile(destination);
        if (!QFileInfo::exists(destination)) {
            qWarning("DocumentPicker: cannot copy %s into %s: %s", qPrintable(sourcePath),
                     qPrintable(inbox), qPrintable(file.errorString()));
            return QUrl();
        }
    }
    qWarning("DocumentPicker: no free name for %s in %s", qPrintable(sourcePath),
             qPrintable(inbox));
    return QUrl();
}

} // namespace NequoraUI::platform
