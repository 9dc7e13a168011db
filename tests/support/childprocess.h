// Running part of a test in a child process: a shell command, as a user
// would type it (under prlimit, with pipes), or a function as an ordinary
// user. The child's end shows whatever happens in it, a signal included,
// without ending the test.
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace kovrin::test {

struct ChildEnd {
  int status = -1;  // the exit status, or -1 when a signal ended the child
  int signal = 0;   // the signal that ended it, or 0
  std::string out;
  std::string err;
  long peakKilobytes = 0;  // the largest resident size of the child or its children
};

namespace detail {
inline ChildEnd waitFor(pid_t child) {
  ChildEnd end;
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) != child) return end;
  if (WIFEXITED(status)) end.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
  end.peakKilobytes = usage.ru_maxrss;
  return end;
}
inline std::string take(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::filesystem::remove(path);
  return text;
}
}  // namespace detail

// Runs `script` with bash in `folder`; its standard output and error are
// kept in files beside it until it ends.
inline ChildEnd runShell(const std::string& script, const std::filesystem::path& folder) {
  const std::filesystem::path out = folder / ".child-out";
  const std::filesystem::path err = folder / ".child-err";
  const pid_t child = ::fork();
  if (child == 0) {
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (o < 0 || e < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0 || ::chdir(folder.c_str()) != 0) ::_exit(127);
    ::execl("/bin/bash", "bash", "-c", script.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ChildEnd end = detail::waitFor(child);
  end.out = detail::take(out);
  end.err = detail::take(err);
  return end;
}

// Runs `body` in a child process, whose exit status is what `body` returns:
// limits and signal settings made there end with it.
inline int runInChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  return detail::waitFor(child).status;
}

// The same as an ordinary user: where the tests run as root, who passes
// every permission check, the child takes user and group 65534 (nobody).
inline int runAsOrdinaryUser(const std::function<int()>& body) {
  return runInChild([&] {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
      return 126;
    }
    return body();
  });
}

}  // namespace kovrin::test
