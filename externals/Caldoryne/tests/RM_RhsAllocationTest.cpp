// Counts heap allocations of the right-hand-side path of the room balance.
// The global operator new of this test executable is replaced by a counting one; it
// counts only while g_countAllocations is set and otherwise behaves like the default.

#include <atomic>
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include <RM_CaldoryneModel.h>
#include <RM_Database.h>
#include <RM_ShadingType.h>
#include <RM_WindowType.h>

#include "RM_ModelTestHelpers.h"

namespace {

std::atomic<bool>			g_countAllocations(false);
std::atomic<unsigned long>	g_allocations(0);

void * countedAlloc(std::size_t size) {
	if (g_countAllocations)
		++g_allocations;
	void * p = std::malloc(size ? size : 1);
	if (p == nullptr)
		throw std::bad_alloc();
	return p;
}

void * countedAllocNoThrow(std::size_t size) noexcept {
	if (g_countAllocations)
		++g_allocations;
	return std::malloc(size ? size : 1);
}

} // namespace

// Every form of new is replaced, so that all memory released by the replaced deletes below
// comes from malloc (a mix with the library's own new is a mismatch under the sanitizers).
void * operator new(std::size_t size) { return countedAlloc(size); }
void * operator new[](std::size_t size) { return countedAlloc(size); }
void * operator new(std::size_t size, const std::nothrow_t &) noexcept { return countedAllocNoThrow(size); }
void * operator new[](std::size_t size, const std::nothrow_t &) noexcept { return countedAllocNoThrow(size); }
void operator delete(void * p, const std::nothrow_t &) noexcept { std::free(p); }
void operator delete[](void * p, const std::nothrow_t &) noexcept { std::free(p); }
void operator delete(void * p) noexcept { std::free(p); }
void operator delete[](void * p) noexcept { std::free(p); }
void operator delete(void * p, std::size_t) noexcept { std::free(p); }
void operator delete[](void * p, std::size_t) noexcept { std::free(p); }


using namespace RMModelTest;

namespace {

/*! Allocations of one full evaluation cycle at time t. */
unsigned long allocationsOfEvaluation(RM::CaldoryneModel & model, double t) {
	g_allocations = 0;
	g_countAllocations = true;
	evaluate(model, t);
	g_countAllocations = false;
	return g_allocations;
}

} // namespace


TEST(CaldoryneModelRhs, CountingAllocatorSeesAllocations) {
	// the counter itself works
	g_allocations = 0;
	g_countAllocations = true;
	std::vector<double> * v = new std::vector<double>(10);
	g_countAllocations = false;
	delete v;
	EXPECT_GE(g_allocations.load(), 2u);
}


TEST(CaldoryneModelRhs, EvaluationAllocatesNothing) {
	RM::Database db;
	RM::Material brick = material(0.8, 1600, 900);
	brick.init(std::vector<double>{ 0, 0.5, 0.8, 1 }, std::vector<double>{ 0, 3, 6, 200 });
	addMaterial(db, brick, 1);
	addConstructionType(db, 1, { 0.02, 0.2 }, { 1, 1 });
	RM::WindowType window;
	db.addWindowType(window, 1);
	RM::ShadingType shading("en:Blind", 0.3);
	db.addShadingType(shading, 1);

	for (bool moisture : { false, true }) {
		RM::CaldoryneModel model;
		setQuietRoom(model.m_room);
		setConstantClimate(model.m_climate, 5, 70, 500, 100);
		RM::Room & room = model.m_room;
		room.m_moistureBalanceEnabled = moisture;
		room.m_gammaHC = 0.5;
		room.m_gammaRad = 0.5;
		room.m_heatingModel.m_modelType = RM::HeatingModel::SIMPLE;
		room.m_naturalVentilationModel.m_modelType = RM::NaturalVentilationModel::SIMPLE;
		room.m_shadingControlModel.m_modelType = RM::ShadingControlModel::INTENSITY_CONTROLLED;
		RM::RoomConstruction wall = surface(RM::RoomConstruction::Outside, 1, 10);
		wall.m_orientation = 180;
		wall.m_windowId = 1;
		wall.m_shadingTypeId = 1;
		wall.m_AF = 2;
		room.m_constructions.push_back(wall);
		room.m_constructions.push_back(surface(RM::RoomConstruction::Inside, 1, 15));
		room.m_constructions.push_back(surface(RM::RoomConstruction::FixedTemperature, 1, 15));
		model.init(db);

		// the first evaluation may build lazily created tables
		evaluate(model, 0);
		for (double t : { 0.0, 3600.0*12, 3600.0*(172*24 + 12) + 17.5, 3600.0*8759.5, 31536000.0 + 7200 })
			EXPECT_EQ(allocationsOfEvaluation(model, t), 0u) << "t = " << t << " moisture " << moisture;
	}
}
