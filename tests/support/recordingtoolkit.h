// A toolkit for the tests of the core that records the integers the page
// calculation shows and does nothing else. The screen and the commands are
// tested on the real widgets instead.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "toolkit/toolkit.h"

namespace kovrin::test {

class RecordingToolkit : public Toolkit {
 public:
  std::vector<std::pair<int, std::int32_t>> shown;
  void wdialogputinteger(int field, std::int32_t value) override { shown.emplace_back(field, value); }

  void winitialise() override {}
  void windowopen2(int, const MenuResource&, const DialogResource&, std::string_view) override {}
  void windowclose() override {}
  void windowstatusbarparts(std::span<const int>) override {}
  void windowoutstatusbar(int, std::string_view) override {}
  void windowmenucheck(int, bool) override {}
  void windowmenutext(int, std::string_view) override {}
  void windowmenuenable(int, bool) override {}
  void wdialogputreal(int, float, std::string_view) override {}
  void wdialogputtext(int, std::string_view) override {}
  void wdialoggettext(int, std::string&) override {}
  void windowstatusmessage(std::string_view) override {}
  void windowtitle(std::string_view, bool) override {}
  void wdialogfocus(int) override {}
  void wdialogputmenu1(int, std::span<const std::string_view>, int, std::int32_t) override {}
  void wdialoggetinteger(int, std::int32_t&) override {}
  void wdialoggetreal(int, float&) override {}
  void wdialoggetmenu1(int, std::int32_t&) override {}
  void wdialoggetradiobutton(int, std::int32_t&) override {}
  void wdialogoutofdate(int, bool) override {}
  void wdialograngeinteger(int, std::int32_t, std::int32_t) override {}
  void wdialograngereal(int, float, float) override {}
  void wdialogrequired(int) override {}
  void wmessageenable(std::int32_t, int) override {}
  void wmessage(std::int32_t&, MessageRecord&) override {}
  std::string wmessagetext() override { return {}; }
  bool wselectfile2(std::string_view, int, std::string&, std::string_view, std::string_view) override {
    return false;
  }
  void whelpfile1(std::string_view) override {}
  bool whardcopyoptionstext(std::string_view) override { return false; }
  void igrhardcopytextfile(std::string_view) override {}
  std::vector<std::string> wsettingsread(std::string_view, std::size_t) override { return {}; }
  void wsettingswrite(std::string_view, std::span<const std::string>) override {}
  void wmessagebox(std::string_view, std::string_view) override {}
  bool wquestion(std::string_view, std::string_view) override { return false; }
  SaveChangesAnswer wsavechanges(std::string_view, std::string_view) override { return SaveChangesAnswer::Cancel; }
};

}  // namespace kovrin::test
