#include "ProgramStartUp.h"

#include <iostream>
#include <memory>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QSettings>
#include <QSplashScreen>
#include <QTimer>

#include <BVX_ArgParser.h>
#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>
#include <BVX_Path.h>

#include <QtExt_AutoUpdater.h>
#include <QtExt_Directories.h>
#include <QtExt_LanguageHandler.h>

#include <RM_LogBanner.h>

#include "ConfirmationMessageBox.h"
#include "RoomModelDialog.h"
#include <RM_ProgramIdentity.h>

namespace {

const char * const FUNC_ID = "Caldoryne main()";

/*! Opens the program log: banner first, then the message handler appends to it. */
bool openProgramLog() {
	const QString logFile = QtExt::Directories::globalLogFile();
	BVX::MessageHandler * handler = BVX::MessageHandlerRegistry::instance().msgHandler();
	handler->setLogfileVerbosityLevel(2);
	handler->setConsoleVerbosityLevel(2);
	std::string errmsg;
	if (!RM::writeLogBanner(logFile) || !handler->openLogFile(logFile.toStdString(), true, errmsg)) {
		BVX::BVX_Message(QCoreApplication::translate("[main]", "Error creating log file '%1'.").arg(logFile).toStdString(),
						 BVX::MSG_ERROR, FUNC_ID, -1);
		return false;
	}
	return true;
}

void installLanguage(const BVX::ArgParser & args) {
	QtExt::LanguageHandler::setup(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION, QtExt::Directories::translationsDir(), "Caldoryne");
	QtExt::LanguageHandler & languages = QtExt::LanguageHandler::instance();
	if (args.hasOption("lang")) {
		const QString langId = QString::fromStdString(args.option("lang"));
		if (langId != QtExt::LanguageHandler::langId()) {
			BVX::BVX_Message(QString("Installing translator for language: '%1'.\n").arg(langId).toStdString(),
							 BVX::MSG_PROGRESS, FUNC_ID, 1);
			languages.installTranslator(langId);
			return;
		}
	}
	languages.installTranslator(QtExt::LanguageHandler::langId());
}

} // namespace


void qDebugMessageHandler(QtMsgType /*type*/, const QMessageLogContext & /*context*/, const QString & msg) {
	BVX::MessageHandlerRegistry::instance().msgHandler()->msg(msg.toStdString(), BVX::MSG_DEBUG,
															  "[qDebugMessageHandler]", 4);
}


void ProgramStartUp::registerResources() {
	Q_INIT_RESOURCE(Caldoryne);
	Q_INIT_RESOURCE(CaldoryneHtml);
}


int ProgramStartUp::run(int argc, char ** argv) {
	qInstallMessageHandler(qDebugMessageHandler);
	BVX::MessageHandler::setupUtf8Console();
	registerResources();

	BVX::ArgParser args;
	args.addOption(0, "lang", "(optional) Select different translation language.", "<langID>", "en");
	args.parse(argc, argv);
	if (args.handleDefaultFlags(std::cout))
		return 0;

	if (QtExt::AutoUpdater::installUpdate(QtExt::Directories::updateFilePath()))
		return 0;

	if (!QDir(QtExt::Directories::userDataDir()).exists())
		QDir().mkpath(QtExt::Directories::userDataDir());
	if (!openProgramLog())
		return 1;

	installLanguage(args);

	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	const BVX::Path licenseFile(QString(QtExt::Directories::resourcesRootDir() + "/license.txt").toStdString());
	if (ConfirmationMessageBox::showIfNotSuppressed(licenseFile, settings, "ConfirmationDontShowLicense3.2",
			QCoreApplication::translate("[main]", "License Agreement"),
			QCoreApplication::translate("[main]", "Accept"), true) != QDialog::Accepted)
	{
		return 1;
	}

	const QString splashFile = QtExt::LanguageHandler::langId() == "de" ?
				":/gfx/splashscreen/splash_screen_de.png" : ":/gfx/splashscreen/splash_screen_en.png";
	QSplashScreen splash(QPixmap(splashFile, "PNG"), Qt::WindowStaysOnTopHint | Qt::SplashScreen);
	splash.show();
	qApp->processEvents();
	QTimer::singleShot(5000, &splash, &QSplashScreen::close);

	try {
		std::unique_ptr<RoomModelDialog> window(new RoomModelDialog);
		if (args.m_args.size() >= 2)
			window->loadProjectFromCommandLine(QString::fromStdString(args.m_args[1]));
		qApp->processEvents();
		window->show();
		qApp->processEvents();
		return qApp->exec();
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		BVX::BVX_Message("Error in user interface.", BVX::MSG_ERROR, FUNC_ID, -1);
		return 1;
	}
}
