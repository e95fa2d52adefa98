// The least a Qt Widgets program does to reach Coinwell's first question: a
// window of the main window's size and place, and once it is shown an input
// dialog with the same title. bench/startup.py times Coinwell against it.
#include <QApplication>
#include <QInputDialog>
#include <QTimer>
#include <QWidget>

namespace {

class Window final : public QWidget {
protected:
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        QTimer::singleShot(0, this, [this] {
            QInputDialog::getText(this, QStringLiteral(" Setting the number of guests"),
                                  QStringLiteral("Please enter an integer between 10 and 1000 ..."),
                                  QLineEdit::Normal, QStringLiteral("100"));
        });
    }
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Window window;
    window.setGeometry(232, 99, 603, 512);
    window.show();
    return QApplication::exec();
}
