// Any bytes as a project file. Loading never crashes and ends one of two
// ways: all 750 values are in the model (with a warning that names the first
// line it ignored after them, if any), or it fails with a message that
// names a line or the size bound, and the model's tables are bit for bit
// what they were. The file reader, the text parser and the reader fed in
// pieces of random sizes agree on every input. A file that loaded saves to a
// text that loads to the same tables, names, details and house values
// included, and saves to the same bytes.
//
// An input whose first byte is 0xFF stands for the rest of it repeated to
// 1..8 MiB, so that small inputs reach the reader's bounds and send lines
// across the 64 KiB pieces a file is read in. One whose first byte is 0xFE
// holds a head, a unit and a tail apart by zero bytes after a second byte:
// the unit is repeated between them until the text comes within a unit of a
// size near one of the reader's bounds (the whole file, or one line after
// the head), which the second byte picks and moves by up to 127 bytes. So a
// save can be led right up to what the reader takes, and past it (the seed
// near_line_limit; a whole file of notes near 4 MiB takes seconds in this
// build, so the unit tests hold that bound).
#include <fcntl.h>
#include <unistd.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "projectfile/projectfile.h"

namespace {

using kovrin::FileResult;
using kovrin::ProjectModel;
using kovrin::ProjectTables;

[[noreturn]] void fail(const char* what, const std::string& detail = {}) {
  std::fprintf(stderr, "loaddata_fuzz: %s%s%s\n", what, detail.empty() ? "" : ": ", detail.c_str());
  std::abort();
}

// The scratch file, on a memory file system where there is one. Its name is
// never freed, so that the clean-up at exit can still read it.
const std::string& scratchPath() {
  static const std::string* const path = [] {
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/kovrin-fuzz-XXXXXX" : "/tmp/kovrin-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) fail("cannot create a scratch folder");
    static const std::string* folder = new std::string(pattern);
    std::atexit([] {
      ::unlink((*folder + "/project.prj").c_str());
      ::rmdir(folder->c_str());
    });
    return new std::string(pattern + "/project.prj");
  }();
  return *path;
}

// 0xFE, a byte, HEAD \0 UNIT \0 TAIL: see above.
std::string nearBound(std::string_view input) {
  const auto choice = static_cast<unsigned char>(input[1]);
  input.remove_prefix(2);
  const std::string_view head = input.substr(0, input.find('\0'));
  input.remove_prefix(std::min(input.size(), head.size() + 1));
  const std::string_view unit = input.substr(0, input.find('\0'));
  const std::string_view tail = input.substr(std::min(input.size(), unit.size() + 1));
  const std::size_t bound = (choice & 1) != 0 ? kovrin::kMaxProjectBytes : head.size() + kovrin::kMaxLineBytes;
  const std::size_t target = bound + (choice >> 1) - 64;
  std::string text(head);
  while (!unit.empty() && text.size() + unit.size() + tail.size() <= target) text += unit;
  text += tail;
  return text;
}

std::string textOf(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  if (size >= 2 && data[0] == 0xFE) return nearBound(input);
  if (size < 2 || data[0] != 0xFF) return std::string(input);
  const std::string_view unit = input.substr(1);
  const std::size_t length = (std::size_t{1} << 20) * (1 + unit.size() % 8);
  std::string text;
  text.reserve(length + unit.size());
  while (text.size() < length) text += unit;
  return text;
}

// The same text handed to the reader in pieces of sizes drawn from the text.
kovrin::FileResult parseInPieces(std::string_view text, ProjectTables& out) {
  kovrin::ProjectParser parser(scratchPath(), out);
  std::uint64_t state = text.size() * 0x9E3779B97F4A7C15u + 1;
  while (!text.empty()) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    const std::size_t size = std::min<std::size_t>(text.size(), 1 + (state >> 33) % 100000);
    if (!parser.feed(text.substr(0, size))) break;
    text.remove_prefix(size);
  }
  return parser.finish();
}

void writeScratch(const std::uint8_t* data, std::size_t size) {
  const int fd = ::open(scratchPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) fail("cannot write the scratch file");
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written <= 0) fail("cannot write the scratch file");
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  ::close(fd);
}

// The house's values bit for bit: their text keeps even the sign of a zero.
bool sameHouse(const kovrin::HouseValues& a, const kovrin::HouseValues& b) {
  if (a.SizeFor != b.SizeFor) return false;
  for (std::size_t i = 0; i < a.Entered.size(); ++i) {
    if (a.Entered[i].has_value() != b.Entered[i].has_value()) return false;
    if (a.Entered[i] && std::bit_cast<std::uint64_t>(*a.Entered[i]) != std::bit_cast<std::uint64_t>(*b.Entered[i])) {
      return false;
    }
  }
  return true;
}

