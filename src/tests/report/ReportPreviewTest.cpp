#include <QCheckBox>
#include <QDir>
#include <QPrintDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QFontComboBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <QtExt_Directories.h>

#include "QtExt_FileSizeLimit.h"
#include "GuiTestHarness.h"
#include "Report.h"
#include "ReportPreview.h"
#include "ReportSettings.h"
#include "ReportTestFixture.h"

namespace {

/*! Section headings in the order the report lays them out (the remarks section is off by default). */
const QStringList HEADINGS = {
	"Thermal simulation", "Room Data", "Climate", "Outer Components",
	"Components to areas", "Inner Components", "Windows",
	"Constructions", "Ventilation", "Inner loads", "Shading control", "Miscellaneous",
	"Results", "Temperatures", "Program description"
};

class ReportPreviewTest : public ::testing::Test {
protected:
	void SetUp() override {
		GuiTest::clearSettings();
		ReportSettings::instance().setDefaults();
		// a large font spreads the sections over several pages
		ReportSettings::instance().m_font.setPointSize(20);
		ReportTest::addConstructionTypes(m_db, { 3, 4 });
		m_model = ReportTest::model({ 3, 4, 3 });
		ASSERT_TRUE(m_dir.isValid());
	}
	void TearDown() override { ReportSettings::instance().setDefaults(); }

	QString file(const QString & name) const { return m_dir.filePath(name); }

	QTemporaryDir									m_dir;
	RM::Database									m_db;
	std::unique_ptr<RM::CaldoryneModelInterface>	m_model;
};

/*! Positions of the headings in the text, -1 for a missing one. */
std::vector<int> headingPositions(const QString & text) {
	std::vector<int> pos;
	for (const QString & h : HEADINGS)
		pos.push_back(text.indexOf(h));
	return pos;
}

} // namespace


TEST_F(ReportPreviewTest, WritePdfAllPagesWithHeaderFooterAndSectionsInOrder) {
	ReportPreview preview(m_model.get(), &m_db);
	preview.updatePreview();
	const int pages = preview.pageCount();
	ASSERT_GT(pages, 1);

	QSignalSpy progress(&preview, &ReportPreview::progress);
	ASSERT_TRUE(preview.writePdf(file("report.pdf")));
	EXPECT_EQ(progress.count(), 1);
	EXPECT_EQ(ReportTest::pdfPages(file("report.pdf")), pages);
	EXPECT_EQ(ReportTest::pdfPageSize(file("report.pdf")), "595 x 842 pts (A4)");
	EXPECT_EQ(ReportTest::pdfPagesWithInk(file("report.pdf")), pages);

	for (int page = 1; page <= pages; ++page) {
		const QString text = ReportTest::pdfText(file("report.pdf"), page);
		EXPECT_TRUE(text.contains("Caldoryne 3.2.2")) << page;
		EXPECT_TRUE(text.contains("Test office")) << page;
		EXPECT_TRUE(text.contains(QString("Page %1 of %2").arg(page).arg(pages))) << page;
	}
	const std::vector<int> pos = headingPositions(ReportTest::pdfText(file("report.pdf")));
	for (size_t i = 0; i < pos.size(); ++i) {
		EXPECT_GE(pos[i], 0) << HEADINGS[int(i)].toStdString();
		if (i > 0) {
			EXPECT_GT(pos[i], pos[i - 1]) << HEADINGS[int(i)].toStdString();
		}
	}
	// both construction types, each once
	const QString all = ReportTest::pdfText(file("report.pdf"));
	EXPECT_EQ(all.count("Construction 3 [3]"), 1);
	EXPECT_EQ(all.count("Construction 4 [4]"), 1);
}


