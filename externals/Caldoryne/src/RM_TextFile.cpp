#include "RM_TextFile.h"

#include <QSaveFile>
#include <QString>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>

namespace RM {

void writeTextFile(const BVX::Path & path, const std::string & text, const char * functionID) {
	QSaveFile file(QString::fromStdString(path.str()));
	const qint64 size = static_cast<qint64>(text.size());
	if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || file.write(text.data(), size) != size || !file.commit())
		throw BVX::Exception(BVX::FormatText("Cannot write file '%1'.").arg(path), functionID);
}

} // namespace RM
