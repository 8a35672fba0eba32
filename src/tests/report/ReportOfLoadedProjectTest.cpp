// The report through the main window describes the project loaded now: before any run and
// after loading another project it prints that project without results; after a run of it,
// that run's results.
#include <memory>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QToolButton>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Room.h>

#include "ButtonBar.h"
#include "GuiTestHarness.h"
#include "MainWindowTest.h"
#include "Report.h"
#include "ReportPreview.h"
#include "ReportTestFixture.h"
#include "RoomModelDialog.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;

/*! What a report showed. */
struct ReportSeen {
	QString	m_projectName;
	double	m_area = 0;
	bool	m_results = false;
	QString	m_text;
};

class ReportOfLoadedProjectTest : public GuiTest::MainWindowTest {
protected:
	void SetUp() override {
		MainWindowTest::SetUp();
		const QString source = GuiTest::sourceDir() + "/tools/caldoryne-cli/tests/data/Office_ThreeDays.rmxml";
		m_projectA = m_dir + "/a.rmxml";
		QFile::copy(source, m_projectA);
		// project B: another name and floor area
		QFile in(source);
		ASSERT_TRUE(in.open(QIODevice::ReadOnly));
		QString xml = QString::fromUtf8(in.readAll());
		ASSERT_TRUE(xml.contains("<ProjectName>Office, south facade</ProjectName>"));
		ASSERT_TRUE(xml.contains("<Area>20</Area>"));
		xml.replace("<ProjectName>Office, south facade</ProjectName>", "<ProjectName>Meeting room B</ProjectName>");
		xml.replace("<Area>20</Area>", "<Area>35</Area>");
		m_projectB = m_dir + "/b.rmxml";
		ASSERT_TRUE(GuiTest::writeBytes(m_projectB, xml.toUtf8()));
	}

	void load(const QString & file) {
		Driver driver;
		driver.add(Driver::chooseFile(file));
		m_window->buttonBar()->toolButtonLoad->click();
		ASSERT_EQ(m_window->project()->m_projectFilePath, file);
	}

	void run() {
		Driver driver;
		driver.add([](QWidget * w) { qobject_cast<QDialog *>(w)->accept(); });
		m_window->buttonBar()->toolButtonUpdate->click();
		ASSERT_TRUE(m_window->model()->m_outputManager.m_resultsPresent);
	}

	void newProject() {
		Driver driver;
		// a run leaves the project unmodified: New asks nothing, an edited one is discarded
		driver.setFallback(Driver::press(QDialogButtonBox::Discard));
		m_window->buttonBar()->toolButtonNew->click();
	}

	/*! Opens the report with the button, writes it as PDF and closes it. */
	ReportSeen openReport() {
		ReportSeen seen;
		const QString pdf = m_dir + "/report.pdf";
		Driver driver;
		driver.add([&](QWidget * w) {
			ReportPreview * preview = qobject_cast<ReportPreview *>(w);
			ASSERT_NE(preview, nullptr);
			ASSERT_TRUE(preview->writePdf(pdf));
			const RM::CaldoryneModelInterface * project = preview->report()->project();
			seen.m_projectName = project->m_room.m_projectInformation.m_projectName;
			seen.m_area = project->m_room.m_area;
			seen.m_results = project->m_outputManager.m_resultsPresent;
			preview->reject();
		});
		m_window->buttonBar()->toolButtonReport->click();
		EXPECT_EQ(driver.pending(), 0);
		seen.m_text = ReportTest::pdfText(pdf);
		return seen;
	}

	QString m_projectA;
	QString m_projectB;
};

} // namespace


TEST_F(ReportOfLoadedProjectTest, ReportShowsTheLoadedProjectAndOnlyItsOwnResults) {
	const QString noResults = "No simulation results available.";
	{
		SCOPED_TRACE("before any run");
		load(m_projectA);
		const ReportSeen r = openReport();
		EXPECT_EQ(r.m_projectName, QString("Office, south facade"));
		EXPECT_EQ(r.m_area, 20);
		EXPECT_FALSE(r.m_results);
		EXPECT_TRUE(r.m_text.contains(noResults));
		EXPECT_TRUE(r.m_text.contains("Office, south facade"));
	}
	{
		SCOPED_TRACE("after a run of A");
		run();
		const ReportSeen r = openReport();
		EXPECT_EQ(r.m_projectName, QString("Office, south facade"));
		EXPECT_TRUE(r.m_results);
		EXPECT_FALSE(r.m_text.contains(noResults));
		// the office is assessed after DIN 4108-2: the standard's boundary conditions
		EXPECT_TRUE(r.m_text.contains("144 Wh/(m2d)"));
		EXPECT_TRUE(r.m_text.contains("Verification according DIN 4108-2"));
		EXPECT_FALSE(r.m_text.contains("Natural ventilation:"));
	}
	{
		SCOPED_TRACE("B loaded, not run");
		load(m_projectB);
		// the results page and the export forget A's run
		EXPECT_FALSE(m_window->model()->m_outputManager.m_resultsPresent);
		EXPECT_FALSE(m_window->buttonBar()->toolButtonExport->isEnabled());
		const ReportSeen r = openReport();
		EXPECT_EQ(r.m_projectName, QString("Meeting room B"));
		EXPECT_EQ(r.m_area, 35);
		EXPECT_FALSE(r.m_results);
		EXPECT_TRUE(r.m_text.contains(noResults));
		EXPECT_TRUE(r.m_text.contains("Meeting room B"));
		EXPECT_FALSE(r.m_text.contains("Office, south facade"));
	}
	{
		SCOPED_TRACE("after a run of B");
		run();
		const ReportSeen r = openReport();
		EXPECT_EQ(r.m_projectName, QString("Meeting room B"));
		EXPECT_EQ(r.m_area, 35);
		EXPECT_TRUE(r.m_results);
		EXPECT_FALSE(r.m_text.contains(noResults));
	}
	{
		SCOPED_TRACE("New");
		newProject();
		EXPECT_FALSE(m_window->model()->m_outputManager.m_resultsPresent);
		const ReportSeen r = openReport();
		EXPECT_FALSE(r.m_results);
		EXPECT_EQ(r.m_area, RM::Room().m_area);
		EXPECT_TRUE(r.m_text.contains(noResults));
		EXPECT_FALSE(r.m_text.contains("Meeting room B"));
		// the default room has the assessment off: its own models, none of the standard's values
		for (const char * own : { "Natural ventilation:", "Mechanical ventilation:", "Equipment:", "Heating:", "Shading:" })
			EXPECT_TRUE(r.m_text.contains(own)) << own;
		for (const char * standard : { "100 Wh/(m2d)", "144 Wh/(m2d)", "Automated shading system", "Verification" })
			EXPECT_FALSE(r.m_text.contains(standard)) << standard;
	}
}
