#ifndef RM_TextFileH
#define RM_TextFileH

#include <string>

#include <QByteArray>

#include <BVX_Path.h>

namespace RM {

/*! Writes UTF-8 text in text mode (platform line breaks); an existing file is replaced only
	when the new one was written completely. Throws BVX::Exception "Cannot write file '%1'."
	with the given function ID on failure, above the system's reason ("No space left on device"). */
void writeTextFile(const BVX::Path & path, const std::string & text, const char * functionID);
/*! As writeTextFile(), raw bytes (no line-break translation). */
void writeBinaryFile(const BVX::Path & path, const QByteArray & bytes, const char * functionID);

} // namespace RM

#endif // RM_TextFileH
