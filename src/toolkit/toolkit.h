// The toolkit operations that Kovrin calls: the main window with its menu
// and status bar, typed fields of the input screen addressed by identifier,
// the blocking message wait, file selection, help and text printing.
//
// This interface names no Qt type and no type of the house; the page
// calculation, the screen layer and the program are written against it.
// QtToolkit (toolkit/qt/qttoolkit.h) implements it on Qt 6 Widgets. Kovrin's
// own windows (the house view, its dialogs) are no part of it: they live in
// gui/ behind an interface of their own.
// Operations keep their family names: wdialog* for fields of the current
// dialog, window* for the main window and its status bar, igr* for printing,
// wmessage* for messages. Field operations act on the input screen, which
// windowopen2 makes the current dialog.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/resources.h"

namespace kovrin {

// Message types delivered by wmessage.
enum MessageType : std::int32_t {
  kMenuSelect = 2,
  kCloseRequest = 9,
  kFieldChanged = 10,
  // Messages of the program's own windows are numbered from here on (their
  // numbers are in gui/gui.h). The toolkit queues them as those windows post
  // them (QtToolkit::post) and delivers them in turn with its own; they are
  // always enabled.
  kFirstOwnMessage = 100,
  // A file dropped on the main window, from a file manager; wmessagetext
  // gives its path. The toolkit's own, but always enabled like the
  // program's, so it is numbered among them: the program leaves 101 to 109
  // to the toolkit.
  kFileDropped = 101,
};

// Window options of windowopen2. There is no maximise box: the main window
// takes the fixed size of the input screen, which it could not fill.
enum WindowOption : int { kSystemMenu = 1, kMinimiseBox = 2, kStatusBar = 32 };

// What a read of an empty numeric field gives: -999, or -999.0 for a real.
inline constexpr std::int32_t kEmptyField = -999;

// Option bits of wselectfile2.
enum FileDialogOption : int { kSaveDialog = 1, kDefaultExtension = 32, kMustExist = 128 };

// The record of a message. A menu-select message carries the command
// identifier in value1. A field-changed message carries the field in value1
// and, in value2, kContentChanged when the user changed what the field holds
// (a key typed, a list item or a radio button chosen) or kFocusMoved when the
// focus only moved to that field.
struct MessageRecord {
  std::int32_t value1 = 0;
  std::int32_t value2 = 0;
};
inline constexpr std::int32_t kFocusMoved = 0;
inline constexpr std::int32_t kContentChanged = 1;

// The answers to the question about unsaved changes.
enum class SaveChangesAnswer { Save, Discard, Cancel };

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Ready the toolkit; the first call.
  virtual void winitialise() = 0;
  // Open the main window: options (kSystemMenu | ...), its menu, the dialog
  // shown as client area (and made the current dialog), and the title.
  virtual void windowopen2(int options, const MenuResource& menu, const DialogResource& dialog,
                           std::string_view title) = 0;
  // Close the main window; the last call.
  virtual void windowclose() = 0;
  // Divide the status bar into parts; widths in 1/10000 of the window width.
  virtual void windowstatusbarparts(std::span<const int> widths) = 0;
  // Show a text in status bar part 1..n. A leading tab centres the text;
  // trailing blanks are dropped.
  virtual void windowoutstatusbar(int part, std::string_view text) = 0;
  // Mark a choice of the menu (a MenuEntry with `choice`) as on or off.
  // Choosing it in the menu only delivers its command: the mark changes
  // when the program says so.
  virtual void windowmenucheck(int command, bool checked) = 0;
  // Give a menu entry, or a sub-menu's title, a text of the program's ("&"
  // marks the access letter); an empty text hides the entry until it is
  // given one again.
  virtual void windowmenutext(int command, std::string_view text) = 0;
  // Let a menu entry, or a whole sub-menu, be chosen, or grey it. Its key
  // then does nothing either.
  virtual void windowmenuenable(int command, bool enabled) = 0;

