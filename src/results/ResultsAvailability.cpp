#include "ResultsAvailability.h"

#include <RM_OutputManager.h>

bool holdsNoOutputs(const RM::CaldoryneModel * model, const RM::OutputManager * outputs) {
	return model == nullptr || outputs == nullptr || !outputs->m_resultsPresent || outputs->outputCount() < 2;
}
