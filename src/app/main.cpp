#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Quintaro");
    QMainWindow window;
    window.setWindowTitle("Quintaro (Ver 1.5m)");
    window.show();
    return app.exec();
}
