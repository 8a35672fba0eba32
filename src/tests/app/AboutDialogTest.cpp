// About dialog: page and picture by language, links to the desktop's handler, fixed size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QTextBrowser>
#include <QTest>
#include <QUrl>

#include <QtExt_LanguageHandler.h>

#include "AboutDialog.h"
#include "GuiTestHarness.h"

namespace {

/*! Receives the links handed to the desktop services. */
class LinkCatcher : public QObject {
	Q_OBJECT
public:
	QList<QUrl> m_urls;
public slots:
	void open(const QUrl & url) { m_urls.append(url); }
};

} // namespace


TEST(AboutDialogTest, PageAndPictureFollowTheLanguage) {
	struct Case {
		const char *	m_lang;
		const char *	m_pageText;
		const char *	m_picture;
	};
	const Case cases[] = {
		{ "en", "The Thermal Room Model", ":/gfx/splashscreen/splash_screen_en.png" },
		{ "de", "Das thermische Raummodell", ":/gfx/splashscreen/splash_screen_de.png" },
	};
	for (const Case & c : cases) {
		QtExt::LanguageHandler::setLangId(c.m_lang);
		AboutDialog dlg(nullptr);
		const QString page = dlg.findChild<QTextBrowser *>()->toPlainText();
		EXPECT_TRUE(page.contains(c.m_pageText)) << c.m_lang;
		if (QString(c.m_lang) == "de") {
			EXPECT_TRUE(page.contains(QString::fromUtf8("für"))) << "Latin-1 entities decoded";
		}
		const QImage shown = dlg.findChild<QLabel *>()->pixmap(Qt::ReturnByValue).toImage();
		const QImage expected = QPixmap(c.m_picture, "PNG").toImage();
		ASSERT_FALSE(expected.isNull());
		EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32)) << c.m_lang;
		EXPECT_TRUE(dlg.windowTitle().contains("Caldoryne"));
		EXPECT_TRUE(dlg.windowTitle().contains("3.2.2"));
	}
	GuiTest::clearSettings();
}


TEST(AboutDialogTest, LinksGoToTheDesktopHandler) {
	LinkCatcher catcher;
	QDesktopServices::setUrlHandler("https", &catcher, "open");
	QDesktopServices::setUrlHandler("mailto", &catcher, "open");
	AboutDialog dlg(nullptr);
	QTextBrowser * browser = dlg.findChild<QTextBrowser *>();
	const QString htmlBefore = browser->toHtml();
	emit browser->anchorClicked(QUrl("https://www.qt.io"));
	emit browser->anchorClicked(QUrl("mailto:caldoryne@example.org"));
	QDesktopServices::unsetUrlHandler("https");
	QDesktopServices::unsetUrlHandler("mailto");
	ASSERT_EQ(catcher.m_urls.size(), 2);
	EXPECT_EQ(catcher.m_urls[0], QUrl("https://www.qt.io"));
	EXPECT_EQ(catcher.m_urls[1], QUrl("mailto:caldoryne@example.org"));
	EXPECT_EQ(browser->toHtml(), htmlBefore) << "the browser does not follow links itself";
	EXPECT_FALSE(browser->openLinks());
	EXPECT_FALSE(browser->openExternalLinks());
}


TEST(AboutDialogTest, KeepsTheSizeOfItsFirstShow) {
	AboutDialog dlg(nullptr);
	dlg.show();
	QApplication::processEvents();
	const QSize first = dlg.size();
	EXPECT_EQ(dlg.minimumSize(), first);
	EXPECT_EQ(dlg.maximumSize(), first);
	dlg.resize(first + QSize(100, 100));
	EXPECT_EQ(dlg.size(), first);
	// the picture and a readable part of the page fit
	EXPECT_GE(dlg.findChild<QTextBrowser *>()->height(), 150);
	EXPECT_GE(dlg.width(), dlg.findChild<QLabel *>()->pixmap(Qt::ReturnByValue).width());
}

#include "AboutDialogTest.moc"
