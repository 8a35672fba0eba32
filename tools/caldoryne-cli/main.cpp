/*	caldoryne-cli: the room model on the command line.

	Usage: caldoryne-cli [--resources=DIR] [--user-db=DIR] [--verbose] <subcommand> [arguments...]

	  check PROJECT.rmxml     reads the project, merges its embedded database items into the
	                          user database (written back when items were added) and reports
	                          the surfaces and simulation settings with their problems
	  roundtrip IN OUT        reads a project and writes it again
	  defaults OUT            writes the default project
	  run PROJECT.rmxml [--two-years] [--output DIR] [--no-results]
	                          simulates the project: log and statistics in DIR (default: the
	                          project path without suffix) + "/log", result files in "/results"
	  export-construction ID OUTDIR
	                          writes the construction type ID as Hygrell project "<name>_<ID>.h6p"
	                          and its materials as ".m6" files into OUTDIR
	  export-zone PROJECT.rmxml OUTDIR
	                          writes the room as zone-model project "<project name>.xml" into OUTDIR,
	                          with the sub-directories constructions, materials and climate

	Exit codes: 0 success, 1 error or problems found, 2 wrong call.

	Adding a subcommand: write `int runXyz(Context &, const Args &)` and add one row to SUBCOMMANDS.
*/

#include <algorithm>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <BVX_ArgParser.h>
#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <QtExt_Directories.h>
#include <QtExt_LanguageHandler.h>

#include <BVX_Conversions.h>
#include <BVX_Path.h>

#include <RM_Climate.h>
#include <RM_Database.h>
#include <RM_HygrellExport.h>
#include <RM_Room.h>
#include <RM_ValueChecks.h>

#include "ProjectRun.h"

#include "UsageError.h"
#include "ToolMessageHandler.h"
#include <RM_ProgramIdentity.h>
#include <BVX_ProgramStart.h>

#ifndef CALDORYNE_CLI_VERSION
#define CALDORYNE_CLI_VERSION "0.0"
#endif

