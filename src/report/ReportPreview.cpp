#include "ReportPreview.h"
#include "ui_ReportPreview.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryFile>

#include <BVX_FormatText.h>
#include <BVX_MessageHandler.h>

#include <QtExt_Directories.h>
#include <QtExt_WholeFileWriter.h>

#include <RM_CaldoryneModelInterface.h>

#include "Report.h"
#include "ReportSettings.h"
#include <RM_ProgramIdentity.h>

namespace {

const double ZOOM_FACTOR = 1.1;

} // namespace


ReportPreview::ReportPreview(const RM::CaldoryneModelInterface * project, const RM::Database * database, QWidget * parent) :
	QDialog(parent),
	m_ui(new Ui::ReportPreview),
	m_printer(new QPrinter(QPrinter::HighResolution)),
	m_report(new Report(this)),
	m_project(project),
	m_database(database)
{
	m_ui->setupUi(this);
	m_printer->setPageSize(QPageSize(QPageSize::A4));
	m_printer->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);

	m_printPreviewWidget = new QPrintPreviewWidget(m_printer.get(), this);
	m_ui->verticalLayoutPreview->addWidget(m_printPreviewWidget);
	connect(m_printPreviewWidget, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::printReport);

	m_frameCheckBoxes = {
		{ m_ui->checkBoxProjectInfo, 2 },
		{ m_ui->checkBoxRoomData, 3 },
		{ m_ui->checkBoxClimate, 4 },
		{ m_ui->checkBoxComponents, 5 },
		{ m_ui->checkBoxConstructions, 6 },
		{ m_ui->checkBoxVentilation, 7 },
		{ m_ui->checkBoxInnerLoadsHeating, 8 },
		{ m_ui->checkBoxShading, 12 },
		{ m_ui->checkBoxMiscellaneous, 11 },
		{ m_ui->checkBoxResultsOverTemperature, 9 },
		{ m_ui->checkBoxTemperaturePlot, 10 },
		{ m_ui->checkBoxProjectRemarks, 14 },
		{ m_ui->checkBoxProgramDescription, 13 }
	};
	ReportSettings & settings = ReportSettings::instance();
	for (const auto & box : m_frameCheckBoxes) {
		box.first->setChecked(settings.m_activatedFrames.count(box.second) > 0);
		connect(box.first, &QCheckBox::stateChanged, this, &ReportPreview::checkBoxStateChanged);
	}
	// the settings always re-add the program description
	m_ui->checkBoxProgramDescription->setChecked(true);
	m_ui->checkBoxProgramDescription->setEnabled(false);

	m_ui->checkBoxPageNumbers->blockSignals(true);
	m_ui->checkBoxPageNumbers->setChecked(settings.m_currentPageNumbersVisible);
	m_ui->checkBoxPageNumbers->blockSignals(false);
	m_ui->checkBoxOverTempP2->setChecked(settings.m_overTemperatureHoursP2);
	m_ui->checkBoxOverTempP4->setChecked(settings.m_overTemperatureHoursP4);

	m_ui->comboBoxZoomOptions->blockSignals(true);
	m_ui->comboBoxZoomOptions->setCurrentIndex(0);
	m_ui->comboBoxZoomOptions->blockSignals(false);
	m_printPreviewWidget->setZoomMode(QPrintPreviewWidget::FitInView);

	m_ui->fontComboBoxFont->blockSignals(true);
	m_ui->fontComboBoxFont->setCurrentFont(settings.m_font);
	m_ui->fontComboBoxFont->blockSignals(false);
	fillFontSizes(settings.m_font);
	m_report->setDefaultFont(settings.m_font);

	m_ready = true;
}


ReportPreview::~ReportPreview() {
	delete m_ui;
}


int ReportPreview::pageCount() const {
	return m_printPreviewWidget->pageCount();
}


void ReportPreview::updatePreview() {
	m_printPreviewWidget->updatePreview();
}


