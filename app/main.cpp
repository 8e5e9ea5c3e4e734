// Start-up of the application: a placeholder main window until the workbook window exists.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane企业财务分析 1.15"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quorvane企财分析(迷你版)"));
    auto* label = new QLabel(QStringLiteral("Quorvane 的工作簿窗口尚在开发中。"), &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(800, 600);
    window.show();
    return app.exec();
}
