#include "ExportModelDialog.h"
#include "ui_ExportModelDialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>
#include <BVX_Path.h>

#include <QtExt_Directories.h>
#include <QtExt_StagedInstall.h>

#include <RM_HygrellExport.h>
#include <RM_Room.h>

#include "SolverProgressDialog.h"
#include <RM_ProgramIdentity.h>

namespace {

/*! Stored model types of "ModelExportOption". */
enum ExportOption {
	OptionModelica,
	OptionFMU,
	OptionZonavex
};

/*! Connector flags of the project's interface definition. */
const int INTERFACE_VAPOR_SOURCE = 16;
const int INTERFACE_LIQUID = 32;

BVX::Path toPath(const QString & s) {
	return BVX::Path(s.toUtf8().toStdString());
}

QString fromPath(const BVX::Path & p) {
	return QString::fromUtf8(p.str().c_str());
}

} // namespace


ExportModelDialog::ExportModelDialog(QWidget * parent) :
	QDialog(parent),
	m_ui(new Ui::ExportModelDialog),
	m_project(nullptr),
	m_location(nullptr),
	m_db(nullptr)
{
	m_ui->setupUi(this);
	setWindowTitle(tr("Model export"));
	m_ui->radioButtonFMU->setChecked(true);
	for (QRadioButton * btn : { m_ui->radioButtonZonavex, m_ui->radioButtonModelica, m_ui->radioButtonFMU })
		connect(btn, &QRadioButton::toggled, this, &ExportModelDialog::onRadioButton_toggled);
}


ExportModelDialog::~ExportModelDialog() {
	delete m_ui;
}


void ExportModelDialog::init(RM::Room * project, RM::Database * db, const RM::ClimateLocationData * location,
							 const QString & solverExecutable)
{
	m_project = project;
	m_db = db;
	m_location = location;
	m_solverExecutable = solverExecutable;
	m_projectFilePath = project->m_projectFilePath;

	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	switch (settings.value("ModelExportOption", 0).toInt()) {
		case OptionModelica : m_ui->radioButtonModelica->setChecked(true); break;
		case OptionZonavex : m_ui->radioButtonZonavex->setChecked(true); break;
		default : m_ui->radioButtonFMU->setChecked(true);
	}
	onRadioButton_toggled(true);

	const bool moisture = project->m_moistureBalanceEnabled;
	m_ui->checkBoxVaporSource->setEnabled(moisture);
	m_ui->checkBoxLiquid->setEnabled(moisture);
	if (moisture) {
		m_ui->checkBoxVaporSource->setChecked((project->m_interfaceDefinition & INTERFACE_VAPOR_SOURCE) != 0);
		m_ui->checkBoxLiquid->setChecked((project->m_interfaceDefinition & INTERFACE_LIQUID) != 0);
	}
}


void ExportModelDialog::on_pushButtonCancel_clicked() {
	close();
}


void ExportModelDialog::onRadioButton_toggled(bool /*checked*/) {
	m_ui->groupBoxConnectorConfigs->setEnabled(false);
	m_ui->lineEditModelName->setEnabled(true);
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	const QString baseName = QFileInfo(m_projectFilePath).baseName();
	if (m_ui->radioButtonModelica->isChecked()) {
		settings.setValue("ModelExportOption", OptionModelica);
		m_ui->lineEditModelName->setText("modelica_" + baseName);
	}
	else if (m_ui->radioButtonFMU->isChecked()) {
		m_ui->groupBoxConnectorConfigs->setEnabled(true);
		settings.setValue("ModelExportOption", OptionFMU);
		m_ui->lineEditModelName->setText("CaldoryneFMUv2_" + baseName);
	}
	else {
		settings.setValue("ModelExportOption", OptionZonavex);
		m_ui->lineEditModelName->clear();
		m_ui->lineEditModelName->setEnabled(false);
	}
}


void ExportModelDialog::on_pushButtonExport_clicked() {
	if (m_ui->radioButtonModelica->isChecked() && m_ui->lineEditModelName->text().isEmpty()) {
		QMessageBox::critical(this, tr("Export error"), tr("Please select a name for the exported model!"));
		return;
	}
	QSettings settings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION);
	const QString exportDir = settings.value("LastExportDirectory", QString()).toString();
	if (m_ui->radioButtonZonavex->isChecked())
		exportZonavex(exportDir);
	else
		exportWithSolver(exportDir);
}


