#ifndef RM_TextFileH
#define RM_TextFileH

#include <string>

#include <BVX_Path.h>

namespace RM {

/*! Writes UTF-8 text in text mode (platform line breaks); an existing file is replaced only
	when the new one was written completely. Throws BVX::Exception "Cannot write file '%1'."
	with the given function ID on failure. */
void writeTextFile(const BVX::Path & path, const std::string & text, const char * functionID);

} // namespace RM

#endif // RM_TextFileH
