#include "TerminalProgressBar.h"

#include <unistd.h>

#include <BVX_Time.h>

namespace {

using BVX::SECONDS_PER_YEAR;
using BVX::HOURS_PER_YEAR;
const unsigned int BAR_WIDTH = 40;

} // namespace


TerminalProgressBar::TerminalProgressBar(std::FILE * stream) :
	m_stream(stream),
	m_enabled(stream != nullptr && isatty(fileno(stream)) == 1),
	m_lineOpen(false),
	m_lastCell(-1),
	m_lastYear(0)
{
}


void TerminalProgressBar::update(double t) {
	if (!m_enabled)
		return;
	unsigned int year = 1;
	while (t > SECONDS_PER_YEAR) {
		t -= SECONDS_PER_YEAR;
		++year;
	}
	unsigned int hour = static_cast<unsigned int>(t/3600);
	if (hour > HOURS_PER_YEAR)
		hour = HOURS_PER_YEAR;
	// one redraw per 1 % of the year keeps the terminal output small
	const int cell = static_cast<int>(hour*100/HOURS_PER_YEAR);
	if (m_lineOpen && cell == m_lastCell && year == m_lastYear)
		return;
	draw(hour, year);
	m_lastCell = cell;
	m_lastYear = year;
}


void TerminalProgressBar::draw(unsigned int hour, unsigned int year) {
	const unsigned int filled = hour*BAR_WIDTH/HOURS_PER_YEAR;
	char bar[BAR_WIDTH + 1];
	for (unsigned int i = 0; i < BAR_WIDTH; ++i)
		bar[i] = i < filled ? '#' : '.';
	bar[BAR_WIDTH] = 0;
	std::fprintf(m_stream, "\r  year %u [%s] hour %4u / %u", year, bar, hour, HOURS_PER_YEAR);
	std::fflush(m_stream);
	m_lineOpen = true;
}


void TerminalProgressBar::interrupt() {
	if (!m_lineOpen)
		return;
	std::fputc('\n', m_stream);
	std::fflush(m_stream);
	m_lineOpen = false;
}


void TerminalProgressBar::finish() {
	if (!m_enabled)
		return;
	draw(HOURS_PER_YEAR, m_lastYear == 0 ? 1 : m_lastYear);
	interrupt();
}
