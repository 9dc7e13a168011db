#include "toolkit/qt/qttoolkit.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <utility>

#include "fileio/readfile.h"
#include "toolkit/qt/fieldwidgets.h"
#include "toolkit/qt/formwidget.h"
#include "toolkit/qt/helpwindow.h"
#include "toolkit/qt/mainwindow.h"
#include "toolkit/qt/plaintext.h"
#include "toolkit/qt/textconversion.h"
#include "toolkit/qt/textprinter.h"

namespace kovrin {
namespace {

// How long a message about a field stays in the status bar.
constexpr int kStatusMessageMilliseconds = 10000;

// The printout is read whole; a report is nowhere near this size.
constexpr std::size_t kMostTextFileBytes = 16 * 1024 * 1024;

// File names travel as the bytes the file system uses.
QString fromFileName(std::string_view name) {
  return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

std::string toFileName(const QString& name) { return QFile::encodeName(name).toStdString(); }

// The font of the input screen. Its metrics set the size of the whole form
// (dialog units), so any sans serif face keeps the layout's proportions.
QFont dialogFont() {
  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(8);
  return font;
}

// "description|pattern|description|pattern|" as Qt name filters,
// "Project files (*.prj)"; patterns separated by ";" become blanks.
QStringList nameFilters(std::string_view filter) {
  const QStringList parts = toQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
    if (description.isEmpty() && pattern.isEmpty()) continue;
    if (pattern.isEmpty()) pattern = QStringLiteral("*");
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << QStringLiteral("%1 (%2)").arg(description, pattern);
  }
  return filters;
}

// The extension of the filter's first pattern: "*.prj" gives "prj"; a
// pattern with a wildcard in its extension gives none.
QString defaultSuffix(std::string_view filter) {
  const QStringList parts = toQString(filter).split(QLatin1Char('|'));
  if (parts.size() < 2) return {};
  const QString first = parts[1].split(QLatin1Char(';')).first().trimmed();
  const qsizetype dot = first.lastIndexOf(QLatin1Char('.'));
  if (dot < 0) return {};
  const QString suffix = first.mid(dot + 1);
  if (suffix.isEmpty() || suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?'))) return {};
  return suffix;
}

// While the main window is open, a quit request of the system becomes a
// close request: the program decides when to end.
class QuitWatcher : public QObject {
 public:
  explicit QuitWatcher(std::function<bool()> onQuit) : m_onQuit(std::move(onQuit)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    return event->type() == QEvent::Quit && watched == QCoreApplication::instance() && m_onQuit();
  }

 private:
  std::function<bool()> m_onQuit;
};

// The one local file that a drag carries; empty for anything else (text,
// several files, a web address).
QString draggedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().first();
  return url.isLocalFile() ? url.toLocalFile() : QString();
}

// A file dragged over any part of the main window, its fields included
// (which would take the file's name as text), is the window's to take:
// onDrop hands it on.
class FileDropWatcher : public QObject {
 public:
  FileDropWatcher(QWidget* window, std::function<void(const QString&)> onDrop)
      : QObject(window), m_window(window), m_onDrop(std::move(onDrop)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != m_window) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QString file = draggedFile(drop->mimeData());
    if (file.isEmpty()) return false;
    drop->acceptProposedAction();
    if (type == QEvent::Drop) m_onDrop(file);
    return true;
  }

 private:
  QWidget* m_window;
  std::function<void(const QString&)> m_onDrop;
};

}  // namespace

struct QtToolkit::State {
  std::unique_ptr<QApplication> ownApplication;
  QPointer<MainWindow> window;
  QPointer<FormWidget> form;
  bool hasStatusBar = false;
  std::map<std::int32_t, QPointer<QAction>> menuChoices;  // by command identifier
  // Every entry of the menu, sub-menu titles included, by identifier.
  std::map<std::int32_t, QPointer<QAction>> menuEntries;
  QList<QKeySequence> windowKeys;  // of the menu's commands, which the fields give up
  QPointer<HelpWindow> help;
  std::unique_ptr<QPrinter> printer;

