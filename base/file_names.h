#pragma once
// The files of the working folder, by the names the program gives them.

namespace taalspoor {

inline constexpr const char* standard_list_name = "nlwrdiso.v3";
inline constexpr const char* y_list_name = "nlwrdiso y-versie.v3";
inline constexpr const char* y_intermediate_name = "ylijst.v3";
inline constexpr const char* own_list_name = "Mijnlijst.txt";

}  // namespace taalspoor