void ReportPreview::on_pushButtonPrint_clicked() {
	// a printer of its own: the pages chosen in the dialog apply to this print only, the
	// preview keeps showing the whole report
	QPrinter printer(QPrinter::HighResolution);
	printer.setPageLayout(m_printer->pageLayout());
	QPrintDialog dlg(&printer, this);
	if (dlg.exec() != QDialog::Accepted)
		return;
	m_ready = true;
	// Print to File: written whole or not at all, as Write PDF
	const QString fileName = printer.outputFileName();
	// (a range past the end prints no page: nothing to put in place)
	m_printedPages = -1;
	const bool printed = fileName.isEmpty() ? renderReport(&printer)
		: printPdfWhole(printer, fileName, [&]() { return renderReport(&printer) && m_printedPages != 0; });
	if (!printed && m_printedPages != 0) {
		printer.setOutputFileName(fileName);
		showPrintError(printer);
		return;
	}
	// a range past the end prints nothing, which the printer would not tell
	if (m_printedPages == 0)
		QMessageBox::warning(this, tr("Print report"),
							 tr("The chosen pages lie past the last page of the report (page %1): nothing was printed.")
							 .arg(m_report->pageCount()));
}


void ReportPreview::printReport(QPrinter * printer) {
	renderReport(printer);
}


QString ReportPreview::printErrorMessage(const std::exception & ex) {
	const QString what = QString::fromStdString(ex.what()).trimmed();
	// a cause that ends a sentence of its own gets no second mark
	if (what.endsWith('.') || what.endsWith('!') || what.endsWith('?'))
		return tr("Error while printing report.\n%1").arg(what);
	return tr("Error while printing report.\n%1!").arg(what);
}


bool ReportPreview::renderReport(QPrinter * printer) {
	const char * const FUNC_ID = "[PrintDialog::printReport]";
	m_printedPages = -1;
	if (!m_ready || m_project == nullptr)
		return false;
	m_ready = false;
	try {
		const QString header = QString("%1 %2").arg(RM::ProgramIdentity::NAME, RM::ProgramIdentity::FULL_VERSION);
		m_report->setHeaderData(header, m_project->m_room.m_projectInformation.m_projectName, QString(), QPixmap());
		m_report->footerFrame().m_pageNumbersVisible = ReportSettings::instance().m_currentPageNumbersVisible;
		m_report->setData(m_project, m_database);
		m_printedPages = m_report->print(printer, QFont(ReportSettings::instance().m_font));
	}
	catch (std::exception & ex) {
		BVX::BVX_Message(printErrorMessage(ex).toStdString(), BVX::MSG_ERROR, FUNC_ID, 1);
		// unlike a cleared guard for good, the preview keeps working after a failed output
		m_ready = true;
		return false;
	}
	emit progress(0);
	m_ready = true;
	return true;
}


void ReportPreview::checkBoxStateChanged(int state) {
	QCheckBox * box = qobject_cast<QCheckBox *>(sender());
	const auto it = m_frameCheckBoxes.find(box);
	if (it == m_frameCheckBoxes.end())
		return;
	box->blockSignals(true);
	box->setCheckState(static_cast<Qt::CheckState>(state));
	box->blockSignals(false);
	std::set<int> & active = ReportSettings::instance().m_activatedFrames;
	if (state == Qt::Checked)
		active.insert(it->second);
	else
		active.erase(it->second);
	if (m_ready)
		updatePreview();
}


void ReportPreview::on_pushButtonClose_clicked() {
	close();
}


void ReportPreview::on_comboBoxZoomOptions_currentIndexChanged(int index) {
	switch (index) {
		case 0: m_printPreviewWidget->setZoomMode(QPrintPreviewWidget::FitInView); break;
		case 1: m_printPreviewWidget->setZoomMode(QPrintPreviewWidget::FitToWidth); break;
		case 2: m_printPreviewWidget->setZoomMode(QPrintPreviewWidget::CustomZoom); break;
		default: break;
	}
}


void ReportPreview::on_checkBoxPageNumbers_toggled(bool checked) {
	ReportSettings::instance().m_currentPageNumbersVisible = checked;
	updatePreview();
}


