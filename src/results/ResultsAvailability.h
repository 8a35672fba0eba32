#ifndef ResultsAvailabilityH
#define ResultsAvailabilityH

namespace RM {
	class CaldoryneModel;
	class OutputManager;
}

/*! True when there is nothing to plot or report: no model, no output manager, no completed
	run (a failed or aborted run leaves half-filled series behind), or fewer than two outputs. */
bool holdsNoOutputs(const RM::CaldoryneModel * model, const RM::OutputManager * outputs);

#endif // ResultsAvailabilityH
