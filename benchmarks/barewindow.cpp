// The floor of start-up time: a Qt main window with a title and nothing
// else, shown at once. startup-time.sh compares Kovrin's start-up with it.
// With --text the window shows one line of text, so that Qt loads its fonts
// as any window with a label or a field must; without it, no font is ever
// loaded.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.resize(800, 560);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    window.setCentralWidget(new QLabel(QStringLiteral("Zones 1 -> 10")));
  }
  window.show();
  return QApplication::exec();
}
