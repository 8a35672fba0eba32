#ifndef RM_LogBannerH
#define RM_LogBannerH

#include <QString>

namespace RM {

/*! Writes the banner that opens every program log and run screen log into a new file
	(an existing one is emptied): "Caldoryn 3.2, started " with the local date and time,
	a line of 70 dashes and an empty line. False when the file cannot be written. */
bool writeLogBanner(const QString & path);

} // namespace RM

#endif // RM_LogBannerH
