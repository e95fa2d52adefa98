#pragma once

#include <QString>

namespace coinwell {

// The modal dialogs the main window asks its questions and gives its notice
// with. Tests answer them from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the prompt and a field pre-filled with defaultText. Returns the
    // field's text on OK, and empty text on Cancel or when closed.
    virtual QString askText(const QString& prompt, const QString& title, const QString& defaultText) = 0;

    // A notice with an OK button alone.
    virtual void showNotice(const QString& text, const QString& title) = 0;
};

// The dialogs on Qt, application-modal and without an owner window.
class QtDialogs final : public Dialogs {
public:
    QString askText(const QString& prompt, const QString& title, const QString& defaultText) override;
    void showNotice(const QString& text, const QString& title) override;
};

}  // namespace coinwell
