#include "Report.h"

#include <memory>
#include <set>

#include <QPrinter>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>

#include <RM_CaldoryneModelInterface.h>

#include "ReportFrameClimate.h"
#include "ReportFrameConstruction.h"
#include "ReportFrameExteriorComponents.h"
#include "ReportFrameFixedTemperatureComponents.h"
#include "ReportFrameInnerLoadsHeating.h"
#include "ReportFrameInteriorComponents.h"
#include "ReportFrameMiscellaneous.h"
#include "ReportFrameProgramDescription.h"
#include "ReportFrameProjectInfo.h"
#include "ReportFrameProjectRemarks.h"
#include "ReportFrameResultsOverTemperature.h"
#include "ReportFrameRoomData.h"
#include "ReportFrameShading.h"
#include "ReportFrameTemperaturePlot.h"
#include "ReportFrameVentilation.h"
#include "ReportFrameWindows.h"
#include "ReportSettings.h"

namespace {

/*! Construction-type ids of the model's walls, ascending, each once. */
std::vector<unsigned int> constructionIds(const RM::CaldoryneModelInterface * project) {
	std::set<unsigned int> ids;
	if (project != nullptr) {
		for (const RM::RoomConstruction & rc : project->m_constructions)
			ids.insert(rc.m_constructionId);
	}
	return std::vector<unsigned int>(ids.begin(), ids.end());
}

} // namespace


Report::Report(QObject * parent) :
	QtExt::Report(parent)
{
	setObjectName("Report");
}


void Report::registerFrame(int sectionId, QtExt::ReportFrameBase * frame) {
	std::unique_ptr<QtExt::ReportFrameBase> owned(frame);
	const std::set<int> & active = ReportSettings::instance().m_activatedFrames;
	frame->setHidden(active.find(sectionId) == active.end());
	m_frames[size_t(sectionId)].push_back(frame);
	addFrame(owned.release());
}


void Report::clearFrames() {
	for (std::vector<QtExt::ReportFrameBase *> & list : m_frames)
		list.clear();
	QtExt::Report::clearFrames();
	m_framesCreated = false;
}


void Report::setData(const RM::CaldoryneModelInterface * project, const RM::Database * database) {
	m_project = project;
	m_database = database;
	const std::vector<unsigned int> ids = constructionIds(project);
	// a new model or other construction types: the frames of the former run would show stale data
	if (!m_framesCreated || project != m_framesProject || ids != m_framesConstructionIds) {
		createFrames();
		m_framesProject = project;
		m_framesConstructionIds = ids;
	}
	applyActivatedSections();
}


void Report::applyActivatedSections() {
	const std::set<int> & active = ReportSettings::instance().m_activatedFrames;
	for (int id = 0; id < NUM_SECTIONS; ++id) {
		const bool hidden = active.find(id) == active.end();
		for (QtExt::ReportFrameBase * frame : m_frames[size_t(id)])
			frame->setHidden(hidden);
	}
}


void Report::createFrames() {
	clearFrames();
	QTextDocument * doc = textDocument();
	registerFrame(2, new ReportFrameProjectInfo(this, doc));
	registerFrame(3, new ReportFrameRoomData(this, doc));
	registerFrame(4, new ReportFrameClimate(this, doc));
	registerFrame(5, new ReportFrameExteriorComponents(this, doc));
	registerFrame(5, new ReportFrameFixedTemperatureComponents(this, doc));
	registerFrame(5, new ReportFrameInteriorComponents(this, doc));
	registerFrame(5, new ReportFrameWindows(this, doc));
	bool first = true;
	for (unsigned int id : constructionIds(m_project)) {
		registerFrame(6, new ReportFrameConstruction(this, doc, first, id));
		first = false;
	}
	registerFrame(7, new ReportFrameVentilation(this, doc));
	registerFrame(8, new ReportFrameInnerLoadsHeating(this, doc));
	registerFrame(12, new ReportFrameShading(this, doc));
	registerFrame(11, new ReportFrameMiscellaneous(this, doc));
	registerFrame(9, new ReportFrameResultsOverTemperature(this, doc));
	registerFrame(10, new ReportFrameTemperaturePlot(this, doc));
	registerFrame(14, new ReportFrameProjectRemarks(this, doc));
	registerFrame(13, new ReportFrameProgramDescription(this, doc));
	m_framesCreated = true;
}


int Report::print(QPrinter * printer, QFont font) {
	const char * const FUNC_ID = "[Report::print]";
	try {
		return QtExt::Report::print(printer, font);
	}
	catch (BVX::Exception & ex) {
		if (printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty())
			throw;
		throw BVX::Exception(ex, BVX::FormatText("Cannot write PDF file '%1'.").arg(printer->outputFileName().toStdString()), FUNC_ID);
	}
}
