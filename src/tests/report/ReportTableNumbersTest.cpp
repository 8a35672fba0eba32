// The report's tables as a reader finds them in the PDF: every number of every table of the
// bundled examples, in both languages and at every font size the preview offers for a
// scalable family, stands unbroken on one line.
#include <map>
#include <memory>
#include <tuple>

#include <QComboBox>
#include <QFontComboBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

#include <gtest/gtest.h>

#include <QtExt_LanguageHandler.h>
#include <QtExt_ReportBlockFrame.h>
#include <QtExt_Table.h>

#include <RM_CaldoryneModelInterface.h>
#include <RM_Database.h>

#include "GuiTestHarness.h"
#include "Report.h"
#include "ReportPreview.h"
#include "ReportSettings.h"
#include "ReportTestFixture.h"

namespace {

/*! Numbers as the reader sees them: digits with their decimal and group separators. */
std::map<QString, int> numbers(const QString & text) {
	static const QRegularExpression number("\\d+(?:[.,]\\d+)*");
	std::map<QString, int> found;
	QRegularExpressionMatchIterator it = number.globalMatch(text);
	while (it.hasNext())
		++found[it.next().captured()];
	return found;
}

/*! Plain texts of all cells of the tables the last layout placed. */
QString tableTexts(Report * report) {
	QStringList texts;
	for (size_t i = 0; i < report->frameCount(); ++i) {
		const QtExt::ReportBlockFrame * frame = dynamic_cast<const QtExt::ReportBlockFrame *>(report->frame(i));
		if (frame == nullptr || frame->isHidden())
			continue;
		for (QtExt::Table * t : frame->tables())
			for (int r = 0; r < t->rowCount(); ++r)
				for (int c = 0; c < t->columnCount(); ++c)
					texts << QTextDocumentFragment::fromHtml(t->cell(c, r).text()).toPlainText();
	}
	return texts.join('\n');
}

/*! Example and language; one test each, so that CTest runs them side by side. */
class ReportTableNumbersTest : public ::testing::TestWithParam<std::tuple<const char *, const char *>> {
protected:
	void SetUp() override {
		GuiTest::clearSettings();
		ReportSettings::instance().setDefaults();
		ASSERT_TRUE(m_dir.isValid());
		m_db.setDirectories(GuiTest::sourceDir() + "/resources", m_dir.filePath("userdb"));
		m_db.readDatabase();
	}
	void TearDown() override {
		QtExt::LanguageHandler::instance().installTranslator("en");
		ReportSettings::instance().setDefaults();
	}

	QTemporaryDir	m_dir;
	RM::Database	m_db;
};

} // namespace


TEST_P(ReportTableNumbersTest, EveryTableNumberStandsUnbrokenAtEveryFontSize) {
	const QString example = std::get<0>(GetParam());
	const char * lang = std::get<1>(GetParam());
	std::unique_ptr<RM::CaldoryneModelInterface> model(new RM::CaldoryneModelInterface);
	model->m_room.readProjectFile(GuiTest::sourceDir() + "/resources/examples/" + example, m_db);
	model->m_constructions = model->m_room.m_constructions;
	ASSERT_FALSE(model->m_constructions.empty());

	{
		QtExt::LanguageHandler::instance().installTranslator(lang);
		ReportSettings::instance().setDefaults();
		ReportPreview preview(model.get(), &m_db);
		// a scalable family: the preview offers its standard sizes
		QFontComboBox * family = preview.findChild<QFontComboBox *>("fontComboBoxFont");
		family->setCurrentFont(QFont("DejaVu Sans"));
		QComboBox * sizes = preview.findChild<QComboBox *>("comboBoxFontSize");
		ASSERT_GT(sizes->count(), 10) << "sizes of " << family->currentFont().family().toStdString();
		for (int i = 0; i < sizes->count(); ++i) {
			sizes->setCurrentIndex(i);
			const QString pdf = m_dir.filePath(QString("%1-%2.pdf").arg(lang).arg(i));
			ASSERT_TRUE(preview.writePdf(pdf));
			const std::map<QString, int> inTables = numbers(tableTexts(preview.report()));
			const std::map<QString, int> inPdf = numbers(ReportTest::pdfText(pdf));
			ASSERT_GT(inTables.size(), 10u);
			int broken = 0;
			for (const auto & n : inTables) {
				const auto found = inPdf.find(n.first);
				const int count = found == inPdf.end() ? 0 : found->second;
				EXPECT_GE(count, n.second) << lang << " " << sizes->itemText(i).toStdString() << " pt: " << n.first.toStdString();
				broken += count < n.second ? 1 : 0;
			}
			// one size that fails says enough
			if (broken > 0)
				break;
		}
	}
}

INSTANTIATE_TEST_SUITE_P(Examples, ReportTableNumbersTest,
						 ::testing::Combine(::testing::Values("Office_SouthFacade.rmxml", "DefaultRoom.rmxml"),
											::testing::Values("en", "de")),
						 [](const ::testing::TestParamInfo<ReportTableNumbersTest::ParamType> & p) {
							 return QString(std::get<0>(p.param)).section('.', 0, 0).remove('_').toStdString()
									 + "_" + std::get<1>(p.param);
						 });