  // A message shown over the status bar parts for a while, after which they
  // show again.
  virtual void windowstatusmessage(std::string_view text) = 0;
  // Name the document the main window shows: its title becomes "<document>
  // – <the title of windowopen2>", with the mark of unsaved changes after
  // the document's name while `modified`.
  virtual void windowtitle(std::string_view document, bool modified) = 0;
  // Show an integer in a field. The field keeps the value; a value outside
  // the field's declared range is shown marked, and kept unchanged.
  virtual void wdialogputinteger(int field, std::int32_t value) = 0;
  // Show a real in a field with a display format "(Fw.d)": the fixed-decimal
  // text, leading blanks removed, or ten asterisks when it does not fit. The
  // field keeps the exact value written until the user edits it.
  virtual void wdialogputreal(int field, float value, std::string_view format) = 0;
  // Show a text in a label or a text field of the current dialog; a text
  // field keeps it as its value.
  virtual void wdialogputtext(int field, std::string_view text) = 0;
  // The text of a text field, UTF-8.
  virtual void wdialoggettext(int field, std::string& text) = 0;
  // Fill a drop-down list with items and select item `selected` (1-based).
  // A selection that is not an item number leaves no item selected and is
  // read back unchanged until the user picks an item.
  virtual void wdialogputmenu1(int field, std::span<const std::string_view> items, int count,
                               std::int32_t selected) = 0;
  // Read a field. An empty numeric field reads kEmptyField; an integer read
  // of a number with a fraction drops the fraction.
  virtual void wdialoggetinteger(int field, std::int32_t& value) = 0;
  virtual void wdialoggetreal(int field, float& value) = 0;
  // The selected item of a list (1-based).
  virtual void wdialoggetmenu1(int field, std::int32_t& value) = 0;
  // The position (1-based) of the selected button in the group of `field`.
  virtual void wdialoggetradiobutton(int field, std::int32_t& value) = 0;
  // Put the focus in a field, with the main window in front.
  virtual void wdialogfocus(int field) = 0;
  // Show a numeric field's value as out of date (dimmed, with a tooltip that
  // says to calculate) or as current again. The next value the program
  // writes into the field makes it current.
  virtual void wdialogoutofdate(int field, bool outOfDate) = 0;
  // Attach an input range to a field.
  virtual void wdialograngeinteger(int field, std::int32_t minimum, std::int32_t maximum) = 0;
  virtual void wdialograngereal(int field, float minimum, float maximum) = 0;
  // A typed field without a range that may not be left empty: emptied, it
  // keeps its value, as a field does whose range the empty read (-999)
  // lies outside.
  virtual void wdialogrequired(int field) = 0;

  // Enable (1) or disable (0) the delivery of a message type (kFieldChanged).
  virtual void wmessageenable(std::int32_t type, int enable) = 0;
  // Block until the next message.
  virtual void wmessage(std::int32_t& type, MessageRecord& record) = 0;
  // What came with the message wmessage delivered last beside its record:
  // the path of a kFileDropped message; empty for the others.
  virtual std::string wmessagetext() = 0;

  // Modal file dialog. `filter` is "description|pattern|"; `name` is the
  // in-out path: the dialog starts in its folder with its file name
  // proposed (an empty name proposes none, in the working folder).
  // `acceptLabel` is the text of the button that takes the name ("Create");
  // empty for the dialog's own ("Open", "Save"). Returns true when that
  // button closed it (name then holds the chosen path with its folder),
  // false on Cancel (name unchanged). The working folder is the same
  // afterwards.
  virtual bool wselectfile2(std::string_view filter, int options, std::string& name, std::string_view title,
                            std::string_view acceptLabel) = 0;
  // Open a help file in a viewer window of its own; returns at once.
  virtual void whelpfile1(std::string_view file) = 0;
  // Modal text printing options. `fileName` is where a printout to a file
  // (a PDF) is proposed to go; a relative name is taken from the working
  // folder. Returns true when the user accepted them, false when the user
  // cancelled: the caller then prints nothing.
  virtual bool whardcopyoptionstext(std::string_view fileName) = 0;
  // Print a text file with the printing options last accepted.
  virtual void igrhardcopytextfile(std::string_view file) = 0;

  // The user's settings: lists of texts, each kept under a key from one run
  // to the next in the user's configuration folder, shared by every Kovrin
  // the user runs. A key never written reads an empty list; a setting that
  // cannot be written is lost without a word, as it is only a convenience.
  // At most `most` entries of a list are read, however long it says it is.
  virtual std::vector<std::string> wsettingsread(std::string_view key, std::size_t most) = 0;
  virtual void wsettingswrite(std::string_view key, std::span<const std::string> values) = 0;

  // A modal message box with an error text (a file that could not be read or
  // written); returns when the user closes it.
  virtual void wmessagebox(std::string_view title, std::string_view text) = 0;
  // A modal Yes/No question; true for Yes.
  virtual bool wquestion(std::string_view title, std::string_view text) = 0;
  // The modal question before unsaved changes would be lost: "&Save",
  // "&Discard" and "Cancel"; Escape and the close box answer Cancel.
  virtual SaveChangesAnswer wsavechanges(std::string_view title, std::string_view text) = 0;
};

}  // namespace kovrin
