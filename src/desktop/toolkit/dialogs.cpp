#include "desktop/toolkit/dialogs.h"

#include "desktop/toolkit/zoom.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>

namespace coinwell {

// Each dialog is application-modal: exec() makes one without an owner so.
QString QtDialogs::askText(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    zoom_.setFont(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

// With one button, Escape presses it.
void QtDialogs::showNotice(const QString& text, const QString& title)
{
    QMessageBox notice(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    zoom_.setFont(notice);
    notice.exec();
}

void QtDialogs::showError(const QString& text, const QString& title)
{
    QMessageBox warning(QMessageBox::Warning, title, text, QMessageBox::Ok);
    zoom_.setFont(warning);
    warning.exec();
}

QString QtDialogs::askSaveFileName(const QString& title, const QString& suggestedPath, const QStringList& filters,
                                   int& chosenFilter)
{
    QFileDialog dialog;
    zoom_.setFont(dialog);
    dialog.setWindowTitle(title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    // A name typed without a suffix gets the one of the kind chosen.
    const auto suffixOf = [](const QString& filter) {
        return QRegularExpression(QStringLiteral(R"(\*\.(\w+))")).match(filter).captured(1);
    };
    dialog.setDefaultSuffix(suffixOf(filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    dialog.selectFile(suggestedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    chosenFilter = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    return dialog.selectedFiles().first();
}

std::optional<int> QtDialogs::askInteger(const QString& prompt, const QString& title, int value, int lowest,
                                         int highest)
{
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(lowest, highest);
    dialog.setIntValue(value);
    zoom_.setFont(dialog);
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.intValue()) : std::nullopt;
}

std::optional<QString> QtDialogs::askLines(const QString& prompt, const QString& title, const QString& text)
{
    QInputDialog dialog;
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setOption(QInputDialog::UsePlainTextEditForTextInput);
    dialog.setTextValue(text);
    zoom_.setFont(dialog);
    return dialog.exec() == QDialog::Accepted ? std::optional(dialog.textValue()) : std::nullopt;
}

void QtDialogs::previewPrint(const std::function<void(QPrinter&)>& paintPages, const QString& title)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer);
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { paintPages(*target); });
    preview.exec();
}

}  // namespace coinwell
