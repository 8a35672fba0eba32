#include "BVX_StopWatch.h"

#include <chrono>

namespace BVX {

// The monotonic steady clock stands in for the high-resolution performance counter.
struct StopWatch::TimerData {
	typedef std::chrono::steady_clock Clock;

	Clock::time_point	m_start;
	Clock::time_point	m_stop;
	bool				m_running = true;

	static double milliseconds(Clock::time_point from, Clock::time_point to) {
		return std::chrono::duration<double, std::milli>(to - from).count();
	}
};


StopWatch::StopWatch() :
	m_intervalLength(15.0),
	m_intervalMark(0),
	m_data(new TimerData)
{
	m_data->m_start = TimerData::Clock::now();
}


StopWatch::~StopWatch() {
}


StopWatch::StopWatch(const StopWatch & other) :
	m_intervalLength(other.m_intervalLength),
	m_intervalMark(other.m_intervalMark),
	m_data(new TimerData(*other.m_data))
{
}


StopWatch & StopWatch::operator=(const StopWatch & other) {
	m_intervalLength = other.m_intervalLength;
	m_intervalMark = other.m_intervalMark;
	*m_data = *other.m_data;
	return *this;
}


void StopWatch::start() {
	m_data->m_start = TimerData::Clock::now();
	m_data->m_running = true;
	m_intervalMark = 0;
}


double StopWatch::stop() {
	m_data->m_stop = TimerData::Clock::now();
	m_data->m_running = false;
	return TimerData::milliseconds(m_data->m_start, m_data->m_stop);
}


double StopWatch::difference() const {
	TimerData::Clock::time_point end = m_data->m_running ? TimerData::Clock::now() : m_data->m_stop;
	return TimerData::milliseconds(m_data->m_start, end);
}

} // namespace BVX
