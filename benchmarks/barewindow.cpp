// The floor of start-up time: a Qt main window with a title and nothing
// else, shown at once. startup-time.sh compares Kovrin's start-up with it.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(800, 560);
  window.show();
  return QApplication::exec();
}