bool ExportModelDialog::exportZonavex(const QString & lastDir) {
	const char * const FUNC_ID = "[ExportModelDialog::on_pushButtonExport_clicked]";
	QString proposal = QFileInfo(m_projectFilePath).baseName() + ".zonavex";
	if (!lastDir.isEmpty())
		proposal = lastDir + "/" + proposal;
	QString fileName = QFileDialog::getSaveFileName(this, tr("Select ZONAVEX project file"), proposal);
	if (fileName.isEmpty())
		return false;
	if (QFileInfo(fileName).suffix() != "zonavex")
		fileName += ".zonavex";
	const QFileInfo info(fileName);
	QDir dir = info.absoluteDir();
	for (const char * sub : { "materials", "constructions", "climate" }) {
		if (!dir.exists(sub) && !dir.mkdir(sub)) {
			QMessageBox::critical(this, tr("Export error"), tr("Could not create subdirectories for export."));
			return false;
		}
	}
	// the exporter needs the location of the climate data; a file unknown to the catalogue has none
	if (m_location == nullptr) {
		QMessageBox::critical(this, tr("Export error"),
							  tr("Missing climate data for location '%1'.").arg(m_project->m_climateDataPath));
		return false;
	}
	try {
		RM::HygrellExport exporter(m_db);
		exporter.exportZonavexModel(*m_project, toPath(info.absolutePath()), toPath(info.fileName()), m_location);
	}
	catch (BVX::Exception & ex) {
		ex.writeMsgStackToError();
		BVX::BVX_Message("Zonavex export failed.", BVX::MSG_ERROR, FUNC_ID, -1);
		QMessageBox::critical(this, tr("Export error"), tr("Error during export:\n%1\nSee the log file '%2' for details.")
							  .arg(QString::fromStdString(ex.msgStack()).trimmed(), QtExt::Directories::globalLogFile()));
		return false;
	}
	QMessageBox::information(this, tr("Export complete"), tr("ZONAVEX project was exported successfully."));
	QSettings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION).setValue("LastExportDirectory", info.absolutePath());
	close();
	return true;
}


