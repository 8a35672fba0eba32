#ifndef UsageErrorH
#define UsageErrorH

#include <stdexcept>
#include <string>

/*! A wrong call of a console tool: the tools report it with exit code 2. */
class UsageError : public std::runtime_error {
public:
	explicit UsageError(const std::string & msg) : std::runtime_error(msg) {}
};

#endif // UsageErrorH
