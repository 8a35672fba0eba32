#ifndef TerminalProgressBarH
#define TerminalProgressBarH

#include <cstdio>

/*! Progress over the hours of the simulated year as one redrawn line on a terminal.
	Draws nothing when the stream is not a terminal (logs, pipes, ctest).
*/
class TerminalProgressBar {
public:
	/*! Draws on stream when it is a terminal. */
	explicit TerminalProgressBar(std::FILE * stream);

	/*! Shows the hour of the year at simulation time t (s); a second year starts again at 0. */
	void update(double t);
	/*! Ends the bar's line, so that other output starts on a fresh line. */
	void interrupt();
	/*! Draws the full bar and ends the line. */
	void finish();

	bool enabled() const { return m_enabled; }

private:
	void draw(unsigned int hour, unsigned int year);

	std::FILE *		m_stream;
	bool			m_enabled;
	/*! True while the cursor stands at the end of the bar's line. */
	bool			m_lineOpen;
	/*! Last drawn position (hour/88, year), to redraw only on visible changes. */
	int				m_lastCell;
	unsigned int	m_lastYear;
};

#endif // TerminalProgressBarH
