// What a user waits for, measured on the real widgets (offscreen platform):
// the work of one keystroke in spreadsheet mode, a page change that passes
// the whole project through its file, loading and saving alone, the report,
// the page calculation alone; and, in the same run, plain stdio reading and
// writing of the same project file as the floor to compare against.
//
// Everything runs in a working folder made on the disk of the current
// folder (a real file system, not memory), holding the template and a full
// five-page project. Times are wall-clock: a save waits for the disk.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "app/processmenu.h"
#include "app/projectdocument.h"
#include "gui/houseview.h"
#include "gui/qtwindows.h"
#include "fullhouse.h"
#include "calc/calcdata.h"
#include "model/model.h"
#include "projectfile/projectfile.h"
#include "report/loadreport.h"
#include "screen/fieldtables.h"
#include "screen/commands.h"
#include "screen/transfer.h"
#include "toolkit/qt/qttoolkit.h"

namespace kovrin {
namespace {

namespace fs = std::filesystem;

constexpr const char* kProjectName = "house.prj";
constexpr const char* kFloorName = "floor.prj";

struct Session {
  QtToolkit toolkit;
  QtWindows windows{toolkit};
  ProjectModel model;
  ProjectDocument document{model, toolkit};
  fs::path folder;
};
Session* g_session = nullptr;

std::string readWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void check(benchmark::State& state, const FileResult& result) {
  if (!result) state.SkipWithError(result.message.c_str());
}

// ---------------------------------------------------------------------------
// One keystroke in spreadsheet mode.

void Keystroke_GetDataCalcData(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) {
    GetData(s.model, s.toolkit);
    CalcData(s.model, s.toolkit);
  }
}
BENCHMARK(Keystroke_GetDataCalcData)->UseRealTime();

// The same through the program's own path: a key typed into a zone field
// (a digit, then a backspace, in turn) queues a field-changed message, the
// main loop's handler fetches it and recalculates, and Qt repaints what
// changed.
void Keystroke_TypedThroughEventLoop(benchmark::State& state) {
  Session& s = *g_session;
  auto* field = qobject_cast<QLineEdit*>(s.toolkit.control(kZoneColumnFields[0].quantity[1]));
  if (field == nullptr) {
    state.SkipWithError("no line edit for the door area of zone column 1");
    return;
  }
  field->setFocus();
  field->end(false);
  QApplication::processEvents();
  std::int32_t quit = 0;
  std::int64_t handled = 0;
  bool digit = true;
  for (auto _ : state) {
    const int key = digit ? Qt::Key_5 : Qt::Key_Backspace;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, digit ? QStringLiteral("5") : QString());
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, digit ? QStringLiteral("5") : QString());
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
    digit = !digit;
    while (s.toolkit.pendingMessages() > 0) {
      std::int32_t type = 0;
      MessageRecord record;
      s.toolkit.wmessage(type, record);
      if (handleMessage(type, record, s.document, s.windows)) quit = 1;
      ++handled;
    }
    QApplication::processEvents();
  }
  if (quit != 0) state.SkipWithError("the handler asked to quit");
  if (handled == 0) state.SkipWithError("typing queued no field-changed message");
}
BENCHMARK(Keystroke_TypedThroughEventLoop)->UseRealTime();

// The main loop's whole work for one keystroke in spreadsheet mode with the
// house view open: the page read and calculated, the results shown, and the
// view brought up to date for all 50 zones and both loads, the design load
// with every house value and zone detail entered (four windows a zone), the
// eight turns and the sizes.
void Keystroke_WithHouseView(benchmark::State& state) {
  Session& s = *g_session;
  const HouseValues before = s.model.House;
  const DesignDetails detailsBefore = s.model.Details;
  enterHouseValues(s.model);
  enterZoneDetails(s.model);
  std::int32_t quit = 0;
  processmenu(kCmdHouseView, quit, s.document, s.windows);
  s.model.SpreadsheetMode = 1;
  // Each key changes the door area of zone column 1, so that the loads, the
  // view and its chart change with it, as they do while the user types.
  const int field = kZoneColumnFields[0].quantity[1];
  const MessageRecord keystroke{field, kContentChanged};
  bool larger = true;
  for (auto _ : state) {
    s.toolkit.wdialogputreal(field, larger ? 45.0f : 40.0f, kAreaFormat);
    larger = !larger;
    if (handleMessage(kFieldChanged, keystroke, s.document, s.windows)) quit = 1;
  }
  s.model.SpreadsheetMode = 0;
  s.model.House = before;
  s.model.Details = detailsBefore;
  if (QWidget* view = s.windows.houseView()) view->close();
  QApplication::processEvents();
}
BENCHMARK(Keystroke_WithHouseView)->UseRealTime();

