#pragma once

#include "core/settings.h"
#include "desktop/main_window/main_window_services.h"
#include "core/run_model.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>

class QFrame;
class QLabel;
class QPushButton;

namespace coinwell {

class ScaledLayout;
namespace graph {
class GraphFiles;
class GraphView;
}

// The main window: the two settings, the graph area, the average, and the
// Start, Exit, Init and Help commands. Once first shown it asks for both
// settings before it takes a command.
class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(const MainWindowServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // One run with the current settings: the experiments, the average and
    // the graph. Start stays disabled until reinitialise().
    void startRun();
    // Clears the graph and the values and asks for both settings again.
    void reinitialise();
    // Closes this window and asks for the help window in its place.
    void showHelp();
    // The notice, then the end of the program.
    void exitProgram();

signals:
    void helpRequested();

private:
    struct SettingTitles;

    void askSettings(const SettingTitles& titles);
    std::optional<std::int32_t> askCount(const QString& title, core::CountRange range);
    void endProgram();
    void showModel();
    void showValue(QLabel* value, const QLabel* caption, const QString& text);
    void addKeys();
    void describeGraph();

    MainWindowServices services_;
    core::RunModel model_;
    // Start lets the clicks waiting before it through before it runs: while
    // it does, running_ is set, and a Help or an Exit among them sets
    // leaving_, as the window is then on its way out.
    bool running_ = false;
    bool leaving_ = false;

    // The controls, in the order they are created: later ones lie on top
    // where they overlap.
    QPushButton* helpButton_;
    graph::GraphView* graphView_;
    QPushButton* graphMenuButton_;
    QPushButton* initButton_;
    QPushButton* exitButton_;
    QPushButton* startButton_;
    QLabel* titleLabel_;
    QLabel* guestCountCaption_;
    QLabel* guestCountValue_;
    QFrame* topRule_;
    QLabel* averageCaption_;
    QLabel* averageValue_;
    QLabel* experimentCountValue_;
    QLabel* experimentCountCaption_;
    ScaledLayout* layout_;
    std::unique_ptr<graph::GraphFiles> files_;
};

}  // namespace coinwell
