#ifndef BVX_PlatformH
#define BVX_PlatformH

/*! \file BVX_Platform.h
	The few operating-system services of the base library, in one place.
	The system was designed for a Windows console; here the console is a POSIX
	terminal: text is UTF-8 already, colours become ANSI escapes (only when
	standard output is a terminal), and code page and font calls succeed as no-ops.
*/

#include <string>

namespace BVX {

/*! Console text attributes used by the message handler (Windows console values). */
enum ConsoleColor {
	CONSOLE_BRIGHT_RED		= 12,
	CONSOLE_BRIGHT_MAGENTA	= 13,
	CONSOLE_BRIGHT_YELLOW	= 14,
	CONSOLE_BRIGHT_WHITE	= 15
};

/*! Sets the colour of the following console text; ignored when stdout is no terminal. */
void set_console_text_color(int attribute);

/*! Writes UTF-8 text to standard output and flushes. */
void write_console_text(const std::string & text);

/*! True when standard output is an interactive terminal. */
bool stdout_is_terminal();

/*! Selects UTF-8 output on the console: a terminal here already is, so this only reports success. */
bool setup_utf8_console();

} // namespace BVX

#endif // BVX_PlatformH