void GetData_alone(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) GetData(s.model, s.toolkit);
}
BENCHMARK(GetData_alone)->UseRealTime();

void PutData_alone(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) PutData(s.model, s.toolkit);
}
BENCHMARK(PutData_alone)->UseRealTime();

void CalcData_alone(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) CalcData(s.model, s.toolkit);
}
BENCHMARK(CalcData_alone)->UseRealTime();

// The pure calculation: no screen.
void calculatePage_pure(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) benchmark::DoNotOptimize(calculatePage(s.model.tables(), s.model.CurrentPage, s.model.LoadChoice));
}
BENCHMARK(calculatePage_pure)->UseRealTime();

// ---------------------------------------------------------------------------
// A page change: the page on screen into the model, the whole project saved
// to its file (synced), the new page set, the whole project read back and
// the new page shown.

void PageChange_sequence(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) {
    GetData(s.model, s.toolkit);
    check(state, savedata(s.model));
    s.model.CurrentPage = s.model.CurrentPage == 1 ? 2 : 1;
    check(state, loaddata(s.model));
    PutData(s.model, s.toolkit);
  }
  s.model.CurrentPage = 1;
  PutData(s.model, s.toolkit);
}
BENCHMARK(PageChange_sequence)->UseRealTime();

// The page command as the menu runs it, status bar included.
void PageChange_menuCommand(benchmark::State& state) {
  Session& s = *g_session;
  std::int32_t quit = 0;
  for (auto _ : state) {
    processmenu(s.model.CurrentPage == 1 ? kCmdPage2 : kCmdPage1, quit, s.document, s.windows);
  }
  processmenu(kCmdPage1, quit, s.document, s.windows);
}
BENCHMARK(PageChange_menuCommand)->UseRealTime();

// ---------------------------------------------------------------------------
// Files alone.

void loaddata_alone(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) check(state, loaddata(s.model));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(kProjectName)));
}
BENCHMARK(loaddata_alone)->UseRealTime();

void savedata_alone(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) check(state, savedata(s.model));
}
BENCHMARK(savedata_alone)->UseRealTime();

// savedata less its two syncs: what building the text and replacing the
// file cost, without waiting for the disk.
void savedata_textOnly(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) benchmark::DoNotOptimize(projectText(s.model.tables()));
}
BENCHMARK(savedata_textOnly)->UseRealTime();

void parseProject_textOnly(benchmark::State& state) {
  const std::string text = readWhole(kProjectName);
  ProjectTables tables;
  for (auto _ : state) check(state, parseProject(text, kProjectName, tables));
}
BENCHMARK(parseProject_textOnly)->UseRealTime();

void PrintData_alone(benchmark::State& state) {
  Session& s = *g_session;
  for (auto _ : state) check(state, PrintData(s.model));
}
BENCHMARK(PrintData_alone)->UseRealTime();

// ---------------------------------------------------------------------------
// The floor: the same bytes read and written with plain stdio.

void Floor_stdioRead(benchmark::State& state) {
  std::array<char, 65536> buffer{};
  for (auto _ : state) {
    std::FILE* file = std::fopen(kProjectName, "rb");
    if (file == nullptr) {
      state.SkipWithError("cannot open the project file");
      break;
    }
    std::size_t total = 0;
    while (const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file)) total += got;
    std::fclose(file);
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(kProjectName)));
}
BENCHMARK(Floor_stdioRead)->UseRealTime();

