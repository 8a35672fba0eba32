#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <BVX_MessageHandler.h>

namespace FuzzSupport {

namespace {

class QuietMessageHandler : public BVX::MessageHandler {
public:
	void msg(const std::string &, int, const char *, int) override {}
};

} // namespace


void silenceMessages() {
	static QuietMessageHandler handler;
	BVX::MessageHandlerRegistry::instance().setMessageHandler(&handler);
}


const std::string & workDir() {
	static const std::string dir = [] {
		std::filesystem::path p = std::filesystem::temp_directory_path() /
				("caldoryne-fuzz-" + std::to_string(static_cast<long long>(::getpid())));
		std::filesystem::create_directories(p);
		return p.string();
	}();
	return dir;
}


std::string writeInput(const std::uint8_t * data, std::size_t size, const std::string & fileName) {
	const std::string path = workDir() + "/" + fileName;
	std::ofstream out(path, std::ios::binary | std::ios::trunc);
	out.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
	return path;
}


void require(bool condition, const char * what) {
	if (condition)
		return;
	std::fprintf(stderr, "Broken promise: %s\n", what);
	std::abort();
}

} // namespace FuzzSupport