TEST_F(ReportPreviewTest, SectionCheckBoxesAndPageNumbersAct) {
	ReportPreview preview(m_model.get(), &m_db);
	QCheckBox * ventilation = preview.findChild<QCheckBox *>("checkBoxVentilation");
	ASSERT_NE(ventilation, nullptr);
	ASSERT_TRUE(ventilation->isChecked());

	ventilation->setChecked(false);
	EXPECT_EQ(ReportSettings::instance().m_activatedFrames.count(7), 0u);
	preview.findChild<QCheckBox *>("checkBoxPageNumbers")->setChecked(false);
	ASSERT_TRUE(preview.writePdf(file("off.pdf")));
	QString text = ReportTest::pdfText(file("off.pdf"));
	EXPECT_FALSE(text.contains("Ventilation"));
	EXPECT_TRUE(text.contains("Inner loads"));
	EXPECT_FALSE(text.contains("Page 1 of"));

	ventilation->setChecked(true);
	preview.findChild<QCheckBox *>("checkBoxPageNumbers")->setChecked(true);
	ASSERT_TRUE(preview.writePdf(file("on.pdf")));
	text = ReportTest::pdfText(file("on.pdf"));
	EXPECT_TRUE(text.contains("Ventilation"));
	EXPECT_TRUE(text.contains("Page 1 of"));

	// the program description cannot be switched off
	QCheckBox * description = preview.findChild<QCheckBox *>("checkBoxProgramDescription");
	EXPECT_TRUE(description->isChecked());
	EXPECT_FALSE(description->isEnabled());
}


TEST_F(ReportPreviewTest, ExportPageWritesThePageOnViewAsPdf) {
	ReportPreview preview(m_model.get(), &m_db);
	preview.updatePreview();
	ASSERT_GT(preview.pageCount(), 1);
	preview.previewWidget()->setCurrentPage(2);
	ASSERT_TRUE(preview.writePdf(file("whole.pdf")));

	ASSERT_TRUE(preview.exportPage(file("x.txt")));
	EXPECT_FALSE(QFile::exists(file("x.txt")));
	ASSERT_TRUE(QFile::exists(file("x.pdf")));
	EXPECT_EQ(ReportTest::pdfPages(file("x.pdf")), 1);
	EXPECT_EQ(ReportTest::pdfText(file("x.pdf"), 1), ReportTest::pdfText(file("whole.pdf"), 2));
}


TEST_F(ReportPreviewTest, FullDiskKeepsTheEarlierPdf) {
	ReportPreview preview(m_model.get(), &m_db);
	const QString pdf = file("report.pdf");
	ASSERT_TRUE(preview.writePdf(pdf));
	const QByteArray earlier = GuiTest::readBytes(pdf);
	ASSERT_GT(earlier.size(), 20000);
	// no space at all, then space for a part of the report
	for (rlim_t limit : { rlim_t(0), rlim_t(20000) }) {
		ReportTest::MessageRecorder recorder;
		bool ok = true;
		{
			QtExt::FileSizeLimit full(limit);
			ok = preview.writePdf(pdf);
		}
		EXPECT_FALSE(ok) << limit;
		ASSERT_FALSE(recorder.m_messages.empty());
		EXPECT_EQ(recorder.m_messages.back().m_functionID, "[ReportPreview::printPdfWhole]");
		EXPECT_TRUE(GuiTest::readBytes(pdf) == earlier) << limit;
		EXPECT_EQ(QDir(QFileInfo(pdf).absolutePath()).entryList(QDir::Files | QDir::Hidden).filter("report.pdf"),
				  QStringList{ "report.pdf" });
	}
}


/*! Types a file name into a save dialog, keeping its own overwrite question. */
GuiTest::ModalDialogDriver::Action typeFileName(const QString & dir, const QString & name, QFileDialog ** seen = nullptr) {
	return [dir, name, seen](QWidget * w) {
		QFileDialog * dlg = qobject_cast<QFileDialog *>(w);
		ASSERT_NE(dlg, nullptr);
		if (seen != nullptr)
			*seen = dlg;
		dlg->setDirectory(dir);
		dlg->findChild<QLineEdit *>("fileNameEdit")->setText(name);
		// later: the dialog's question runs an event loop the driver has to see
		QTimer::singleShot(0, dlg, [dlg]() { static_cast<QDialog *>(dlg)->accept(); });
	};
}