// Reading the 750 numbers of the same file with fscanf, in the file's order
// of whole numbers and reals: the floor for the parsing loaddata does, with
// none of its checks.
void Floor_stdioScan(benchmark::State& state) {
  ProjectTables tables;
  for (auto _ : state) {
    std::FILE* file = std::fopen(kProjectName, "rb");
    if (file == nullptr) {
      state.SkipWithError("cannot open the project file");
      break;
    }
    int read = 0;
    for (int p = 1; p <= kPages; ++p) {
      for (int item = 1; item <= kListSelectionItems; ++item) read += std::fscanf(file, "%d", &tables.selection(item));
      for (int row = 1; row <= kPageIntegerRows; ++row) read += std::fscanf(file, "%d", &tables.integer(p, row));
      for (int row = 1; row <= kPageRealRows; ++row) read += std::fscanf(file, "%f", &tables.real(p, row));
    }
    std::fclose(file);
    if (read != kProjectFileLines) state.SkipWithError("fscanf did not read 750 numbers");
    benchmark::DoNotOptimize(tables);
  }
}
BENCHMARK(Floor_stdioScan)->UseRealTime();

void writeFloor(benchmark::State& state, bool sync) {
  const std::string text = readWhole(kProjectName);
  for (auto _ : state) {
    std::FILE* file = std::fopen(kFloorName, "wb");
    if (file == nullptr) {
      state.SkipWithError("cannot create the floor file");
      break;
    }
    std::fwrite(text.data(), 1, text.size(), file);
    if (sync) {
      std::fflush(file);
      ::fsync(::fileno(file));
    }
    std::fclose(file);
  }
}

void Floor_stdioWrite(benchmark::State& state) { writeFloor(state, false); }
BENCHMARK(Floor_stdioWrite)->UseRealTime();

// The same with the file synced to disk, as savedata does before it
// replaces the project file.
void Floor_stdioWriteSync(benchmark::State& state) { writeFloor(state, true); }
BENCHMARK(Floor_stdioWriteSync)->UseRealTime();

// ---------------------------------------------------------------------------

// The working folder: the template copied in, the program started on it,
// and a full house saved as the project file, spreadsheet mode on.
bool setUp(Session& s) {
  std::string pattern = (fs::current_path() / "bench-work-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::cerr << "cannot create a working folder in " << fs::current_path() << "\n";
    return false;
  }
  s.folder = pattern;
  std::error_code error;
  fs::copy_file(fs::path(KOVRIN_DATA_DIR) / "new.dat", s.folder / "new.dat", error);
  if (error) {
    std::cerr << "cannot copy the template: " << error.message() << "\n";
    return false;
  }
  fs::current_path(s.folder);

  startup(s.document);
  fillHouse(s.model);
  s.model.ProjectFileName.set(kProjectName);
  s.model.CurrentPage = 1;
  s.model.LoadChoice = kCooling;
  s.model.SpreadsheetMode = 1;
  if (const FileResult saved = savedata(s.model); !saved) {
    std::cerr << saved.message << "\n";
    return false;
  }
  PutData(s.model, s.toolkit);
  CalcData(s.model, s.toolkit);
  QApplication::processEvents();
  std::cerr << "Project file " << (s.folder / kProjectName).string() << ": " << fs::file_size(kProjectName)
            << " bytes\n";
  return true;
}

}  // namespace
}  // namespace kovrin

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  QApplication app(argc, argv);
  // Page changes keep the project on the list of recent projects: in a
  // scratch folder, not in the user's settings.
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

  auto* session = new kovrin::Session;
  kovrin::g_session = session;
  const bool ready = kovrin::setUp(*session);
  if (ready) benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  session->toolkit.windowclose();
  const auto folder = session->folder;
  delete session;
  if (!folder.empty()) {
    std::filesystem::current_path(folder.parent_path());
    std::filesystem::remove_all(folder);
  }
  return ready ? 0 : 1;
}