// Equal bit for bit: the reals by their bits, the rest by value.
bool identical(const ProjectTables& a, const ProjectTables& b) {
  return a.ListSelections == b.ListSelections && a.PageIntegers == b.PageIntegers &&
         std::memcmp(&a.PageReals, &b.PageReals, sizeof a.PageReals) == 0 && a.ZoneNames == b.ZoneNames &&
         a.Job == b.Job && sameHouse(a.House, b.House) && a.OtherNotes == b.OtherNotes;
}

// Equal bit for bit but for the sign of a zero, which the text does not keep.
bool sameValues(const ProjectTables& a, const ProjectTables& b) {
  if (a.ListSelections != b.ListSelections || a.PageIntegers != b.PageIntegers) return false;
  if (a.ZoneNames != b.ZoneNames || a.Job != b.Job || a.OtherNotes != b.OtherNotes) return false;
  if (!sameHouse(a.House, b.House)) return false;
  for (int p = 1; p <= kovrin::kPages; ++p) {
    for (int row = 1; row <= kovrin::kPageRealRows; ++row) {
      const float x = a.real(p, row);
      const float y = b.real(p, row);
      if (std::bit_cast<std::uint32_t>(x) != std::bit_cast<std::uint32_t>(y) && !(x == 0 && y == 0)) return false;
    }
  }
  return true;
}

// A model that no file holds: any value a partial load wrote would show.
void fillWithMarker(ProjectModel& model) {
  ProjectTables marker;
  std::uint32_t bits = 0x9e3779b9;
  auto next = [&bits] { return bits = bits * 1664525u + 1013904223u; };
  for (auto& v : marker.ListSelections) v = static_cast<std::int32_t>(next());
  for (auto& page : marker.PageIntegers) {
    for (auto& v : page) v = static_cast<std::int32_t>(next());
  }
  for (auto& page : marker.PageReals) {
    for (auto& v : page) v = std::bit_cast<float>(next());
  }
  marker.zoneName(7) = "marker";
  marker.Job.Note = "marker";
  marker.OtherNotes.push_back({"marker", "marker"});
  marker.House[kovrin::HouseValue::Occupants] = 7;
  marker.House.SizeFor = kovrin::SizingOrientation::Worst;
  model.setTables(marker);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = textOf(data, size);
  writeScratch(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());

  ProjectModel model;
  fillWithMarker(model);
  const ProjectTables before = model.tables();
  if (!model.ProjectFileName.set(scratchPath())) fail("scratch path too long");
  const FileResult loaded = loaddata(model);

  ProjectTables parsed = before;
  const FileResult parsedResult = kovrin::parseProject(text, scratchPath(), parsed);
  if (loaded.ok != parsedResult.ok || loaded.message != parsedResult.message ||
      loaded.warning != parsedResult.warning) {
    fail("the file reader and the text parser disagree", loaded.message + loaded.warning + " | " +
                                                             parsedResult.message + parsedResult.warning);
  }
  ProjectTables pieces = before;
  const FileResult piecesResult = parseInPieces(text, pieces);
  if (piecesResult.ok != loaded.ok || piecesResult.message != loaded.message ||
      piecesResult.warning != loaded.warning) {
    fail("the reader fed in pieces and the file reader disagree",
         piecesResult.message + piecesResult.warning + " | " + loaded.message + loaded.warning);
  }
  // Lines ignored after the values are named by the first of them.
  if (!loaded.warning.empty() && (!loaded || loaded.warning.find(", line ") == std::string::npos)) {
    fail("a warning names no line after the values", loaded.warning);
  }

  if (!loaded) {
    if (!identical(model.tables(), before)) fail("a failed load changed the model", loaded.message);
    if (loaded.message.find("line ") == std::string::npos && loaded.message.find(" bytes were read") == std::string::npos) {
      fail("the message names no line", loaded.message);
    }
    return 0;
  }
  if (!identical(model.tables(), parsed) || !identical(pieces, parsed)) {
    fail("the file reader, the text parser and the reader in pieces loaded different values");
  }

  // A save checks its text against the reader's bounds, and refuses it
  // exactly when the reader would.
  const std::string saved = kovrin::projectText(model.tables());
  ProjectTables again;
  const FileResult reloaded = kovrin::parseProject(saved, "saved.prj", again);
  const FileResult fits = kovrin::checkReadableSize(saved, "saved.prj");
  if (fits.ok != reloaded.ok) {
    fail("the save's check of its size and the reader disagree", fits.message + " | " + reloaded.message);
  }
  if (!reloaded) return 0;
  if (!sameValues(again, model.tables())) fail("a loaded project saved to a text that loads other values");
  if (kovrin::projectText(again) != saved) fail("saving a reloaded project changed its text");
  return 0;
}
