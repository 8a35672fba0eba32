// Restart files of the solver framework, read for a model of three unknowns at every
// continuation point the framework offers.
#include <sstream>
#include <vector>

#include <BVX_Exception.h>

#include <VUREDO_ModelInterface.h>
#include <VUREDO_SolverControlFramework.h>

#include "FuzzSupport.h"

namespace {

class ThreeStates : public VUREDO::ModelInterface {
public:
	unsigned int n() const override { return 3; }
	const double * y0() const override { return m_y0; }
	double t0() const override { return 0; }
	double dt0() const override { return 1; }
	double tEnd() const override { return 10; }
	int setTime(double) override { return 0; }
	int setY(const double *) override { return 0; }
	int ydot(double * ydot) override { ydot[0] = ydot[1] = ydot[2] = 0; return 0; }
private:
	double m_y0[3] = { 1, 2, 3 };
};

} // namespace


extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	static const bool quiet = (FuzzSupport::silenceMessages(), true);
	(void)quiet;
	static ThreeStates model;
	const std::string path = FuzzSupport::writeInput(data, size, "restart.bin");
	VUREDO::SolverControlFramework framework;
	framework.setModel(&model);
	framework.m_restartFilename = BVX::Path(path);
	for (int step : { -1, -2, 1, 2, 5 }) {
		std::ostringstream copy;
		double t = 0;
		std::vector<double> y(3, 0.0);
		try {
			framework.readRestartFile(step, 5.0, t, y.data(), &copy);
		}
		catch (BVX::Exception &) {
		}
	}
	return 0;
}
