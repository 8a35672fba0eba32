#include "RunController.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProgressBar>
#include <QSettings>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>
#include <BVX_Time.h>

#include <VUREDO_SolverControlFramework.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_ProgramIdentity.h>
#include <RM_Room.h>
#include <RM_SimulationRun.h>

RunController::RunController(QWidget * window, QProgressBar * progressBar) :
	m_window(window),
	m_progressBar(progressBar),
	m_solverFramework(new VUREDO::SolverControlFramework),
	m_model(nullptr)
{
	discard();
}


RunController::~RunController() = default;


void RunController::discard() {
	// the model keeps the database copy it points into: both go together
	m_model = nullptr;
	m_run.reset(new RM::SimulationRun);
	m_model = &m_run->model();
}


void RunController::abort() {
	m_model->m_abortFlag = true;
}


const RM::Database & RunController::database() const {
	return m_run->database();
}


bool RunController::run(const RM::Room & room, const RM::Climate & climate, const RM::Database & db) {
	const char * const FUNC_ID = "[RunController::run]";
	discard();
	bool res = false;
	try {
		m_run->prepare(RM::SimulationRun::runDirectoryOf(room.m_projectFilePath));
		res = initAndIntegrate(room, climate, db);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		BVX::BVX_Message("Simulation not started.", BVX::MSG_ERROR, FUNC_ID, -1);
		showInitError(ex);
	}
	m_model->m_notificationHandler = nullptr;
	m_run->closeLog();
	return res;
}


void RunController::showInitError(const BVX::Exception & ex) {
	// an enhanced ventilation above its limit is a refused input, not a failure of the solver
	const bool ventilationRefused = !ex.messages().empty()
			&& ex.messages().front().m_functionID == "[DIN4108_2Assessment::checkVentilationLimits]";
	QMessageBox box(QMessageBox::Critical, ventilationRefused ? tr("Ventilation above its limit") : tr("Solver error"),
					ventilationRefused
					? tr("Lower the enhanced day or night ventilation in the DIN 4108-2 settings to its limit "
						 "and start the run again.")
					: tr("Error during solver initialization, see error log file '%1'.").arg(m_run->logFile()),
					QMessageBox::Ok, m_window);
	// the first cause names the value or file to mend; the log holds the whole stack
	if (!ex.messages().empty())
		box.setInformativeText(QString::fromStdString(ex.messages().front().m_what));
	box.exec();
}


bool RunController::initAndIntegrate(const RM::Room & room, const RM::Climate & climate, const RM::Database & db) {
	try {
		m_run->init(room, climate, db);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		showInitError(ex);
		return false;
	}
	emit initialised();

	try {
		m_progressBar->setMaximum(8760);
		notify(0);
		const RM::SimulationRun::Result result = m_run->integrate(*m_solverFramework, this);
		if (result != RM::SimulationRun::Success) {
			if (result == RM::SimulationRun::Failed)
				QMessageBox::critical(m_window, tr("Solver error"),
									  tr("Error while running solver, see error log file '%1'.").arg(m_run->logFile()));
			notify(BVX::SECONDS_PER_YEAR);
			return false;
		}
		m_run->aggregate();
		notify(BVX::SECONDS_PER_YEAR);
		QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
		if (settings.value("OutputAutomaticSave", false).toBool())
			return writeResultFiles(RM::SimulationRun::runDirectoryOf(room.m_projectFilePath) + "/results");
		return true;
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		QMessageBox::critical(m_window, tr("Solver error"), tr("Calculation error at %L1 d, see logfile '%2' for details")
							  .arg(m_run->lastOutputDay(), 0, 'g', QLocale::FloatingPointShortest).arg(m_run->logFile()));
		return false;
	}
}


void RunController::writeResultsWithNotice(const QString & dir) {
	QLabel notice(tr("Storing calculation results in '%1'").arg(dir), nullptr, Qt::WindowStaysOnTopHint);
	notice.setObjectName("savingOutputsNotice");
	notice.setWindowTitle(tr("Saving outputs"));
	notice.setWordWrap(true);
	notice.setMargin(20);
	notice.show();
	QCoreApplication::processEvents();
	m_run->writeResults(dir);
}


bool RunController::writeResultFiles(const QString & dir) {
	try {
		writeResultsWithNotice(dir);
		return true;
	}
	catch (BVX::Exception & ex) {
		// the results stay on screen: only the files are missing
		ex.writeMsgStackToError();
		QMessageBox::critical(m_window, tr("Write Error"), tr("Result files could not be written to '%1'.").arg(dir));
		return false;
	}
}


void RunController::notify(double t) {
	// the second year of a cyclic run counts the hours again from 0
	const double tYear = t > BVX::SECONDS_PER_YEAR ? t - BVX::SECONDS_PER_YEAR : t;
	m_progressBar->setValue(static_cast<int>(tYear/3600));
	QCoreApplication::processEvents();
}


void RunController::notify() {
	notify(0.0);
}
