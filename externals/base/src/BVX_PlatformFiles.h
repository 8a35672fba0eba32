#ifndef BVX_PlatformFilesH
#define BVX_PlatformFilesH

/*! \file BVX_PlatformFiles.h
	The file-system services of the base library, in one place.
	Paths are passed as UTF-8 strings, which is the native narrow form here.
	The system was designed for Windows drives and the shell's copy operation;
	here there are no drives, a directory tree is copied recursively and error
	texts come from the C library.
*/

#include <cstddef>
#include <string>

namespace BVX {

/*! What a path refers to. */
enum FileStatus {
	FILE_MISSING,
	FILE_REGULAR,
	FILE_DIRECTORY
};

/*! Outcome of current_directory(). */
enum CurrentDirResult {
	CWD_OK,
	CWD_OUT_OF_MEMORY,
	CWD_TOO_LONG,
	CWD_FAILED
};

/*! Status of the path; symbolic links are followed, anything that is not a
	directory counts as a file. Never fails: an unreadable path is missing. */
FileStatus file_status(const std::string & path);

/*! Why the file at path is no input file to read: a named pipe, device, socket or folder
	(reading would wait for a writer or never end) or more than maxBytes. Links are followed.
	Empty for a regular file within the bound, and for a missing one (its reader says so). */
std::string input_file_problem(const std::string & path, unsigned long long maxBytes);

/*! True for a drive root such as "C:" known to the system; there are no drives here. */
bool is_drive_root(const std::string & path);

/*! Copies a file, replacing an existing target file.
	\param errorCode Set to the system error number on failure.
*/
bool copy_file_replace(const std::string & source, const std::string & target, int & errorCode);

/*! Copies the whole content of directory 'source' into 'target' (created with
	its parents if missing), replacing existing files.
	\param errorCode Set to the system error number on failure.
*/
bool copy_directory_content(const std::string & source, const std::string & target, int & errorCode);

/*! Longest path the working-directory query accepts. */
std::size_t max_path_length();

/*! Stores the working directory in 'dir' and returns CWD_OK, or the failure cause. */
CurrentDirResult current_directory(std::string & dir);

/*! The calling thread's last system error number. */
int last_system_error();

/*! The system's text for an error number; false (and 'text' unchanged) if it has none. */
bool system_error_text(int code, std::string & text);

} // namespace BVX

#endif // BVX_PlatformFilesH