  struct Message {
    std::int32_t type;
    MessageRecord record;
    std::string text;
  };
  std::deque<Message> messages;
  std::string lastMessageText;
  std::unique_ptr<QSettings> settings;
  // The title windowopen2 gave the main window, after the document's name.
  QString programTitle;
  std::map<std::int32_t, bool> enabled{{kMenuSelect, true}, {kCloseRequest, true}, {kFieldChanged, false}};
  int lastFocusField = 0;
  QMetaObject::Connection focusWatch;
  std::unique_ptr<QuitWatcher> quitWatcher;

  std::size_t errorCount = 0;
  std::string lastError;

  static QApplication* application() {
    return qobject_cast<QApplication*>(QCoreApplication::instance());
  }

  void post(std::int32_t type, std::int32_t value1 = 0, std::int32_t value2 = 0, std::string text = {}) {
    if (type < kFirstOwnMessage && !enabled[type]) return;
    messages.push_back({type, MessageRecord{value1, value2}, std::move(text)});
  }

  void error(std::string text) {
    ++errorCount;
    lastError = std::move(text);
  }

  FormWidget* currentForm(const char* operation) {
    if (form) return form;
    error(std::string(operation) + ": no current dialog");
    return nullptr;
  }

  // The control `id` of the current form as a Field (NumberField,
  // ListField); null, and the failure recorded, when there is none.
  template <typename Field>
  Field* field(const char* operation, int id, std::string_view kind) {
    FormWidget* f = currentForm(operation);
    if (f == nullptr) return nullptr;
    auto* found = dynamic_cast<Field*>(f->control(id));
    if (found == nullptr) error(std::string(operation) + ": " + std::to_string(id) + " is no " + std::string(kind));
    return found;
  }
  NumberField* numberField(const char* operation, int id) { return field<NumberField>(operation, id, "numeric field"); }
  ListField* listField(const char* operation, int id) { return field<ListField>(operation, id, "list"); }

  QWidget* dialogParent() const { return window.data(); }

  // A command of the menu: choosing it, or pressing its key anywhere in the
  // main window, delivers its identifier.
  QAction* addCommand(QWidget* menu, std::string_view text, std::int32_t id, std::string_view shortcut,
                      QActionGroup* choices = nullptr) {
    QAction* action = menu->addAction(toQString(text));
    if (choices != nullptr) {
      action->setCheckable(true);
      action->setData(false);  // the mark the program gave it
      choices->addAction(action);
      menuChoices[id] = action;
      // Qt marks a choice as soon as it is chosen; the mark goes back to what
      // the program said, until the program, having carried out the
      // command, says otherwise.
      QObject::connect(action, &QAction::triggered, menu, [choices] {
        for (QAction* a : choices->actions()) {
          if (!a->data().toBool()) a->setChecked(false);
        }
        for (QAction* a : choices->actions()) {
          if (a->data().toBool()) a->setChecked(true);
        }
      });
    }
    if (!shortcut.empty()) {
      const QList<QKeySequence> keys =
          QKeySequence::listFromString(toQString(shortcut), QKeySequence::PortableText);
      for (const QKeySequence& key : keys) {
        if (key.isEmpty() || key[0].key() == Qt::Key_unknown) {
          error("windowopen2: " + std::string(shortcut) + " is no key");
        } else if (!isTypingUndoKey(key)) {
          // A field keeps Ctrl+Z and the redo keys while its text is typed.
          windowKeys << key;
        }
      }
      action->setShortcuts(keys);
      // A key held down chooses the command once, not once per repeat.
      action->setAutoRepeat(false);
    }
    QObject::connect(action, &QAction::triggered, menu, [this, id] { post(kMenuSelect, id); });
    menuEntries[id] = action;
    return action;
  }

