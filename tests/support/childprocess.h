// Running part of a test in a child process: a shell command as a user types
// it (under prlimit, with pipes), or a function, possibly as an ordinary
// user. Whatever ends the child, a signal included, ends only the child.
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
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
  int signal = 0;   // that signal
  std::string out;
  std::string err;
  long peakKilobytes = 0;  // the largest resident size of the child or its children
};

// Runs `body` in a child process and waits for it; its exit status is what
// `body` returns. Limits and signal settings made there end with it.
inline ChildEnd runInChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  ChildEnd end;
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) != child) return end;
  if (WIFEXITED(status)) end.status = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
  end.peakKilobytes = usage.ru_maxrss;
  return end;
}

// Whether `body` holds in a child whose files may not grow past `bytes`, as
// on a nearly full disk (and even for root): a write past it fails with EFBIG,
// SIGXFSZ being ignored there as the programs ignore it.
inline bool underFileSizeLimit(rlim_t bytes, const std::function<bool()>& body) {
  return runInChild([&] {
           ::signal(SIGXFSZ, SIG_IGN);
           const rlimit limit{bytes, bytes};
           return ::setrlimit(RLIMIT_FSIZE, &limit) == 0 && body() ? 0 : 1;
         }).status == 0;
}

// Runs `script` with bash in `folder`, pipelines failing as their first
// failing command does.
inline ChildEnd runShell(const std::string& script, const std::filesystem::path& folder) {
  const auto out = folder / ".child-out";
  const auto err = folder / ".child-err";
  ChildEnd end = runInChild([&] {
    const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (o < 0 || e < 0 || ::dup2(o, 1) < 0 || ::dup2(e, 2) < 0 || ::chdir(folder.c_str()) != 0) return 127;
    ::execl("/bin/bash", "bash", "-o", "pipefail", "-c", script.c_str(), static_cast<char*>(nullptr));
    return 127;
  });
  for (auto [path, text] : {std::pair{out, &end.out}, std::pair{err, &end.err}}) {
    std::ifstream in(path, std::ios::binary);
    text->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
  }
  return end;
}

// The same as an ordinary user: where the tests run as root, who passes
// every permission check, the child takes user and group 65534 (nobody).
inline int runAsOrdinaryUser(const std::function<int()>& body) {
  return runInChild([&] {
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
      return 126;
    }
    return body();
  }).status;
}

}  // namespace kovrin::test
