#ifndef RM_ClimateTestFilesH
#define RM_ClimateTestFilesH

#include <functional>

#include <QString>

namespace RMTest {

/*! Writes an EPW file with the eight header lines only (enough for a header read). */
void writeEpwHeader(const QString & path, const QString & city, const QString & country,
					double latitude = 52.5, double longitude = 13.4, int timeZone = 1);

/*! Writes an annual WAC file with hourly air temperatures tempOfHour(h), h = 0..8759;
	with dataLines < 8760 the table is cut short (the header still announces 8760 lines). */
void writeAnnualWac(const QString & path, const QString & city,
					const std::function<double(unsigned int)> & tempOfHour, unsigned int dataLines = 8760);

/*! Creates the directory with all missing parents; false on failure. */
bool makeDir(const QString & path);

} // namespace RMTest

#endif // RM_ClimateTestFilesH
