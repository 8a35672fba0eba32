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


std::string input_file_problem(const std::string & path, unsigned long long maxBytes) {
	std::error_code ec;
	const fs::file_status st = fs::status(path, ec);
	if (ec || !fs::exists(st))
		return std::string();
	const char * kind = nullptr;
	switch (st.type()) {
		case fs::file_type::regular:	break;
		case fs::file_type::directory:	kind = "a folder"; break;
		case fs::file_type::fifo:		kind = "a named pipe"; break;
		case fs::file_type::socket:		kind = "a socket"; break;
		case fs::file_type::character:
		case fs::file_type::block:		kind = "a device"; break;
		default:						kind = "no regular file"; break;
	}
	if (kind != nullptr)
		return "'" + path + "' is " + kind + ", not a regular file";
	const std::uintmax_t size = fs::file_size(path, ec);
	if (!ec && size > maxBytes)
		return "'" + path + "' holds " + std::to_string(size/(1024*1024)) + " MB, more than the "
				+ std::to_string(maxBytes/(1024*1024)) + " MB such a file can have";
	return std::string();
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
