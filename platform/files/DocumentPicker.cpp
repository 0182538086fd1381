#include "DocumentPicker.h"

#include "DocumentPickerDelegate.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

#include <algorithm>

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
    const int number = firstFreeNumber(dir, fileName);
    return number < maximumNameAttempts ? numberedName(fileName, number) : QString();
}

QString DocumentPicker::claimFileName(const QString &folder, const QString &fileName)
{
    const QDir dir(folder);
    // Start after the names already taken; a name another process claims meanwhile only moves
    // this claim on to the next number, never back to the first.
    int number = dir.exists(fileName) ? firstFreeNumber(dir, fileName) : 0;
    for (; number < maximumNameAttempts; ++number) {
        QFile file(dir.filePath(numberedName(fileName, number)));
        // NewOnly is an exclusive create: of two processes asking for one name, one gets it.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return file.fileName();
        if (!file.exists()) {
            qWarning("DocumentPicker: cannot create %s: %s", qPrintable(file.fileName()),
                     qPrintable(file.errorString()));
            return QString();
        }
    }
    qWarning("DocumentPicker: no free name for %s in %s", qPrintable(fileName), qPrintable(folder));
    return QString();
}

QString DocumentPicker::numberedName(const QString &fileName, int number)
{
    if (number == 0)
        return fileName;
    const QFileInfo info(fileName);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    return QStringLiteral("%1-%2%3").arg(info.completeBaseName()).arg(number).arg(suffix);
}

int DocumentPicker::firstFreeNumber(const QDir &dir, const QString &fileName)
{
    // Numbers are taken from 1 upwards, so doubling then halving finds the first free one after
    // them in a few look-ups instead of one per name taken.
    int taken = 0;
    int free = 1;
    while (free < maximumNameAttempts && dir.exists(numberedName(fileName, free))) {
        taken = free;
        free *= 2;
    }
    free = std::min(free, maximumNameAttempts);
    while (free - taken > 1) {
        const int middle = taken + (free - taken) / 2;
        if (dir.exists(numberedName(fileName, middle)))
            taken = middle;
        else
            free = middle;
    }
    return free;
}

QUrl DocumentPicker::importCopy(const QUrl &source, const QString &inbox)
{
    const QString sourcePath = source.toLocalFile();
    QFile input(sourcePath);
    if (!source.isLocalFile() || !QFileInfo(sourcePath).isFile() ||
        !input.open(QIODevice::ReadOnly)) {
        qWarning("DocumentPicker: cannot import %s: not a readable local file",
                 qPrintable(source.toString()));
        return QUrl();
    }
    const QString destination = claimFileName(inbox, QFileInfo(sourcePath).fileName());
    if (destination.isEmpty())
        return QUrl();
    QFile output(destination);
    bool copied = output.open(QIODevice::WriteOnly);
    while (copied && !input.atEnd()) {
        const QByteArray chunk = input.read(1 << 16);
        copied = !chunk.isEmpty() && output.write(chunk) == chunk.size();
    }
    copied = copied && output.flush();
    if (!copied) {
        qWarning("DocumentPicker: cannot copy %s into %s: %s", qPrintable(sourcePath),
                 qPrintable(inbox), qPrintable(output.errorString()));
        // The claimed name held only this copy; nobody else's file is removed.
        output.remove();
        return QUrl();
    }
    return QUrl::fromLocalFile(destination);
}

} // namespace NequoraUI::platform
