#pragma once
// The y-version list: the standard list with every "ij" written as "y", the puzzlers'
// convention. Built from the standard list when it is first chosen, in two passes
// through the intermediate text file ylijst.v3.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "base/event_pump.h"
#include "wordlist/file_writing.h"

namespace taalspoor {

// Replaces the lower-case pair "ij" by "y" from left to right: ijzer becomes yzer,
// ijij yy, iij iy; IJ, Ij and iJ stay.
std::string replace_ij_by_y(std::string_view word);

enum class YListBuild { built, interrupted };

// Reads the standard list in the folder in blocks (events get their turn before each)
// and writes ylijst.v3: every word that is not empty, converted, with a carriage return
// and a line feed. Ends early, writing nothing, when should_stop() says so. Throws
// FileError when the list cannot be read or the file cannot be written.
YListBuild ylijstmaken(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                       EventPump& events, WriteLayer& layer = system_write_layer());

// Writes "nlwrdiso y-versie.v3" from ylijst.v3: each line followed by one line feed.
void normaliseren(const std::filesystem::path& folder, WriteLayer& layer = system_write_layer());

// Both steps. The y-version file appears only when the whole list was converted, so an
// interrupted build leaves none behind and the next choice builds again.
YListBuild build_y_list(const std::filesystem::path& folder, const std::function<bool()>& should_stop,
                        EventPump& events, WriteLayer& layer = system_write_layer());

}  // namespace taalspoor