bool ExportModelDialog::exportWithSolver(const QString & lastDir) {
	const char * const FUNC_ID = "[ExportModelDialog::on_pushButtonExport_clicked]";
	const bool fmu = m_ui->radioButtonFMU->isChecked();
	QString proposal = m_ui->lineEditModelName->text();
	if (!lastDir.isEmpty())
		proposal = lastDir + "/" + proposal;
	const QString fileName = QFileDialog::getSaveFileName(this, tr("Select export file name"), proposal);
	if (fileName.isEmpty())
		return false;
	// nothing is touched before it is known that the solver can run
	const QFileInfo solver(m_solverExecutable);
	if (!solver.isFile() || !solver.isExecutable()) {
		QMessageBox::critical(this, tr("Export error"), tr("Could not start solver executable '%1'.").arg(m_solverExecutable));
		return false;
	}
	const QFileInfo info(fileName);
	const QString exportDir = info.absolutePath();
	// the solver writes below a temporary folder beside the target; the old export stays until it succeeded
	QTemporaryDir staging(exportDir + "/." + info.baseName() + "-export-XXXXXX");
	if (!staging.isValid()) {
		QMessageBox::critical(this, tr("Export error"), tr("Could not create export directory '%1': %2.")
							  .arg(exportDir, staging.errorString()));
		return false;
	}
	BVX::Path fmuFile = toPath(fileName).withoutExtension();
	fmuFile.addExtension("fmu");
	const QString fmuPath = fromPath(fmuFile);
	const QString stagedFmu = staging.path() + "/" + QFileInfo(fmuPath).fileName();
	const QString resultRoot = exportDir + "/" + info.baseName() + "_FMU";
	QStringList args;
	if (fmu) {
		args << "--fmu-export=" + stagedFmu << "--fmu-result-root=" + resultRoot;
		storeInterfaceFlags();
	}
	else {
		const QString packageDir = staging.path() + "/" + info.baseName();
		if (!QDir().mkpath(packageDir)) {
			QMessageBox::critical(this, tr("Export error"), tr("Could not create export directory '%1'.").arg(packageDir));
			return false;
		}
		args << "--modelica-export=" + staging.path() + "/" + info.fileName();
	}

	// the solver reads a copy of what the window shows; the user's file stays as it is
	const QFileInfo projectInfo(m_projectFilePath);
	QTemporaryFile copy(projectInfo.absolutePath() + "/." + projectInfo.completeBaseName() + "-export-XXXXXX.rmxml");
	const QByteArray content = m_project->projectFileContent(*m_db);
	if (!copy.open() || copy.write(content) != content.size() || !copy.flush()) {
		QMessageBox::critical(this, tr("Export error"), tr("Could not write a temporary copy of the project to '%1'.")
							  .arg(projectInfo.absolutePath()));
		return false;
	}
	copy.close();
	const QString copyPath = copy.fileName();

	QStringList shown = args;
	if (fmu) {
		shown[0] = "--fmu-export=\"" + stagedFmu + "\"";
		shown[1] = "--fmu-result-root=\"" + resultRoot + "\"";
	}
	const QString commandLine = QString("%1 \"%2\" %3").arg(m_solverExecutable, copyPath, shown.join(" "));
	BVX::BVX_Message(commandLine.toStdString() + "\n", BVX::MSG_PROGRESS, FUNC_ID, 1);

	SolverProgressDialog progress(this);
	const QString name = fmu ? fmuPath : m_ui->lineEditModelName->text();
	const SolverProgressDialog::Outcome outcome = progress.run(m_solverExecutable, QStringList(copyPath) << args,
		tr("Exporting '%1' with the solver. Cancel ends the solver, nothing is exported then.").arg(name));
	const QString log = keepSolverLog(copyPath);
	if (outcome == SolverProgressDialog::NotStarted) {
		QMessageBox::critical(this, tr("Export error"), tr("Could not start solver executable '%1'.").arg(m_solverExecutable));
		return false;
	}
	if (outcome == SolverProgressDialog::Cancelled) {
		BVX::BVX_Message("Model export cancelled, the solver was ended.\n", BVX::MSG_PROGRESS, FUNC_ID, 1);
		return false;
	}

	const bool solved = outcome == SolverProgressDialog::Finished
			&& (fmu ? QFile::exists(stagedFmu) : progress.exitCode() == 0);
	const QString failure = tr("%1\nSee log file at\n %2\n for more information.\n\nCommand line was:\n%3");
	if (!solved) {
		const QString what = fmu ? tr("Export of FMU '%1' cannot completed.").arg(fmuPath)
								 : tr("Export of model '%1' failed.").arg(name);
		QMessageBox::critical(this, tr("Export failure"), failure.arg(what, log, commandLine));
	}
	else {
		QString target;
		// the FMU alone; of a Modelica export everything the solver wrote
		const QStringList entries = fmu ? QStringList(QFileInfo(stagedFmu).fileName())
			: QDir(staging.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
		if (!QtExt::StagedInstall::install(staging.path(), entries, exportDir, target)) {
			QMessageBox::critical(this, tr("Export error"), tr("Could not replace '%1'.").arg(target));
			return false;
		}
		if (fmu)
			QMessageBox::information(this, tr("Export completed"), tr("Export of FMU '%1' completed.").arg(fmuPath));
		else
			QMessageBox::information(this, tr("Export completed"), tr("Export of model '%1' completed.").arg(name));
	}
	QSettings(RM::ProgramIdentity::ORGANIZATION, RM::ProgramIdentity::APPLICATION).setValue("LastExportDirectory", exportDir);
	close();
	return true;
}


void ExportModelDialog::storeInterfaceFlags() {
	int flags = 0;
	if (m_ui->checkBoxVaporSource->isChecked())
		flags |= INTERFACE_VAPOR_SOURCE;
	if (m_ui->checkBoxLiquid->isChecked())
		flags |= INTERFACE_LIQUID;
	m_project->m_interfaceDefinition = flags;
}


QString ExportModelDialog::keepSolverLog(const QString & copyPath) const {
	// the solver logs into the run directory of the project it reads: the copy's
	const QFileInfo copyInfo(copyPath);
	const QString copyRunDir = copyInfo.absolutePath() + "/" + copyInfo.completeBaseName();
	const QString solverLog = copyRunDir + "/log/screenlog.txt";
	const QString projectLogDir = fromPath(toPath(m_projectFilePath).withoutExtension()) + "/log";
	const QString projectLog = projectLogDir + "/screenlog.txt";
	if (!QFileInfo::exists(solverLog)) {
		QDir(copyRunDir).removeRecursively();
		// the solver's output lines went to the program log
		return QtExt::Directories::globalLogFile();
	}
	if (QDir().mkpath(projectLogDir) && (!QFileInfo::exists(projectLog) || QFile::remove(projectLog))
			&& QFile::copy(solverLog, projectLog)) {
		QDir(copyRunDir).removeRecursively();
		return projectLog;
	}
	return solverLog;
}
