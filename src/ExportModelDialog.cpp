#include "ExportModelDialog.h"
#include "ui_ExportModelDialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>

#include <BVX_Exception.h>
#include <BVX_MessageHandler.h>
#include <BVX_Path.h>

#include <RM_HygrellExport.h>
#include <RM_Room.h>

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

	QSettings settings("BVX", "Caldoryne 3.2");
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
	QSettings settings("BVX", "Caldoryne 3.2");
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
	QSettings settings("BVX", "Caldoryne 3.2");
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
		QMessageBox::critical(this, tr("Export error"), tr("Error during export, see logfile for details."));
		return false;
	}
	QMessageBox::information(this, tr("Export complete"), tr("ZONAVEX project was exported successfully."));
	QSettings("BVX", "Caldoryne 3.2").setValue("LastExportDirectory", info.absolutePath());
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
	const QFileInfo info(fileName);
	BVX::Path fmuFile = toPath(fileName).withoutExtension();
	fmuFile.addExtension("fmu");
	const QString fmuPath = fromPath(fmuFile);

	QStringList args;
	args << m_projectFilePath;
	if (!fmu) {
		const QString packageDir = info.absoluteDir().absoluteFilePath(info.baseName());
		if (!QDir().mkpath(packageDir)) {
			QMessageBox::critical(this, tr("Export error"), tr("Could not create export directory '%1'.").arg(packageDir));
			return false;
		}
		args << "--modelica-export=" + fileName;
	}
	else {
		if (QFile::exists(fmuPath) && !QFile::remove(fmuPath)) {
			QMessageBox::critical(this, tr("Export error"), tr("Could not remove existing fmu file '%1'.").arg(fmuPath));
			return false;
		}
		args << "--fmu-export=" + fmuPath
			 << "--fmu-result-root=" + info.absolutePath() + "/" + info.baseName() + "_FMU";
		if (!writeProjectWithInterfaceFlags())
			return false;
	}
	const QString exportDir = info.absolutePath();

	// the command line is shown and logged only; the process gets the argument list
	QStringList shown = args.mid(1);
	if (fmu) {
		shown[0] = "--fmu-export=\"" + fmuPath + "\"";
		shown[1] = "--fmu-result-root=\"" + info.absolutePath() + "/" + info.baseName() + "_FMU\"";
	}
	const QString commandLine = QString("%1 \"%2\" %3").arg(m_solverExecutable, m_projectFilePath, shown.join(" "));
	BVX::BVX_Message(commandLine.toStdString() + "\n", BVX::MSG_PROGRESS, FUNC_ID, 1);

	QProcess solver;
	solver.setProcessChannelMode(QProcess::ForwardedChannels);
	solver.start(m_solverExecutable, args);
	if (!solver.waitForStarted(-1)) {
		QMessageBox::critical(this, tr("Export error"), tr("Could not start solver executable '%1'.").arg(m_solverExecutable));
		return false;
	}
	solver.waitForFinished(-1);

	const QString screenLog = fromPath(toPath(m_projectFilePath).withoutExtension()) + "/log/screenlog.txt";
	const QString failure = tr("%1\nSee log file at\n %2\n for more information.\n\nCommand line was:\n%3");
	if (!fmu) {
		const QString name = m_ui->lineEditModelName->text();
		if (solver.exitStatus() == QProcess::NormalExit && solver.exitCode() == 0)
			QMessageBox::information(this, tr("Export completed"), tr("Export of model '%1' completed.").arg(name));
		else
			QMessageBox::critical(this, tr("Export failure"), failure.arg(tr("Export of model '%1' failed.").arg(name),
																		   screenLog, commandLine));
	}
	else if (QFile::exists(fmuPath))
		QMessageBox::information(this, tr("Export completed"), tr("Export of FMU '%1' completed.").arg(fmuPath));
	else
		// "cannot completed" is the program's wording, kept on purpose
		QMessageBox::critical(this, tr("Export failure"), failure.arg(tr("Export of FMU '%1' cannot completed.").arg(fmuPath),
																	   screenLog, commandLine));
	QSettings("BVX", "Caldoryne 3.2").setValue("LastExportDirectory", exportDir);
	close();
	return true;
}


bool ExportModelDialog::writeProjectWithInterfaceFlags() {
	int flags = 0;
	if (m_ui->checkBoxVaporSource->isChecked())
		flags |= INTERFACE_VAPOR_SOURCE;
	if (m_ui->checkBoxLiquid->isChecked())
		flags |= INTERFACE_LIQUID;
	m_project->m_interfaceDefinition = flags;
	if (!m_project->writeProjectFile(m_projectFilePath, *m_db)) {
		QMessageBox::critical(this, tr("Export error"), tr("Couldn't open file for writing."));
		return false;
	}
	m_project->m_projectFilePath = m_projectFilePath;
	return true;
}
