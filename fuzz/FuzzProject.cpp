// Project file: read, initialise the model and evaluate its derivatives once.
// After a successful initialisation every state and derivative must be a finite number.
#include <vector>

#include <QString>

#include <BVX_Exception.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>
#include <RM_Room.h>

#include <RM_ModelTestHelpers.h>

#include "FuzzBuiltinDatabase.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t * data, std::size_t size) {
	RM::Database db = FuzzSupport::builtinDatabase();
	const std::string path = FuzzSupport::writeInput(data, size, "project.rmxml");
	RM::Room room;
	try {
		room.readProjectFile(QString::fromStdString(path), db);
	}
	catch (BVX::Exception &) {
		return 0;
	}

	RM::CaldoryneModelInterface model;
	model.m_room = room;
	// a mild constant climate stands in for the referenced file: the climate readers have their own harnesses
	RMModelTest::setConstantClimate(model.m_climate, 5, 80, 300, 100);
	model.m_climate.m_moistureBalanceEnabled = room.m_moistureBalanceEnabled;
	try {
		model.init(db);
	}
	catch (BVX::Exception &) {
		return 0;
	}
	FuzzSupport::require(RMModelTest::allFinite(model.y0(), model.n()), "initial states are finite");
	std::vector<double> ydot(model.n());
	try {
		model.setTime(0);
		model.setY(model.y0());
		if (model.ydot(ydot.data()) == 0)
			FuzzSupport::require(RMModelTest::allFinite(ydot.data(), model.n()), "derivatives are finite");
	}
	catch (BVX::Exception &) {
	}
	return 0;
}
