#ifndef FuzzSupportH
#define FuzzSupportH

#include <cstddef>
#include <cstdint>
#include <string>

/*! Shared parts of the fuzz harnesses: a quiet message handler and a private folder
	for the files the readers open. */
namespace FuzzSupport {

/*! Installs a message handler that drops every message (called once per process). */
void silenceMessages();

/*! Private folder of this process, created on first use. */
const std::string & workDir();

/*! Writes the input into a file of that name in the private folder; returns its path. */
std::string writeInput(const std::uint8_t * data, std::size_t size, const std::string & fileName);

/*! Ends the process with a message when a condition the reader promises does not hold. */
void require(bool condition, const char * what);

} // namespace FuzzSupport

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size);

#endif // FuzzSupportH