/*! Answers the print dialog with "Print to File (PDF)" into the file, all pages or from..to,
	as the user fills in its fields; then runs after (the dialog has accepted). */
GuiTest::ModalDialogDriver::Action printToFile(const QString & file, int from = 0, int to = 0,
											   const std::function<void()> & after = std::function<void()>()) {
	return [=](QWidget * w) {
		QPrintDialog * dlg = qobject_cast<QPrintDialog *>(w);
		ASSERT_NE(dlg, nullptr);
		QComboBox * printers = dlg->findChild<QComboBox *>("printers");
		ASSERT_NE(printers, nullptr);
		printers->setCurrentIndex(printers->findText("Print to File (PDF)"));
		QLineEdit * name = dlg->findChild<QLineEdit *>("filename");
		ASSERT_NE(name, nullptr);
		name->setText(file);
		if (from > 0) {
			dlg->findChild<QRadioButton *>("printRange")->click();
			dlg->findChild<QSpinBox *>("from")->setValue(from);
			dlg->findChild<QSpinBox *>("to")->setValue(to);
		}
		dlg->accept();
		if (after)
			after();
	};
}


// A print that cannot be written shows the box of Write PDF, naming the file and the log
// file; the log line has one closing mark; the preview goes on.
TEST_F(ReportPreviewTest, UnwritableTargetIsReportedAndPreviewGoesOn) {
	using Driver = GuiTest::ModalDialogDriver;
	ReportPreview preview(m_model.get(), &m_db);
	preview.updatePreview();
	const int pages = preview.pageCount();
	QSignalSpy progress(&preview, &ReportPreview::progress);
	const QString bad = file("missing-folder/report.pdf");
	{
		ReportTest::MessageRecorder recorder;
		EXPECT_FALSE(preview.writePdf(bad));
		ASSERT_EQ(recorder.m_messages.size(), 1u);
		const ReportTest::MessageRecorder::Message & m = recorder.m_messages.front();
		EXPECT_EQ(m.m_type, BVX::MSG_ERROR);
		EXPECT_EQ(m.m_functionID, "[ReportPreview::printPdfWhole]");
		EXPECT_EQ(QString::fromStdString(m.m_text),
				  QString("Cannot write PDF file '%1': No such file or directory.").arg(bad));
	}
	EXPECT_EQ(progress.count(), 0);

	// Write PDF and Print to File into a folder that is gone when the report is written
	QPushButton * writeButton = preview.findChild<QPushButton *>("pushButtonWritePdf");
	QPushButton * printButton = preview.findChild<QPushButton *>("pushButtonPrint");
	const QString folder = file("gone");
	const QString target = folder + "/report.pdf";
	const auto removeFolder = [folder]() { QDir(folder).removeRecursively(); };
	QStringList boxes;
	for (QPushButton * button : { writeButton, printButton }) {
		ASSERT_TRUE(QDir().mkpath(folder));
		Driver driver;
		if (button == writeButton)
			driver.add([&](QWidget * w) { typeFileName(folder, "report.pdf")(w); removeFolder(); });
		else
			driver.add(printToFile(target, 0, 0, removeFolder));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		ReportTest::MessageRecorder recorder;
		button->click();
		ASSERT_EQ(driver.m_seen.size(), 2u) << button->objectName().toStdString();
		EXPECT_EQ(driver.m_seen[1].m_className, "QMessageBox");
		EXPECT_TRUE(driver.m_seen[1].m_text.contains(target)) << driver.m_seen[1].m_text.toStdString();
		// the box names the system's reason, not only the log file
		EXPECT_TRUE(driver.m_seen[1].m_text.contains("No such file or directory")) << driver.m_seen[1].m_text.toStdString();
		EXPECT_TRUE(driver.m_seen[1].m_text.contains(QtExt::Directories::globalLogFile()));
		boxes << driver.m_seen[1].m_title + "|" + driver.m_seen[1].m_text;
		EXPECT_EQ(recorder.m_messages.size(), 1u);
		EXPECT_FALSE(QFile::exists(target));
	}
	EXPECT_EQ(boxes[0], boxes[1]);
	// the print dialog takes a name in a folder that does not exist at all
	{
		Driver driver;
		driver.add(printToFile(bad));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		printButton->click();
		ASSERT_EQ(driver.m_seen.size(), 2u);
		EXPECT_EQ(driver.m_seen[1].m_className, "QMessageBox");
		EXPECT_TRUE(driver.m_seen[1].m_text.contains(bad)) << driver.m_seen[1].m_text.toStdString();
	}

	EXPECT_TRUE(preview.writePdf(file("good.pdf")));
	EXPECT_EQ(progress.count(), 1);
	preview.updatePreview();
	EXPECT_EQ(preview.pageCount(), pages);
}


