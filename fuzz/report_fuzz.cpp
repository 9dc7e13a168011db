// kovrin-report's entry point with random arguments and projects. The first
// byte gives the number of arguments, each following byte picks one from a
// vocabulary of options, values and file names (one holding quotes, a
// comma, a line feed and bytes that are not UTF-8, one that begins like a
// spreadsheet formula); the rest is the project text, written to every
// project file. run() never crashes, ends 0, 1 or 2, and whenever it ends 0
// its CSV has one field count throughout and no text cell a spreadsheet
// would run as a formula, and its JSON is valid UTF-8 JSON, one object a
// line, on standard output or in -o's file (the load reports and the HTML
// house report are only made, not judged).
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/run.h"

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "report_fuzz: %s\n%s\n", what, detail.substr(0, 2000).c_str());
  std::abort();
}

struct Scratch {
  std::string folder;
  std::string plain;  // a project file with an ordinary name
  std::string odd;    // the same with an awkward name
  std::string formula;  // and with a name a spreadsheet would run, as given
  std::string output;
};

const Scratch& scratch() {
  static const Scratch* const s = [] {
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/kovrin-fuzz-XXXXXX" : "/tmp/kovrin-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) fail("cannot create a scratch folder", pattern);
    // Standard input is empty, so that "-" reads no terminal; outputs named
    // by any word land in the scratch folder, removed at the end.
    if (std::freopen("/dev/null", "r", stdin) == nullptr || ::chdir(pattern.c_str()) != 0) {
      fail("cannot prepare the scratch folder", pattern);
    }
    static const std::string* const folder = new std::string(pattern);
    std::atexit([] { std::filesystem::remove_all(*folder); });
    return new Scratch{pattern, pattern + "/house.prj", pattern + "/\"a,b\\\n\xff\xfe\x1b.prj", "=1+1.prj",
                       pattern + "/out.txt"};
  }();
  return *s;
}

