// The toolkit operations on Qt 6 Widgets: the only part of Kovrin that knows
// Qt.
//
// One QtToolkit serves one program run (or one test): winitialise uses the
// QApplication that exists or creates one it owns; windowopen2 builds the
// main window from a menu and a dialog resource; windowclose (or the
// destructor) removes every window the toolkit made. Several toolkits may
// follow one another in one process.
//
// Messages: user actions are queued as they happen and wmessage hands them
// out one at a time, running the Qt event loop while the queue is empty. The
// close box and a quit request of the system queue a close request; they do
// not close the window.
//
// Failures the program does not look at (a field operation without a window,
// an identifier the form does not have, a bad display format) are recorded,
// not shown: errorCount() and lastError() tell what happened. Failures a
// person must see (a missing help file, a printout that failed) come as a
// message box.
//
// Settings are kept with QSettings in the user's configuration folder
// (kovrin/kovrin.conf there); tests point XDG_CONFIG_HOME at a scratch folder.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/toolkit.h"

class QMainWindow;
class QPrinter;
class QWidget;

namespace kovrin {

class QtToolkit final : public Toolkit {
 public:
  QtToolkit();
  ~QtToolkit() override;
  QtToolkit(const QtToolkit&) = delete;
  QtToolkit& operator=(const QtToolkit&) = delete;

  void winitialise() override;
  void windowopen2(int options, const MenuResource& menu, const DialogResource& dialog,
                   std::string_view title) override;
  void windowclose() override;
  void windowstatusbarparts(std::span<const int> widths) override;
  void windowoutstatusbar(int part, std::string_view text) override;
  void windowmenucheck(int command, bool checked) override;
  void windowmenutext(int command, std::string_view text) override;
  void windowmenuenable(int command, bool enabled) override;
  void windowtitle(std::string_view document, bool modified) override;

  void wdialogputinteger(int field, std::int32_t value) override;
  void wdialogputreal(int field, float value, std::string_view format) override;
  void wdialogputtext(int field, std::string_view text) override;
  void wdialoggettext(int field, std::string& text) override;
  void windowstatusmessage(std::string_view text) override;
  void wdialogfocus(int field) override;
  void wdialogputmenu1(int field, std::span<const std::string_view> items, int count,
                       std::int32_t selected) override;
  void wdialoggetinteger(int field, std::int32_t& value) override;
  void wdialoggetreal(int field, float& value) override;
  void wdialoggetmenu1(int field, std::int32_t& value) override;
  void wdialoggetradiobutton(int field, std::int32_t& value) override;
  void wdialogoutofdate(int field, bool outOfDate) override;
  void wdialograngeinteger(int field, std::int32_t minimum, std::int32_t maximum) override;
  void wdialograngereal(int field, float minimum, float maximum) override;
  void wdialogrequired(int field) override;

  void wmessageenable(std::int32_t type, int enable) override;
  void wmessage(std::int32_t& type, MessageRecord& record) override;
  std::string wmessagetext() override;

  bool wselectfile2(std::string_view filter, int options, std::string& name, std::string_view title,
                    std::string_view acceptLabel) override;
  void whelpfile1(std::string_view file) override;
  bool whardcopyoptionstext(std::string_view fileName) override;
  void igrhardcopytextfile(std::string_view file) override;

  std::vector<std::string> wsettingsread(std::string_view key, std::size_t most) override;
  void wsettingswrite(std::string_view key, std::span<const std::string> values) override;

  void wmessagebox(std::string_view title, std::string_view text) override;
  bool wquestion(std::string_view title, std::string_view text) override;
  SaveChangesAnswer wsavechanges(std::string_view title, std::string_view text) override;

  // Queue a message of the program's own windows (type kFirstOwnMessage or
  // above) for wmessage to deliver in turn; other types are refused and
  // recorded as a failure.
  void post(std::int32_t type, const MessageRecord& record);

  // The main window, the parent of the program's own dialogs; null before
  // windowopen2 and after windowclose.
  QMainWindow* mainWindow() const;
  // What tests and the screenshot look at. Null when there is no such window
  // or control.
  QWidget* control(int id) const;
  QWidget* helpViewer() const;
  // The text of status bar part 1..n as shown (tabs taken off).
  std::string statusText(int part) const;
  // The message shown for a while over the status bar parts; empty when none.
  std::string statusMessage() const;
  // The printer that the printing options dialog sets up and printing uses.
  QPrinter& printer();
  // Messages queued and not yet fetched by wmessage.
  std::size_t pendingMessages() const;

  std::size_t errorCount() const;
  const std::string& lastError() const;

 private:
  struct State;
  std::unique_ptr<State> d;
};

}  // namespace kovrin