// A page range applies to the print it was chosen for: the file holds those pages, the
// preview keeps every page, also for a range past the end (which a box tells).
TEST_F(ReportPreviewTest, RangedPrintLeavesTheWholePreview) {
	using Driver = GuiTest::ModalDialogDriver;
	ReportPreview preview(m_model.get(), &m_db);
	preview.updatePreview();
	const int pages = preview.pageCount();
	ASSERT_GE(pages, 3);
	ASSERT_TRUE(preview.writePdf(file("whole.pdf")));
	QPushButton * printButton = preview.findChild<QPushButton *>("pushButtonPrint");

	Driver driver;
	driver.add(printToFile(file("range.pdf"), 2, 3));
	printButton->click();
	ASSERT_EQ(driver.m_seen.size(), 1u);
	EXPECT_EQ(ReportTest::pdfPages(file("range.pdf")), 2);
	EXPECT_EQ(ReportTest::pdfText(file("range.pdf"), 1), ReportTest::pdfText(file("whole.pdf"), 2));
	EXPECT_EQ(preview.pageCount(), pages);
	preview.updatePreview();
	EXPECT_EQ(preview.pageCount(), pages);

	// past the end: nothing printed, a box names the last page, the preview stays whole
	driver.add(printToFile(file("past.pdf"), pages + 1, pages + 2));
	driver.add(Driver::press(QDialogButtonBox::Ok));
	printButton->click();
	ASSERT_EQ(driver.m_seen.size(), 3u);
	EXPECT_EQ(driver.m_seen[2].m_className, "QMessageBox");
	EXPECT_TRUE(driver.m_seen[2].m_text.contains(QString("(page %1)").arg(pages))) << driver.m_seen[2].m_text.toStdString();
	EXPECT_FALSE(QFile::exists(file("past.pdf")));
	preview.updatePreview();
	EXPECT_EQ(preview.pageCount(), pages);

	// the next print without a range prints everything again
	driver.add(printToFile(file("all.pdf")));
	printButton->click();
	EXPECT_EQ(ReportTest::pdfPages(file("all.pdf")), pages);
}