namespace {

typedef std::vector<std::string> Args;


/*! What every subcommand needs: the parsed options and the database. */
struct Context {
	const BVX::ArgParser &	m_parser;
	RM::Database			m_db;
};

void requireArgs(const Args & args, std::size_t count, const char * usage) {
	if (args.size() != count)
		throw UsageError(std::string("Usage: caldoryne-cli ") + usage);
}

/*! Built-in database directory: the option, else the installed resources, else the source tree's. */
QString builtinDatabaseDir(const BVX::ArgParser & parser) {
	if (parser.hasOption("resources"))
		return QString::fromStdString(parser.option("resources"));
	const QString installed = QtExt::Directories::databasesDir();
	if (QFileInfo::exists(installed + "/db_materials.xml"))
		return installed;
	return CALDORYNE_SOURCE_RESOURCES;
}

/*! Writes the user database when the project added items to it. */
bool saveUserDatabase(RM::Database & db) {
	if (!db.isModified())
		return true;
	QString reason;
	if (!db.writeDatabase(&reason)) {
		std::cerr << "Error writing the user database to '" << db.userDir().toStdString()
				  << "', files not written keep their old content:\n" << reason.toStdString() << '\n';
		return false;
	}
	std::cout << "User database updated in '" << db.userDir().toStdString() << "'.\n";
	return true;
}

std::string itemText(const RM::AbstractDatabaseItem * item, unsigned int id) {
	if (id == 0)
		return "-";
	if (item == nullptr)
		return BVX::FormatText("#%1 (unknown)").arg(id).str();
	return BVX::FormatText("#%1 '%2'").arg(id).arg(item->name().toStdString()).str();
}

/*! One line per surface; returns the number of invalid surfaces. */
unsigned int reportSurfaces(const RM::Room & room, const RM::Database & db) {
	unsigned int problems = 0;
	std::cout << "Surfaces: " << room.m_constructions.size() << '\n';
	for (std::size_t i = 0; i < room.m_constructions.size(); ++i) {
		const RM::RoomConstruction & rc = room.m_constructions[i];
		std::cout << BVX::FormatText("  #%1 %2, %3/%4 Deg, wall %5 m2, window %6 m2: construction %7, window %8, shading %9")
					 .arg(static_cast<unsigned long>(i + 1)).arg(RM::RoomConstruction::kindKeyword(rc.m_type).toStdString())
					 .arg(rc.m_orientation).arg(rc.m_inclination).arg(rc.m_AW).arg(rc.m_AF)
					 .arg(itemText(db.constructionType(rc.m_constructionId), rc.m_constructionId))
					 .arg(itemText(db.windowType(rc.m_windowId), rc.m_windowId))
					 .arg(itemText(db.shadingType(rc.m_shadingTypeId), rc.m_shadingTypeId)).str() << '\n';
		QString message;
		if (!rc.checkValidity(db, message)) {
			std::cout << "     problem: " << message.toStdString() << '\n';
			++problems;
		}
	}
	return problems;
}

void reportRoom(const RM::Room & room) {
	std::cout << BVX::FormatText("Room: floor area %1 m2, height %2 m, volume %3 m3\n")
				 .arg(room.m_area).arg(room.m_height).arg(room.volume()).str();
	std::cout << "Climate: " << room.m_climateDataPath.toStdString() << '\n';
	std::cout << BVX::FormatText("Simulation: end time %1 d, output step %2 s%3%4\n")
				 .arg(room.m_simulationEndTime/86400).arg(room.m_outputTimeSteps)
				 .arg(room.m_cyclicTwoYearSimulation ? ", cyclic two-year run" : "")
				 .arg(room.m_moistureBalanceEnabled ? ", moisture balance" : "").str();
	std::cout << "DIN 4108-2 assessment: " << (room.m_din4108_2Assessment.m_active ? "active" : "off") << '\n';
}

/*! Runs a check that throws on a problem; prints the problem and returns 1, else 0. */
template <typename F>
unsigned int reportProblem(F check) {
	try {
		check();
	}
	catch (BVX::Exception & ex) {
		std::cout << "Problem: " << ex.what() << '\n';
		return 1;
	}
	return 0;
}

int runCheck(Context & ctx, const Args & args) {
	requireArgs(args, 1, "check PROJECT.rmxml");
	RM::Room room;
	room.readProjectFile(QString::fromStdString(args[0]), ctx.m_db);
	std::cout << "Project: " << args[0] << '\n';
	reportRoom(room);
	unsigned int problems = reportSurfaces(room, ctx.m_db);
	problems += reportProblem([&]() { room.checkSimulationParameters(); });
	// the physical ranges the model checks before a run
	problems += reportProblem([&]() { RM::checkProjectValues(room, ctx.m_db); });
	const bool saved = saveUserDatabase(ctx.m_db);
	if (problems == 0)
		std::cout << "Result: OK\n";
	else
		std::cout << "Result: " << problems << " problem(s)\n";
	return (problems == 0 && saved) ? 0 : 1;
}

int writeProject(const RM::Room & room, const RM::Database & db, const std::string & fileName) {
	const QString path = QString::fromStdString(fileName);
	QDir().mkpath(QFileInfo(path).absolutePath());
	if (!room.writeProjectFile(path, db))
		return 1;
	std::cout << "Project written to '" << fileName << "'.\n";
	return 0;
}

int runRoundtrip(Context & ctx, const Args & args) {
	requireArgs(args, 2, "roundtrip IN.rmxml OUT.rmxml");
	RM::Room room;
	room.readProjectFile(QString::fromStdString(args[0]), ctx.m_db);
	const int res = writeProject(room, ctx.m_db, args[1]);
	return saveUserDatabase(ctx.m_db) ? res : 1;
}

int runDefaults(Context & ctx, const Args & args) {
	requireArgs(args, 1, "defaults OUT.rmxml");
	return writeProject(RM::Room(), ctx.m_db, args[0]);
}

/*! The raw word after "--output" (the parser only knows "--output=DIR"). */
QString outputDirectory(const BVX::ArgParser & parser) {
	if (parser.hasOption("output"))
		return QString::fromStdString(parser.option("output"));
	const QStringList words = QCoreApplication::arguments();
	const int pos = words.indexOf("--output");
	if (pos < 0)
		return QString();
	if (pos + 1 >= words.size() || words[pos + 1].startsWith("-"))
		throw UsageError("Missing directory after --output.");
	return words[pos + 1];
}

int runRun(Context & ctx, const Args & args) {
	ProjectRun::Settings settings;
	settings.m_runDirectory = outputDirectory(ctx.m_parser);
	Args positional(args);
	if (!ctx.m_parser.hasOption("output") && !settings.m_runDirectory.isEmpty()) {
		// "--output DIR": the parser took DIR for a positional argument
		Args::iterator it = std::find(positional.begin(), positional.end(), settings.m_runDirectory.toStdString());
		if (it != positional.end())
			positional.erase(it);
	}
	requireArgs(positional, 1, "run PROJECT.rmxml [--two-years] [--output DIR] [--no-results]");
	settings.m_projectFile = QString::fromStdString(positional[0]);
	settings.m_twoYears = ctx.m_parser.flagEnabled("two-years");
	settings.m_writeResults = !ctx.m_parser.flagEnabled("no-results");
	settings.m_verbose = ctx.m_parser.flagEnabled("verbose");
	ProjectRun run(settings, ctx.m_db);
	return run.execute();
}

/*! Creates the directory (with its parents); throws when that fails. */
BVX::Path createDirectory(const std::string & dir) {
	if (!QDir().mkpath(QString::fromStdString(dir)))
		throw BVX::Exception(BVX::FormatText("Cannot create directory '%1'.").arg(dir), "[caldoryne-cli]");
	return BVX::Path(dir);
}

int runExportConstruction(Context & ctx, const Args & args) {
	requireArgs(args, 2, "export-construction ID OUTDIR");
	unsigned int id = 0;
	try {
		id = BVX::string2val<unsigned int>(args[0]);
	}
	catch (BVX::Exception &) {
		throw UsageError("Invalid construction type id '" + args[0] + "'.");
	}
	const BVX::Path dir = createDirectory(args[1]);
	const BVX::Path materialsDir(QFileInfo(QString::fromStdString(args[1])).absoluteFilePath().toStdString());
	RM::HygrellExport exporter(&ctx.m_db);
	try {
		// the project first: it checks the construction type and all its materials
		const BVX::Path project = exporter.exportConstruction(id, dir, BVX::Path(), materialsDir);
		std::cout << "Written '" << project.str() << "'.\n";
		const std::vector<unsigned int> & layers = ctx.m_db.constructionType(id)->m_materialIds;
		for (unsigned int materialId : std::set<unsigned int>(layers.begin(), layers.end())) {
			const BVX::Path material = exporter.exportMaterial(materialId, dir);
			std::cout << "Written '" << material.str() << "'.\n";
		}
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, BVX::FormatText("Export of construction type %1 failed.").arg(id), "[caldoryne-cli]");
	}
	return 0;
}

