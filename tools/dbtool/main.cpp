// dbtool: lists the four database tables or rewrites the user database files.
//
//   dbtool [--resources DIR] [--user DIR] [--verbose] list|roundtrip

#include <cstdio>
#include <iostream>

#include <QCommandLineParser>
#include <QCoreApplication>

#include <BVX_Exception.h>
#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <QtExt_Directories.h>
#include <QtExt_LanguageHandler.h>

#include <RM_Database.h>

#include "ToolMessageHandler.h"
#include <RM_ProgramIdentity.h>
#include <BVX_ProgramStart.h>

namespace {

// surface resistances for the listed U-values: inside and outside of an outside wall
const double R_SI = 0.13;
const double R_SE = 0.04;


void printLine(const std::string & line) {
	std::cout << line << '\n';
}

template <typename T>
void printHeader(const char * title, const std::map<unsigned int, T> & table) {
	printLine(BVX::FormatText("\n%1 (%2 entries)").arg(title).arg((unsigned long)table.size()).str());
}

std::string idColumns(unsigned int id, bool builtin) {
	return BVX::FormatText("%1  %2  ").arg(id, 6).arg(builtin ? "built-in" : "user    ").str();
}

void listDatabase(const RM::Database & db) {
	printHeader("Materials", db.m_materials);
	for (const auto & e : db.m_materials)
		printLine(idColumns(e.first, e.second.m_builtin) + e.second.name().toStdString());

	printHeader("Construction types", db.m_constructions);
	printLine(BVX::FormatText("%1  %2  %3  %4  name").arg("id", 6).arg("kind    ")
			  .arg("U [W/m2K]", 10).arg("C [kJ/m2K]", 10).str());
	for (const auto & e : db.m_constructions) {
		double U = 0, mass = 0, capacity = 0;
		const std::string uText = e.second.UValue(U, db, R_SI, R_SE)
				? BVX::FormatText("%1").arg(U, 10, 'f', 3).str() : BVX::FormatText("%1").arg("---", 10).str();
		const std::string cText = e.second.arealMassAndHeatCapacity(mass, capacity, db)
				? BVX::FormatText("%1").arg(capacity / 1000, 10, 'f', 1).str() : BVX::FormatText("%1").arg("---", 10).str();
		printLine(idColumns(e.first, e.second.m_builtin) + uText + "  " + cText + "  " + e.second.name().toStdString());
	}

	printHeader("Window types", db.m_windows);
	for (const auto & e : db.m_windows)
		printLine(idColumns(e.first, e.second.m_builtin) + e.second.name().toStdString());

	printHeader("Shading types", db.m_shadingTypes);
	for (const auto & e : db.m_shadingTypes)
		printLine(idColumns(e.first, e.second.m_builtin) + e.second.name().toStdString());
}

} // namespace


int main(int argc, char * argv[]) {
	BVX::ProgramStart::prepareProcess();
	QCoreApplication app(argc, argv);
	QCoreApplication::setApplicationName("dbtool");
	QtExt::Directories::appname = "Caldoryne";
	QtExt::LanguageHandler::setup(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION, QtExt::Directories::translationsDir(), "Caldoryne");

	QCommandLineParser parser;
	parser.setApplicationDescription("Lists the Caldoryne databases or rewrites the user database files.");
	parser.addHelpOption();
	QCommandLineOption resourcesOpt("resources", "Directory of the built-in database files.", "DIR");
	QCommandLineOption userOpt("user", "Directory of the user database files.", "DIR");
	QCommandLineOption verboseOpt("verbose", "Show progress messages.");
	parser.addOption(resourcesOpt);
	parser.addOption(userOpt);
	parser.addOption(verboseOpt);
	parser.addPositionalArgument("command", "list: print the four tables; roundtrip: read and rewrite the user files.");
	parser.process(app);

	const QStringList args = parser.positionalArguments();
	if (args.size() != 1 || (args[0] != "list" && args[0] != "roundtrip")) {
		std::cerr << "Expected exactly one command: list or roundtrip.\n";
		return 2;
	}

	ToolMessageHandler msgHandler(parser.isSet(verboseOpt));
	BVX::MessageHandlerRegistry::instance().setMessageHandler(&msgHandler);

	RM::Database db;
	db.setDirectories(parser.value(resourcesOpt), parser.value(userOpt));
	try {
		db.reload();
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		std::cerr << "Error reading the databases.\n";
		BVX::MessageHandlerRegistry::instance().setMessageHandler(nullptr);
		return 1;
	}

	int res = 0;
	if (args[0] == "list")
		listDatabase(db);
	else if (db.writeDatabase(nullptr, true))
		std::cout << "User databases written to '" << db.userDir().toStdString() << "'.\n";
	else {
		std::cerr << "Error writing the user databases to '" << db.userDir().toStdString() << "'.\n";
		res = 1;
	}
	BVX::MessageHandlerRegistry::instance().setMessageHandler(nullptr);
	return res;
}
