#include "cli/file_failure.h"

#include <filesystem>
#include <iostream>

#include "base/latin1.h"

namespace taalspoor::cli {

int report_file_failure(const FileError& e, const std::string& list_file_name) {
    std::cerr << "taalspoor-zoek: " << latin1_to_utf8(e.what()) << '\n';
    std::error_code ec;
    if (std::filesystem::exists(list_file_name, ec)) return 3;
    const std::filesystem::path folder = std::filesystem::current_path(ec);
    std::cerr << "taalspoor-zoek: de woordenlijst <" << list_file_name << "> staat niet in de huidige map "
              << folder.string() << "; taalspoor-zoek zoekt in de map waarin het gestart wordt.\n"
              << "taalspoor-zoek: 'taalspoor-start --alleen-map' maakt de map ~/Taalspoor (of $TAALSPOOR_MAP) "
                 "klaar met de woordenlijst; start taalspoor-zoek daar.\n";
    return 3;
}

}  // namespace taalspoor::cli