int runExportZone(Context & ctx, const Args & args) {
	requireArgs(args, 2, "export-zone PROJECT.rmxml OUTDIR");
	const QString projectFile = QString::fromStdString(args[0]);
	RM::Room room;
	room.readProjectFile(projectFile, ctx.m_db);
	RM::Climate climate;
	climate.parseClimateDataDir(ctx.m_db.builtinDir() + "/DB_climate", ctx.m_db.userDir() + "/DB_climate");

	const BVX::Path dir = createDirectory(args[1]);
	for (const char * sub : { "constructions", "materials", "climate" })
		createDirectory(args[1] + "/" + sub);
	const BVX::Path fileName(QFileInfo(projectFile).completeBaseName().toStdString() + ".xml");
	RM::HygrellExport exporter(&ctx.m_db);
	try {
		exporter.exportZonavexModel(room, dir, fileName, climate.locationData(room.m_climateDataPath));
	}
	catch (BVX::Exception & ex) {
		throw BVX::Exception(ex, BVX::FormatText("Export of project '%1' failed.").arg(args[0]), "[caldoryne-cli]");
	}
	std::cout << "Written '" << (dir / fileName).str() << "'.\n";
	return 0;
}

struct Subcommand {
	const char *	m_name;
	int				(*m_run)(Context &, const Args &);
	const char *	m_help;
};

