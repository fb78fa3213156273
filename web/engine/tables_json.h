#pragma once
// The two tables as the page reads them, in JSON: the eleven modes (number, caption,
// explanation, whether they take a query) with the options of the main window, and the
// searches beside them with every option each takes (kind, label, limits, default). The
// page makes its choice of search and its controls from this, so a new row of either
// table appears on the page without page code.

#include <string>

namespace taalspoor::web {

std::string tables_json();

}  // namespace taalspoor::web
