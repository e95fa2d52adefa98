#include "desktop/toolkit/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>

namespace coinwell {

QString QtDialogs::askText(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue();
}

void QtDialogs::showNotice(const QString& text, const QString& title)
{
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

void QtDialogs::showError(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QString QtDialogs::askSaveFileName(const QString& title, const QString& suggestedPath, const QStringList& filters,
                                   int& chosenFilter)
{
    QFileDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
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
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setIntRange(lowest, highest);
    dialog.setIntValue(value);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.intValue();
}

void QtDialogs::previewPrint(const std::function<void(QPrinter&)>& paintPages, const QString& title)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer);
    preview.setWindowModality(Qt::ApplicationModal);
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { paintPages(*target); });
    preview.exec();
}

}  // namespace coinwell
