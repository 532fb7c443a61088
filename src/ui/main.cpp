// The desktop program.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QLabel label("Rondaxa");
    label.show();
    return app.exec();
}