void ReportPreview::on_pushButtonPageSetup_clicked() {
	QPageSetupDialog dlg(m_printer.get(), this);
	dlg.exec();
	updatePreview();
}


void ReportPreview::on_checkBoxOverTempP2_clicked() {
	ReportSettings::instance().m_overTemperatureHoursP2 = m_ui->checkBoxOverTempP2->isChecked();
	if (m_ready)
		updatePreview();
}


void ReportPreview::on_checkBoxOverTempP4_clicked() {
	ReportSettings::instance().m_overTemperatureHoursP4 = m_ui->checkBoxOverTempP4->isChecked();
	if (m_ready)
		updatePreview();
}


void ReportPreview::setupPdfPrinter(QPrinter & printer, const QString & fileName) {
	printer.setOutputFormat(QPrinter::PdfFormat);
	printer.setPageSize(QPageSize(QPageSize::A4));
	printer.setOutputFileName(fileName);
	printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}


void ReportPreview::showPdfError(const QString & fileName) {
	if (m_pdfFailure.isEmpty())
		QMessageBox::critical(this, tr("PDF export"),
							  tr("Cannot write PDF file '%1'. See the log file '%2' for details.")
							  .arg(fileName, QtExt::Directories::globalLogFile()));
	else
		QMessageBox::critical(this, tr("PDF export"),
							  tr("Cannot write PDF file '%1': %2.\nSee the log file '%3' for details.")
							  .arg(fileName, m_pdfFailure, QtExt::Directories::globalLogFile()));
}


bool ReportPreview::printPdfWhole(QPrinter & printer, const QString & fileName, const std::function<bool()> & print) {
	const char * const FUNC_ID = "[ReportPreview::printPdfWhole]";
	const QFileInfo info(fileName);
	m_pdfFailure.clear();
	QTemporaryFile staged(info.absolutePath() + "/." + info.fileName() + "-XXXXXX");
	if (!staged.open()) {
		m_pdfFailure = staged.errorString();
		BVX::BVX_Message(BVX::FormatText("Cannot write PDF file '%1': %2.").arg(fileName.toStdString())
						 .arg(staged.errorString().toStdString()), BVX::MSG_ERROR, FUNC_ID, 1);
		return false;
	}
	printer.setOutputFileName(staged.fileName());
	const bool printed = print();
	printer.setOutputFileName(QString());
	// the PDF engine reports no write errors: a file cut by a full disk lacks its end marker
	staged.seek(0);
	const QByteArray bytes = staged.readAll();
	QString reason;
	if (!printed)
		return false;
	if (!bytes.trimmed().endsWith("%%EOF"))
		reason = "The PDF file is incomplete (disk full?)";
	else if (QtExt::WholeFileWriter::writeFile(fileName, bytes, &reason))
		return true;
	m_pdfFailure = reason;
	BVX::BVX_Message(BVX::FormatText("Cannot write PDF file '%1': %2.").arg(fileName.toStdString()).arg(reason.toStdString()),
					 BVX::MSG_ERROR, FUNC_ID, 1);
	return false;
}


void ReportPreview::showPrintError(const QPrinter & printer) {
	if (!printer.outputFileName().isEmpty()) {
		showPdfError(printer.outputFileName());
		return;
	}
	QMessageBox::critical(this, tr("Print report"),
						  tr("Cannot print the report on printer '%1'. See the log file '%2' for details.")
						  .arg(printer.printerName(), QtExt::Directories::globalLogFile()));
}


bool ReportPreview::writePdf(const QString & fileName) {
	QPrinter printer(QPrinter::HighResolution);
	setupPdfPrinter(printer, fileName);
	m_ready = true;
	return printPdfWhole(printer, fileName, [&]() { return renderReport(&printer); });
}


void ReportPreview::on_pushButtonWritePdf_clicked() {
	// the default suffix lets the dialog ask before replacing the final name
	QFileDialog dlg(nullptr, tr("Export PDF"), m_pdfDirectory, "*.pdf");
	dlg.setAcceptMode(QFileDialog::AcceptSave);
	dlg.setDefaultSuffix("pdf");
	if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
		return;
	const QString fileName = dlg.selectedFiles().first();
	if (fileName.isEmpty())
		return;
	if (!writePdf(fileName))
		showPdfError(fileName);
}


