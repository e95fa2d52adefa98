#pragma once

#include "support/window_fakes.h"
#include "main_window/main_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace coinwell::testing {

// A main window on fake services, with its settings answered.
class MainWindowTest : public ::testing::Test {
protected:
    void open(const std::vector<QString>& answers = {"100", "100"})
    {
        fakes.dialogs.answers.assign(answers.begin(), answers.end());
        window = std::make_unique<MainWindow>(fakes.services());
        window->show();
        QCoreApplication::processEvents();  // the questions asked on showing
    }

    template <class Control>
    Control* child(const char* name) const
    {
        Control* control = window->findChild<Control*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QString text(const char* label) const { return child<QLabel>(label)->text(); }

    FakeServices fakes;
    std::unique_ptr<MainWindow> window;
};

}  // namespace coinwell::testing
