#include "BVX_Platform.h"

#include <cstdio>
#include <iostream>

#include <unistd.h>

namespace BVX {

bool stdout_is_terminal() {
	static const bool isTty = isatty(STDOUT_FILENO) != 0;
	return isTty;
}


void set_console_text_color(int attribute) {
	if (!stdout_is_terminal())
		return;
	const char * code = nullptr;
	switch (attribute) {
		case CONSOLE_BRIGHT_RED		: code = "\033[91m"; break;
		case CONSOLE_BRIGHT_MAGENTA	: code = "\033[95m"; break;
		case CONSOLE_BRIGHT_YELLOW	: code = "\033[93m"; break;
		default						: code = "\033[0m"; break;
	}
	std::cout << code;
	std::cout.flush();
}


void write_console_text(const std::string & text) {
	std::cout << text;
	std::cout.flush();
}


bool setup_utf8_console() {
	return true;
}

} // namespace BVX