const Subcommand SUBCOMMANDS[] = {
	{ "check", runCheck, "check PROJECT.rmxml: read, merge into the user database, report problems" },
	{ "roundtrip", runRoundtrip, "roundtrip IN OUT: read a project and write it again" },
	{ "defaults", runDefaults, "defaults OUT: write the default project" },
	{ "run", runRun, "run PROJECT.rmxml [--two-years] [--output DIR] [--no-results]: simulate the project "
					 "(run directory: DIR or the project path without suffix; results in its \"results\")" },
	{ "export-construction", runExportConstruction, "export-construction ID OUTDIR: write a construction type "
					 "and its materials as Hygrell files" },
	{ "export-zone", runExportZone, "export-zone PROJECT.rmxml OUTDIR: write the room as zone-model project" }
};

void setupParser(BVX::ArgParser & parser) {
	parser.m_appname = "caldoryne-cli";
	parser.m_version = CALDORYNE_CLI_VERSION;
	parser.m_shortDescription = "Caldoryne room model on the command line";
	parser.addOption(0, "resources", "Directory of the built-in database files.", "<dir>", "");
	parser.addOption(0, "user-db", "Directory of the user database files (created when needed).", "<dir>", "");
	parser.addFlag('v', "verbose", "Show progress messages.", "false");
	parser.addFlag(0, "two-years", "run: cyclic two-year simulation (without the flag the project's setting holds).", "false");
	parser.addOption(0, "output", "run: run directory (log and results).", "<dir>", "");
	parser.addFlag(0, "no-results", "run: do not write the result files.", "false");
}

int dispatch(Context & ctx) {
	const Args & all = ctx.m_parser.m_args;
	if (all.size() < 2)
		throw UsageError("Missing subcommand (check, roundtrip, defaults, run, export-construction, export-zone).");
	const Args args(all.begin() + 2, all.end());
	for (const Subcommand & s : SUBCOMMANDS)
		if (all[1] == s.m_name)
			return s.m_run(ctx, args);
	throw UsageError("Unknown subcommand '" + all[1] + "'.");
}

} // namespace


int main(int argc, char * argv[]) {
	BVX::ProgramStart::prepareProcess();
	QCoreApplication app(argc, argv);
	QCoreApplication::setApplicationName("caldoryne-cli");
	QtExt::Directories::appname = "Caldoryne";
	QtExt::LanguageHandler::setup(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION, QtExt::Directories::translationsDir(), "Caldoryne");

	BVX::ArgParser parser;
	setupParser(parser);
	parser.parse(argc, argv);
	if (parser.handleDefaultFlags(std::cout)) {
		if (parser.flagEnabled("help")) {
			std::cout << "\nSubcommands:\n";
			for (const Subcommand & s : SUBCOMMANDS)
				std::cout << "  " << s.m_help << '\n';
		}
		return 0;
	}

	ToolMessageHandler msgHandler(parser.flagEnabled("verbose"));
	BVX::MessageHandlerRegistry::instance().setMessageHandler(&msgHandler);
	int res = 0;
	try {
		if (!parser.m_optionsLeft.empty())
			throw UsageError("Unknown option '" + parser.m_optionsLeft.front() + "'.");
		Context ctx{ parser, RM::Database() };
		ctx.m_db.setDirectories(builtinDatabaseDir(parser), QString::fromStdString(parser.option("user-db")));
		ctx.m_db.reload();
		res = dispatch(ctx);
	}
	catch (UsageError & ex) {
		std::cerr << ex.what() << "\nSee caldoryne-cli --help.\n";
		res = 2;
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		res = 1;
	}
	BVX::MessageHandlerRegistry::instance().setMessageHandler(nullptr);
	return res;
}
