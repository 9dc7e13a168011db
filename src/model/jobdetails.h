// The job a project is for, and one table of its details: their keys in the
// project file's notes, their labels on the Project Details dialog and in
// the house report, their names in kovrin-report's JSON, and whether they
// may run over several lines. Every place that lists the details walks this
// table, in its order.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kovrin {

// The job a project is for; it heads the house report. The address and the
// note may hold line breaks.
struct JobDetails {
  std::string Client;
  std::string SiteAddress;
  std::string Designer;
  std::string DesignDate;
  std::string Note;

  friend bool operator==(const JobDetails&, const JobDetails&) = default;
};

struct JobDetailField {
  std::string JobDetails::*member;
  std::string_view fileKey;  // "site address = ..." in the notes
  std::string_view label;    // "&" marks the dialog's access letter
  std::string_view jsonKey;
  bool multiline;
};

inline constexpr std::array<JobDetailField, 5> kJobDetailFields = {{
    {&JobDetails::Client, "client", "&Client", "client", false},
    {&JobDetails::SiteAddress, "site address", "Site &address", "siteAddress", true},
    {&JobDetails::Designer, "designer", "De&signer", "designer", false},
    {&JobDetails::DesignDate, "design date", "&Date of the design", "designDate", false},
    {&JobDetails::Note, "note", "&Note", "note", true},
}};

// A label as text, without the mark of its access letter.
inline std::string plainLabel(std::string_view label) {
  std::string text(label);
  if (const auto mark = text.find('&'); mark != std::string::npos) text.erase(mark, 1);
  return text;
}

}  // namespace kovrin
