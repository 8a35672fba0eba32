#ifndef ReportPreviewH
#define ReportPreviewH

#include <functional>
#include <exception>
#include <map>
#include <memory>

#include <QDialog>

class QCheckBox;
class QPrinter;
class QPrintPreviewWidget;
class Report;

namespace RM {
	class CaldoryneModelInterface;
	class Database;
}

namespace Ui {
	class ReportPreview;
}

/*! Preview of the report with its section, font, zoom and page options; prints the report,
	writes it as PDF or writes the page on view as a one-page PDF. */
class ReportPreview : public QDialog {
	Q_OBJECT
public:
	/*! Project and database are not owned and must outlive the dialog. */
	ReportPreview(const RM::CaldoryneModelInterface * project, const RM::Database * database, QWidget * parent = nullptr);
	~ReportPreview() override;

	/*! Writes the whole report as PDF (A4, 20 mm margins); false when it could not be written. */
	bool writePdf(const QString & fileName);
	/*! Writes the page on view as a one-page PDF under the name with the extension "pdf";
		false when it could not be written. */
	bool exportPage(const QString & fileName);

	/*! Folder the "Write PDF" dialog opens in (the project's). */
	void setPdfDirectory(const QString & dir) { m_pdfDirectory = dir; }

	/*! Pages of the preview. */
	int pageCount() const;
	Report * report() const { return m_report; }
	QPrinter * printer() const { return m_printer.get(); }
	QPrintPreviewWidget * previewWidget() const { return m_printPreviewWidget; }

signals:
	void progress(int value);

public slots:
	void updatePreview();

private slots:
	void on_pushButtonPrint_clicked();
	void printReport(QPrinter * printer);
	void checkBoxStateChanged(int state);
	void on_pushButtonClose_clicked();
	void on_comboBoxZoomOptions_currentIndexChanged(int index);
	void on_checkBoxPageNumbers_toggled(bool checked);
	void on_pushButtonPageSetup_clicked();
	void on_checkBoxOverTempP2_clicked();
	void on_checkBoxOverTempP4_clicked();
	void on_pushButtonWritePdf_clicked();
	void on_fontComboBoxFont_currentFontChanged(const QFont & font);
	void on_comboBoxFontSize_currentIndexChanged(int index);
	void on_pushButtonExportPage_clicked();
	void on_pushButtonZoomIn_clicked();
	void on_pushButtonZoomOut_clicked();

private:
	/*! Renders the whole report; false (after logging) when it failed. */
	bool renderReport(QPrinter * printer);
	/*! Refills the size list for the font's family without emitting, selects its size. */
	void fillFontSizes(const QFont & font);
	/*! A4 with 20 mm margins, high resolution, PDF into fileName. */
	static void setupPdfPrinter(QPrinter & printer, const QString & fileName);
	/*! Lets print() write the PDF of the printer into a temporary file beside fileName and
		puts it in place only when it is complete; false (an existing file unchanged) otherwise,
		the system's reason in m_pdfFailure. */
	bool printPdfWhole(QPrinter & printer, const QString & fileName, const std::function<bool()> & print);
	/*! Error box naming the file, the reason of the failure and the log file. */
	void showPdfError(const QString & fileName);
	/*! Error box of a print that failed: the PDF box for a file, else naming the printer. */
	void showPrintError(const QPrinter & printer);
	/*! Log text of a failed output: the cause after a first line, one closing mark. */
	static QString printErrorMessage(const std::exception & ex);

	/*! Why the last PDF could not be written ("No space left on device"); empty when not known. */
	QString									m_pdfFailure;
	Ui::ReportPreview *						m_ui;
	QPrintPreviewWidget *					m_printPreviewWidget;
	std::unique_ptr<QPrinter>				m_printer;
	Report *								m_report;
	const RM::CaldoryneModelInterface *		m_project;
	const RM::Database *					m_database;
	std::map<QCheckBox *, int>				m_frameCheckBoxes;
	bool									m_ready = false;
	/*! Pages the last rendering printed (-1: it failed or did not run). */
	int										m_printedPages = -1;
	/*! Folder the "Write PDF" dialog opens in. */
	QString									m_pdfDirectory;
};

#endif // ReportPreviewH