void writeFile(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---------------------------------------------------------------------------
// JSON, strictly: RFC 8259 values, and UTF-8 throughout.

class Json {
 public:
  explicit Json(std::string_view text) : m_text(text) {}
  bool document() { return value() && (skip(), m_at == m_text.size()); }

 private:
  char peek() const { return m_at < m_text.size() ? m_text[m_at] : '\0'; }
  void skip() {
    while (m_at < m_text.size() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) ++m_at;
  }
  bool literal(std::string_view word) {
    if (m_text.substr(m_at, word.size()) != word) return false;
    m_at += word.size();
    return true;
  }
  bool digits() {
    const std::size_t from = m_at;
    while (peek() >= '0' && peek() <= '9') ++m_at;
    return m_at > from;
  }
  bool number() {
    if (peek() == '-') ++m_at;
    if (peek() == '0') {
      ++m_at;
    } else if (!digits()) {
      return false;
    }
    if (peek() == '.' && (++m_at, !digits())) return false;
    if (peek() == 'e' || peek() == 'E') {
      ++m_at;
      if (peek() == '+' || peek() == '-') ++m_at;
      if (!digits()) return false;
    }
    return true;
  }
  bool string() {
    if (!literal("\"")) return false;
    while (m_at < m_text.size()) {
      const auto c = static_cast<unsigned char>(m_text[m_at]);
      if (c == '"') return ++m_at, true;
      if (c < 0x20) return false;
      if (c == '\\') {
        ++m_at;
        if (literal("u")) {
          for (int i = 0; i < 4; ++i, ++m_at) {
            if (!std::isxdigit(static_cast<unsigned char>(peek()))) return false;
          }
        } else if (std::string_view("\"\\/bfnrt").find(peek()) == std::string_view::npos || peek() == '\0') {
          return false;
        } else {
          ++m_at;
        }
      } else if (c < 0x80) {
        ++m_at;
      } else if (!utf8()) {
        return false;
      }
    }
    return false;
  }
  // One UTF-8 character of two to four bytes, no overlong form or surrogate.
  bool utf8() {
    const auto at = [&](std::size_t i) { return m_at + i < m_text.size() ? static_cast<unsigned char>(m_text[m_at + i]) : 0; };
    const unsigned lead = at(0);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    std::uint32_t code = lead & (0x7Fu >> length);
    if (lead < 0xC2 || lead > 0xF4) return false;
    for (std::size_t i = 1; i < length; ++i) {
      if ((at(i) & 0xC0) != 0x80) return false;
      code = code << 6 | (at(i) & 0x3F);
    }
    const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    m_at += length;
    return true;
  }
  bool members(char close, bool keyed) {
    skip();
    if (peek() == close) return ++m_at, true;
    for (;;) {
      if (keyed && !(skip(), string() && (skip(), literal(":")))) return false;
      if (!value()) return false;
      skip();
      if (peek() == close) return ++m_at, true;
      if (!literal(",")) return false;
    }
  }
  bool value() {
    skip();
    if (++m_depth > 64) return false;
    bool ok = false;
    switch (peek()) {
      case '{': ++m_at, ok = members('}', true); break;
      case '[': ++m_at, ok = members(']', false); break;
      case '"': ok = string(); break;
      case 't': ok = literal("true"); break;
      case 'f': ok = literal("false"); break;
      case 'n': ok = literal("null"); break;
      default: ok = number(); break;
    }
    --m_depth;
    return ok;
  }

  std::string_view m_text;
  std::size_t m_at = 0;
  int m_depth = 0;
};

// Whether a field that starts at `at` would be run by a spreadsheet: one
// that begins with = + - @, a tab or a carriage return, within quotes or
// not, and is no number.
bool formulaAt(std::string_view text, std::size_t at) {
  if (at < text.size() && text[at] == '"') ++at;
  if (at >= text.size() || std::string_view("=+-@\t\r").find(text[at]) == std::string_view::npos) return false;
  std::size_t end = at + 1;
  while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.')) ++end;
  return !(text[at] == '-' && end > at + 1 && (end == text.size() || text[end] == ',' || text[end] == '\n'));
}

// The fields of one CSV record starting at `at`, quotes doubled inside
// quoted fields; -1 when the record is malformed or a field would run as a
// formula.
int csvRecord(std::string_view text, std::size_t& at) {
  int fields = 1;
  while (at < text.size()) {
    if (formulaAt(text, at)) return -1;
    if (text[at] == '"') {
      for (++at;; ++at) {
        if (at >= text.size()) return -1;
        if (text[at] == '"' && (at + 1 >= text.size() || text[at + 1] != '"')) break;
        if (text[at] == '"') ++at;
      }
      ++at;
      if (at < text.size() && text[at] != ',' && text[at] != '\n') return -1;
    }
    while (at < text.size() && text[at] != ',' && text[at] != '\n') {
      if (text[at] == '"') return -1;
      ++at;
    }
    if (at >= text.size()) return -1;  // every record ends with a line feed
    if (text[at++] == '\n') return fields;
    ++fields;
  }
  return -1;
}

void checkCsv(const std::string& text) {
  std::size_t at = 0;
  const int header = csvRecord(text, at);
  if (header < 2) fail("a CSV header that does not parse", text);
  while (at < text.size()) {
    if (csvRecord(text, at) != header) fail("a CSV record that does not parse to the header's fields", text);
  }
}

void checkJson(const std::string& text) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.empty() || line.front() != '{' || !Json(line).document()) fail("a JSON line that does not parse", line);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Scratch& s = scratch();
  const std::array<std::string, 25> vocabulary = {
      "--csv", "--json", "--breakdown", "--page", "1", "5", "0", "--heating", "--cooling", "--all-pages", "-o",
      s.output, "--", "--help", s.plain, s.odd, "-", s.folder, "/dev/null", "x", "", "--page=2", "--html", "--date",
      s.formula};
  std::vector<std::string> args;
  std::size_t at = 0;
  const std::size_t count = size > 0 ? data[at++] % 12 : 0;
  for (; args.size() < count && at < size; ++at) args.push_back(vocabulary[data[at] % vocabulary.size()]);
  const std::string_view project(reinterpret_cast<const char*>(data) + at, size - at);
  writeFile(s.plain, project);
  writeFile(s.odd, project);
  writeFile(s.formula, project);
  ::unlink(s.output.c_str());

  std::ostringstream out;
  std::ostringstream err;
  const int status = kovrin::run(args, out, err);
  if (status < 0 || status > 2) fail("an exit status other than 0, 1 and 2", std::to_string(status));
  if (status != 0) return 0;
  // What the arguments asked for, read as run() reads them.
  std::string output;
  bool csv = false;
  bool json = false;
  bool html = false;
  bool summary = true;
  for (std::size_t i = 0; i < args.size() && args[i] != "--"; ++i) {
    const std::string& arg = args[i];
    if (arg == "-o") output = args[i + 1];  // it has a value, or run() would have ended 2
    if (arg == "-o" || arg == "--page" || arg == "--date") {
      summary = summary && arg != "--page";
      ++i;
      continue;
    }
    csv = csv || arg == "--csv";
    json = json || arg == "--json";
    html = html || arg == "--html";
    summary = summary && arg != "--help" && arg != "-h" && arg != "--all-pages";
  }
  if (!summary || output == "/dev/null") return 0;
  const std::string written = output.empty() ? out.str() : readFile(output);
  if (csv) checkCsv(written);
  if (json) checkJson(written);
  // The text summary, for a terminal, holds no control character but its
  // line ends, whatever a file name or a zone's name holds.
  if (!csv && !json && !html) {
    for (const char c : written) {
      if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F) {
        fail("a raw control character in the text", written);
      }
    }
  }
  return 0;
}
