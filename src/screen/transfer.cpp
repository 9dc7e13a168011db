#include "screen/transfer.h"

#include <string>

#include "screen/fieldtables.h"
#include "screen/form.h"
#include "toolkit/toolkit.h"

namespace kovrin {

namespace {

bool isPage(std::int32_t page) { return page >= 1 && page <= kPages; }

}  // namespace

void GetData(ProjectModel& model, Toolkit& toolkit) {
  // The model's accessors would refuse a page outside 1..5; a transfer
  // before start-up has set the page simply has nothing to copy.
  if (!isPage(model.CurrentPage)) return;
  const int page = model.CurrentPage;

  toolkit.wdialoggetradiobutton(kHeatingButton, model.LoadChoice);
  for (int item = 1; item <= kListSelectionItems; ++item) {
    toolkit.wdialoggetmenu1(listField(item).field, model.selection(item));
  }
  for (int row = 1; row <= kPageIntegerRows; ++row) {
    toolkit.wdialoggetinteger(integerRowField(row), model.integer(page, row));
  }
  for (int row = 1; row <= kPageRealRows; ++row) {
    const int field = realRowField(row);
    if (field == kNoField) continue;  // ReservedSlot only travels with the file
    toolkit.wdialoggetreal(field, model.real(page, row));
  }
  for (int c = 1; c <= kZoneColumns; ++c) toolkit.wdialoggettext(zoneNameField(c), model.zoneName(zoneNumber(page, c)));
}

void PutData(const ProjectModel& model, Toolkit& toolkit) {
  if (!isPage(model.CurrentPage)) return;
  const int page = model.CurrentPage;

  for (const int row : kShownIntegerRows) {
    toolkit.wdialogputinteger(integerRowField(row), model.integer(page, row));
  }
  for (int row = 1; row <= kPageRealRows; ++row) {
    const int field = realRowField(row);
    if (field == kNoField) continue;
    toolkit.wdialogputreal(field, model.real(page, row), realRowFormat(row));
  }
  // The entries are written every time: they replace whatever the list held,
  // the initial items of the form included.
  for (int item = 1; item <= kListSelectionItems; ++item) {
    const SelectionList& list = listField(item);
    toolkit.wdialogputmenu1(list.field, list.entries, static_cast<int>(list.entries.size()),
                            model.selection(item));
  }
  for (int c = 1; c <= kZoneColumns; ++c) toolkit.wdialogputtext(zoneNameField(c), model.zoneName(zoneNumber(page, c)));
}

void ShowZoneNumbers(const ProjectModel& model, Toolkit& toolkit) {
  if (!isPage(model.CurrentPage)) return;
  for (int c = 1; c <= kZoneColumns; ++c) {
    toolkit.wdialogputtext(kFirstZoneNumberLabel + c - 1, std::to_string(zoneNumber(model.CurrentPage, c)));
  }
}

void ShowLoadCaption(std::int32_t loadChoice, Toolkit& toolkit) {
  toolkit.wdialogputtext(kLoadCaptionLabel, loadChoice == kHeating ? "Heating, Btu/h" : "Cooling, Btu/h");
}

}  // namespace kovrin
