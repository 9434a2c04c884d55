#pragma once
// Where two settings images differ, item by item, in the operator's terms: what verifying a
// unit against the document, and comparing two documents, report.
#include <string>
#include <vector>

#include "settings/settings_image.h"
#include "titles/readable_title.h"

namespace vtg {

struct Difference {
  std::string item;      // "White Level", "表示位置 ch.1 Top", "タイトル ch.2 Top Page05"
  std::string document;  // the value as text: the document's, or the first image's
  std::string unit;      // the unit's, or the second image's
  bool operator==(const Difference&) const = default;
};

// Every persisted setting the unit would hold differently: the levels, then line by line,
// then page by page. Titles compare by the codes they are sent as, so trailing full-width
// spaces, and characters the unit keeps in another form of the code page, differ in no way
// the unit shows.
std::vector<Difference> CompareSettings(const SettingsImage& document, const SettingsImage& unit,
                                        const ShiftJisDecoder& decode);

}  // namespace vtg