bool ReportPreview::exportPage(const QString & fileName) {
	const char * const FUNC_ID = "[ReportPreview::exportPage]";
	const QFileInfo info(fileName);
	const QString pdfName = info.dir().filePath(info.completeBaseName() + ".pdf");
	QPrinter printer(QPrinter::HighResolution);
	setupPdfPrinter(printer, pdfName);
	// the page on view: same page layout and font as the preview
	printer.setPageLayout(m_printer->pageLayout());
	m_ready = true;
	return printPdfWhole(printer, pdfName, [&]() {
		try {
			m_report->print(static_cast<QPaintDevice *>(&printer), m_printPreviewWidget->currentPage(),
							QFont(ReportSettings::instance().m_font));
		}
		catch (std::exception & ex) {
			BVX::BVX_Message(printErrorMessage(ex).toStdString(), BVX::MSG_ERROR, FUNC_ID, 1);
			return false;
		}
		return true;
	});
}


void ReportPreview::on_pushButtonExportPage_clicked() {
	QFileDialog dlg(this, tr("Export file"), "./", QString());
	dlg.setNameFilters(QStringList() << tr("Pdf file (*.pdf)"));
	dlg.setAcceptMode(QFileDialog::AcceptSave);
	dlg.setDefaultSuffix("pdf");
	dlg.setDirectory("./");
	if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
		return;
	const QString fileName = dlg.selectedFiles().first();
	if (fileName.isEmpty())
		return;
	const QFileInfo info(fileName);
	const QString pdfName = info.dir().filePath(info.completeBaseName() + ".pdf");
	// another extension bypassed the dialog's overwrite prompt
	if (pdfName != fileName && QFileInfo::exists(pdfName) &&
		QMessageBox::question(this, tr("Export file"), tr("File '%1' exists. Replace it?").arg(pdfName)) != QMessageBox::Yes)
		return;
	if (!exportPage(fileName))
		showPdfError(pdfName);
}


void ReportPreview::fillFontSizes(const QFont & font) {
	QComboBox * box = m_ui->comboBoxFontSize;
	box->blockSignals(true);
	box->clear();
	const QList<int> sizes = QFontDatabase().pointSizes(font.family(), QString());
	for (int size : sizes)
		box->addItem(QString("%1").arg(size), size);
	int index = box->findData(font.pointSize());
	if (index < 0) {
		// size not offered by the family: keep it as an extra entry
		box->addItem(QString("%1").arg(font.pointSize()), font.pointSize());
		index = box->count() - 1;
	}
	box->setCurrentIndex(index);
	box->blockSignals(false);
}


void ReportPreview::on_fontComboBoxFont_currentFontChanged(const QFont & font) {
	ReportSettings & settings = ReportSettings::instance();
	QFont f = font;
	if (settings.m_font.pointSize() > 0)
		f.setPointSize(settings.m_font.pointSize());
	settings.m_font = f;
	fillFontSizes(f);
	m_report->setDefaultFont(f);
	updatePreview();
}


void ReportPreview::on_comboBoxFontSize_currentIndexChanged(int index) {
	if (index < 0)
		return;
	const int size = m_ui->comboBoxFontSize->itemData(index, Qt::UserRole).toInt();
	if (size <= 0)
		return;
	ReportSettings & settings = ReportSettings::instance();
	settings.m_font.setPointSize(size);
	m_report->setDefaultFont(settings.m_font);
	updatePreview();
}


void ReportPreview::on_pushButtonZoomIn_clicked() {
	m_ui->comboBoxZoomOptions->setCurrentIndex(2);
	m_printPreviewWidget->zoomIn(ZOOM_FACTOR);
}


void ReportPreview::on_pushButtonZoomOut_clicked() {
	m_ui->comboBoxZoomOptions->setCurrentIndex(2);
	m_printPreviewWidget->zoomOut(ZOOM_FACTOR);
}
