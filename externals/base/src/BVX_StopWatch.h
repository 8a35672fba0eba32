#ifndef BVX_StopWatchH
#define BVX_StopWatchH

#include <memory>

namespace BVX {

/*! Wall-clock stop-watch in milliseconds, used for run statistics.
	The watch runs from construction or start() until stop().
*/
class StopWatch {
public:
	/*! Starts the watch. */
	StopWatch();
	~StopWatch();

	StopWatch(const StopWatch & other);
	StopWatch & operator=(const StopWatch & other);

	/*! Restarts the watch and resets the interval mark. */
	void start();

	/*! Stops the watch and returns the elapsed milliseconds. */
	double stop();

	/*! Elapsed milliseconds up to the stop, or up to now while the watch runs. */
	double difference() const;

	/*! Length of the caller's reporting interval (default 15). */
	double	m_intervalLength;
	/*! The caller's last interval mark; start() resets it. */
	double	m_intervalMark;

private:
	struct TimerData;
	std::unique_ptr<TimerData>	m_data;
};

} // namespace BVX

#endif // BVX_StopWatchH
