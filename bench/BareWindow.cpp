// The start-up baseline: the plainest Qt Widgets program that shows a window the size of the
// intro window, under the same title.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("A Pellowick Production"));
    window.resize(960, 540);
    window.show();
    return QApplication::exec();
}
