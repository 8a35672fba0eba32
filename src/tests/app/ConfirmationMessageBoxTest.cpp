// Confirmation box: result and stored key by button and check box, suppression, options, missing file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QSettings>
#include <QTemporaryDir>

#include <BVX_Path.h>

#include <QtExt_Directories.h>

#include "ConfirmationMessageBox.h"
#include "GuiTestHarness.h"

namespace {

using Driver = GuiTest::ModalDialogDriver;

class ConfirmationMessageBoxTest : public ::testing::Test {
protected:
	void SetUp() override {
		GuiTest::clearSettings();
		m_textFile = m_dir.path() + "/text.txt";
		QFile f(m_textFile);
		f.open(QIODevice::WriteOnly);
		f.write(QString::fromUtf8("Licence text\nwith Umlaut \u00e4.\n").toUtf8());
	}

	int show(const QString & okText = "Accept", bool showCancel = true) {
		return ConfirmationMessageBox::showIfNotSuppressed(BVX::Path(m_textFile.toStdString()), m_settings, "Key",
														   "Title", okText, showCancel);
	}

	static Driver::Action checkThen(bool checked, const Driver::Action & action) {
		return Driver::inspectThen([checked](QWidget * w) {
			w->findChild<QCheckBox *>("checkBoxDontShowAgain")->setChecked(checked);
		}, action);
	}

	QTemporaryDir	m_dir;
	QString			m_textFile;
	QSettings		m_settings { "BVX", "Caldoryne 3.2" };
};

} // namespace


TEST_F(ConfirmationMessageBoxTest, ResultAndStoredKeyByButtonAndCheckBox) {
	struct Case {
		const char *	m_how;
		Driver::Action	m_action;
		bool			m_checked;
		int				m_result;
		bool			m_stored;
	};
	const Case cases[] = {
		{ "Ok", Driver::press(QDialogButtonBox::Ok), false, QDialog::Accepted, false },
		{ "Ok, checked", Driver::press(QDialogButtonBox::Ok), true, QDialog::Accepted, true },
		{ "Cancel", Driver::press(QDialogButtonBox::Cancel), false, QDialog::Rejected, false },
		{ "Cancel, checked", Driver::press(QDialogButtonBox::Cancel), true, QDialog::Rejected, false },
		{ "Escape, checked", Driver::reject(), true, QDialog::Rejected, false },
	};
	for (const Case & c : cases) {
		m_settings.remove("Key");
		Driver driver;
		driver.add(checkThen(c.m_checked, c.m_action));
		EXPECT_EQ(show(), c.m_result) << c.m_how;
		EXPECT_EQ(driver.m_seen.size(), 1u) << c.m_how;
		EXPECT_TRUE(m_settings.contains("Key")) << c.m_how;
		EXPECT_EQ(m_settings.value("Key").toBool(), c.m_stored) << c.m_how;
	}
}


TEST_F(ConfirmationMessageBoxTest, AcceptedWithCheckBoxIsNotShownAgain) {
	{
		Driver driver;
		driver.add(checkThen(true, Driver::press(QDialogButtonBox::Ok)));
		ASSERT_EQ(show(), QDialog::Accepted);
	}
	Driver driver;
	for (int i = 0; i < 2; ++i)
		EXPECT_EQ(show(), QDialog::Accepted);
	EXPECT_TRUE(driver.m_seen.empty());
}


TEST_F(ConfirmationMessageBoxTest, DialogShowsTextTitleAndButtons) {
	struct Case {
		QString		m_okText;
		bool		m_showCancel;
		QString		m_expectedOkText;
	};
	const Case cases[] = {
		{ "Accept", true, "Accept" },
		{ "", false, "OK" },
	};
	for (const Case & c : cases) {
		QString okText;
		bool cancelVisible = true;
		QString text;
		QString title;
		QFont font;
		QSize size;
		Driver driver;
		driver.add(Driver::inspectThen([&](QWidget * w) {
			QDialogButtonBox * box = w->findChild<QDialogButtonBox *>("buttonBox");
			okText = box->button(QDialogButtonBox::Ok)->text();
			cancelVisible = box->button(QDialogButtonBox::Cancel)->isVisible();
			QPlainTextEdit * edit = w->findChild<QPlainTextEdit *>("plainTextEdit");
			text = edit->toPlainText();
			font = edit->font();
			title = w->windowTitle();
			size = w->size();
		}, Driver::press(QDialogButtonBox::Ok)));
		show(c.m_okText, c.m_showCancel);
		EXPECT_EQ(okText.remove(QChar('&')), QString(c.m_expectedOkText).remove(QChar('&')));
		EXPECT_EQ(cancelVisible, c.m_showCancel);
		EXPECT_EQ(text, QString::fromUtf8("Licence text\nwith Umlaut \u00e4.\n"));
		EXPECT_EQ(title, "Title");
		EXPECT_EQ(font.styleHint(), QFont::TypeWriter);
		EXPECT_EQ(font.pointSize(), 9);
		EXPECT_EQ(size, QSize(600, 600));
	}
}


TEST_F(ConfirmationMessageBoxTest, MissingFileShowsAnEmptyText) {
	m_textFile = m_dir.path() + "/missing.txt";
	QString text = "not read";
	Driver driver;
	driver.add(Driver::inspectThen([&](QWidget * w) {
		text = w->findChild<QPlainTextEdit *>("plainTextEdit")->toPlainText();
	}, Driver::press(QDialogButtonBox::Ok)));
	EXPECT_EQ(show(), QDialog::Accepted);
	EXPECT_TRUE(text.isEmpty());
}


TEST_F(ConfirmationMessageBoxTest, LicenceLinesShowUnbrokenAndWhole) {
	// the shipped licence, and a line longer than the screen, which scrolls instead
	const QString licence = QtExt::Directories::resourcesRootDir() + "/license.txt";
	ASSERT_TRUE(QFile::exists(licence));
	struct Case { QString m_file; bool m_fitsScreen; };
	const QString tooLong = m_dir.path() + "/long.txt";
	QFile f(tooLong);
	ASSERT_TRUE(f.open(QIODevice::WriteOnly));
	f.write(QByteArray(400, 'x') + "\nshort\n");
	f.close();
	for (const Case & c : { Case{ licence, true }, Case{ tooLong, false } }) {
		m_textFile = c.m_file;
		int brokenLines = -1;
		int scrollRange = -1;
		int width = 0;
		Driver driver;
		driver.add(Driver::inspectThen([&](QWidget * w) {
			QPlainTextEdit * edit = w->findChild<QPlainTextEdit *>("plainTextEdit");
			brokenLines = 0;
			for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
				brokenLines += b.layout()->lineCount() > 1 ? 1 : 0;
			scrollRange = edit->horizontalScrollBar()->maximum();
			width = w->width();
		}, Driver::press(QDialogButtonBox::Ok)));
		show();
		EXPECT_EQ(brokenLines, 0) << c.m_file.toStdString();
		EXPECT_EQ(scrollRange == 0, c.m_fitsScreen) << c.m_file.toStdString();
		EXPECT_LE(width, QGuiApplication::primaryScreen()->availableGeometry().width()) << c.m_file.toStdString();
	}
}
