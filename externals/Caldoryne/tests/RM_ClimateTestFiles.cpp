#include "RM_ClimateTestFiles.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace RMTest {

void writeEpwHeader(const QString & path, const QString & city, const QString & country,
					double latitude, double longitude, int timeZone)
{
	QFile f(path);
	if (!f.open(QIODevice::WriteOnly))
		return;
	QTextStream s(&f);
	s.setCodec("UTF-8");
	s << "LOCATION," << city << ",XX," << country << ",test,100000," << latitude << "," << longitude
	  << "," << timeZone << ".0,50\n"
	  << "DESIGN CONDITIONS,0\n"
	  << "TYPICAL/EXTREME PERIODS,0\n"
	  << "GROUND TEMPERATURES,0\n"
	  << "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0\n"
	  << "COMMENTS 1,written by a test\n"
	  << "COMMENTS 2,\n"
	  << "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31\n";
}


void writeAnnualWac(const QString & path, const QString & city,
					const std::function<double(unsigned int)> & tempOfHour, unsigned int dataLines)
{
	QFile f(path);
	if (!f.open(QIODevice::WriteOnly))
		return;
	QTextStream s(&f);
	s.setCodec("UTF-8");
	s << "WAC\n10\n" << city << "\ncomment\n13.4\n52.5\n40\n1\n1\n8760\n4\n"
	  << "TA\tHREL\tISDH\tISD\n";
	for (unsigned int h = 0; h < dataLines; ++h)
		s << tempOfHour(h) << "\t0.5\t0\t0\n";
}


bool makeDir(const QString & path) {
	return QDir().mkpath(path);
}

} // namespace RMTest