TEST_F(ReportPreviewTest, PdfButtonsAskBeforeReplacingTheFinalNameAndShowFailures) {
	using Driver = GuiTest::ModalDialogDriver;
	ReportPreview preview(m_model.get(), &m_db);
	QPushButton * writeButton = preview.findChild<QPushButton *>("pushButtonWritePdf");
	QPushButton * pageButton = preview.findChild<QPushButton *>("pushButtonExportPage");
	ASSERT_NE(writeButton, nullptr);
	ASSERT_NE(pageButton, nullptr);
	const QString report = file("report.pdf");
	const QString page = file("page.pdf");
	struct Case { QPushButton * button; QString typed; QString target; };
	// "report" gets its suffix from the dialog, "page.txt" is turned into page.pdf by the export
	const Case cases[] = { { writeButton, "report", report }, { pageButton, "page.txt", page } };
	for (const Case & c : cases) {
		ASSERT_TRUE(GuiTest::writeBytes(c.target, "old"));
		Driver driver;
		QFileDialog * dialog = nullptr;
		driver.add(typeFileName(m_dir.path(), c.typed, &dialog));
		driver.add([&dialog](QWidget * w) {
			Driver::press(QDialogButtonBox::No)(w);
			// the file dialog's own question leaves it open: give up
			if (dialog != nullptr && dialog->isVisible())
				QTimer::singleShot(0, dialog, &QDialog::reject);
		});
		c.button->click();
		ASSERT_EQ(driver.m_seen.size(), 2u) << c.typed.toStdString();
		EXPECT_TRUE(driver.m_seen[1].m_text.contains("page.pdf") || driver.m_seen[1].m_text.contains("report.pdf"))
				<< driver.m_seen[1].m_text.toStdString();
		EXPECT_EQ(GuiTest::readBytes(c.target), QByteArray("old"));

		driver.add(typeFileName(m_dir.path(), c.typed));
		driver.add(Driver::press(QDialogButtonBox::Yes));
		c.button->click();
		ASSERT_EQ(driver.m_seen.size(), 4u) << c.typed.toStdString();
		EXPECT_TRUE(GuiTest::readBytes(c.target).startsWith("%PDF")) << c.typed.toStdString();
	}
	EXPECT_FALSE(QFile::exists(file("page.txt")));

	// a target that cannot be written: a box names the file and the log file
	for (QPushButton * button : { writeButton, pageButton }) {
		Driver driver;
		driver.add(typeFileName("/proc", "report.pdf"));
		driver.add(Driver::press(QDialogButtonBox::Ok));
		ReportTest::MessageRecorder recorder;
		button->click();
		ASSERT_EQ(driver.m_seen.size(), 2u);
		EXPECT_EQ(driver.m_seen[1].m_className, "QMessageBox");
		EXPECT_TRUE(driver.m_seen[1].m_text.contains("/proc/report.pdf")) << driver.m_seen[1].m_text.toStdString();
		EXPECT_TRUE(driver.m_seen[1].m_text.contains(QtExt::Directories::globalLogFile()));
	}
	// and the preview goes on
	preview.updatePreview();
	EXPECT_GT(preview.pageCount(), 1);
}


TEST_F(ReportPreviewTest, ThrowingFrameIsLoggedAndWithoutProjectNothingHappens) {
	ReportPreview preview(m_model.get(), &m_db);
	ASSERT_TRUE(preview.writePdf(file("first.pdf")));
	// the frames are kept for the same model, so the extra frame takes part in the next print
	preview.report()->addFrame(new ReportTest::TestFrame(preview.report(), preview.report()->textDocument(), 10, "x", true));
	QSignalSpy progress(&preview, &ReportPreview::progress);
	{
		ReportTest::MessageRecorder recorder;
		EXPECT_FALSE(preview.writePdf(file("second.pdf")));
		ASSERT_EQ(recorder.m_messages.size(), 1u);
		EXPECT_EQ(recorder.m_messages[0].m_text, "Error while printing report.\nFrame cannot be laid out!");
		EXPECT_EQ(recorder.m_messages[0].m_functionID, "[PrintDialog::printReport]");
	}
	EXPECT_EQ(progress.count(), 0);

	ReportPreview noProject(nullptr, &m_db);
	QSignalSpy noProgress(&noProject, &ReportPreview::progress);
	ReportTest::MessageRecorder recorder;
	EXPECT_FALSE(noProject.writePdf(file("none.pdf")));
	EXPECT_FALSE(QFile::exists(file("none.pdf")));
	EXPECT_EQ(noProgress.count(), 0);
	EXPECT_TRUE(recorder.m_messages.empty());
}


