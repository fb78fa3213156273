// The engine's two tables as the page reads them, printed at build time into the site's
// tables.json: the page offers its choice of search and the options from it before the
// engine and the word list have loaded.
//   node build-web/wasm/web/taalspoor_tables.js > build-web/site/tables.json
#include <cstdio>

#include "web/engine/tables_json.h"

int main() {
    const std::string json = taalspoor::web::tables_json();
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    return 0;
}
