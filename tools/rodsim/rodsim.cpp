// rodsim: heat conduction in a rod, integrated by the solver framework.

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include <BVX_ArgParser.h>
#include <BVX_Conversions.h>
#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <VUREDO_SolverControlFramework.h>

#include "RodModel.h"
#include <BVX_ProgramStart.h>

namespace {

void defineOptions(BVX::ArgParser & args) {
	args.m_appname = "rodsim";
	args.m_shortDescription = "heat conduction in a rod, integrated by the solver framework";
	args.addOption(0, "nodes", "Number of nodes.", "<n>", "50");
	args.addFlag(0, "two-unknowns", "Two coupled unknowns per node.", "false");
	args.addOption(0, "integrator", "Integrator: CVODE or ImplicitEuler.", "<name>", "CVODE");
	args.addOption(0, "les", "Linear solver: KLU, Dense, Band, BTridiag, GMRES, BiCGStab or none (framework default).", "<name>", "KLU");
	args.addOption(0, "precond", "Preconditioner of GMRES/BiCGStab: ILU, Band or none.", "<name>", "none");
	args.addOption(0, "precond-mu", "Upper half-bandwidth of the band preconditioner (-1: the Jacobian's).", "<n>", "-1");
	args.addOption(0, "precond-ml", "Lower half-bandwidth of the band preconditioner (-1: the Jacobian's).", "<n>", "-1");
	args.addFlag(0, "jacobian", "GMRES/BiCGStab use the sparse Jacobian for J*v.", "false");
	args.addOption(0, "reltol", "Relative tolerance.", "<value>", "1e-6");
	args.addOption(0, "abstol", "Absolute tolerance.", "<value>", "1e-6");
	args.addOption(0, "max-step", "Maximum step size in s.", "<s>", "3600");
	args.addOption(0, "end-time", "End time in s.", "<s>", "864000");
	args.addOption(0, "output-step", "Output step in s.", "<s>", "3600");
	args.addFlag(0, "bad-scheduler", "Output scheduler that returns its argument (error test).", "false");
	args.addOption(0, "t-left", "Temperature at the left end.", "<value>", "0");
	args.addOption(0, "t-right", "Temperature at the right end.", "<value>", "100");
	args.addOption(0, "t-init", "Initial temperature.", "<value>", "20");
	args.addOption(0, "log-dir", "Log directory (summary and statistics files).", "<dir>", "");
	args.addOption(0, "output", "Output file with all states at every output time.", "<file>", "");
	args.addOption(0, "restart-file", "Restart file.", "<file>", "");
	args.addOption(0, "restart-mode", "0: keep the newest block, 1: append every block.", "<mode>", "0");
	args.addOption(0, "restart-interval", "Simulated time between restart blocks in s.", "<s>", "86400");
	args.addOption(0, "restart-step", "0: new run; -1: continue from the last block; k: from block k-1.", "<step>", "0");
	args.addFlag(0, "stop-after-init", "Stop after the integrator's initialisation.", "false");
	args.addFlag(0, "stats-every-step", "Per-step statistics after every step.", "false");
	args.addOption(0, "abort-at", "Model aborts (ydot returns 2) from this time on.", "<s>", "-1");
	args.addOption(0, "recoverable-at", "Model reports a recoverable error once at this time.", "<s>", "-1");
	args.addOption(0, "checkpoint-at", "Serialises the solver state at this time, restores it into a fresh integrator and continues.", "<s>", "-1");
	args.addOption(0, "check-steady", "Fails unless the final state is the linear profile within this tolerance.", "<tol>", "");
	args.addOption(0, "reference", "Output file of a reference run to compare the output file (--output) with.", "<file>", "");
	args.addOption(0, "check-reference", "Fails unless all outputs agree with the reference within this tolerance.", "<tol>", "");
	args.addOption(0, "check-cooling", "Fails unless the outputs follow the exponential cooling of a single node.", "<tol>", "");
}


RodModel::Parameters parameters(const BVX::ArgParser & args) {
	RodModel::Parameters p;
	p.m_nodes = BVX::string2val<unsigned int>(args.option("nodes"));
	p.m_unknownsPerNode = args.flagEnabled("two-unknowns") ? 2 : 1;
	p.m_les = args.option("les") == "none" ? std::string() : args.option("les");
	p.m_integrator = args.option("integrator");
	p.m_precond = args.option("precond") == "none" ? std::string() : args.option("precond");
	p.m_precondMu = BVX::string2val<int>(args.option("precond-mu"));
	p.m_precondMl = BVX::string2val<int>(args.option("precond-ml"));
	p.m_krylovJacobian = args.flagEnabled("jacobian");
	p.m_tEnd = BVX::string2val<double>(args.option("end-time"));
	p.m_outputStep = BVX::string2val<double>(args.option("output-step"));
	p.m_badScheduler = args.flagEnabled("bad-scheduler");
	p.m_tLeft = BVX::string2val<double>(args.option("t-left"));
	p.m_tRight = BVX::string2val<double>(args.option("t-right"));
	p.m_tInit = BVX::string2val<double>(args.option("t-init"));
	p.m_abortAt = BVX::string2val<double>(args.option("abort-at"));
	p.m_recoverableAt = BVX::string2val<double>(args.option("recoverable-at"));
	p.m_outputFile = args.option("output");
	p.m_checkpointAt = BVX::string2val<double>(args.option("checkpoint-at"));
	p.m_logDirectory = args.option("log-dir");
	if (p.m_outputStep <= 0)
		throw BVX::Exception("Output step must be positive.", "[rodsim]");
	return p;
}


void configureFramework(VUREDO::SolverControlFramework & fw, const BVX::ArgParser & args) {
	fw.m_logDirectory = args.option("log-dir");
	fw.m_restartFilename = BVX::Path(args.option("restart-file"));
	fw.m_restartFileMode = BVX::string2val<int>(args.option("restart-mode"));
	fw.m_restartIntervalSimTime = BVX::string2val<double>(args.option("restart-interval"));
	fw.m_stopAfterInit = args.flagEnabled("stop-after-init");
	fw.m_writeStatsEveryStep = args.flagEnabled("stats-every-step");
}


/*! Largest difference between two output files of the same shape (time column
	included); a huge value when they differ in shape or cannot be read. */
double maxOutputDifference(const std::string & fileA, const std::string & fileB) {
	std::ifstream a(fileA.c_str()), b(fileB.c_str());
	std::string lineA, lineB;
	if (!std::getline(a, lineA) || !std::getline(b, lineB) || lineA != lineB)
		return 1e300; // missing files or different headers
	double diff = 0;
	unsigned int rows = 0;
	while (std::getline(a, lineA)) {
		if (!std::getline(b, lineB))
			return 1e300;
		std::istringstream sa(lineA), sb(lineB);
		double va, vb;
		while (sa >> va) {
			if (!(sb >> vb))
				return 1e300;
			diff = std::max(diff, std::fabs(va - vb));
		}
		++rows;
	}
	if (std::getline(b, lineB) || rows == 0)
		return 1e300;
	return diff;
}


/*! Returns false (and logs) when a requested analytic check fails. */
bool runChecks(RodModel & model, const BVX::ArgParser & args) {
	bool ok = true;
	if (args.hasOption("check-steady")) {
		double tol = BVX::string2val<double>(args.option("check-steady"));
		double dev = model.lastOutput().empty() ? 1e300 : model.maxSteadyStateDeviation(model.lastOutput().data());
		BVX::BVX_Message(BVX::FormatText("Largest deviation from the linear steady state: %1\n").arg(dev),
						 BVX::MSG_PROGRESS, "[rodsim]", 0);
		ok = ok && dev <= tol;
	}
	if (args.hasOption("check-cooling")) {
		double tol = BVX::string2val<double>(args.option("check-cooling"));
		double dev = model.outputCount() == 0 ? 1e300 : model.maxCoolingDeviation();
		BVX::BVX_Message(BVX::FormatText("Largest deviation from exponential cooling: %1\n").arg(dev),
						 BVX::MSG_PROGRESS, "[rodsim]", 0);
		ok = ok && dev <= tol;
	}
	if (args.hasOption("check-reference")) {
		double tol = BVX::string2val<double>(args.option("check-reference"));
		model.flushOutputs();
		double dev = maxOutputDifference(args.option("output"), args.option("reference"));
		BVX::BVX_Message(BVX::FormatText("Largest deviation from the reference outputs: %1\n").arg(dev),
						 BVX::MSG_PROGRESS, "[rodsim]", 0);
		ok = ok && dev <= tol;
	}
	if (BVX::string2val<double>(args.option("checkpoint-at")) >= 0 && !model.checkpointDone()) {
		BVX::BVX_Message("The run ended before the checkpoint time.", BVX::MSG_ERROR, "[rodsim]", 0);
		ok = false;
	}
	if (!ok)
		BVX::BVX_Message("Analytic check failed.", BVX::MSG_ERROR, "[rodsim]", 0);
	return ok;
}


int simulate(const BVX::ArgParser & args) {
	RodModel model(parameters(args));
	model.m_integrator.m_relTol = BVX::string2val<double>(args.option("reltol"));
	model.m_integrator.m_absTol = BVX::string2val<double>(args.option("abstol"));
	model.m_integrator.m_maxStep = BVX::string2val<double>(args.option("max-step"));
	model.m_implicitEuler.m_relTol = model.m_integrator.m_relTol;
	model.m_implicitEuler.m_absTol = model.m_integrator.m_absTol;
	model.m_implicitEuler.m_maxStep = model.m_integrator.m_maxStep;

	VUREDO::SolverControlFramework fw;
	configureFramework(fw, args);
	fw.setModel(&model);
	try {
		fw.restart(BVX::string2val<int>(args.option("restart-step")));
	}
	catch (BVX::Exception &) {
		// the statistics of a failed run still tell where it stopped
		(void)fw.writeStatistics();
		throw;
	}
	if (!fw.writeStatistics())
		return 1;
	return runChecks(model, args) ? 0 : 3;
}

} // namespace


int main(int argc, char * argv[]) {
	BVX::ProgramStart::prepareProcess();
	BVX::ArgParser args;
	defineOptions(args);
	args.parse(argc, argv);
	if (args.handleDefaultFlags(std::cout))
		return 0;
	if (!args.m_optionsLeft.empty()) {
		std::cerr << "Unknown option '" << args.m_optionsLeft.front() << "'; see --help." << std::endl;
		return 2;
	}
	try {
		BVX::MessageHandler * msgHandler = BVX::MessageHandlerRegistry::instance().msgHandler();
		std::string logDir = args.option("log-dir");
		if (!logDir.empty()) {
			std::filesystem::create_directories(logDir);
			std::string errmsg;
			if (!msgHandler->openLogFile(logDir + "/screenlog.txt", false, errmsg))
				throw BVX::Exception(errmsg, "[rodsim]");
		}
		return simulate(args);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		return 1;
	}
	catch (std::exception & ex) {
		BVX::BVX_Message(ex.what(), BVX::MSG_ERROR, "[rodsim]", 0);
		return 1;
	}
}
