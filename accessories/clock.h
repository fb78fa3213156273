#pragma once
// The texts of the two time reports of the Bestand menu.

#include <QString>
#include <cstdint>

class QDateTime;
class QLocale;

namespace taalspoor {

// The time in the locale's long time format, the date in its short date format.
QString current_time_text(const QDateTime& now, const QLocale& locale);

// Whole minutes (never reduced to hours) and the seconds left over; fractions of a
// second are cut off.
QString elapsed_time_text(std::int64_t since_boot_ms, std::int64_t since_start_ms);

}  // namespace taalspoor
