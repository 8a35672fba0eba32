#ifndef VUREDO_OutputSchedulerH
#define VUREDO_OutputSchedulerH

namespace VUREDO {

/*! Chooses the output times of a run. The default schedule is hourly. */
class OutputScheduler {
public:
	virtual ~OutputScheduler();
	/*! The first output time after the output time t; must be strictly greater than t. */
	virtual double nextOutputTime(double t);
};

} // namespace VUREDO

#endif // VUREDO_OutputSchedulerH
