#pragma once

#include <QString>

namespace coinwell::platform {

// Message-box answer codes of the platform.
inline constexpr int kAnswerOk = 1;

// The modal dialogs of the forms runtime.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the prompt and a field pre-filled with defaultText. Returns the
    // field's text on OK, and empty text on Cancel or when closed.
    virtual QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;

    // Shows the text with the buttons of the style and returns the code of the
    // button pressed. Style 0, the only one the program uses, offers OK alone.
    virtual int MsgBox(const QString& text, int style, const QString& title) = 0;
};

// The dialogs on Qt, application-modal and without an owner window.
class QtDialogs final : public Dialogs {
public:
    QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    int MsgBox(const QString& text, int style, const QString& title) override;
};

}  // namespace coinwell::platform
