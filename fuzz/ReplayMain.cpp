// Feeds every file of the given files and folders once to the harness; the normal build
// runs the corpora and regressions this way, without libFuzzer.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "FuzzSupport.h"

namespace {

std::vector<std::filesystem::path> inputFiles(int argc, char ** argv) {
	std::vector<std::filesystem::path> files;
	for (int i = 1; i < argc; ++i) {
		const std::filesystem::path arg(argv[i]);
		if (std::filesystem::is_directory(arg)) {
			for (const auto & e : std::filesystem::recursive_directory_iterator(arg))
				if (e.is_regular_file())
					files.push_back(e.path());
		}
		else if (std::filesystem::is_regular_file(arg))
			files.push_back(arg);
	}
	std::sort(files.begin(), files.end());
	return files;
}

} // namespace


int main(int argc, char ** argv) {
	const std::vector<std::filesystem::path> files = inputFiles(argc, argv);
	for (const std::filesystem::path & f : files) {
		std::ifstream in(f, std::ios::binary);
		const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
		std::fprintf(stderr, "%s\n", f.string().c_str());
		LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
	}
	std::printf("%zu inputs replayed.\n", files.size());
	std::error_code ec;
	std::filesystem::remove_all(FuzzSupport::workDir(), ec);
	return files.empty() ? 1 : 0;
}
