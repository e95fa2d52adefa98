#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;

namespace coinwell {

class Zoom;

// The modal dialogs the main window asks its questions and gives its notices
// with, and those of saving and printing. Tests answer them from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the prompt and a field pre-filled with defaultText. Returns the
    // field's text on OK, and empty text on Cancel or when closed.
    virtual QString askText(const QString& prompt, const QString& title, const QString& defaultText) = 0;

    // A notice with an OK button alone.
    virtual void showNotice(const QString& text, const QString& title) = 0;

    // A warning with an OK button alone.
    virtual void showError(const QString& text, const QString& title) = 0;

    // Asks where to save, starting from suggestedPath. filters name the
    // kinds of file ("PNG image (*.png)"); the index of the one chosen goes
    // to chosenFilter. Empty on Cancel.
    virtual QString askSaveFileName(const QString& title, const QString& suggestedPath, const QStringList& filters,
                                    int& chosenFilter) = 0;

    // Asks for a whole number from lowest to highest; none on Cancel.
    virtual std::optional<int> askInteger(const QString& prompt, const QString& title, int value, int lowest,
                                          int highest) = 0;

    // Asks for lines of text, pre-filled with `text`; none on Cancel.
    virtual std::optional<QString> askLines(const QString& prompt, const QString& title, const QString& text) = 0;

    // Previews the pages paintPages draws on a printer and prints them if
    // the user asks.
    virtual void previewPrint(const std::function<void(QPrinter&)>& paintPages, const QString& title) = 0;
};

// The dialogs on Qt, application-modal and without an owner window, their
// texts at the zoom's size as each opens.
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(const Zoom& zoom) : zoom_(zoom) {}

    QString askText(const QString& prompt, const QString& title, const QString& defaultText) override;
    void showNotice(const QString& text, const QString& title) override;
    void showError(const QString& text, const QString& title) override;
    QString askSaveFileName(const QString& title, const QString& suggestedPath, const QStringList& filters,
                            int& chosenFilter) override;
    std::optional<int> askInteger(const QString& prompt, const QString& title, int value, int lowest,
                                  int highest) override;
    std::optional<QString> askLines(const QString& prompt, const QString& title, const QString& text) override;
    void previewPrint(const std::function<void(QPrinter&)>& paintPages, const QString& title) override;

private:
    const Zoom& zoom_;
};

}  // namespace coinwell