  // A sub-menu: opening it delivers its own identifier.
  void addSubMenu(QWidget* parent, std::string_view text, std::int32_t id, std::span<const MenuEntry> entries) {
    auto* sub = new QMenu(toQString(text), parent);
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
      bar->addMenu(sub);
    } else {
      qobject_cast<QMenu*>(parent)->addMenu(sub);
    }
    menuEntries[id] = sub->menuAction();
    QObject::connect(sub, &QMenu::aboutToShow, sub, [this, id] { post(kMenuSelect, id); });
    QActionGroup* choices = nullptr;
    for (const MenuEntry& entry : entries) {
      if (!entry.entries.empty()) {
        addSubMenu(sub, entry.text, entry.id, entry.entries);
      } else if (entry.id == kMenuSeparator) {
        sub->addSeparator();
      } else {
        if (entry.choice && choices == nullptr) choices = new QActionGroup(sub);
        addCommand(sub, entry.text, entry.id, entry.shortcut, entry.choice ? choices : nullptr);
      }
    }
  }

  void buildMenu(QMenuBar* bar, const MenuResource& menu) {
    for (const MenuTopItem& item : menu.items) {
      if (item.entries.empty()) {
        // A command of the bar itself: its access letter chooses it at once.
        addCommand(bar, item.text, item.id, item.shortcut);
      } else {
        addSubMenu(bar, item.text, item.id, item.entries);
      }
    }
  }

  QAction* menuEntry(const char* operation, int command) {
    const auto found = menuEntries.find(command);
    if (found != menuEntries.end() && found->second) return found->second;
    error(std::string(operation) + ": " + std::to_string(command) + " is no entry of the menu");
    return nullptr;
  }

  // The settings file in the user's configuration folder
  // ($XDG_CONFIG_HOME/kovrin/kovrin.conf); none while something other than a
  // regular file stands there: reading a pipe or a device would never end,
  // and the user's own file there is not to be replaced.
  QSettings* userSettings() {
    const QString path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/kovrin/kovrin.conf");
    const QFileInfo file(path);
    if (file.exists() && !file.isFile()) return nullptr;
    if (!settings || settings->fileName() != path) settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return settings.get();
  }

  void focusMoved(QWidget* now) {
    if (!form || now == nullptr) return;
    const int id = form->controlId(now);
    // Focus that comes back to the field it left (from a menu, a dialog or
    // another window) is no move.
    if (id == 0 || id == lastFocusField) return;
    lastFocusField = id;
    post(kFieldChanged, id, kFocusMoved);
  }

  void closeWindows() {
    QObject::disconnect(focusWatch);
    delete help.data();
    if (window) {
      window->closeForGood();
      delete window.data();
    }
    messages.clear();
    menuChoices.clear();
    menuEntries.clear();
    windowKeys.clear();
    lastFocusField = 0;
  }
};

QtToolkit::QtToolkit() : d(std::make_unique<State>()) {}

QtToolkit::~QtToolkit() {
  d->closeWindows();
  d->printer.reset();
  if (d->quitWatcher && QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeEventFilter(d->quitWatcher.get());
  }
  d->quitWatcher.reset();
  d->ownApplication.reset();
}

void QtToolkit::winitialise() {
  if (QCoreApplication::instance() == nullptr) {
    // QApplication keeps references to these for its whole life.
    static int argc = 1;
    static char name[] = "kovrin";
    static char* argv[] = {name, nullptr};
    d->ownApplication = std::make_unique<QApplication>(argc, argv);
  }
  if (State::application() == nullptr) {
    d->error("winitialise: the application is not a widget application");
    return;
  }
  if (!d->quitWatcher) {
    d->quitWatcher = std::make_unique<QuitWatcher>([this] {
      if (!d->window) return false;
      d->post(kCloseRequest);
      return true;
    });
    QCoreApplication::instance()->installEventFilter(d->quitWatcher.get());
  }
}

