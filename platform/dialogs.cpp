#include "dialogs.h"

#include "application_title.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

QString PlatformLines(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString TitleOrDefault(const QString& title)
{
    return title.isEmpty() ? ApplicationTitle() : title;
}

MessageAnswer AnswerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Retry: return MessageAnswer::Retry;
    case QMessageBox::Ok: return MessageAnswer::Ok;
    default: return MessageAnswer::Cancel;
    }
}

} // namespace

MessageAnswer QtDialogs::MsgBox(QWidget* owner, const QString& prompt, MessageStyle style, const QString& title)
{
    QMessageBox box(owner);
    box.setWindowTitle(TitleOrDefault(title));
    box.setText(PlatformLines(prompt));
    switch (style) {
    case MessageStyle::YesNoQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageStyle::RetryCancelQuestion:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    case MessageStyle::OkWarning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    return AnswerOf(static_cast<QMessageBox::StandardButton>(box.exec()));
}

QString QtDialogs::InputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& text)
{
    QInputDialog dialog(owner);
    dialog.setWindowTitle(TitleOrDefault(title));
    dialog.setLabelText(PlatformLines(prompt));
    dialog.setTextValue(text);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
