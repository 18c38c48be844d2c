#ifndef PLATFORM_DIALOGS_H
#define PLATFORM_DIALOGS_H

#include <QString>

class QWidget;

enum class MessageStyle { YesNoQuestion, RetryCancelQuestion, OkWarning };
enum class MessageAnswer { Ok, Cancel, Retry, Yes, No };

// Modal message and input boxes. Texts may break lines with CR LF.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An empty title shows the application title.
    virtual MessageAnswer MsgBox(QWidget* owner, const QString& prompt, MessageStyle style, const QString& title) = 0;
    // The text entered, or the empty text when cancelled; `text` is there to begin with. An empty title shows the
    // application title.
    virtual QString InputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& text) = 0;
};

class QtDialogs final : public Dialogs {
public:
    MessageAnswer MsgBox(QWidget* owner, const QString& prompt, MessageStyle style, const QString& title) override;
    QString InputBox(QWidget* owner, const QString& prompt, const QString& title, const QString& text) override;
};

#endif