void QtToolkit::windowopen2(int options, const MenuResource& menu, const DialogResource& dialog,
                            std::string_view title) {
  QApplication* app = State::application();
  if (app == nullptr) {
    d->error("windowopen2: winitialise was not called");
    return;
  }
  d->closeWindows();

  auto* window = new MainWindow;
  d->window = window;
  // The client area is a form of fixed size: no maximise box, no resizing.
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if ((options & kSystemMenu) != 0) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if ((options & kMinimiseBox) != 0) flags |= Qt::WindowMinimizeButtonHint;
  window->setWindowFlags(flags);
  window->setWindowTitle(toQString(title));
  d->programTitle = toQString(title);
  d->buildMenu(window->menuBar(), menu);

  auto* form = new FormWidget(dialog, dialogFont(), window);
  d->form = form;
  window->setCentralWidget(form);
  for (const QString& problem : form->problems()) d->error("windowopen2: " + problem.toStdString());
  form->setWindowKeys(d->windowKeys);
  form->onUserChange = [this](int id) { d->post(kFieldChanged, id, kContentChanged); };
  // What the user is told when a field goes back to the value it kept: in
  // the status bar for a while, after which its parts show again.
  form->onValueKept = [this](const QString& message) {
    if (d->window && d->hasStatusBar) d->window->statusBar()->showMessage(message, kStatusMessageMilliseconds);
  };
  // Once the field holds a value typed within its range, what was said of
  // it no longer holds.
  form->onValueFixed = [this](const QString& message) {
    if (d->window && d->hasStatusBar && d->window->statusBar()->currentMessage() == message) {
      d->window->statusBar()->clearMessage();
    }
  };
  d->hasStatusBar = (options & kStatusBar) != 0;
  if (d->hasStatusBar) window->statusBar()->setSizeGripEnabled(false);
  window->layout()->setSizeConstraint(QLayout::SetFixedSize);
  window->onCloseRequest = [this] { d->post(kCloseRequest); };
  // A file manager's file dropped anywhere on the window.
  window->setAcceptDrops(true);
  app->installEventFilter(new FileDropWatcher(window, [this](const QString& file) {
    d->post(kFileDropped, 0, 0, toFileName(file));
  }));

  window->show();
  if (QWidget* first = form->firstTabStop()) {
    // Shown as the Tab key shows it: the user sees where typing goes.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    first->setFocus(Qt::TabFocusReason);
    d->lastFocusField = form->controlId(first);
  }
  window->raise();
  window->activateWindow();
  d->focusWatch = QObject::connect(app, &QApplication::focusChanged, window,
                                   [this](QWidget*, QWidget* now) { d->focusMoved(now); });
}

void QtToolkit::windowclose() { d->closeWindows(); }

void QtToolkit::windowstatusbarparts(std::span<const int> widths) {
  if (!d->window || !d->hasStatusBar) {
    d->error("windowstatusbarparts: no status bar");
    return;
  }
  d->window->setStatusParts(widths);
}

void QtToolkit::windowoutstatusbar(int part, std::string_view text) {
  if (!d->window || !d->hasStatusBar) {
    d->error("windowoutstatusbar: no status bar");
    return;
  }
  if (!d->window->setStatusText(part, toQString(text))) {
    d->error("windowoutstatusbar: no status bar part " + std::to_string(part));
  }
}

void QtToolkit::windowmenucheck(int command, bool checked) {
  const auto found = d->menuChoices.find(command);
  if (found == d->menuChoices.end() || !found->second) {
    d->error("windowmenucheck: " + std::to_string(command) + " is no choice of the menu");
    return;
  }
  QAction* action = found->second;
  action->setChecked(checked);
  // The marks shown now, the others of the set included, are the program's.
  for (QAction* choice : action->actionGroup()->actions()) choice->setData(choice->isChecked());
}

void QtToolkit::windowmenutext(int command, std::string_view text) {
  if (QAction* action = d->menuEntry("windowmenutext", command)) {
    action->setText(toQString(text));
    action->setVisible(!text.empty());
  }
}

