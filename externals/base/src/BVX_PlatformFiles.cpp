#include "BVX_PlatformFiles.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace BVX {

FileStatus file_status(const std::string & path) {
	std::error_code ec;
	const fs::file_status st = fs::status(path, ec);
	if (ec || !fs::exists(st))
		return FILE_MISSING;
	return fs::is_directory(st) ? FILE_DIRECTORY : FILE_REGULAR;
}


bool is_drive_root(const std::string & /*path*/) {
	return false;
}


bool copy_file_replace(const std::string & source, const std::string & target, int & errorCode) {
	std::error_code ec;
	fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
	errorCode = ec.value();
	return !ec;
}


bool copy_directory_content(const std::string & source, const std::string & target, int & errorCode) {
	std::error_code ec;
	fs::create_directories(target, ec);
	if (!ec)
		fs::copy(source, target, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
	errorCode = ec.value();
	return !ec;
}


std::size_t max_path_length() {
	return PATH_MAX;
}


CurrentDirResult current_directory(std::string & dir) {
	std::vector<char> buffer;
	try {
		buffer.resize(max_path_length());
	}
	catch (std::bad_alloc &) {
		return CWD_OUT_OF_MEMORY;
	}
	if (getcwd(buffer.data(), buffer.size()) == nullptr) {
		switch (errno) {
			case ENOMEM	: return CWD_OUT_OF_MEMORY;
			case ERANGE	: return CWD_TOO_LONG;
			default		: return CWD_FAILED;
		}
	}
	dir = buffer.data();
	return CWD_OK;
}


int last_system_error() {
	return errno;
}


bool system_error_text(int code, std::string & text) {
	// strerrordesc_np() (unlike strerror) tells unknown numbers apart and is thread-safe
	const char * desc = strerrordesc_np(code);
	if (desc == nullptr)
		return false;
	text = desc;
	return true;
}

} // namespace BVX
