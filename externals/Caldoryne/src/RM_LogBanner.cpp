#include "RM_LogBanner.h"
#include "RM_ProgramIdentity.h"

#include <QDateTime>
#include <QFile>
#include <QTextStream>

namespace RM {

bool writeLogBanner(const QString & path) {
	QFile f(path);
	if (!f.open(QIODevice::WriteOnly))
		return false;
	QTextStream s(&f);
	// "Caldoryn " without the final e is the historic banner text, kept on purpose
	s << "Caldoryn " << ProgramIdentity::VERSION << ", started "
	  << QDateTime::currentDateTime().toLocalTime().toString(Qt::TextDate) << "\n"
	  << QString(70, '-') << "\n\n";
	s.flush();
	return f.error() == QFile::NoError;
}

} // namespace RM