void QtToolkit::windowmenuenable(int command, bool enabled) {
  if (QAction* action = d->menuEntry("windowmenuenable", command)) action->setEnabled(enabled);
}

void QtToolkit::windowtitle(std::string_view document, bool modified) {
  if (!d->window) {
    d->error("windowtitle: no window is open");
    return;
  }
  d->window->setWindowTitle(titleTextAsIs(toQString(document)) + QStringLiteral("[*] \u2013 ") +
                            titleTextAsIs(d->programTitle));
  d->window->setWindowModified(modified);
}

void QtToolkit::wdialogputinteger(int field, std::int32_t value) {
  if (NumberField* f = d->numberField("wdialogputinteger", field)) {
    f->showValue(value, QString::number(value));
  }
}

void QtToolkit::wdialogputreal(int field, float value, std::string_view format) {
  NumberField* f = d->numberField("wdialogputreal", field);
  if (f == nullptr) return;
  std::optional<std::string> text = realDisplayText(value, format);
  if (!text) {
    d->error("wdialogputreal: display format " + std::string(format) + " is not (Fw.d)");
    text = QString::number(static_cast<double>(value), 'g', 9).toStdString();
  }
  f->showValue(static_cast<double>(value), QString::fromStdString(*text));
}

void QtToolkit::wdialogputtext(int field, std::string_view text) {
  FormWidget* form = d->currentForm("wdialogputtext");
  if (form == nullptr) return;
  QWidget* control = form->control(field);
  if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(toQString(text));
  } else if (auto* line = dynamic_cast<TextField*>(control)) {
    line->showText(toQString(text));
  } else {
    d->error("wdialogputtext: " + std::to_string(field) + " is no label or text field");
  }
}

void QtToolkit::wdialoggettext(int field, std::string& text) {
  FormWidget* form = d->currentForm("wdialoggettext");
  if (form == nullptr) return;
  auto* line = dynamic_cast<TextField*>(form->control(field));
  if (line == nullptr) {
    d->error("wdialoggettext: " + std::to_string(field) + " is no text field");
    return;
  }
  text = line->text().toStdString();
}

void QtToolkit::wdialogputmenu1(int field, std::span<const std::string_view> items, int count,
                                std::int32_t selected) {
  ListField* list = d->listField("wdialogputmenu1", field);
  if (list == nullptr) return;
  std::size_t shown = items.size();
  if (count < 0 || static_cast<std::size_t>(count) > items.size()) {
    d->error("wdialogputmenu1: " + std::to_string(count) + " items asked for, " +
             std::to_string(items.size()) + " given");
  } else {
    shown = static_cast<std::size_t>(count);
  }
  list->setEntries(items.first(shown), selected);
}

void QtToolkit::wdialoggetinteger(int field, std::int32_t& value) {
  NumberField* f = d->numberField("wdialoggetinteger", field);
  if (f == nullptr) return;
  const std::optional<double> held = f->value();
  if (!held) {
    value = kEmptyField;
    return;
  }
  // A real field read as an integer drops the fraction; a value beyond 32
  // bits has no integer to give.
  const double whole = std::trunc(*held);
  if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) {
    d->error("wdialoggetinteger: the value of " + std::to_string(field) + " is no 32-bit integer");
    return;
  }
  value = static_cast<std::int32_t>(whole);
}

void QtToolkit::wdialoggetreal(int field, float& value) {
  NumberField* f = d->numberField("wdialoggetreal", field);
  if (f == nullptr) return;
  // Every value a field holds came from a float or a 32-bit integer, so it
  // converts back without leaving the float range.
  const std::optional<double> held = f->value();
  value = held ? static_cast<float>(*held) : static_cast<float>(kEmptyField);
}

void QtToolkit::wdialoggetmenu1(int field, std::int32_t& value) {
  if (ListField* list = d->listField("wdialoggetmenu1", field)) value = list->selection();
}