TEST_F(ReportPreviewTest, ZoomButtonsSwitchToCustomZoom) {
	ReportPreview preview(m_model.get(), &m_db);
	QComboBox * zoom = preview.findChild<QComboBox *>("comboBoxZoomOptions");
	for (const char * button : { "pushButtonZoomIn", "pushButtonZoomOut" }) {
		zoom->setCurrentIndex(0);
		EXPECT_EQ(preview.previewWidget()->zoomMode(), QPrintPreviewWidget::FitInView);
		const double before = preview.previewWidget()->zoomFactor();
		QTest::mouseClick(preview.findChild<QPushButton *>(button), Qt::LeftButton);
		EXPECT_EQ(zoom->currentIndex(), 2) << button;
		EXPECT_EQ(preview.previewWidget()->zoomMode(), QPrintPreviewWidget::CustomZoom) << button;
		EXPECT_NE(preview.previewWidget()->zoomFactor(), before) << button;
	}
}


TEST_F(ReportPreviewTest, FontChangeRefillsSizesAndAppliesTheSizeOnce) {
	ReportSettings::instance().m_font.setPointSize(12);
	ReportPreview preview(m_model.get(), &m_db);
	QSignalSpy paints(preview.previewWidget(), &QPrintPreviewWidget::paintRequested);
	QFontComboBox * fonts = preview.findChild<QFontComboBox *>("fontComboBoxFont");
	ASSERT_GT(fonts->count(), 1);
	const int other = fonts->currentIndex() == 0 ? 1 : 0;
	fonts->setCurrentIndex(other);
	EXPECT_EQ(paints.count(), 1);
	EXPECT_EQ(ReportSettings::instance().m_font.pointSize(), 12);
	QComboBox * sizes = preview.findChild<QComboBox *>("comboBoxFontSize");
	EXPECT_EQ(sizes->currentData().toInt(), 12);

	// choosing a size applies it
	const int index = sizes->findData(sizes->itemData(0));
	sizes->setCurrentIndex(index == sizes->currentIndex() ? 1 : index);
	EXPECT_EQ(ReportSettings::instance().m_font.pointSize(), sizes->currentData().toInt());
	EXPECT_EQ(paints.count(), 2);
}


// A remark of a numbered list of 60 measures and a bordered table of 40 rooms spans three
// pages and reads as the same remark on one page would: every item keeps its number, every
// row its two cells apart; no shading debug lines on the way.
TEST_F(ReportPreviewTest, ContinuedRemarkKeepsListNumbersAndTableCells) {
	ReportSettings::instance().m_font.setPointSize(12);
	ReportSettings::instance().m_activatedFrames = { 12, 14 };
	QString html = "<ol>";
	for (int i = 1; i <= 60; ++i)
		html += QString("<li>Measure %1</li>").arg(i);
	html += "</ol><table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">";
	for (int i = 1; i <= 40; ++i)
		html += QString("<tr><td>Room %1</td><td>%2 m2</td></tr>").arg(i).arg(i + 10);
	html += "</table>";
	m_model->m_room.m_projectInformation.m_description = html;
	ReportPreview preview(m_model.get(), &m_db);
	ReportTest::MessageRecorder debug(BVX::MSG_DEBUG);
	ASSERT_TRUE(preview.writePdf(file("remark.pdf")));
	EXPECT_TRUE(debug.m_messages.empty()) << debug.m_messages.front().m_text;
	ASSERT_GE(ReportTest::pdfPages(file("remark.pdf")), 3);
	const QString text = ReportTest::pdfText(file("remark.pdf"));
	for (int i = 1; i <= 60; ++i)
		EXPECT_EQ(text.count(QRegularExpression(QString("\\b%1\\.\\s+Measure %1\\b").arg(i))), 1) << i;
	for (int i = 1; i <= 40; ++i)
		EXPECT_EQ(text.count(QRegularExpression(QString("\\bRoom %1\\s+%2 m2\\b").arg(i).arg(i + 10))), 1) << i;
}
