#include "LibraryStyle.h"

#include "LibraryStyleFollower.h"
#include "platform/ColorScheme.h"
#include "platform/Interface.h"

#include <QFile>
#include <QPalette>
#include <QWidget>

#include <utility>

namespace NequoraUI {

namespace {

// The sheet as stored, with its colours still named. Immutable after the first read, like the
// parsed interface files.
const QString &sheetTemplate()
{
    static const QString sheet = [] {
        const QString path = platform::Interface::libraryBundle + QStringLiteral("/NequoraUI.qss");
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("Library style sheet \"%s\" is missing", qPrintable(path));
        return QString::fromUtf8(file.readAll());
    }();
    return sheet;
}

QString cssColor(const QColor &color)
{
    if (color.alpha() == 255)
        return color.name(QColor::HexRgb);
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}

} // namespace

QString LibraryStyle::styleSheet(const QPalette &palette)
{
    const platform::ColorScheme colors = platform::ColorScheme::fromPalette(palette);
    const std::pair<const char *, const QColor &> named[] = {
        {"@background@", colors.background},
        {"@card@", colors.card},
        {"@accent-tint@", colors.accentTint},
        {"@pressed-fill@", colors.pressedFill},
        {"@indicator@", colors.indicator},
        {"@label@", colors.label},
        {"@secondary-label@", colors.secondaryLabel},
        {"@tertiary-label@", colors.tertiaryLabel},
        {"@disabled-label@", colors.disabledLabel},
        {"@accent@", colors.accent},
        {"@accent-text@", colors.accentText},
        {"@accent-pressed@", colors.accentPressed},
        {"@error@", colors.error},
        {"@error-fill@", colors.errorFill},
        {"@field-border@", colors.fieldBorder},
    };
    QString sheet = sheetTemplate();
    for (const auto &[name, color] : named)
        sheet.replace(QLatin1String(name), cssColor(color));
    return sheet;
}

void LibraryStyle::apply(QWidget *screen)
{
    if (screen->findChild<LibraryStyleFollower *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    new LibraryStyleFollower(screen); // owned by screen
}

} // namespace NequoraUI