void QtToolkit::wdialoggetradiobutton(int field, std::int32_t& value) {
  FormWidget* form = d->currentForm("wdialoggetradiobutton");
  if (form == nullptr) return;
  const std::optional<std::int32_t> position = form->radioPosition(field);
  if (!position) {
    d->error("wdialoggetradiobutton: " + std::to_string(field) + " is no radio button");
    return;
  }
  value = *position;
}

void QtToolkit::wdialogoutofdate(int field, bool outOfDate) {
  if (NumberField* f = d->numberField("wdialogoutofdate", field)) f->setOutOfDate(outOfDate);
}

void QtToolkit::wdialograngeinteger(int field, std::int32_t minimum, std::int32_t maximum) {
  NumberField* f = d->numberField("wdialograngeinteger", field);
  if (f == nullptr) return;
  if (minimum > maximum) {
    d->error("wdialograngeinteger: the range of " + std::to_string(field) + " is empty");
    return;
  }
  f->setRange(minimum, maximum);
}

void QtToolkit::wdialograngereal(int field, float minimum, float maximum) {
  NumberField* f = d->numberField("wdialograngereal", field);
  if (f == nullptr) return;
  if (!(minimum <= maximum)) {
    d->error("wdialograngereal: the range of " + std::to_string(field) + " is empty");
    return;
  }
  f->setRange(static_cast<double>(minimum), static_cast<double>(maximum));
}

void QtToolkit::wdialogrequired(int field) {
  if (NumberField* f = d->numberField("wdialogrequired", field)) f->setRequired();
}

void QtToolkit::wmessageenable(std::int32_t type, int enable) {
  const auto known = d->enabled.find(type);
  if (known == d->enabled.end()) {
    d->error("wmessageenable: no message type " + std::to_string(type));
    return;
  }
  known->second = enable != 0;
}

