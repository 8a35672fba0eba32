#include "AboutDialog.h"
#include "ui_AboutDialog.h"
#include <RM_ProgramIdentity.h>

#include <QDesktopServices>
#include <QFile>
#include <QTextStream>

#include <QtExt_LanguageHandler.h>

AboutDialog::AboutDialog(QWidget * parent) :
	QDialog(parent),
	m_ui(new Ui::AboutDialog)
{
	m_ui->setupUi(this);
	setWindowTitle(tr("About %1 %2").arg(RM::ProgramIdentity::NAME, RM::ProgramIdentity::FULL_VERSION));

	const bool german = QtExt::LanguageHandler::langId() == "de";
	const QString lang = german ? "de" : "en";
	m_ui->labelPicture->setPixmap(QPixmap(":/gfx/splashscreen/splash_screen_" + lang + ".png", "PNG"));

	QFile page(":/html/AboutDialog_" + lang + ".html");
	if (page.open(QIODevice::ReadOnly)) {
		QTextStream strm(&page);
		strm.setCodec("ISO 8859-1");
		m_ui->textBrowser->setHtml(strm.readAll());
	}
	connect(m_ui->textBrowser, &QTextBrowser::anchorClicked, this, &AboutDialog::onAnchorClicked);
}


AboutDialog::~AboutDialog() {
	delete m_ui;
}


void AboutDialog::showEvent(QShowEvent * event) {
	QDialog::showEvent(event);
	setFixedSize(size());
}


void AboutDialog::onAnchorClicked(const QUrl & link) {
	QDesktopServices::openUrl(link);
}
