#include "TextFieldView.h"

#include "platform/FormControlStyle.h"
#include "platform/Interface.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyle>

namespace NequoraUI {

TextFieldView::TextFieldView(const QString &title, const std::optional<QString> &defaultValue,
                             QWidget *parent)
    : QWidget(parent)
{
    const auto ui = platform::Interface::load(QStringLiteral("TextFieldView"), this);
    contentView = ui.outlet<QWidget>("contentView");
    titleLabel = ui.outlet<QLabel>("titleLabel");
    textField = ui.outlet<QLineEdit>("textField");
    platform::FormControlStyle::apply(textField, platform::FormControlStyle::Kind::TextField);

    titleLabel->setText(title);
    titleLabel->setBuddy(textField);
    if (defaultValue)
        textField->setText(*defaultValue);
    m_reportedText = textField->text();
    connect(textField, &QLineEdit::editingFinished, this, &TextFieldView::textFieldEditingFinished);
}

TextFieldView::~TextFieldView()
{
    // A focused field loses its focus while the widgets below this view are destroyed, after
    // this view's own part is gone: its end of editing is not an edit to report.
    textField->disconnect(this);
}

void TextFieldView::setListener(std::unique_ptr<RowViewListener> listener)
{
    m_listener = std::move(listener);
}

void TextFieldView::textFieldEditingFinished()
{
    if (textField->text() == m_reportedText)
        return;
    m_reportedText = textField->text();
    // Told after the signal: the field's owner writes the edit from it.
    const QPointer<TextFieldView> alive(this);
    emit editingFinished(m_reportedText);
    if (alive && m_listener)
        m_listener->rowViewChanged();
}

QString TextFieldView::title() const
{
    return titleLabel->text();
}

QString TextFieldView::text() const
{
    return textField->text();
}

bool TextFieldView::isReadOnly() const
{
    return textField->isReadOnly();
}

void TextFieldView::setReadOnly(bool readOnly)
{
    textField->setReadOnly(readOnly);
    // The read-only look comes from the library style's [readOnly="true"] rule.
    textField->style()->unpolish(textField);
    textField->style()->polish(textField);
}

void TextFieldView::setText(const QString &text)
{
    // A text shown this way is not the user's: leaving the field does not report it.
    m_reportedText = text;
    if (textField->text() != text)
        textField->setText(text);
}

bool TextFieldView::isEditing() const
{
    return textField->hasFocus();
}

void TextFieldView::clear()
{
    textField->setText(QString());
    m_reportedText.clear();
}

} // namespace NequoraUI
