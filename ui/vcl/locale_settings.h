// The user's locale in the process-wide format settings: short month names, the decimal and
// time separators, the long time format and the morning and afternoon markers. The converter
// loads QLocale::system() at start and again whenever the system's regional settings change.
#pragma once

#include <QLocale>
#include <string>

namespace almanix {

// Copies the locale's values into FormatSettings; everything else there stays as it is.
void LoadFormatSettings(const QLocale& Locale);

// A Qt time format ("h:mm:ss AP") as a run-time library pattern ("h:nn:ss ampm"): hours,
// minutes and seconds keep their digits, the locale's time separator becomes ':', am/pm
// markers become "ampm", other text is quoted, and time zones and milliseconds are dropped.
std::string TimePatternFromQt(const QString& Format, const QString& TimeSeparator);

}  // namespace almanix
