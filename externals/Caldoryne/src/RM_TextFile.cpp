#include "RM_TextFile.h"

#include <QString>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>

#include <QtExt_WholeFileWriter.h>

namespace RM {

namespace {

void writeWholeFile(const BVX::Path & path, const QByteArray & bytes, QIODevice::OpenMode mode, const char * functionID) {
	QString reason;
	if (!QtExt::WholeFileWriter::writeFile(QString::fromStdString(path.str()), bytes, &reason, mode))
		// the system's reason first, then the file
		throw BVX::Exception(BVX::Exception(reason.toStdString(), functionID),
							 BVX::FormatText("Cannot write file '%1'.").arg(path), functionID);
}

} // namespace


void writeTextFile(const BVX::Path & path, const std::string & text, const char * functionID) {
	writeWholeFile(path, QByteArray(text.data(), static_cast<int>(text.size())), QIODevice::Text, functionID);
}


void writeBinaryFile(const BVX::Path & path, const QByteArray & bytes, const char * functionID) {
	writeWholeFile(path, bytes, QIODevice::NotOpen, functionID);
}

} // namespace RM