void QtToolkit::wmessage(std::int32_t& type, MessageRecord& record) {
  while (d->messages.empty()) {
    // Without a window no message can come: the program is told to close
    // rather than left waiting for ever.
    if (!d->window || State::application() == nullptr) {
      type = kCloseRequest;
      record = {};
      return;
    }
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  type = d->messages.front().type;
  record = d->messages.front().record;
  d->lastMessageText = std::move(d->messages.front().text);
  d->messages.pop_front();
}

std::string QtToolkit::wmessagetext() { return d->lastMessageText; }

std::vector<std::string> QtToolkit::wsettingsread(std::string_view key, std::size_t most) {
  QSettings* found = d->userSettings();
  if (found == nullptr) return {};
  QSettings& settings = *found;
  // Another Kovrin may have written the settings since they were read.
  settings.sync();
  std::vector<std::string> values;
  // A damaged file may say its list is as long as it likes.
  const std::size_t count = std::min(static_cast<std::size_t>(std::max(0, settings.beginReadArray(toQString(key)))), most);
  for (std::size_t i = 0; i < count; ++i) {
    settings.setArrayIndex(static_cast<int>(i));
    // Kept as bytes: a file name need not be UTF-8.
    values.push_back(settings.value(QStringLiteral("value")).toByteArray().toStdString());
  }
  settings.endArray();
  return values;
}

void QtToolkit::wsettingswrite(std::string_view key, std::span<const std::string> values) {
  QSettings* found = d->userSettings();
  if (found == nullptr) return;
  QSettings& settings = *found;
  settings.remove(toQString(key));
  settings.beginWriteArray(toQString(key), static_cast<int>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i) {
    settings.setArrayIndex(static_cast<int>(i));
    settings.setValue(QStringLiteral("value"), QByteArray::fromStdString(values[i]));
  }
  settings.endArray();
  settings.sync();
}

bool QtToolkit::wselectfile2(std::string_view filter, int options, std::string& name, std::string_view title,
                             std::string_view acceptLabel) {
  if (State::application() == nullptr) {
    d->error("wselectfile2: winitialise was not called");
    return false;
  }
  QFileDialog dialog(d->dialogParent(), toQString(title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode((options & kSaveDialog) != 0 ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode((options & kMustExist) != 0 ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  const QStringList filters = nameFilters(filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if ((options & kDefaultExtension) != 0) dialog.setDefaultSuffix(defaultSuffix(filter));
  if (!acceptLabel.empty()) dialog.setLabelText(QFileDialog::Accept, toQString(acceptLabel));

  // Start in the folder of the current name with that name proposed; with
  // no name, in the working folder.
  const QString current = fromFileName(trimTrailingBlanks(name));
  const QFileInfo proposed(QDir::current(), current);
  const bool inItsFolder = !current.isEmpty() && proposed.absoluteDir().exists();
  dialog.setDirectory(inItsFolder ? proposed.absolutePath() : QDir::currentPath());
  if (!current.isEmpty()) dialog.selectFile(proposed.fileName());

  const QString workingFolder = QDir::currentPath();
  QString chosen;
  while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString candidate = dialog.selectedFiles().first();
    if (QFileInfo(candidate).absoluteDir().exists()) {
      chosen = candidate;
      break;
    }
    // The file need not exist, its folder must: a project saved there later
    // would fail.
    showPlainMessage(&dialog, QMessageBox::Warning, toQString(title),
                     QStringLiteral("The folder %1 does not exist.")
                         .arg(QDir::toNativeSeparators(QFileInfo(candidate).absolutePath())));
  }
  QDir::setCurrent(workingFolder);
  if (chosen.isEmpty()) return false;
  name = toFileName(QDir::toNativeSeparators(chosen));
  return true;
}

void QtToolkit::whelpfile1(std::string_view file) {
  if (State::application() == nullptr) {
    d->error("whelpfile1: winitialise was not called");
    return;
  }
  const QString fileName = fromFileName(file);
  const QFileInfo info(QDir::current(), fileName);
  const QString folder = QDir::toNativeSeparators(info.absolutePath());
  // The viewer reads the file itself; only a plain file is handed to it, as
  // a pipe or device would keep it waiting.
  Descriptor opened;
  const FileResult read = openForReading(std::string(file), Readable::PlainFileOnly, opened);
  if (!read) {
    const QString text =
        info.exists()
            ? QStringLiteral("The help file %1 in the folder %2 could not be read:\n%3")
                  .arg(fileName, folder, toQString(read.message))
            : QStringLiteral("The help file %1 was not found in the folder %2.").arg(fileName, folder);
    showPlainMessage(d->dialogParent(), QMessageBox::Critical, QStringLiteral("Help"), text);
    return;
  }
  if (!d->help) d->help = new HelpWindow;
  d->help->showFile(info.absoluteFilePath());
}

QPrinter& QtToolkit::printer() {
  if (!d->printer) {
    d->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The report is wide; across the long side of the paper it prints larger.
    d->printer->setPageOrientation(QPageLayout::Landscape);
    d->printer->setDocName(QStringLiteral("Kovrin load report"));
  }
  return *d->printer;
}

bool QtToolkit::whardcopyoptionstext(std::string_view fileName) {
  if (State::application() == nullptr) {
    d->error("whardcopyoptionstext: winitialise was not called");
    return false;
  }
  QPrintDialog dialog(&printer(), d->dialogParent());
  dialog.setWindowTitle(QStringLiteral("Print"));
  // The dialog would propose a file in the home folder. Its file field is
  // filled in rather than the printer's output file, which would make the
  // file the choice over an installed printer.
  if (auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"))) {
    file->setText(QDir::current().absoluteFilePath(fromFileName(fileName)));
  }
  return dialog.exec() == QDialog::Accepted;
}

void QtToolkit::igrhardcopytextfile(std::string_view file) {
  const QString fileName = fromFileName(file);
  const QFileInfo info(QDir::current(), fileName);
  std::string source;
  const FileResult read = readPlainFile(std::string(file), kMostTextFileBytes, source);
  if (!read) {
    showPlainMessage(d->dialogParent(), QMessageBox::Critical, QStringLiteral("Print"),
                     QStringLiteral("The file %1 in the folder %2 could not be read for printing:\n%3")
                         .arg(fileName, QDir::toNativeSeparators(info.absolutePath()), toQString(read.message)));
    return;
  }
  QString failure;
  const QByteArray bytes(source.data(), static_cast<qsizetype>(source.size()));
  if (!printTextLines(printer(), textLines(bytes), failure)) {
    showPlainMessage(d->dialogParent(), QMessageBox::Critical, QStringLiteral("Print"), failure);
  }
}

void QtToolkit::wmessagebox(std::string_view title, std::string_view text) {
  if (State::application() == nullptr) {
    d->error("wmessagebox: winitialise was not called");
    return;
  }
  showPlainMessage(d->dialogParent(), QMessageBox::Critical, toQString(title), toQString(text));
}

bool QtToolkit::wquestion(std::string_view title, std::string_view text) {
  if (State::application() == nullptr) {
    d->error("wquestion: winitialise was not called");
    return false;
  }
  return showPlainMessage(d->dialogParent(), QMessageBox::Question, toQString(title), toQString(text),
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

SaveChangesAnswer QtToolkit::wsavechanges(std::string_view title, std::string_view text) {
  if (State::application() == nullptr) {
    d->error("wsavechanges: winitialise was not called");
    return SaveChangesAnswer::Cancel;
  }
  QMessageBox box(QMessageBox::Warning, toQString(title), toQString(text), QMessageBox::NoButton,
                  d->dialogParent());
  box.setTextFormat(Qt::PlainText);
  QPushButton* save = box.addButton(QStringLiteral("&Save"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == save) return SaveChangesAnswer::Save;
  if (box.clickedButton() == discard) return SaveChangesAnswer::Discard;
  return SaveChangesAnswer::Cancel;
}

QMainWindow* QtToolkit::mainWindow() const { return d->window.data(); }

QWidget* QtToolkit::control(int id) const { return d->form ? d->form->control(id) : nullptr; }

QWidget* QtToolkit::helpViewer() const { return d->help.data(); }

void QtToolkit::post(std::int32_t type, const MessageRecord& record) {
  if (type < kFirstOwnMessage) {
    d->error("post: " + std::to_string(type) + " is a message of the toolkit's own");
    return;
  }
  d->post(type, record.value1, record.value2);
}

void QtToolkit::windowstatusmessage(std::string_view text) {
  if (!d->window || !d->hasStatusBar) {
    d->error("windowstatusmessage: no status bar");
    return;
  }
  d->window->statusBar()->showMessage(toQString(text), kStatusMessageMilliseconds);
}

void QtToolkit::wdialogfocus(int field) {
  FormWidget* form = d->currentForm("wdialogfocus");
  if (form == nullptr) return;
  QWidget* control = form->control(field);
  if (control == nullptr || !control->isEnabled() || control->focusPolicy() == Qt::NoFocus) {
    d->error("wdialogfocus: " + std::to_string(field) + " cannot take the focus");
    return;
  }
  d->window->raise();
  d->window->activateWindow();
  control->setFocus(Qt::OtherFocusReason);
}

std::string QtToolkit::statusText(int part) const {
  return d->window ? d->window->statusText(part).toStdString() : std::string();
}

std::string QtToolkit::statusMessage() const {
  return d->window && d->hasStatusBar ? d->window->statusBar()->currentMessage().toStdString() : std::string();
}

std::size_t QtToolkit::pendingMessages() const { return d->messages.size(); }

std::size_t QtToolkit::errorCount() const { return d->errorCount; }

const std::string& QtToolkit::lastError() const { return d->lastError; }

}  // namespace kovrin
